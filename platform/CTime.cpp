#include "platform/CTime.h"

#include <cstring>
#include <vector>

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int isDst) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = isDst;
    m_time = _mktime64(&fields);
}

CTime::CTime(const SYSTEMTIME& localTime, int isDst)
    : CTime(localTime.wYear, localTime.wMonth, localTime.wDay, localTime.wHour,
            localTime.wMinute, localTime.wSecond, isDst) {}

namespace {

CurrentTimeHandler& InstalledClock() {
    static CurrentTimeHandler clock;
    return clock;
}

}  // namespace

CTime CTime::GetCurrentTime() {
    const CurrentTimeHandler& clock = InstalledClock();
    return CTime(clock ? clock() : _time64(nullptr));
}

CurrentTimeHandler AfxSetCurrentTimeHandler(CurrentTimeHandler handler) {
    CurrentTimeHandler previous = std::move(InstalledClock());
    InstalledClock() = std::move(handler);
    return previous;
}

std::tm CTime::LocalFields() const {
    std::tm fields{};
    _localtime64_s(&fields, &m_time);
    return fields;
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& localTime) const {
    std::tm fields{};
    if (_localtime64_s(&fields, &m_time) != 0)
        return FALSE;
    localTime = SYSTEMTIME{};
    localTime.wYear = static_cast<WORD>(fields.tm_year + 1900);
    localTime.wMonth = static_cast<WORD>(fields.tm_mon + 1);
    localTime.wDayOfWeek = static_cast<WORD>(fields.tm_wday);
    localTime.wDay = static_cast<WORD>(fields.tm_mday);
    localTime.wHour = static_cast<WORD>(fields.tm_hour);
    localTime.wMinute = static_cast<WORD>(fields.tm_min);
    localTime.wSecond = static_cast<WORD>(fields.tm_sec);
    return TRUE;
}

CString CTime::Format(LPCSTR format) const {
    if (format == nullptr || *format == 0)
        return CString();
    std::tm fields = LocalFields();
    // strftime gives 0 both for a buffer too small and for an empty result, so the
    // buffer grows a few times before the result is taken as empty.
    for (size_t size = 64 + 4 * std::strlen(format); size <= 65536; size *= 4) {
        std::vector<char> buffer(size);
        size_t length = std::strftime(buffer.data(), size, format, &fields);
        if (length > 0)
            return CString(buffer.data());
    }
    return CString();
}
