#pragma once

// Texts are GBK (code page 936): a byte in 0x81-0xFE starts a double-byte character
// whose trail byte may be any value from 0x40 up, including '\\' and ASCII letters.

inline bool IsGbkLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

// Length in bytes (1 or 2) of the character starting at text[pos]; a lead byte at the
// very end of the text stands alone.
inline int GbkCharLength(const char* text, int pos, int length) {
    return IsGbkLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < length ? 2 : 1;
}
