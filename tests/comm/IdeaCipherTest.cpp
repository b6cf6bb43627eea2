#include "comm/IdeaCipher.h"
#include "comm/PasswordBlock.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

using Block = std::array<uint8_t, 8>;

// A second, deliberately plain reading of the cipher's description: whole key schedule
// first, 32-bit arithmetic throughout, words rebuilt from bytes at every step.
namespace reference {

uint32_t Mul(uint32_t a, uint32_t b) {
    uint32_t r;
    if (a == 0 && b == 0) r = 0;
    else if (a == 0) r = (65536 * b) % 65537;
    else if (b == 0) r = (65536 * a) % 65537;
    else r = (a * b) % 65537;
    return r & 0xFFFF;
}

Block Encrypt(const Block& plain, const uint8_t* keyBytes) {
    uint8_t key[16];
    std::memcpy(key, keyBytes, 16);
    uint32_t z[52];
    int n = 0;
    for (int set = 0; set < 7; ++set) {
        for (int w = 0; w < (set < 6 ? 8 : 4); ++w)
            z[n++] = key[2 * w] + 256u * key[2 * w + 1];
        const uint8_t b0 = key[0], b1 = key[1], b2 = key[2], b3 = key[3];
        key[0] = b1 >> 7;
        key[1] = b2 >> 7;
        key[2] = b3 >> 7;
        key[3] = b0 >> 7;
    }
    uint32_t x[4];
    for (int i = 0; i < 4; ++i)
        x[i] = plain[2 * i] + 256u * plain[2 * i + 1];
    for (int r = 0; r < 8; ++r) {
        const uint32_t* s = z + 6 * r;
        const uint32_t a = Mul(x[0], s[0]), b = (x[1] + s[1]) % 65536, c = (x[2] + s[2]) % 65536,
                       d = Mul(x[3], s[3]);
        const uint32_t t0 = Mul(a ^ c, s[4]);
        const uint32_t t1 = Mul((t0 + (b ^ d)) % 65536, s[5]);
        const uint32_t t2 = (t0 + t1) % 65536;
        x[0] = a ^ t1;
        x[1] = (r < 7) ? (c ^ t1) : (b ^ t2);
        x[2] = (r < 7) ? (b ^ t2) : (c ^ t1);
        x[3] = d ^ t2;
    }
    const uint32_t y[4] = {Mul(x[0], z[48]), (x[1] + z[49]) % 65536, (x[2] + z[50]) % 65536,
                           Mul(x[3], z[51])};
    Block out;
    for (int i = 0; i < 4; ++i) {
        out[2 * i] = static_cast<uint8_t>(y[i] % 256);
        out[2 * i + 1] = static_cast<uint8_t>(y[i] / 256);
    }
    return out;
}

}  // namespace reference

const uint8_t kPasswordKey[17] = "#Quiet_River_Oak";

}  // namespace

TEST(IdeaCipher, MultiplicationModulo65537) {
    struct Case {
        uint16_t a, b, product;
    };
    const Case cases[] = {
        {0, 0, 0},          // both zero: zero
        {0, 1, 0},          // 65536 mod 65537 reduced to 16 bits
        {0, 2, 65535},      // 131072 mod 65537
        {3, 0, 65534},
        {2, 3, 6},
        {256, 256, 65536 & 0xFFFF},
        {65535, 65535, 4},  // (-2)(-2)
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.product, CIdeaCipher::Mul(c.a, c.b)) << c.a << " x " << c.b;
}

TEST(IdeaCipher, MatchesTheReferenceOnVectorsAndManyBlocks) {
    // Produced by a separate reference written outside this program.
    struct Vector {
        const char* password;
        Block cipher;
    };
    const Vector vectors[] = {
        {"", {0x87, 0x69, 0x4B, 0xA0, 0x42, 0xF2, 0xAE, 0xF1}},
        {"abc", {0x73, 0xDB, 0x52, 0xF6, 0xB5, 0xD0, 0xA3, 0x8B}},
        {"12345678", {0x59, 0x72, 0x9B, 0x81, 0xE9, 0x80, 0x2D, 0x34}},
        {"R2plc", {0x6C, 0x0C, 0x91, 0x5D, 0x12, 0xDF, 0x75, 0x22}},
    };
    for (const Vector& v : vectors) {
        Block block;
        EncipherPassword(v.password, block.data());
        EXPECT_EQ(v.cipher, block) << v.password;
    }

    uint8_t key[16];
    for (int i = 0; i < 16; ++i)
        key[i] = static_cast<uint8_t>(i + 1);
    CIdeaCipher cipher;
    cipher.SetKey(key);
    Block sequence = {0, 1, 2, 3, 4, 5, 6, 7};
    ASSERT_TRUE(cipher.Encrypt(sequence.data()));
    EXPECT_EQ((Block{0x97, 0x80, 0xA3, 0xC2, 0x77, 0xE0, 0x2E, 0x31}), sequence);

    uint32_t seed = 12345;
    auto next = [&seed] { return static_cast<uint8_t>((seed = seed * 1103515245 + 12345) >> 16); };
    for (int round = 0; round < 500; ++round) {
        for (uint8_t& k : key)
            k = next();
        Block block;
        for (uint8_t& b : block)
            b = next();
        const Block expected = reference::Encrypt(block, key);
        cipher.SetKey(key);
        ASSERT_TRUE(cipher.Encrypt(block.data()));
        ASSERT_EQ(expected, block) << "round " << round;
    }
}

TEST(IdeaCipher, SameBlockTwiceGivesTheSameResult) {
    CIdeaCipher cipher;
    cipher.SetKey(kPasswordKey);
    Block first = {'a', 'b', 'c', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    Block second = first;
    cipher.Encrypt(first.data());
    cipher.Encrypt(second.data());
    EXPECT_EQ(first, second);
    EXPECT_FALSE(cipher.Encrypt(nullptr));
}

TEST(PasswordBlock, FillsUpToEightBytesWith0xFF) {
    struct Case {
        const char* password;
        Block block;
    };
    const Case cases[] = {
        {"", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"abc", {'a', 'b', 'c', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"12345678", {'1', '2', '3', '4', '5', '6', '7', '8'}},
        {"123456789", {'1', '2', '3', '4', '5', '6', '7', '8'}},
    };
    for (const Case& c : cases) {
        Block block;
        MakePasswordBlock(c.password, block.data());
        EXPECT_EQ(c.block, block) << c.password;
    }
}
