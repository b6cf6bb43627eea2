#include "comm/Crc16.h"

#include <array>

namespace {

// The classic pair of tables: one per CRC byte, indexed by the running index byte.
struct CrcTables {
    std::array<uint8_t, 256> high{};
    std::array<uint8_t, 256> low{};

    CrcTables() {
        for (int i = 0; i < 256; ++i) {
            uint16_t crc = static_cast<uint16_t>(i);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : static_cast<uint16_t>(crc >> 1);
            high[i] = static_cast<uint8_t>(crc & 0xFF);
            low[i] = static_cast<uint8_t>(crc >> 8);
        }
    }
};

const CrcTables& Tables() {
    static const CrcTables tables;
    return tables;
}

}  // namespace

uint16_t Crc16(const uint8_t* data, uint32_t length) {
    const CrcTables& t = Tables();
    uint8_t first = 0xFF;   // sent first: the low byte of the standard value
    uint8_t second = 0xFF;
    for (uint16_t n = static_cast<uint16_t>(length); n > 0; --n) {
        const uint8_t index = first ^ *data++;
        first = static_cast<uint8_t>(second ^ t.high[index]);
        second = t.low[index];
    }
    return static_cast<uint16_t>((first << 8) | second);
}
