#pragma once
#include <cstdint>
#include <vector>

// The PLC's force table, as "P" reads it and "J" writes it (little-endian):
// length (2), 9, 6, 9, 0, then the counts of forced bits, bytes, words, double words
// and REALs (1 byte each), then each group: the address codes (2 bytes each) and the
// values (bits packed 8 to a byte, bytes 1, words 2, double words and REALs 4 bytes).

// Type flags of the five groups (forceable operand descriptors).
enum : uint32_t {
    kForceBit = 0x201,
    kForceByte = 0x202,
    kForceWord = 0x214,
    kForceDoubleWord = 0x228,
    kForceReal = 0x240,
};

struct ForcedValue {
    uint16_t code;
    uint32_t typeFlags;  // one of the five group flags
    uint32_t value;      // REAL: the bit pattern
};

constexpr int kForceGroups = 5;
constexpr uint32_t kMaxForcesPerGroup = 255;  // counts are one byte

// The group of a descriptor (0 bits ... 4 REALs), tested in that order; -1 for none.
int ForceGroupOf(uint32_t typeFlags);
uint32_t ForceGroupFlags(int group);
// The kind AddressCodeToText wants for a group: 1, 2, 4, 8, 64.
uint32_t ForceGroupAddressKind(int group);

std::vector<uint8_t> EmptyForceTable();

// False, `entries` untouched, when the table is not sound: its length field differs from
// its size, its header is wrong, or its group counts do not add up to its length.
bool ParseForceTable(const std::vector<uint8_t>& table, std::vector<ForcedValue>& entries);

// False, `table` untouched, when a group would hold more than 255 entries.
bool BuildForceTable(const std::vector<ForcedValue>& entries, std::vector<uint8_t>& table);
