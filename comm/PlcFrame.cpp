#include "comm/PlcFrame.h"

#include "comm/Crc16.h"

namespace PlcFrame {

void AppendCrc(std::vector<uint8_t>& frame) {
    const uint16_t crc = Crc16(frame.data(), static_cast<uint32_t>(frame.size()));
    frame.push_back(static_cast<uint8_t>(crc >> 8));
    frame.push_back(static_cast<uint8_t>(crc & 0xFF));
}

std::vector<uint8_t> MakeReply(uint8_t station, uint8_t letter, uint8_t block,
                               const std::vector<uint8_t>& data) {
    std::vector<uint8_t> frame;
    frame.reserve(data.size() + 6);
    frame.push_back(station);
    frame.push_back(letter);
    frame.push_back(static_cast<uint8_t>(data.size() + 1));
    frame.push_back(block);
    frame.insert(frame.end(), data.begin(), data.end());
    AppendCrc(frame);
    return frame;
}

}  // namespace PlcFrame
