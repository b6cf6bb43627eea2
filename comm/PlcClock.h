#pragma once
#include <windows.h>

#include <cstdint>

// The PLC's clock bytes: BCD year (2000 + two digits), month, day, hour, minute, second,
// and for writing the BCD weekday, Monday 1 to Sunday 7.
uint8_t BcdToBin(uint8_t bcd);
uint8_t BinToBcd(uint8_t value);

// The PLC time of a clock reply's six data bytes. A year byte above 0x36 counts as 0x37
// (2037). False for a clock that holds no date, such as an unset clock with day 0 or
// bytes that are not BCD; `time` is then left alone.
bool PlcTimeFromClockBytes(const uint8_t bytes[6], SYSTEMTIME& time);

// The seven payload bytes that set the PLC clock to the date of `date` and the time of
// day of `time`.
void ClockPayload(const SYSTEMTIME& date, const SYSTEMTIME& time, uint8_t payload[7]);
