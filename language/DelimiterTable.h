#pragma once

// The delimiters that split a line into words. A word separator splits any text; a
// statement separator splits an IL statement ("(", ")", "[" and "]" are not, because
// "AND(", "OR(" and ")" are instructions of their own). A record with neither flag is
// listed but is a delimiter for no lookup.
struct DelimiterSpec {
    const char* text;
    unsigned char wordSeparator;
    unsigned char statementSeparator;
};

const int DELIMITER_COUNT = 23;
extern const DelimiterSpec DelimiterTable[DELIMITER_COUNT];

bool IsDelimiter(const char* text);
bool IsStatementDelimiter(const char* text);

// The text of a statement separator row; the empty text for any other row, also for a
// row outside the table.
const char* GetDelimiterText(int row);
