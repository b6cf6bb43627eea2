#pragma once
#include <cstdint>

// Passwords never travel in plain text: the password's bytes (at most 8), filled up to
// 8 bytes with 0xFF, enciphered under the program's fixed key.
constexpr int kPasswordBlockBytes = 8;

void MakePasswordBlock(const char* password, uint8_t block[kPasswordBlockBytes]);
void EncipherPassword(const char* password, uint8_t block[kPasswordBlockBytes]);
