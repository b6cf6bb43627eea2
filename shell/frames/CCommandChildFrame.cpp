#include "shell/frames/CCommandChildFrame.h"

#include "platform/CException.h"
#include "platform/CWinThread.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CCommandChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CCommandChildFrame, CMDIChildWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

int MaximisedByDefault(int showCommand) { return showCommand == -1 ? SW_SHOWMAXIMIZED : showCommand; }

void RegisterChildFrameClass(LPCSTR className) {
    HINSTANCE instance = AfxGetInstanceHandle();
    WNDCLASSA existing;
    if (::GetClassInfoA(instance, className, &existing)) return;
    WNDCLASSA wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW;
    wc.lpfnWndProc = ::DefWindowProcA;  // the framework's procedure takes over at creation
    wc.hInstance = instance;
    wc.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_CHILD_FRAME));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (!::RegisterClassA(&wc)) AfxThrowResourceException();
}

BOOL CCommandChildFrame::CreateCommandFrame(LPCSTR className, LPCSTR title) {
    RegisterChildFrameClass(className);
    if (!Create(className, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, rectDefault)) return FALSE;
    if (IChildFrameHost* host = GetChildFrameHost()) host->ChildWindowOpened(m_window, this);
    ActivateFrame(SW_SHOWMAXIMIZED);
    return TRUE;
}

void CCommandChildFrame::OnDestroy() {
    CMDIChildWnd::OnDestroy();
    if (IChildFrameHost* host = GetChildFrameHost()) host->ChildWindowClosed(m_window);
}
