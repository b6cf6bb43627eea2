#pragma once
#include <string>

// Case folding and trimming for the lookups of the language tables. Only ASCII letters
// change case; the second byte of a double-byte character is left alone, so a Chinese
// text is never altered into something that could match a table entry.
std::string UpperCased(const char* text);
std::string Trimmed(const char* text);

// A direct address as the tables know it: upper case, with its leading "%".
std::string AddressForm(const char* text);
