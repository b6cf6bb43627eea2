// The frame's side of print preview: what it hides while the preview shows, and puts
// back afterwards.
#include "platform/CFrameWnd.h"
#include "platform/CPrintPreviewState.h"

void CFrameWnd::OnSetPreviewMode(BOOL preview, CPrintPreviewState* state) {
    if (preview)
        EnterPreviewMode(state);
    else
        LeavePreviewMode(state);
    RecalcLayout();
}

// The status bar stays: it shows the preview bar's prompts. The main pane gives up its
// id so that the preview takes the main pane's place in the layout.
void CFrameWnd::EnterPreviewMode(CPrintPreviewState* state) {
    state->hMenu = ::GetMenu(m_hWnd);
    ::SetMenu(m_hWnd, nullptr);
    state->hAccelTable = m_hAccelTable;
    m_hAccelTable = nullptr;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        UINT id = ::GetDlgCtrlID(child);
        if (id >= AFX_IDW_CONTROLBAR_FIRST && id <= AFX_IDW_CONTROLBAR_LAST && id != AFX_IDW_STATUS_BAR &&
            ::IsWindowVisible(child)) {
            ::ShowWindow(child, SW_HIDE);
            state->hiddenBars.push_back(child);
        }
    }
    if (HWND pane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)) {
        state->hMainPane = pane;
        ::SetWindowLongPtrA(pane, GWLP_ID, AFX_IDW_PANE_LAST);
        ::ShowWindow(pane, SW_HIDE);
    }
    state->pViewActiveOld = m_pViewActive;
    m_lpfnCloseProc = state->lpfnCloseProc;
}

void CFrameWnd::LeavePreviewMode(CPrintPreviewState* state) {
    m_lpfnCloseProc = nullptr;
    if (state->hMainPane) {
        ::SetWindowLongPtrA(state->hMainPane, GWLP_ID, AFX_IDW_PANE_FIRST);
        ::ShowWindow(state->hMainPane, SW_SHOW);
    }
    for (HWND bar : state->hiddenBars)
        ::ShowWindow(bar, SW_SHOWNA);
    m_hAccelTable = state->hAccelTable;
    ::SetMenu(m_hWnd, state->hMenu);
}
