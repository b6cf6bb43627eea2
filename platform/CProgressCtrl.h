#pragma once

#include "platform/CWnd.h"
#include "platform/CommonControls.h"

// A progress bar; its range is 0 to 100 until SetRange32 changes it. Positions
// outside the range are clamped by the control.
class CProgressCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        AfxEnsureCommonControls(ICC_PROGRESS_CLASS);
        return CWnd::Create(PROGRESS_CLASSA, nullptr, style, rect, parent, id);
    }
    void SetRange32(int lower, int upper) { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    // Each answers the previous position.
    int SetPos(int position) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position))); }
    int OffsetPos(int delta) { return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(delta))); }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
};
