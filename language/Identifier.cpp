#include "language/Identifier.h"

bool IsValidIdentifier(const char* name) {
    if (name[0] == '\0')
        return false;
    for (int i = 0; name[i] != '\0'; ++i) {
        const char c = name[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (digit && i == 0)
            return false;
        if (c == '_' && i == 1 && name[0] == '_')
            return false;
        if (!letter && !digit && c != '_')
            return false;
    }
    return true;
}
