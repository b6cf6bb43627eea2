#include "compiler/PouBlockHeader.h"

void PouBlockHeader::Encode(uint8_t* bytes) const {
    PutLe16(bytes, length);
    bytes[2] = language;
    bytes[3] = constant;
    bytes[4] = kind;
    bytes[5] = number;
}

PouBlockHeader PouBlockHeader::Decode(const uint8_t* bytes) {
    PouBlockHeader header;
    header.length = GetLe16(bytes);
    header.language = bytes[2];
    header.constant = bytes[3];
    header.kind = bytes[4];
    header.number = bytes[5];
    return header;
}

void PutLe16(uint8_t* bytes, uint16_t value) {
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

void PutLe32(uint8_t* bytes, uint32_t value) {
    PutLe16(bytes, static_cast<uint16_t>(value));
    PutLe16(bytes + 2, static_cast<uint16_t>(value >> 16));
}

uint16_t GetLe16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t GetLe32(const uint8_t* bytes) {
    return GetLe16(bytes) | (static_cast<uint32_t>(GetLe16(bytes + 2)) << 16);
}
