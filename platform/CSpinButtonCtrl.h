#pragma once

#include "platform/CWnd.h"
#include "platform/CommonControls.h"

// An up-down (spin) control. With UDS_SETBUDDYINT it writes its position into its
// buddy window (an edit) and reads it back from there; each step is first offered to
// the parent as UDN_DELTAPOS.
class CSpinButtonCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        AfxEnsureCommonControls(ICC_UPDOWN_CLASS);
        return CWnd::Create(UPDOWN_CLASSA, nullptr, style, rect, parent, id);
    }
    void SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    void GetRange32(int& lower, int& upper) const {
        SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    }
    // Answers the previous position.
    int SetPos32(int position) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, position)); }
    // error (when given) is set when the buddy's text is no number in the range.
    int GetPos32(BOOL* error = nullptr) const {
        return static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error)));
    }
    // The steps taken while an arrow is held: accel[i].nInc after accel[i].nSec seconds.
    BOOL SetAccel(int count, UDACCEL* accel) {
        return static_cast<BOOL>(SendMessage(UDM_SETACCEL, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(accel)));
    }
    CWnd* SetBuddy(CWnd* buddy) {
        return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy->GetSafeHwnd()))));
    }
    CWnd* GetBuddy() const { return FromHandle(reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY))); }
};
