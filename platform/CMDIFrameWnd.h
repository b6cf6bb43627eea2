#pragma once

#include "platform/CFrameWnd.h"

class CMDIChildWnd;

// The MDI main frame: its pane is the MDI client window, which holds the document
// frames (CMDIChildWnd). Commands go to the active child frame first (and so to its
// view and document); the menu bar shows the active child's document menu.
class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)

public:
    CMDIFrameWnd() = default;

    // The MDI client window (id AFX_IDW_PANE_FIRST); not owned by an object.
    HWND m_hWndMDIClient = nullptr;

    CMDIChildWnd* MDIGetActive(BOOL* maximized = nullptr) const;
    void MDIActivate(CWnd* child) { ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->m_hWnd), 0); }
    void MDINext() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
    void MDIPrev() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 1); }
    void MDIMaximize(CWnd* child) { ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->m_hWnd), 0); }
    void MDIRestore(CWnd* child) { ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child->m_hWnd), 0); }
    void MDICascade() { ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
    void MDITile(int how = MDITILE_HORIZONTAL) { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, how, 0); }
    void MDIIconArrange() { ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }
    // Shows frameMenu on the frame's menu bar with the child list in windowMenu; the
    // previous menu bar menu is returned.
    CMenu* MDISetMenu(CMenu* frameMenu, CMenu* windowMenu);
    // The popup of a menu that holds the window commands, where the child list goes.
    virtual HMENU GetWindowMenuPopup(HMENU menuBar);

    CFrameWnd* GetActiveFrame() override;
    virtual BOOL CreateClient(LPCREATESTRUCT cs, CMenu* windowMenu);
    BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* parent = nullptr,
                   CCreateContext* context = nullptr) override;
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    void OnUpdateFrameMenu(HMENU menuAlt) override;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;
    // The MDI client, not any other child with its id (docking pane views have it too);
    // during print preview, when the client gave its id to the preview, the preview.
    HWND GetLayoutLeftOver() const override;
    void OnDestroy();
    void OnSize(UINT type, int cx, int cy);
    BOOL OnMDIWindowCmd(UINT id);
    void OnUpdateMDIWindowCmd(CCmdUI* cmdUI);

    DECLARE_MESSAGE_MAP()
};
