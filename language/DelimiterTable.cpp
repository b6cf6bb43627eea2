#include "language/DelimiterTable.h"

#include <cstring>

const DelimiterSpec DelimiterTable[DELIMITER_COUNT] = {
    {"(*", 1, 1}, {"*)", 1, 1}, {":=", 1, 1}, {"=>", 0, 0}, {" ", 1, 1}, {"\t", 1, 1},
    {":", 1, 1},  {",", 1, 1},  {";", 1, 1},  {"[", 1, 0},  {"]", 1, 0}, {"(", 1, 0},
    {"+", 0, 0},  {"-", 0, 0},  {"*", 0, 0},  {"/", 0, 0},  {")", 1, 0}, {"<>", 0, 0},
    {"<=", 0, 0}, {"<", 0, 0},  {">=", 0, 0}, {">", 0, 0},  {"=", 0, 0},
};

namespace {

const DelimiterSpec* FindDelimiter(const char* text) {
    for (const DelimiterSpec& spec : DelimiterTable)
        if (std::strcmp(spec.text, text) == 0)
            return &spec;
    return nullptr;
}

}  // namespace

// No delimiter holds a letter, so the text needs no case folding before the search.
bool IsDelimiter(const char* text) {
    const DelimiterSpec* spec = FindDelimiter(text);
    return spec && (spec->wordSeparator || spec->statementSeparator);
}

bool IsStatementDelimiter(const char* text) {
    const DelimiterSpec* spec = FindDelimiter(text);
    return spec && spec->statementSeparator;
}

const char* GetDelimiterText(int row) {
    if (row < 0 || row >= DELIMITER_COUNT || !DelimiterTable[row].statementSeparator)
        return "";
    return DelimiterTable[row].text;
}
