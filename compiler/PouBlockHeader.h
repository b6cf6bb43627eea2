#pragma once

#include <cstdint>

// The 6-byte head of each program unit's block in the compiled program; multi-byte
// values are little-endian.
struct PouBlockHeader {
    enum UnitKind : uint8_t { kMain = 1, kSubroutine = 2, kInterrupt = 3 };
    static constexpr int kSize = 6;
    static constexpr uint8_t kConstant = 6;
    static constexpr uint8_t kMainNumber = 255;

    uint16_t length = 0;  // the whole block: header and instructions
    uint8_t language = 1;  // 2 ladder, else 1
    uint8_t constant = kConstant;
    uint8_t kind = 0;
    uint8_t number = 0;  // 255 for MAIN

    void Encode(uint8_t* bytes) const;
    // Reads a header from at least kSize bytes.
    static PouBlockHeader Decode(const uint8_t* bytes);
};

// Writes a 16-bit / 32-bit value little-endian; reads them back.
void PutLe16(uint8_t* bytes, uint16_t value);
void PutLe32(uint8_t* bytes, uint32_t value);
uint16_t GetLe16(const uint8_t* bytes);
uint32_t GetLe32(const uint8_t* bytes);
