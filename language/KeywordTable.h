#pragma once
#include <windows.h>

// Keyword classes. Classes 10 and 11 are given by the token checker to ":" and ";";
// class 12 is also the class a word carries before it is classified.
enum KeywordClass {
    KW_SECTION = 0,
    KW_SECTION_END = 1,
    KW_LOGIC_OPERATOR = 2,
    KW_DATA_TYPE = 3,
    KW_FUNCTION = 4,
    KW_FUNCTION_BLOCK = 5,
    KW_ASSIGNMENT = 8,
    KW_IL_OPERATOR = 9,  // also the internal markers of the compiler
    KW_COLON = 10,
    KW_SEMICOLON = 11,
    KW_OTHER = 12,
};

// One reserved word. A disabled word stays reserved (it cannot name a variable) but the
// id lookups treat it as not found. The id equals the row except for VAR, VAR_ACCESS
// and VAR_CONFIG.
struct KeywordSpec {
    int id;
    const char* name;
    int keywordClass;
    BYTE enabled;
    BYTE enabledInStatements;
    DWORD cpuMask;
};

const int KEYWORD_COUNT = 270;
const int KEYWORD_NOT_FOUND = 270;
extern const KeywordSpec KeywordTable[KEYWORD_COUNT];

// The lookups compare whole names byte for byte (callers pass upper case) and stop at
// the first row of that name on the current CPU class.
int FindKeywordId(const char* name);
// Whether a row of that name exists on the current CPU class, enabled or not.
bool IsKeywordOnCurrentCpu(const char* name);
int LookupKeyword(const char* name, KeywordSpec& record);
bool IsFunctionKeyword(const char* name);
