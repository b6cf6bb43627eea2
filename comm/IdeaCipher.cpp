#include "comm/IdeaCipher.h"

#include <cstring>

namespace {

constexpr int kRounds = 8;
constexpr uint32_t kModulus = 65537;

uint16_t LoadWord(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)); }

void StoreWord(uint8_t* bytes, uint16_t word) {
    bytes[0] = static_cast<uint8_t>(word & 0xFF);
    bytes[1] = static_cast<uint8_t>(word >> 8);
}

uint16_t Add(uint16_t a, uint16_t b) { return static_cast<uint16_t>(a + b); }

}  // namespace

CIdeaCipher::CIdeaCipher() {
    std::memset(m_key, 0, sizeof m_key);
    std::memset(m_subkeys, 0, sizeof m_subkeys);
}

void CIdeaCipher::SetKey(const uint8_t key[kKeyBytes]) { std::memcpy(m_key, key, kKeyBytes); }

uint16_t CIdeaCipher::Mul(uint16_t a, uint16_t b) {
    uint32_t product;
    if (a == 0 && b == 0)
        product = 0;
    else if (a == 0)
        product = (65536u * b) % kModulus;
    else if (b == 0)
        product = (65536u * a) % kModulus;
    else
        product = (static_cast<uint32_t>(a) * b) % kModulus;
    return static_cast<uint16_t>(product);  // 65536 becomes 0
}

// Only the first four key bytes change: each becomes the top bit of its neighbour.
void CIdeaCipher::ShiftKey(uint8_t key[kKeyBytes]) {
    const uint8_t oldFirst = key[0];
    key[0] = key[1] >> 7;
    key[1] = key[2] >> 7;
    key[2] = key[3] >> 7;
    key[3] = oldFirst >> 7;
}

void CIdeaCipher::ExpandKey() {
    uint8_t key[kKeyBytes];
    std::memcpy(key, m_key, kKeyBytes);
    int next = 0;
    for (int set = 0; set < 6; ++set) {
        for (int word = 0; word < 8; ++word)
            m_subkeys[next++] = LoadWord(key + 2 * word);
        ShiftKey(key);
    }
    for (int word = 0; word < 4; ++word)
        m_subkeys[next++] = LoadWord(key + 2 * word);
}

bool CIdeaCipher::Encrypt(uint8_t* block) {
    if (!block)
        return false;
    ExpandKey();
    uint16_t x0 = LoadWord(block), x1 = LoadWord(block + 2), x2 = LoadWord(block + 4),
             x3 = LoadWord(block + 6);
    for (int round = 0; round < kRounds; ++round) {
        const uint16_t* z = m_subkeys + 6 * round;
        x0 = Mul(x0, z[0]);
        x1 = Add(x1, z[1]);
        x2 = Add(x2, z[2]);
        x3 = Mul(x3, z[3]);
        const uint16_t t0 = Mul(x0 ^ x2, z[4]);
        const uint16_t t1 = Mul(Add(t0, x1 ^ x3), z[5]);
        x0 ^= t1;
        x2 ^= t1;
        x1 ^= Add(t0, t1);
        x3 ^= Add(t0, t1);
        if (round < kRounds - 1) {
            const uint16_t swap = x1;
            x1 = x2;
            x2 = swap;
        }
    }
    const uint16_t* out = m_subkeys + 6 * kRounds;
    StoreWord(block, Mul(x0, out[0]));
    StoreWord(block + 2, Add(x1, out[1]));
    StoreWord(block + 4, Add(x2, out[2]));
    StoreWord(block + 6, Mul(x3, out[3]));
    return true;
}
