#pragma once
#include <cstdint>
#include <vector>

// Frames of the PLC line. A request is: station, function letter, block number, payload
// (0 to 200 bytes), CRC. A reply is: station, letter echo, N, block number (or refusal
// code), N-1 data bytes, CRC. The CRC travels with the high byte of Crc16's value first.
namespace PlcFunctionCode {
constexpr uint8_t LinkTest = '@';
constexpr uint8_t ReadStatus = 'A';
constexpr uint8_t RunStop = 'B';
constexpr uint8_t ReadClock = 'C';
constexpr uint8_t WriteClock = 'D';
constexpr uint8_t ReadInfo = 'E';
constexpr uint8_t Download = 'F';
constexpr uint8_t Upload = 'G';
constexpr uint8_t ReadProgramCrc = 'H';
constexpr uint8_t Clear = 'I';
constexpr uint8_t WriteForces = 'J';
constexpr uint8_t CancelForces = 'K';
constexpr uint8_t ReadMonitor = 'L';
constexpr uint8_t SendPassword = 'N';
constexpr uint8_t ChangePassword = 'O';
constexpr uint8_t ReadForces = 'P';
}  // namespace PlcFunctionCode

namespace PlcFrame {
constexpr uint32_t kHeaderSize = 3;        // station, letter, block number
constexpr uint32_t kCrcSize = 2;
constexpr uint32_t kMaxBlockBytes = 200;
constexpr uint32_t kMaxBlocks = 256;       // block numbers are one byte
constexpr uint8_t kFirstReadBlock = 255;   // asks for the first block of a read transfer
constexpr uint32_t kReplyDataOffset = 4;   // data byte k is reply byte 4 + k
// Refusal codes in byte 3 of a reply that does not echo the letter.
constexpr uint8_t kRefusalPasswordNeeded = 16;
constexpr uint8_t kRefusalUploadForbidden = 19;

// Appends the CRC of the bytes so far.
void AppendCrc(std::vector<uint8_t>& frame);
// A whole reply frame: station, letter, N, block, data, CRC.
std::vector<uint8_t> MakeReply(uint8_t station, uint8_t letter, uint8_t block,
                               const std::vector<uint8_t>& data);
}  // namespace PlcFrame
