#pragma once

#include "platform/CFrameWnd.h"

class CMDIFrameWnd;

// A document frame inside the MDI frame's client. While active it puts its
// template's menu (m_hMenuShared) on the MDI frame's menu bar; the frame's default
// menu comes back when the last child goes.
class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)

public:
    CMDIChildWnd() = default;

    HMENU m_hMenuShared = nullptr;

    // The parent defaults to the application's main window.
    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CMDIFrameWnd* parent = nullptr, CCreateContext* context = nullptr);
    BOOL LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) override;
    BOOL DestroyWindow() override;
    CMDIFrameWnd* GetMDIFrame() const;

    void MDIDestroy() { ::SendMessageA(::GetParent(m_hWnd), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0); }
    void MDIActivate() { ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0); }
    void MDIMaximize() { ::SendMessageA(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0); }
    void MDIRestore() { ::SendMessageA(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0); }

    virtual void OnUpdateFrameMenu(BOOL activate, CWnd* activated, HMENU menuAlt);
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    HACCEL GetDefaultAccelerator() override;
    void ActivateFrame(int showCommand = -1) override;

    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);
    void OnSize(UINT type, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};

// Whether a window lies in the active document frame of its MDI frame. A window in no
// document frame (a docking pane's view, or one without a frame) counts as active.
BOOL IsInActiveMDIChild(const CWnd* window);
