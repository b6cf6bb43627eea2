#include "ui/commandbars/UIFrameStatusBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"
#include "ui/commandbars/themes/UIThemeFonts.h"

BEGIN_MESSAGE_MAP(CUIFrameStatusBar, CStatusBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CUIFrameStatusBar::CUIFrameStatusBar() { RefreshThemeFonts(); }

BOOL CUIFrameStatusBar::SetIndicators(const UINT* ids, int count) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(CUIThemeFonts::Get().status.GetSafeHandle()), 0);
    if (!CStatusBar::SetIndicators(ids, count))
        return FALSE;
    SendMessage(SB_SETMINHEIGHT, MinHeight, 0);
    return TRUE;
}

CUICommandBarsTheme* CUIFrameStatusBar::GetPaintManager() const {
    return m_commandBars ? m_commandBars->GetPaintManager() : GetGlobalTheme();
}

CRect CUIFrameStatusBar::GetPaneDrawRect(int index, const CRect& client) const {
    CRect rect;
    GetItemRect(index, &rect);
    if (index != GetCount() - 1)
        return rect;
    UINT id = 0, style = 0;
    int width = 0;
    GetPaneInfo(index, id, style, width);
    if (style & SBPS_STRETCH) {
        rect.right = client.right;
        if (GetStyle() & SBARS_SIZEGRIP)
            rect.right -= ::GetSystemMetrics(SM_CXSMICON) + ::GetSystemMetrics(SM_CXEDGE);
    } else {
        rect.right = rect.left + width + 3 * ::GetSystemMetrics(SM_CXEDGE);
    }
    return rect;
}

// The gripper only where it can size the frame: a sizing border, not maximised.
BOOL CUIFrameStatusBar::ShowsGripper() const {
    CWnd* parent = GetParent();
    return parent && (parent->GetStyle() & WS_THICKFRAME) && (GetStyle() & SBARS_SIZEGRIP) && !parent->IsZoomed();
}

void CUIFrameStatusBar::Paint(CDC* dc) {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    if (!paintManager)
        return;
    CRect client;
    GetClientRect(&client);
    paintManager->FillStatusBarBackground(dc, this);
    CUIGdiSelector font(dc->GetSafeHdc(), CUIThemeFonts::Get().status.GetSafeHandle());
    for (int i = 0; i < GetCount(); ++i) {
        CRect rect = GetPaneDrawRect(i, client);
        paintManager->DrawStatusBarPane(dc, rect, GetPaneStyle(i), GetPaneText(i));
    }
    if (ShowsGripper())
        paintManager->DrawStatusBarGripper(dc, client);
}

void CUIFrameStatusBar::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CUIBufferDC buffer(paint.GetSafeHdc(), client);
    Paint(&buffer);
}

LRESULT CUIFrameStatusBar::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

// Every resize repaints all panes: the stretched pane and the gripper follow the edge.
void CUIFrameStatusBar::OnSize(UINT type, int cx, int cy) {
    CStatusBar::OnSize(type, cx, cy);
    Invalidate(FALSE);
}
