#include "platform/CTime.h"
#include "tests/support/ScriptedClock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(Time, ComponentsComeBackAsGiven) {
    struct Case { int year, month, day, hour, minute, second, dayOfWeek; };
    const Case cases[] = {
        {2024, 3, 15, 9, 5, 7, 6},     // a Friday
        {2000, 2, 29, 23, 59, 59, 3},  // leap day, a Tuesday
        {1999, 12, 31, 0, 0, 0, 6},
        {2037, 1, 1, 12, 30, 0, 5},
    };
    for (const Case& c : cases) {
        CTime time(c.year, c.month, c.day, c.hour, c.minute, c.second);
        EXPECT_EQ(time.GetYear(), c.year);
        EXPECT_EQ(time.GetMonth(), c.month);
        EXPECT_EQ(time.GetDay(), c.day);
        EXPECT_EQ(time.GetHour(), c.hour);
        EXPECT_EQ(time.GetMinute(), c.minute);
        EXPECT_EQ(time.GetSecond(), c.second);
        EXPECT_EQ(time.GetDayOfWeek(), c.dayOfWeek) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(Time, SecondsCountAcrossMidnightAndSystemTimeRoundTrips) {
    CTime beforeMidnight(2024, 12, 31, 23, 59, 59);
    CTime afterMidnight(2025, 1, 1, 0, 0, 1);
    EXPECT_EQ(afterMidnight.GetTime() - beforeMidnight.GetTime(), 2);
    EXPECT_LT(beforeMidnight, afterMidnight);

    SYSTEMTIME fields{};
    ASSERT_TRUE(beforeMidnight.GetAsSystemTime(fields));
    EXPECT_EQ(fields.wYear, 2024);
    EXPECT_EQ(fields.wDayOfWeek, 2);  // a Tuesday, counted from Sunday = 0
    EXPECT_EQ(CTime(fields), beforeMidnight);
}

TEST(Time, CurrentTimeIsTheLocalClock) {
    SYSTEMTIME before{};
    ::GetLocalTime(&before);
    CTime now = CTime::GetCurrentTime();
    CTime clock(before);
    EXPECT_GE(now.GetTime(), clock.GetTime());
    EXPECT_LE(now.GetTime() - clock.GetTime(), 2);
}

TEST(Time, FormatWritesTheLocalTimeWithStrftimeCodes) {
    CTime time(2024, 3, 5, 7, 8, 9);
    struct Case { const char* format; const char* text; };
    const Case cases[] = {
        {"%H:%M:%S   ", "07:08:09   "},
        {"%Y-%m-%d", "2024-03-05"},
        {"%y/%m/%d %H%M", "24/03/05 0708"},
        {"%%", "%"},
        {"时间 %H点", "时间 07点"},  // GBK text around the codes stays as it is
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(time.Format(c.format), c.text) << c.format;

    CString longText = time.Format(std::string(500, 'x').append("%S").c_str());
    EXPECT_EQ(longText.GetLength(), 502);
}

TEST(Time, AnInstalledClockGivesTheCurrentTimeUntilItGoes) {
    const CTime fixed(2024, 3, 5, 23, 59, 58);
    {
        ScriptedClock clock(fixed);
        EXPECT_EQ(CTime::GetCurrentTime(), fixed);
        EXPECT_EQ(CTime::GetCurrentTime().Format("%H:%M:%S   "), "23:59:58   ");
        clock.Advance(3);
        EXPECT_EQ(CTime::GetCurrentTime(), CTime(2024, 3, 6, 0, 0, 1));
        clock.Set(CTime(2025, 1, 1, 8, 0, 0));
        EXPECT_EQ(CTime::GetCurrentTime().GetYear(), 2025);
    }
    // The system clock again.
    EXPECT_LE(std::abs(CTime::GetCurrentTime().GetTime() - _time64(nullptr)), 2);
}
