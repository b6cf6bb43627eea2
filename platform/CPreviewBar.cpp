#include "platform/CPreviewBar.h"

#include "platform/CCmdUI.h"
#include "platform/CFrameWnd.h"

namespace {

struct PreviewButton {
    UINT id;
    LPCSTR caption;
};

const PreviewButton previewButtons[] = {
    {AFX_ID_PREVIEW_PRINT, "打印(&P)..."},
    {AFX_ID_PREVIEW_NEXT, "下一页(&N)"},
    {AFX_ID_PREVIEW_PREV, "上一页(&V)"},
    {AFX_ID_PREVIEW_CLOSE, "关闭(&C)"},
};

const int buttonWidth = 80;
const int buttonHeight = 24;
const int gap = 4;

}  // namespace

BOOL CPreviewBar::Create(CFrameWnd* frame) {
    if (!CreateBar(nullptr, CBRS_TOP, frame, AFX_IDW_PREVIEW_BAR))
        return FALSE;
    HGDIOBJ font = ::GetStockObject(DEFAULT_GUI_FONT);
    for (int i = 0; i < buttonCount; ++i) {
        int left = gap + i * (buttonWidth + gap);
        CRect rect(left, gap, left + buttonWidth, gap + buttonHeight);
        if (!m_buttons[i].Create(previewButtons[i].caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, rect, this,
                                 previewButtons[i].id))
            return FALSE;
        m_buttons[i].SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font));
    }
    return TRUE;
}

CSize CPreviewBar::CalcFixedLayout(BOOL stretch, BOOL horizontal) {
    return CSize(stretch ? 32767 : buttonCount * (buttonWidth + gap) + gap, buttonHeight + 2 * gap);
}

void CPreviewBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
    for (CButton& button : m_buttons) {
        CCmdUI state;
        state.m_nID = static_cast<UINT>(button.GetDlgCtrlID());
        state.m_pOther = &button;
        state.DoUpdate(target, disableIfNoHandler);
    }
}

BOOL CPreviewBar::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!lParam || HIWORD(wParam) != BN_CLICKED)
        return CControlBar::OnCommand(wParam, lParam);
    if (CFrameWnd* frame = GetParentFrame())
        frame->PostMessage(WM_COMMAND, MAKEWPARAM(LOWORD(wParam), 0));
    return TRUE;
}
