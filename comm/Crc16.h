#pragma once
#include <cstdint>

// CRC-16 of the Modbus serial line (reflected polynomial 0xA001, start value 0xFFFF,
// no final inversion), returned with its two bytes exchanged: the high half holds the
// byte that is sent or stored first. Only the low 16 bits of the length count.
uint16_t Crc16(const uint8_t* data, uint32_t length);
