#include "platform/CString.h"

#include "platform/Gbk.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Blank, tab, line feed, vertical tab, form feed or carriage return.
bool IsSingleByteSpace(const char* ch, int length) {
    return length == 1 && (*ch == ' ' || (*ch >= '\t' && *ch <= '\r'));
}

// True when the character (1 or 2 bytes) is one of the characters of the set.
bool IsCharInSet(const char* ch, int length, const char* charSet) {
    const int setLength = static_cast<int>(std::strlen(charSet));
    for (int i = 0; i < setLength;) {
        const int setCharLength = GbkCharLength(charSet, i, setLength);
        if (setCharLength == length && std::memcmp(charSet + i, ch, length) == 0)
            return true;
        i += setCharLength;
    }
    return false;
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

using VsnprintfFunction = int(__cdecl*)(char*, size_t, const char*, va_list);

// The C runtime's formatting differs from the C++ library's (three exponent digits,
// for one), and the program's texts and files rely on it, so the system's own msvcrt
// does the work.
VsnprintfFunction RuntimeVsnprintf() {
    static const VsnprintfFunction function = [] {
        HMODULE runtime = LoadLibraryA("msvcrt.dll");
        return reinterpret_cast<VsnprintfFunction>(
            reinterpret_cast<void*>(GetProcAddress(runtime, "_vsnprintf")));
    }();
    return function;
}

// A bound on one formatted text, so a runaway format cannot exhaust memory.
constexpr size_t kMaxFormattedLength = 1 << 24;

int Sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

CString::CString(const char* text) : m_text(text ? text : "") {}

CString::CString(const unsigned char* text) : CString(reinterpret_cast<const char*>(text)) {}

CString::CString(const char* text, int length) {
    if (text && length > 0)
        m_text.assign(text, length);
}

CString::CString(char ch, int repeat) : m_text(repeat > 0 ? repeat : 0, ch) {}

CString& CString::operator=(const char* text) {
    m_text = text ? text : "";
    return *this;
}

CString& CString::operator=(const unsigned char* text) {
    return *this = reinterpret_cast<const char*>(text);
}

CString& CString::operator=(char ch) {
    m_text.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text) {
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(const char* text) {
    if (text)
        m_text += text;
    return *this;
}

CString& CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    CString result(a);
    return result += b;
}

CString operator+(const CString& a, const char* b) {
    CString result(a);
    return result += b;
}

CString operator+(const char* a, const CString& b) {
    CString result(a);
    return result += b;
}

CString operator+(const CString& a, char b) {
    CString result(a);
    return result += b;
}

CString operator+(char a, const CString& b) {
    CString result(a);
    return result += b;
}

int CString::Compare(const char* text) const {
    return Sign(std::strcmp(m_text.c_str(), text ? text : ""));
}

int CString::CompareNoCase(const char* text) const {
    CString left(*this), right(text);
    left.MakeLower();
    right.MakeLower();
    return left.Compare(right);
}

int CString::Collate(const char* text) const {
    return CompareStringA(LOCALE_USER_DEFAULT, 0, m_text.c_str(), -1, text ? text : "", -1) - CSTR_EQUAL;
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.data() + first, count);
}

CString CString::Left(int count) const {
    return Mid(0, count);
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return Mid(GetLength() - count, count);
}

template <typename Pred>
int CString::FindCharFrom(int from, Pred pred) const {
    const int length = GetLength();
    for (int i = 0; i < length;) {
        const int charLength = GbkCharLength(m_text.data(), i, length);
        if (i >= from && pred(m_text.data() + i, charLength))
            return i;
        i += charLength;
    }
    return -1;
}

template <typename Pred>
int CString::EndOfLastUnmatched(Pred pred) const {
    const int length = GetLength();
    int end = 0;
    for (int i = 0; i < length;) {
        const int charLength = GbkCharLength(m_text.data(), i, length);
        i += charLength;
        if (!pred(m_text.data() + i - charLength, charLength))
            end = i;
    }
    return end;
}

CString CString::SpanIncluding(const char* charSet) const {
    const int end = FindCharFrom(0, [&](const char* ch, int n) { return !IsCharInSet(ch, n, charSet); });
    return end < 0 ? *this : Left(end);
}

CString CString::SpanExcluding(const char* charSet) const {
    const int end = FindCharFrom(0, [&](const char* ch, int n) { return IsCharInSet(ch, n, charSet); });
    return end < 0 ? *this : Left(end);
}

template <typename Map>
void CString::MapSingleByteChars(Map map) {
    const int length = GetLength();
    for (int i = 0; i < length;) {
        const int charLength = GbkCharLength(m_text.data(), i, length);
        if (charLength == 1)
            m_text[i] = map(m_text[i]);
        i += charLength;
    }
}

void CString::MakeUpper() {
    MapSingleByteChars(AsciiUpper);
}

void CString::MakeLower() {
    MapSingleByteChars(AsciiLower);
}

void CString::MakeReverse() {
    std::string reversed(m_text.size(), '\0');
    const int length = GetLength();
    for (int i = 0; i < length;) {
        const int charLength = GbkCharLength(m_text.data(), i, length);
        std::memcpy(&reversed[length - i - charLength], m_text.data() + i, charLength);
        i += charLength;
    }
    m_text.swap(reversed);
}

int CString::Replace(char oldChar, char newChar) {
    int count = 0;
    MapSingleByteChars([&](char c) {
        if (c != oldChar)
            return c;
        ++count;
        return newChar;
    });
    return count;
}

