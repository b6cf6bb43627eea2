#include "language/LanguageText.h"

#include "platform/CString.h"

std::string UpperCased(const char* text) {
    CString upper(text);
    upper.MakeUpper();
    return upper.GetString();
}

std::string Trimmed(const char* text) {
    CString trimmed(text);
    trimmed.Trim();
    return trimmed.GetString();
}

std::string LookupKey(const char* text) {
    return UpperCased(Trimmed(text).c_str());
}

std::string AddressForm(const char* text) {
    std::string address = UpperCased(text);
    if (address.empty() || address[0] != '%')
        address.insert(0, 1, '%');
    return address;
}
