#include "language/LiteralParser.h"

#include "language/LanguageText.h"
#include "language/NumberText.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const size_t MAX_DIGIT_TEXT = 100;

// The literal prefixes in the order they are tried, with the type a classifier reads
// from them (0 for the time and date forms, which are no constants of this language).
struct LiteralPrefix {
    const char* text;
    int base;
    OperandDescriptor type;
};

const LiteralPrefix LiteralPrefixes[] = {
    {"I#2#", BASE_BINARY, OD_INT},   {"DI#2#", BASE_BINARY, OD_DINT},   {"B#2#", BASE_BINARY, OD_BYTE},
    {"DW#2#", BASE_BINARY, OD_DWORD}, {"W#2#", BASE_BINARY, OD_WORD},   {"2#", BASE_BINARY, OD_WORD},
    {"I#8#", BASE_OCTAL, OD_INT},    {"DI#8#", BASE_OCTAL, OD_DINT},    {"B#8#", BASE_OCTAL, OD_BYTE},
    {"DW#8#", BASE_OCTAL, OD_DWORD}, {"W#8#", BASE_OCTAL, OD_WORD},     {"8#", BASE_OCTAL, OD_WORD},
    {"I#16#", BASE_HEX, OD_INT},     {"DI#16#", BASE_HEX, OD_DINT},     {"B#16#", BASE_HEX, OD_BYTE},
    {"DW#16#", BASE_HEX, OD_DWORD},  {"W#16#", BASE_HEX, OD_WORD},      {"16#", BASE_HEX, OD_WORD},
    {"T#", BASE_TIME, 0},            {"TOD#", BASE_TIME_OF_DAY, 0},     {"D#", BASE_DATE, 0},
    {"DT#", BASE_DATE_AND_TIME, 0},  {"I#", BASE_DECIMAL, OD_INT},      {"DI#", BASE_DECIMAL, OD_DINT},
    {"B#", BASE_DECIMAL, OD_BYTE},   {"DW#", BASE_DECIMAL, OD_DWORD},   {"W#", BASE_DECIMAL, OD_WORD},
};

const LiteralPrefix* FindLiteralPrefix(const char* text) {
    for (const LiteralPrefix& prefix : LiteralPrefixes)
        if (std::strncmp(text, prefix.text, std::strlen(prefix.text)) == 0)
            return &prefix;
    return nullptr;
}

// The integer types: their width in bits, and the most digits an octal text may have.
int WidthOf(OperandDescriptor type) {
    switch (type) {
    case OD_BYTE:
        return 8;
    case OD_WORD:
    case OD_INT:
        return 16;
    default:
        return 32;
    }
}

int MaxDigits(int width, int base) {
    if (base == BASE_BINARY)
        return width;
    if (base == BASE_HEX)
        return width / 4;
    return width == 8 ? 3 : width == 16 ? 7 : 11;
}

int DigitValue(char c) {
    return (c >= '0' && c <= '9') ? c - '0' : c - 'A' + 10;
}

// Reads a binary, octal or hexadecimal digit text as a bit pattern of the width; false
// for too many digits or a value beyond the width.
bool ReadBitPattern(const std::string& digits, int base, int width, uint32_t& pattern) {
    if (static_cast<int>(digits.size()) > MaxDigits(width, base))
        return false;
    const uint64_t limit = (uint64_t(1) << width) - 1;
    uint64_t value = 0;
    for (char c : digits) {
        value = value * base + DigitValue(c);
        if (value > limit)
            return false;
    }
    pattern = static_cast<uint32_t>(value);
    return true;
}

int64_t Clamped(int64_t value, int64_t low, int64_t high, int& result) {
    if (value < low) {
        result = LITERAL_OUT_OF_RANGE;
        return low;
    }
    if (value > high) {
        result = LITERAL_OUT_OF_RANGE;
        return high;
    }
    return value;
}

