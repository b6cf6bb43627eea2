#pragma once
#include "language/OperandDescriptor.h"

#include <string>

// The value of a literal, one field per data type; a parse writes only the field of the
// type it was asked for.
struct LiteralValue {
    BYTE boolValue;
    BYTE byteValue;
    WORD wordValue;
    DWORD dwordValue;
    short intValue;
    long dintValue;
    float realValue;
};

enum LiteralResult {
    LITERAL_OK = 0,
    LITERAL_UNKNOWN_TYPE = 1,  // the requested type is not one of the seven
    LITERAL_BAD_FORM = 2,      // form, digits or digit count
    LITERAL_OUT_OF_RANGE = 3,  // the value field holds the nearest limit
};

// Base codes of literal prefixes; time and date literals are recognised but have no
// type in this language.
enum LiteralBase {
    BASE_BINARY = 2,
    BASE_OCTAL = 8,
    BASE_DECIMAL = 10,
    BASE_HEX = 16,
    BASE_TIME = 17,
    BASE_TIME_OF_DAY = 18,
    BASE_DATE = 19,
    BASE_DATE_AND_TIME = 20,
};

// The literal's base by its prefix ("B#16#", "2#", "DI#", ...), and the digit text after
// the prefix without leading blanks. Text without a prefix is decimal.
int SplitLiteralPrefix(const char* text, std::string& digits);

// Whether a digit text (1 to 100 characters) is made of digits of the base; in base 10
// a sign may lead or follow an "E", and an "E" needs a point in the text. Bases up to 2
// count as 2, 3 to 8 as 8, 11 to 16 as 16, every other base as 10.
bool IsValidDigits(const char* text, int base, bool allowPoint);

// Converts an upper-case literal to the type named by the descriptor's type field.
int ParseLiteral(const char* text, OperandDescriptor type, LiteralValue& value);

// Whether the value of the type lies within the type's limits (for REAL: 0, or a normal
// single-precision magnitude).
bool CheckLiteralRange(OperandDescriptor type, const LiteralValue& value);

// ParseLiteral and CheckLiteralRange both pass.
bool ConvertLiteral(const char* text, OperandDescriptor type, LiteralValue& value);

// Finds a literal's type from its form and converts it. On success the descriptor is
// the type bit with constant and readable (0x9000); on failure it is -1 when no form
// matched, else the bare type bit.
bool ClassifyConstant(const char* text, OperandDescriptor& descriptor);

// The same, giving the type bit with 0x1000 and the value as a 32-bit word (BYTE and
// WORD zero-extended, INT sign-extended, REAL as its bit pattern, which the REAL output
// also holds as a number).
bool ParseConstantValue(const char* text, OperandDescriptor& descriptor, DWORD& integerValue, float& realValue);

DWORD RealToBits(float value);
