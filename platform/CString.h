#pragma once

#include <windows.h>

#include <cstdarg>
#include <string>

// A byte string of GBK text (code page 936). Indexes and lengths count bytes; every
// search, case mapping and trimming works on whole characters, so a double-byte
// character is never split and its trail byte is never matched or changed. Only
// single-byte characters are case-mapped.
//
// Pass a CString to Format and other variadic functions as (LPCTSTR)s; the build
// warns about the object itself.
class CString {
public:
    CString() = default;
    CString(const CString& other) = default;
    CString(CString&& other) noexcept = default;
    CString(const char* text);
    CString(const unsigned char* text);
    CString(const char* text, int length);
    explicit CString(char ch, int repeat = 1);

    CString& operator=(const CString& other) = default;
    CString& operator=(CString&& other) noexcept = default;
    CString& operator=(const char* text);
    CString& operator=(const unsigned char* text);
    CString& operator=(char ch);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    operator LPCTSTR() const { return m_text.c_str(); }
    LPCTSTR GetString() const { return m_text.c_str(); }

    char GetAt(int index) const { return m_text[index]; }
    char operator[](int index) const { return m_text[index]; }
    void SetAt(int index, char ch) { m_text[index] = ch; }

    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

    // Byte-wise comparison; CompareNoCase folds single-byte letters only.
    int Compare(const char* text) const;
    int CompareNoCase(const char* text) const;
    // Comparison by the locale's collation rules.
    int Collate(const char* text) const;

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    // The leading characters that are (or are not) in the set.
    CString SpanIncluding(const char* charSet) const;
    CString SpanExcluding(const char* charSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // Each returns the number of replacements or removals.
    int Replace(char oldChar, char newChar);
    int Replace(const char* oldText, const char* newText);
    int Remove(char ch);
    // Each returns the new length.
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    // Each returns a byte index, or -1.
    int Find(char ch, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* charSet) const;

    // Without an argument these remove white space (space, tab, CR, LF, VT, FF).
    void TrimLeft();
    void TrimLeft(char ch);
    void TrimLeft(const char* charSet);
    void TrimRight();
    void TrimRight(char ch);
    void TrimRight(const char* charSet);
    void Trim();

    // printf-style formatting by the Windows C runtime's own rules.
    void Format(const char* format, ...) __attribute__((format(ms_printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    // Loads a string resource of the program; FALSE when there is none.
    BOOL LoadString(UINT id);

    // A writable buffer of at least minLength bytes plus a terminator. ReleaseBuffer
    // ends the text at newLength, or at the first zero byte when newLength is -1.
    char* GetBuffer(int minLength = 0);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);
    void FreeExtra();

private:
    // Byte index of the first character boundary at or after `from` where `pred` holds
    // for the character there (pointer to it and its length); -1 when none does.
    template <typename Pred>
    int FindCharFrom(int from, Pred pred) const;
    // Index just past the last character that is not matched by `pred`, scanning from
    // the start; 0 when all characters match.
    template <typename Pred>
    int EndOfLastUnmatched(Pred pred) const;
    template <typename Pred>
    void TrimLeftWhere(Pred pred);
    template <typename Pred>
    void TrimRightWhere(Pred pred);
    template <typename Map>
    void MapSingleByteChars(Map map);

    std::string m_text;
};

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator!=(const char* a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator<(const CString& a, const char* b);
bool operator<(const char* a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator>(const CString& a, const char* b);
bool operator>(const char* a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator<=(const CString& a, const char* b);
bool operator<=(const char* a, const CString& b);
bool operator>=(const CString& a, const CString& b);
bool operator>=(const CString& a, const char* b);
bool operator>=(const char* a, const CString& b);
