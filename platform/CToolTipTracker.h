#pragma once

#include "platform/CToolTipCtrl.h"

// The tooltips of the windows that switched them on (CWnd::EnableToolTips): one
// tooltip control per thread follows the mouse through the thread's message
// pre-translation. Over such a window (or a child of it without tooltips of its own)
// the window's OnToolHitTest names the tool under the pointer; the control holds that
// one tool and shows its text after the usual delay. A tool text that OnToolHitTest
// allocated (AfxAllocToolTipText) is freed here after the tool was handed over.
class CToolTipTracker : public CToolTipCtrl {
public:
    // Called for every message the thread pre-translates.
    static void FilterMessage(const MSG* msg);
    // The calling thread's control, or null before the first tooltip-enabled window
    // saw the mouse or after its owner window went.
    static CToolTipTracker* Current();

protected:
    void PostNcDestroy() override;

private:
    void Track(CWnd* owner, const MSG* msg);
    void Relay(const MSG* msg);
    void SetTool(const TOOLINFOA& info, INT_PTR hit);
    void ClearTool();
    static CToolTipTracker* For(CWnd* owner);
    static CToolTipTracker*& Slot();

    TOOLINFOA m_tool = {};
    INT_PTR m_hit = -1;
};

// A tool text for OnToolHitTest's TOOLINFO: a heap copy that the tracker frees.
LPSTR AfxAllocToolTipText(LPCSTR text);
