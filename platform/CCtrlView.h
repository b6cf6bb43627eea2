#pragma once

#include "platform/CView.h"

// A view that is a common control: its window is of the control's class and paints
// itself, and the view adds the control's own styles to those it is created with.
// The control's notifications go to the view's parent and come back to the view's
// map through ON_NOTIFY_REFLECT.
class CCtrlView : public CView {
    DECLARE_DYNAMIC(CCtrlView)

public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC*) override {}

protected:
    // classes: the ICC_* set that registers the control's window class.
    CCtrlView(LPCSTR className, DWORD style, DWORD classes);

    void OnPaint() { Default(); }
    LRESULT OnPrintClient(WPARAM, LPARAM) { return Default(); }

    LPCSTR m_lpszClass;
    DWORD m_dwDefaultStyle;
    DWORD m_dwControlClasses;

    DECLARE_MESSAGE_MAP()
};
