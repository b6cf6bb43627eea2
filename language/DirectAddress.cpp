#include "language/DirectAddress.h"

#include "language/AreaLimits.h"
#include "language/AreaPrefixTable.h"
#include "language/LanguageText.h"
#include "language/NumberText.h"

#include <cstring>
#include <string>

namespace {

const int HIGHEST_BIT = 7;
const int RTC_BUFFER_BYTES = 8;

bool IsElementPrefix(const char* prefix) {
    return !std::strcmp(prefix, "%T") || !std::strcmp(prefix, "%C") || !std::strcmp(prefix, "%SR") ||
           !std::strcmp(prefix, "%RS");
}

// A plain number within 0 and the last index of the prefix's form.
bool IsIndexInArea(const std::string& number, const char* prefix) {
    int64_t n = 0;
    return number.find('.') == std::string::npos && IsValidNumberText(number.c_str(), 10, false) &&
           ReadSaturatedDecimal(number, n) && n >= 0 && n <= GetAreaLastIndex(prefix);
}

// byte.bit: a byte number within the area and one bit digit 0-7.
bool IsBitAddressInArea(const std::string& number, const char* prefix) {
    const size_t point = number.find('.');
    if (point == std::string::npos || point == 0)
        return false;
    const std::string byte = number.substr(0, point);
    const std::string bit = number.substr(point + 1);
    int64_t bitNumber = 0;
    return bit.size() == 1 && IsValidNumberText(bit.c_str(), 10, false) && ReadSaturatedDecimal(bit, bitNumber) &&
           bitNumber <= HIGHEST_BIT && IsIndexInArea(byte, prefix);
}

// No leading zero (unless the number is a bit address of byte 0), not empty, only
// digits and one point.
bool IsWellFormedNumber(const std::string& number) {
    if (number.empty() || (number.size() >= 2 && number[0] == '0' && number[1] != '.'))
        return false;
    return IsValidNumberText(number.c_str(), 10, true) && number.find_first_of("+-") == std::string::npos;
}

// The length of the prefix of a word or double-word form (which needs an even byte
// number), tried in this order; 0 for every other text.
size_t AlignedPrefixLength(const std::string& address) {
    static const char* const wordPrefixes[] = {"%IW", "%QW", "%MW", "%VW", "%LW"};
    static const char* const longPrefixes[] = {"%SMW", "%SMD", "%AIW", "%AQW", "%ACW"};
    static const char* const dwordPrefixes[] = {"%ID", "%QD", "%MD", "%VD", "%LD", "%VR"};
    for (const char* prefix : wordPrefixes)
        if (address.compare(0, 3, prefix) == 0)
            return 3;
    for (const char* prefix : longPrefixes)
        if (address.compare(0, 4, prefix) == 0)
            return 4;
    for (const char* prefix : dwordPrefixes)
        if (address.compare(0, 3, prefix) == 0)
            return 3;
    return 0;
}

}  // namespace

bool ParseDirectAddress(const char* text, OperandDescriptor& descriptor) {
    descriptor = OperandDescriptor(-1);
    if (text[0] == '\0')
        return false;
    const std::string address = AddressForm(text);
    short row = 0;
    AreaPrefixSpec spec{};
    if (!FindAreaPrefix(address.c_str(), row) || !GetAreaPrefixRecord(row, spec))
        return false;
    const std::string number = address.substr(spec.length);
    if (!IsWellFormedNumber(number) || !CheckAddressAlignment(address.c_str()))
        return false;
    const bool bitArea = (spec.types & OD_TYPE_MASK) == OD_BOOL && !IsElementPrefix(spec.prefix);
    if (bitArea ? !IsBitAddressInArea(number, spec.prefix) : !IsIndexInArea(number, spec.prefix))
        return false;
    descriptor = (spec.types & OD_TYPE_MASK) | OD_MEMORY | spec.areaWord;
    return true;
}

bool CheckAddressAlignment(const char* text) {
    const std::string address = AddressForm(text);
    const size_t prefixLength = AlignedPrefixLength(address);
    if (prefixLength == 0)
        return true;
    const std::string number = address.substr(prefixLength);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    return (number.back() - '0') % 2 == 0;
}

bool IsRtcBufferAddress(const char* text) {
    OperandDescriptor descriptor = 0;
    if (!ParseDirectAddress(text, descriptor))
        return false;
    if (!(descriptor & OD_BYTE) || !(descriptor & (OD_AREA_L | OD_AREA_V | OD_AREA_M)))
        return false;
    const std::string address = AddressForm(text);
    int64_t first = 0;
    ReadSaturatedDecimal(address.substr(3), first);
    return first >= 0 && first <= GetAreaLastIndex(address.substr(0, 3).c_str()) - (RTC_BUFFER_BYTES - 1);
}
