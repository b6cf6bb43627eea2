#include "platform/ModalRun.h"

ModalRun::ModalRun(CWnd* parent)
    : m_owner(CWnd::GetSafeOwner(parent)->GetSafeHwnd()), m_enableOwner(m_owner && ::IsWindowEnabled(m_owner)) {
    if (m_enableOwner)
        ::EnableWindow(m_owner, FALSE);
}

void ModalRun::Loop(CWnd& wnd) {
    if (wnd.m_nFlags & WF_CONTINUEMODAL)
        wnd.RunModalLoop(MLF_SHOWONIDLE | ((wnd.GetStyle() & DS_NOIDLEMSG) ? MLF_NOIDLEMSG : 0));
}

void ModalRun::End(CWnd& wnd) {
    if (wnd.m_hWnd)
        wnd.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (m_enableOwner)
        ::EnableWindow(m_owner, TRUE);
    if (m_owner && ::GetActiveWindow() == wnd.m_hWnd)
        ::SetActiveWindow(m_owner);
}
