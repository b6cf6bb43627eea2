#pragma once
#include <cstdint>
#include <string>

// Digit rules shared by the literal and address parsers. Bases up to 2 count as 2,
// 3 to 8 as 8, 11 to 16 as 16, every other base as 10.
int NormalizedBase(int base);

// Whether the character is a digit of the (normalized) base; hexadecimal digits are
// upper case only.
bool IsDigitOfBase(char c, int base);

// A number text: not empty, digits of the base, a sign only first and only in base 10,
// one point only in base 10 when allowed. No exponent and no length limit.
bool IsValidNumberText(const char* text, int base, bool allowPoint);

// Reads an optionally signed decimal integer. A value beyond 64 bits saturates rather
// than wraps, so an overlong number stays outside every range. False when the text is
// not a sign followed by at least one digit.
bool ReadSaturatedDecimal(const std::string& text, int64_t& value);