void StoreDecimal(OperandDescriptor type, int64_t number, LiteralValue& value, int& result) {
    switch (type) {
    case OD_BOOL:
        value.boolValue = number != 0;
        break;
    case OD_BYTE:
        value.byteValue = static_cast<BYTE>(Clamped(number, 0, 0xFF, result));
        break;
    case OD_WORD:
        value.wordValue = static_cast<WORD>(Clamped(number, 0, 0xFFFF, result));
        break;
    case OD_DWORD:
        value.dwordValue = static_cast<DWORD>(Clamped(number, 0, 0xFFFFFFFFLL, result));
        break;
    case OD_INT:
        value.intValue = static_cast<short>(Clamped(number, -32768, 32767, result));
        break;
    default:
        value.dintValue = static_cast<long>(Clamped(number, INT32_MIN, INT32_MAX, result));
        break;
    }
}

void StorePattern(OperandDescriptor type, uint32_t pattern, LiteralValue& value) {
    switch (type) {
    case OD_BOOL:
        value.boolValue = pattern != 0;
        break;
    case OD_BYTE:
        value.byteValue = static_cast<BYTE>(pattern);
        break;
    case OD_WORD:
        value.wordValue = static_cast<WORD>(pattern);
        break;
    case OD_DWORD:
        value.dwordValue = pattern;
        break;
    case OD_INT:
        value.intValue = static_cast<short>(static_cast<uint16_t>(pattern));
        break;
    default:
        value.dintValue = static_cast<long>(static_cast<int32_t>(pattern));
        break;
    }
}

int ParseInteger(const char* text, OperandDescriptor type, LiteralValue& value) {
    if (type == OD_BOOL && (!std::strcmp(text, "TRUE") || !std::strcmp(text, "FALSE"))) {
        value.boolValue = text[0] == 'T';
        return LITERAL_OK;
    }
    std::string digits;
    const int base = SplitLiteralPrefix(text, digits);
    if (base >= BASE_TIME || !IsValidDigits(digits.c_str(), base, false)) {
        StorePattern(type, 0, value);
        return LITERAL_BAD_FORM;
    }
    int result = LITERAL_OK;
    if (base == BASE_DECIMAL) {
        int64_t number = 0;
        if (!ReadSaturatedDecimal(digits, number)) {
            StorePattern(type, 0, value);
            return LITERAL_BAD_FORM;
        }
        StoreDecimal(type, number, value, result);
        return result;
    }
    uint32_t pattern = 0;
    if (!ReadBitPattern(digits, base, WidthOf(type), pattern))
        result = LITERAL_BAD_FORM;
    StorePattern(type, pattern, value);
    return result;
}

// True when the digits before the exponent are all zeros.
bool IsZeroMantissa(const char* text) {
    for (; *text != '\0' && *text != 'E'; ++text)
        if (*text >= '1' && *text <= '9')
            return false;
    return true;
}

// The whole text must be a decimal number. Its range is judged on the value rounded to
// single: beyond the largest single it is refused, not made infinite, and a value that
// is not zero but rounds to zero is refused too, each with the nearest limit in the
// value field. What lies between zero and the smallest normal single converts, and the
// range check refuses it.
int ParseReal(const char* text, LiteralValue& value) {
    char* end = nullptr;
    const double number = IsValidDigits(text, BASE_DECIMAL, true) ? std::strtod(text, &end) : 0.0;
    if (end == nullptr || end == text || *end != '\0') {
        value.realValue = 0.0f;
        return LITERAL_BAD_FORM;
    }
    const float rounded = static_cast<float>(number);
    const bool negative = std::signbit(number);
    if (std::isinf(rounded)) {
        value.realValue = negative ? -FLT_MAX : FLT_MAX;
        return LITERAL_OUT_OF_RANGE;
    }
    if (rounded == 0.0f && !IsZeroMantissa(text)) {
        value.realValue = negative ? -FLT_MIN : FLT_MIN;
        return LITERAL_OUT_OF_RANGE;
    }
    value.realValue = rounded;
    return LITERAL_OK;
}

// The type of a literal from its form; 0 when no form matches.
OperandDescriptor ClassifyLiteral(const std::string& text) {
    if (text == "TRUE" || text == "FALSE")
        return OD_BOOL;
    // No text begins with both a time or date prefix and a typed one, so the first
    // prefix found decides; a time or date literal has no type.
    if (const LiteralPrefix* prefix = FindLiteralPrefix(text.c_str()))
        return prefix->type;
    if (text.find('.') != std::string::npos)
        return IsValidDigits(text.c_str(), BASE_DECIMAL, true) ? OD_REAL : 0;
    return IsValidDigits(text.c_str(), BASE_DECIMAL, false) ? OD_INT : 0;
}

