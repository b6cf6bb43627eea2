#pragma once
#include <cstdint>
#include <vector>

// The four monitor lists of address codes, in the order the downloaded image carries
// them; the monitor data of one cycle holds one entry per code, list after list.
struct MonitorLists {
    std::vector<uint16_t> bytes;           // 1 data byte each
    std::vector<uint16_t> words;           // 2 bytes, low byte first
    std::vector<uint16_t> timersCounters;  // status byte, then 2 bytes of current value
    std::vector<uint16_t> doubleWords;     // 4 bytes, least significant first

    size_t DataSize() const;
};

// Where decoded values go: the project's monitor cells by address code. A code without
// a cell is skipped by the implementation.
class MonitorCells {
public:
    virtual ~MonitorCells() = default;
    virtual void StoreValue(uint16_t code, uint32_t value) = 0;
    virtual void StoreTimerCounter(uint16_t code, uint32_t status, uint32_t value) = 0;
};

// The status of timer or counter cell `code` within its status byte.
uint32_t TimerCounterStatusBit(uint16_t code);

// Decodes one cycle's data into the cells; false, nothing stored, when the data is
// shorter than the lists need (extra bytes are ignored).
bool DecodeMonitorData(const MonitorLists& lists, const std::vector<uint8_t>& data, MonitorCells& cells);
