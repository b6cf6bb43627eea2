#pragma once
// A point in time in whole seconds since 1970-01-01 UTC; the component getters and
// the formatting give local time.

#include "platform/CString.h"

#include <windows.h>
#include <ctime>
#include <functional>

class CTime {
public:
    CTime() = default;
    explicit CTime(__time64_t seconds) : m_time(seconds) {}
    // Local date and time; isDst -1 lets the C library decide daylight saving.
    CTime(int year, int month, int day, int hour, int minute, int second, int isDst = -1);
    explicit CTime(const SYSTEMTIME& localTime, int isDst = -1);

    // The installed clock's time (the system clock unless a test installed another).
    static CTime GetCurrentTime();

    __time64_t GetTime() const { return m_time; }
    int GetYear() const { return LocalFields().tm_year + 1900; }
    int GetMonth() const { return LocalFields().tm_mon + 1; }
    int GetDay() const { return LocalFields().tm_mday; }
    int GetHour() const { return LocalFields().tm_hour; }
    int GetMinute() const { return LocalFields().tm_min; }
    int GetSecond() const { return LocalFields().tm_sec; }
    // 1 = Sunday ... 7 = Saturday.
    int GetDayOfWeek() const { return LocalFields().tm_wday + 1; }
    BOOL GetAsSystemTime(SYSTEMTIME& localTime) const;
    // The local time written with the C library's strftime codes ("%H:%M:%S").
    CString Format(LPCSTR format) const;

    bool operator==(CTime other) const { return m_time == other.m_time; }
    bool operator!=(CTime other) const { return m_time != other.m_time; }
    bool operator<(CTime other) const { return m_time < other.m_time; }
    bool operator>(CTime other) const { return m_time > other.m_time; }
    bool operator<=(CTime other) const { return m_time <= other.m_time; }
    bool operator>=(CTime other) const { return m_time >= other.m_time; }

private:
    std::tm LocalFields() const;

    __time64_t m_time = 0;
};

// The clock behind CTime::GetCurrentTime: seconds since 1970-01-01 UTC.
using CurrentTimeHandler = std::function<__time64_t()>;

// Installs the clock of every later GetCurrentTime and gives back the one it replaces;
// an empty handler restores the system clock.
CurrentTimeHandler AfxSetCurrentTimeHandler(CurrentTimeHandler handler);