// Classifies and converts; the descriptor gets the type bit, or -1 when no form matched.
bool ClassifyAndConvert(const char* text, OperandDescriptor& type, LiteralValue& value) {
    const std::string upper = UpperCased(text);
    type = ClassifyLiteral(upper);
    if (type == 0) {
        type = OperandDescriptor(-1);
        return false;
    }
    return ConvertLiteral(upper.c_str(), type, value);
}

}  // namespace

int SplitLiteralPrefix(const char* text, std::string& digits) {
    const LiteralPrefix* prefix = FindLiteralPrefix(text);
    const char* rest = prefix ? text + std::strlen(prefix->text) : text;
    while (*rest == ' ')
        ++rest;
    digits = rest;
    return prefix ? prefix->base : BASE_DECIMAL;
}

bool IsValidDigits(const char* text, int base, bool allowPoint) {
    const size_t length = std::strlen(text);
    if (length < 1 || length > MAX_DIGIT_TEXT)
        return false;
    base = NormalizedBase(base);
    const bool decimal = base == BASE_DECIMAL;
    const bool exponentAllowed = decimal && std::strchr(text, '.') != nullptr;
    bool pointAllowed = decimal && allowPoint;
    bool pointSeen = false;
    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        bool valid;
        if (c == '+' || c == '-') {
            // A sign after the exponent letter also permits a point from there on.
            const bool afterExponent = i > 0 && text[i - 1] == 'E';
            valid = decimal && (i == 0 || afterExponent);
            pointAllowed = pointAllowed || (decimal && afterExponent);
        } else if (c == '.') {
            valid = pointAllowed && !pointSeen;
            pointSeen = true;
        } else {
            valid = IsDigitOfBase(c, base) || (c == 'E' && exponentAllowed);
        }
        if (!valid)
            return false;
    }
    return true;
}

int ParseLiteral(const char* text, OperandDescriptor type, LiteralValue& value) {
    switch (type & OD_TYPE_MASK) {
    case OD_BOOL:
    case OD_BYTE:
    case OD_WORD:
    case OD_DWORD:
    case OD_INT:
    case OD_DINT:
        return ParseInteger(text, type & OD_TYPE_MASK, value);
    case OD_REAL:
        return ParseReal(text, value);
    default:
        return LITERAL_UNKNOWN_TYPE;
    }
}

bool CheckLiteralRange(OperandDescriptor type, const LiteralValue& value) {
    if ((type & OD_TYPE_MASK) != OD_REAL)
        return true;  // the integer fields cannot hold a value outside their type
    const float magnitude = std::fabs(value.realValue);
    return magnitude == 0.0f || (magnitude >= FLT_MIN && magnitude <= FLT_MAX);
}

bool ConvertLiteral(const char* text, OperandDescriptor type, LiteralValue& value) {
    return ParseLiteral(text, type, value) == LITERAL_OK && CheckLiteralRange(type, value);
}

bool ClassifyConstant(const char* text, OperandDescriptor& descriptor) {
    LiteralValue value{};
    if (!ClassifyAndConvert(text, descriptor, value))
        return false;
    descriptor |= OD_CONSTANT | OD_AREA_READABLE;
    return true;
}

bool ParseConstantValue(const char* text, OperandDescriptor& descriptor, DWORD& integerValue, float& realValue) {
    LiteralValue value{};
    if (!ClassifyAndConvert(text, descriptor, value))
        return false;
    switch (descriptor) {
    case OD_BOOL:
        integerValue = value.boolValue;
        break;
    case OD_BYTE:
        integerValue = value.byteValue;
        break;
    case OD_WORD:
        integerValue = value.wordValue;
        break;
    case OD_DWORD:
        integerValue = value.dwordValue;
        break;
    case OD_INT:
        integerValue = static_cast<DWORD>(static_cast<long>(value.intValue));
        break;
    case OD_DINT:
        integerValue = static_cast<DWORD>(value.dintValue);
        break;
    default:
        realValue = value.realValue;
        integerValue = RealToBits(value.realValue);
        break;
    }
    descriptor |= OD_CONSTANT;
    return true;
}

DWORD RealToBits(float value) {
    DWORD bits = 0;
    static_assert(sizeof(bits) == sizeof(value), "REAL is a 32-bit single");
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}
