#include "platform/CDateTimeCtrl.h"

#include "platform/CommonControls.h"

BOOL CDateTimeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    AfxEnsureCommonControls(ICC_DATE_CLASSES);
    return CWnd::Create(DATETIMEPICK_CLASSA, nullptr, style, rect, parent, id);
}

BOOL CDateTimeCtrl::SetTime(const CTime& time) {
    SYSTEMTIME fields;
    return time.GetAsSystemTime(fields) && SetTime(fields);
}

// Some versions of the control keep their time but still answer success for a time
// outside the range, so the range is checked here.
BOOL CDateTimeCtrl::SetTime(const SYSTEMTIME& time) {
    return InRange(time) &&
           static_cast<BOOL>(SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)));
}

BOOL CDateTimeCtrl::InRange(const SYSTEMTIME& time) const {
    SYSTEMTIME bounds[2] = {};
    DWORD which = static_cast<DWORD>(SendMessage(DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(bounds)));
    CTime value(time);
    return (!(which & GDTR_MIN) || CTime(bounds[0]) <= value) && (!(which & GDTR_MAX) || value <= CTime(bounds[1]));
}

DWORD CDateTimeCtrl::GetTime(CTime& time) const {
    SYSTEMTIME fields = {};
    DWORD result = GetTime(fields);
    if (result == GDT_VALID)
        time = CTime(fields);
    return result;
}

DWORD CDateTimeCtrl::GetTime(SYSTEMTIME& time) const {
    return static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)));
}

BOOL CDateTimeCtrl::SetRange(const CTime* earliest, const CTime* latest) {
    SYSTEMTIME bounds[2] = {};
    WPARAM which = 0;
    if (earliest && earliest->GetAsSystemTime(bounds[0]))
        which |= GDTR_MIN;
    if (latest && latest->GetAsSystemTime(bounds[1]))
        which |= GDTR_MAX;
    return static_cast<BOOL>(SendMessage(DTM_SETRANGE, which, reinterpret_cast<LPARAM>(bounds)));
}
