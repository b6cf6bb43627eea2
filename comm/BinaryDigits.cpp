#include "comm/BinaryDigits.h"

void ToBinaryString(uint32_t value, CString& text) {
    char digits[33];
    int first = 32;
    digits[first] = '\0';
    do {
        digits[--first] = static_cast<char>('0' + (value & 1));
        value >>= 1;
    } while (value != 0);
    text = digits + first;
}
