#include "comm/MonitorData.h"

namespace {

// Address code of the first timer; counters lie 256 elements above the timers, so
// both count from here two codes per element.
constexpr int kFirstTimerCode = 4650;

uint32_t LittleEndian(const uint8_t* bytes, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

size_t MonitorLists::DataSize() const {
    return bytes.size() + 2 * words.size() + 3 * timersCounters.size() + 4 * doubleWords.size();
}

uint32_t TimerCounterStatusBit(uint16_t code) {
    const int element = (static_cast<int>(code) - kFirstTimerCode) / 2;
    return static_cast<uint32_t>(((element % 8) + 8) % 8);
}

bool DecodeMonitorData(const MonitorLists& lists, const std::vector<uint8_t>& data, MonitorCells& cells) {
    if (data.size() < lists.DataSize())
        return false;
    const uint8_t* at = data.data();
    for (uint16_t code : lists.bytes)
        cells.StoreValue(code, *at++);
    for (uint16_t code : lists.words) {
        cells.StoreValue(code, LittleEndian(at, 2));
        at += 2;
    }
    for (uint16_t code : lists.timersCounters) {
        cells.StoreTimerCounter(code, (at[0] >> TimerCounterStatusBit(code)) & 1, LittleEndian(at + 1, 2));
        at += 3;
    }
    for (uint16_t code : lists.doubleWords) {
        cells.StoreValue(code, LittleEndian(at, 4));
        at += 4;
    }
    return true;
}
