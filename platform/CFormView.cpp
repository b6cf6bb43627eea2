#include "platform/CFormView.h"

#include "platform/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// The template's own style makes the window (a hidden child); the requested id,
// rectangle, border and visibility are applied afterwards. A failed creation has
// deleted the view (PostNcDestroy), as for any view.
BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                       CCreateContext* context) {
    LPCDLGTEMPLATEA dialogTemplate = AfxLoadDialogTemplate(m_lpszTemplateName);
    if (!dialogTemplate) {
        PostNcDestroy();
        return FALSE;
    }
    m_pCreateContext = context;
    if (!CreateDlgIndirect(dialogTemplate, parent))
        return FALSE;
    m_pCreateContext = nullptr;
    SetDlgCtrlID(static_cast<int>(id));
    CRect templateRect;
    GetWindowRect(&templateRect);
    SetScrollSizes(MM_TEXT, templateRect.Size());
    if (style & WS_BORDER)
        ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (style & WS_VISIBLE)
        ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

// The dialog manager does not pass the creation context on, so the view hands it to
// the view's creation (which joins the document).
int CFormView::OnCreate(LPCREATESTRUCT cs) {
    cs->lpCreateParams = m_pCreateContext;
    return CScrollView::OnCreate(cs);
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

// The frames' accelerators come before the dialog keys, which would otherwise take
// every key pressed in the form.
BOOL CFormView::PreTranslateMessage(MSG* msg) {
    if (CScrollView::PreTranslateMessage(msg))
        return TRUE;
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return FALSE;
    for (CFrameWnd* frame = GetParentFrame(); frame; frame = frame->GetParentFrame()) {
        if (frame->PreTranslateMessage(msg))
            return TRUE;
    }
    return ::IsDialogMessageA(m_hWnd, msg);
}
