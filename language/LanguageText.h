#pragma once
#include <string>

// Case folding and trimming for the lookups of the language tables, by the rules of
// CString: only single-byte letters change case and a double-byte character is never
// split, so a Chinese text is never altered into something that could match a table.
std::string UpperCased(const char* text);
std::string Trimmed(const char* text);

// The key of a name lookup: trimmed and upper-cased.
std::string LookupKey(const char* text);

// A direct address as the tables know it: upper case, with its leading "%".
std::string AddressForm(const char* text);
