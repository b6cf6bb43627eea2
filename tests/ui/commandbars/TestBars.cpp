#include "tests/ui/commandbars/TestBars.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIToolbarLayout.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CDC.h"
#include "platform/CFrameWnd.h"

IMPLEMENT_DYNCREATE(TestBar, CUICommandBar)

BOOL TestBar::Create(int position) {
    CUICommandBars* commandBars = GetCommandBars();
    return CreateIn(commandBars ? commandBars->GetSite() : nullptr, position);
}

BOOL TestBar::CreateIn(CWnd* parent, int position, int width) {
    m_position = position;
    const DWORD style = parent ? (WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS) : (WS_POPUP | WS_VISIBLE);
    if (!CreateEx(0, nullptr, m_title, style, CRect(0, 0, width, 26), parent, parent ? 0xE800 + m_barId % 16 : 0))
        return FALSE;
    Layout();
    return TRUE;
}

void TestBar::SetVisible(BOOL visible) {
    m_visible = visible;
    if (m_hWnd)
        ShowWindow(visible ? SW_SHOW : SW_HIDE);
}

void TestBar::DelayLayout() { Layout(); }

CSize TestBar::CalcDynamicLayout(int length, DWORD mode) {
    CClientDC dc(this);
    CUICommandBarsTheme* paintManager = GetPaintManager();
    CRect borders = paintManager ? paintManager->GetBarBorders(this) : CRect(2, 2, 2, 2);
    return m_controls->CalcDynamicSize(&dc, length, mode, borders, 0);
}

void TestBar::Layout() {
    if (m_hWnd == nullptr)
        return;
    ++m_layouts;
    CRect rect;
    GetWindowRect(&rect);
    CSize size = CalcDynamicLayout(rect.Width(), uiLayoutHorizontalDock | uiLayoutCommit);
    SetWindowPos(nullptr, 0, 0, rect.Width(), size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(FALSE);
}

IMPLEMENT_DYNCREATE(TestPopupBar, CUICommandBar)

TestPopupBar::TestPopupBar() {
    m_barType = uiBarTypePopup;
    m_position = uiBarPopup;
    m_widthLimit = 0;
}

CUICommandBar* TestPopupBar::GetParentCommandBar() const { return m_opener ? m_opener->GetParent() : nullptr; }

BOOL TestPopupBar::PopupAt(int x, int y) {
    ++m_popups;
    if (m_hWnd == nullptr &&
        !CreateEx(WS_EX_TOOLWINDOW, nullptr, m_title, WS_POPUP, CRect(x, y, x + 104, y + 24), nullptr, 0))
        return FALSE;
    CClientDC dc(this);
    CSize size = m_controls->CalcDynamicSize(&dc, 32767, uiLayoutVerticalDock | uiLayoutCommit, CRect(2, 2, 2, 2), 0);
    SetWindowPos(nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetTrackingMode(uiTracking, FALSE, FALSE);
    return TRUE;
}

BOOL TestPopupBar::Popup(CUIControlPopup* opener, BOOL selectFirst) {
    m_opener = opener;
    CRect rect = opener->GetRect();
    opener->GetParent()->ClientToScreen(&rect);
    if (!PopupAt(rect.left, rect.bottom))
        return FALSE;
    if (selectFirst)
        SetSelected(m_controls->GetNextIndex(-1, +1, TRUE, FALSE), TRUE);
    return TRUE;
}

BOOL TestPopupBar::SetTrackingMode(int mode, BOOL selectFirst, BOOL keyboard) {
    BOOL changed = CUICommandBar::SetTrackingMode(mode, selectFirst, keyboard);
    if (mode == uiNotTracking && m_hWnd)
        ShowWindow(SW_HIDE);
    return changed;
}
