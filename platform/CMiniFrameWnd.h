#pragma once

#include "platform/CFrameWnd.h"

// Mini frame styles, taken out of the window style before the window is made.
#define MFS_SYNCACTIVE 0x00000100L    // looks active while the frame that owns it is active
#define MFS_BLOCKSYSMENU 0x00010000L  // offers no system menu (Alt+Space, caption right click)

// A frame with a small tool-window caption for floating tool windows, or a captionless
// child frame. Its layout runs like any frame's whenever its size changes.
class CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)

public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    LRESULT OnFloatStatus(WPARAM flags, LPARAM);
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnContextMenu(CWnd* wnd, CPoint point);

    DWORD m_dwMiniStyle = 0;

    DECLARE_MESSAGE_MAP()
};
