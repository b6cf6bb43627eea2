#pragma once

#include "platform/CTime.h"
#include "platform/CWnd.h"

// A date and time picker (DTS_LONGDATEFORMAT shows the date, DTS_TIMEFORMAT the
// time). The user's changes reach the parent as DTN_DATETIMECHANGE.
class CDateTimeCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // FALSE when the time lies outside the control's range.
    BOOL SetTime(const CTime& time);
    BOOL SetTime(const SYSTEMTIME& time);
    // GDT_VALID with the time, or GDT_NONE when the control shows none.
    DWORD GetTime(CTime& time) const;
    DWORD GetTime(SYSTEMTIME& time) const;
    // The earliest and latest times the user may choose; a null bound leaves that
    // side open.
    BOOL SetRange(const CTime* earliest, const CTime* latest);

private:
    BOOL InRange(const SYSTEMTIME& time) const;
};