int CString::Replace(const char* oldText, const char* newText) {
    const int oldLength = oldText ? static_cast<int>(std::strlen(oldText)) : 0;
    if (oldLength == 0)
        return 0;
    const int length = GetLength();
    std::string result;
    int count = 0;
    for (int i = 0; i < length;) {
        if (i + oldLength <= length && m_text.compare(i, oldLength, oldText) == 0) {
            result += newText ? newText : "";
            i += oldLength;
            ++count;
        } else {
            const int charLength = GbkCharLength(m_text.data(), i, length);
            result.append(m_text, i, charLength);
            i += charLength;
        }
    }
    m_text.swap(result);
    return count;
}

int CString::Remove(char ch) {
    std::string result;
    const int length = GetLength();
    for (int i = 0; i < length;) {
        const int charLength = GbkCharLength(m_text.data(), i, length);
        if (charLength == 2 || m_text[i] != ch)
            result.append(m_text, i, charLength);
        i += charLength;
    }
    const int removed = length - static_cast<int>(result.size());
    m_text.swap(result);
    return removed;
}

int CString::Insert(int index, char ch) {
    return Insert(index, CString(ch));
}

int CString::Insert(int index, const char* text) {
    m_text.insert(std::clamp(index, 0, GetLength()), text ? text : "");
    return GetLength();
}

int CString::Delete(int index, int count) {
    index = std::max(index, 0);
    if (count > 0 && index < GetLength())
        m_text.erase(index, count);
    return GetLength();
}

int CString::Find(char ch, int start) const {
    return FindCharFrom(start, [ch](const char* c, int n) { return n == 1 && *c == ch; });
}

int CString::Find(const char* text, int start) const {
    const int textLength = text ? static_cast<int>(std::strlen(text)) : 0;
    const int last = GetLength() - textLength;
    // Without a byte match anywhere there is no match on a character boundary either;
    // most searches end here without the character walk.
    if (textLength == 0 || start > last || m_text.find(text, std::max(start, 0)) == std::string::npos)
        return -1;
    return FindCharFrom(start, [&](const char* c, int) {
        return c - m_text.data() <= last && std::memcmp(c, text, textLength) == 0;
    });
}

int CString::ReverseFind(char ch) const {
    const int end = EndOfLastUnmatched([ch](const char* c, int n) { return n == 2 || *c != ch; });
    return end - 1;
}

int CString::FindOneOf(const char* charSet) const {
    return FindCharFrom(0, [&](const char* c, int n) { return IsCharInSet(c, n, charSet); });
}

template <typename Pred>
void CString::TrimLeftWhere(Pred pred) {
    const int first = FindCharFrom(0, [&](const char* c, int n) { return !pred(c, n); });
    m_text.erase(0, first < 0 ? m_text.size() : first);
}

template <typename Pred>
void CString::TrimRightWhere(Pred pred) {
    m_text.resize(EndOfLastUnmatched(pred));
}

void CString::TrimLeft() {
    TrimLeftWhere(IsSingleByteSpace);
}

void CString::TrimLeft(char ch) {
    TrimLeftWhere([ch](const char* c, int n) { return n == 1 && *c == ch; });
}

void CString::TrimLeft(const char* charSet) {
    TrimLeftWhere([charSet](const char* c, int n) { return IsCharInSet(c, n, charSet); });
}

void CString::TrimRight() {
    // A text whose last byte is no blank ends in a character that is no blank, so the
    // walk over the characters is needed only when the last byte is one.
    if (m_text.empty() || !IsSingleByteSpace(&m_text.back(), 1)) return;
    TrimRightWhere(IsSingleByteSpace);
}

void CString::TrimRight(char ch) {
    TrimRightWhere([ch](const char* c, int n) { return n == 1 && *c == ch; });
}

void CString::TrimRight(const char* charSet) {
    TrimRightWhere([charSet](const char* c, int n) { return IsCharInSet(c, n, charSet); });
}

void CString::Trim() {
    TrimRight();
    TrimLeft();
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    std::vector<char> buffer(256);
    for (;;) {
        va_list attempt;
        va_copy(attempt, args);
        const int written = RuntimeVsnprintf()(buffer.data(), buffer.size(), format, attempt);
        va_end(attempt);
        if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
            m_text.assign(buffer.data(), written);
            return;
        }
        if (buffer.size() >= kMaxFormattedLength) {
            m_text.assign(buffer.data(), buffer.size() - 1);
            return;
        }
        buffer.resize(buffer.size() * 2);
    }
}

BOOL CString::LoadString(UINT id) {
    std::vector<char> buffer(256);
    for (;;) {
        const int copied = ::LoadStringA(GetModuleHandleA(nullptr), id, buffer.data(), static_cast<int>(buffer.size()));
        if (copied <= 0) {
            Empty();
            return FALSE;
        }
        if (copied < static_cast<int>(buffer.size()) - 1) {
            m_text.assign(buffer.data(), copied);
            return TRUE;
        }
        buffer.resize(buffer.size() * 2);
    }
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_text.resize(minLength);
    return &m_text[0];
}

char* CString::GetBufferSetLength(int length) {
    m_text.resize(std::max(length, 0));
    return &m_text[0];
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        newLength = static_cast<int>(std::strlen(m_text.c_str()));
    m_text.resize(std::min(newLength, GetLength()));
}

void CString::FreeExtra() {
    m_text.shrink_to_fit();
}

bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
bool operator<(const char* a, const CString& b) { return b.Compare(a) > 0; }
bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
bool operator>(const CString& a, const char* b) { return a.Compare(b) > 0; }
bool operator>(const char* a, const CString& b) { return b.Compare(a) < 0; }
bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
bool operator<=(const CString& a, const char* b) { return a.Compare(b) <= 0; }
bool operator<=(const char* a, const CString& b) { return b.Compare(a) >= 0; }
bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
bool operator>=(const CString& a, const char* b) { return a.Compare(b) >= 0; }
bool operator>=(const char* a, const CString& b) { return b.Compare(a) <= 0; }
