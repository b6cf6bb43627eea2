#include "comm/PasswordBlock.h"

#include "comm/IdeaCipher.h"

#include <cstring>

namespace {
const char kPasswordKey[CIdeaCipher::kKeyBytes + 1] = "#Quiet_River_Oak";
}

void MakePasswordBlock(const char* password, uint8_t block[kPasswordBlockBytes]) {
    std::memset(block, 0xFF, kPasswordBlockBytes);
    const size_t length = password ? std::strlen(password) : 0;
    std::memcpy(block, password, length < kPasswordBlockBytes ? length : kPasswordBlockBytes);
}

void EncipherPassword(const char* password, uint8_t block[kPasswordBlockBytes]) {
    MakePasswordBlock(password, block);
    CIdeaCipher cipher;
    cipher.SetKey(reinterpret_cast<const uint8_t*>(kPasswordKey));
    cipher.Encrypt(block);
}
