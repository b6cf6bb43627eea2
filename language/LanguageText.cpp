#include "language/LanguageText.h"

#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::string UpperCased(const char* text) {
    std::string result(text);
    for (size_t i = 0; i < result.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(result[i]);
        if (c >= 0x80)
            ++i;  // lead byte: keep the pair as it is
        else if (c >= 'a' && c <= 'z')
            result[i] = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

std::string Trimmed(const char* text) {
    const char* begin = text;
    const char* end = text + std::strlen(text);
    while (begin < end && IsBlank(*begin))
        ++begin;
    while (end > begin && IsBlank(end[-1]))
        --end;
    return std::string(begin, end);
}

std::string AddressForm(const char* text) {
    std::string address = UpperCased(text);
    if (address.empty() || address[0] != '%')
        address.insert(0, 1, '%');
    return address;
}
