#pragma once
#include <cstdint>

// The PLC's 64-bit block cipher: eight rounds and an output transformation on four
// 16-bit words, with multiplication modulo 65537, addition modulo 65536 and exclusive
// or. Words of the block and the key are little-endian byte pairs.
class CIdeaCipher {
public:
    static constexpr int kKeyBytes = 16;
    static constexpr int kBlockBytes = 8;
    static constexpr int kSubkeyCount = 52;

    CIdeaCipher();
    virtual ~CIdeaCipher() = default;

    void SetKey(const uint8_t key[kKeyBytes]);
    // Enciphers 8 bytes in place under the key last set; false for a missing block.
    // The subkeys are derived afresh each time, so equal blocks give equal results.
    bool Encrypt(uint8_t* block);

    static uint16_t Mul(uint16_t a, uint16_t b);

private:
    void ExpandKey();
    static void ShiftKey(uint8_t key[kKeyBytes]);

    uint8_t m_key[kKeyBytes];
    uint16_t m_subkeys[kSubkeyCount];
};
