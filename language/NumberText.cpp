#include "language/NumberText.h"

#include <cstring>

int NormalizedBase(int base) {
    if (base <= 2)
        return 2;
    if (base <= 8)
        return 8;
    if (base >= 11 && base <= 16)
        return 16;
    return 10;
}

bool IsDigitOfBase(char c, int base) {
    if (c == '0' || c == '1')
        return true;
    if (c >= '2' && c <= '7')
        return base != 2;
    if (c == '8' || c == '9')
        return base == 10 || base == 16;
    return c >= 'A' && c <= 'F' && base == 16;
}

bool IsValidNumberText(const char* text, int base, bool allowPoint) {
    if (text[0] == '\0')
        return false;
    base = NormalizedBase(base);
    bool pointSeen = false;
    for (size_t i = 0; text[i] != '\0'; ++i) {
        const char c = text[i];
        if (c == '+' || c == '-') {
            if (i != 0 || base != 10)
                return false;
        } else if (c == '.') {
            if (base != 10 || !allowPoint || pointSeen)
                return false;
            pointSeen = true;
        } else if (!IsDigitOfBase(c, base)) {
            return false;
        }
    }
    return true;
}

bool ReadSaturatedDecimal(const std::string& text, int64_t& value) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    if (i == text.size())
        return false;
    const uint64_t saturation = uint64_t(INT64_MAX) + 1;
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        const unsigned digit = text[i] - '0';
        magnitude = magnitude > (saturation - digit) / 10 ? saturation : magnitude * 10 + digit;
    }
    if (negative)
        value = magnitude >= saturation ? INT64_MIN : -static_cast<int64_t>(magnitude);
    else
        value = magnitude >= saturation ? INT64_MAX : static_cast<int64_t>(magnitude);
    return true;
}
