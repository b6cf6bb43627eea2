#include "comm/PlcClock.h"

namespace {

bool IsBcd(uint8_t byte) { return (byte >> 4) <= 9 && (byte & 0x0F) <= 9; }

constexpr uint8_t kLastYearByte = 0x37;

struct Limits {
    uint8_t lowest;
    uint8_t highest;
};
// Month, day, hour, minute, second.
const Limits kFieldLimits[5] = {{1, 12}, {1, 31}, {0, 23}, {0, 59}, {0, 59}};

}  // namespace

uint8_t BcdToBin(uint8_t bcd) { return static_cast<uint8_t>((bcd >> 4) * 10 + (bcd & 0x0F)); }

uint8_t BinToBcd(uint8_t value) { return static_cast<uint8_t>(((value / 10) << 4) | (value % 10)); }

bool PlcTimeFromClockBytes(const uint8_t bytes[6], SYSTEMTIME& time) {
    const uint8_t year = bytes[0] > 0x36 ? kLastYearByte : bytes[0];
    if (!IsBcd(year))
        return false;
    uint8_t fields[5];
    for (int i = 0; i < 5; ++i) {
        if (!IsBcd(bytes[i + 1]))
            return false;
        fields[i] = BcdToBin(bytes[i + 1]);
        if (fields[i] < kFieldLimits[i].lowest || fields[i] > kFieldLimits[i].highest)
            return false;
    }
    SYSTEMTIME candidate{};
    candidate.wYear = static_cast<WORD>(2000 + BcdToBin(year));
    candidate.wMonth = fields[0];
    candidate.wDay = fields[1];
    candidate.wHour = fields[2];
    candidate.wMinute = fields[3];
    candidate.wSecond = fields[4];
    // A day beyond the month's end (30 February) is no date either.
    FILETIME check;
    if (!SystemTimeToFileTime(&candidate, &check))
        return false;
    FileTimeToSystemTime(&check, &candidate);  // fills in the weekday
    time = candidate;
    return true;
}

void ClockPayload(const SYSTEMTIME& date, const SYSTEMTIME& time, uint8_t payload[7]) {
    payload[0] = BinToBcd(static_cast<uint8_t>(date.wYear % 100));
    payload[1] = BinToBcd(static_cast<uint8_t>(date.wMonth));
    payload[2] = BinToBcd(static_cast<uint8_t>(date.wDay));
    payload[3] = BinToBcd(static_cast<uint8_t>(time.wHour));
    payload[4] = BinToBcd(static_cast<uint8_t>(time.wMinute));
    payload[5] = BinToBcd(static_cast<uint8_t>(time.wSecond));
    // The date's weekday from the calendar, not from whatever the picker carried.
    SYSTEMTIME day{};
    day.wYear = date.wYear;
    day.wMonth = date.wMonth;
    day.wDay = date.wDay;
    FILETIME fileTime;
    SystemTimeToFileTime(&day, &fileTime);
    FileTimeToSystemTime(&fileTime, &day);
    payload[6] = BinToBcd(static_cast<uint8_t>(day.wDayOfWeek == 0 ? 7 : day.wDayOfWeek));
}
