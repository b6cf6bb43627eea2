#include "ui/commandbars/themes/UIVisualStyleTheme.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIThemeApi.h"
#include "ui/commandbars/themes/UIThemeQueries.h"

#include "platform/CWinApp.h"
#include "platform/CFrameWnd.h"

#include <vssym32.h>

namespace {

HWND MainWindowHandle() {
    CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

// The frame whose band a window shows: its parent frame, else its top-level window.
CWnd* BandFrameOf(CWnd* window) {
    CWnd* frame = window->GetParentFrame();
    return frame ? frame : window->GetTopLevelParent();
}

}  // namespace

CUIVisualStyleTheme::CUIVisualStyleTheme() : m_toolBar(new CUIThemeApi), m_rebar(new CUIThemeApi) {
    m_fadedIcons = TRUE;
    m_iconShadow = FALSE;
    OpenHandles();
}

CUIVisualStyleTheme::~CUIVisualStyleTheme() = default;

void CUIVisualStyleTheme::OpenHandles() {
    const HWND main = MainWindowHandle();
    m_toolBar->OpenThemeData(main, L"TOOLBAR");
    m_rebar->OpenThemeData(main, L"REBAR");
}

void CUIVisualStyleTheme::RefreshMetrics() {
    CUIClassicTheme::RefreshMetrics();
    if (m_toolBar)
        OpenHandles();
}

void CUIVisualStyleTheme::SetThemeApis(CUIThemeApi* toolBar, CUIThemeApi* rebar) {
    m_toolBar.reset(toolBar);
    m_rebar.reset(rebar);
    OpenHandles();
}

BOOL CUIVisualStyleTheme::IsThemed() { return m_toolBar->IsAppThemed(); }

void CUIVisualStyleTheme::DrawButtonRectangle(CDC* dc, CRect rect, int selected, int pressed, BOOL enabled,
                                              int checked, BOOL popupOpen, BOOL toolBarButton, int position) {
    if (!IsThemed()) {
        CUIClassicTheme::DrawButtonRectangle(dc, rect, selected, pressed, enabled, checked, popupOpen, toolBarButton,
                                             position);
        return;
    }
    int state = TS_NORMAL;
    if (!enabled)
        state = checked && !toolBarButton ? TS_PRESSED : TS_DISABLED;
    else if (popupOpen)
        state = TS_PRESSED;
    else if (checked && !pressed)
        state = selected ? TS_HOTCHECKED : TS_CHECKED;
    else if ((selected && pressed) || pressed == 2)
        state = TS_PRESSED;
    else if (selected)
        state = TS_HOT;
    m_toolBar->DrawThemeBackground(dc->GetSafeHdc(), TP_BUTTON, state, &rect, nullptr);
}

void CUIVisualStyleTheme::DrawSplitButtonFrame(CDC* dc, CUIControl* control, CRect rect) {
    if (!IsThemed()) {
        CUIClassicTheme::DrawSplitButtonFrame(dc, control, rect);
        return;
    }
    const BOOL popupOpen = IsControlPopupOpen(control);
    int state = TS_NORMAL;
    if (!control->GetEnabled())
        state = TS_DISABLED;
    else if (control->GetPressed() && control->GetSelected())
        state = TS_PRESSED;
    else if (control->GetChecked())
        state = TS_CHECKED;
    else if (popupOpen || control->GetSelected())
        state = TS_HOT;
    const CRect button(rect.left, rect.top, rect.right - 12, rect.bottom);
    const CRect arrow(rect.right - 12, rect.top, rect.right, rect.bottom);
    m_toolBar->DrawThemeBackground(dc->GetSafeHdc(), TP_SPLITBUTTON, state, &button, nullptr);
    m_toolBar->DrawThemeBackground(dc->GetSafeHdc(), TP_SPLITBUTTONDROPDOWN, popupOpen ? TS_PRESSED : state, &arrow,
                                   nullptr);
}

void CUIVisualStyleTheme::DrawRebarBackground(CDC* dc, CWnd* window, CWnd* frame) {
    CRect client = GetClientRectOf(window);
    if (!IsThemed() || !frame) {
        dc->FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    const CRect frameRect = GetWindowRectOf(frame);
    const CRect windowRect = GetWindowRectOf(window);
    client.left += frameRect.left - windowRect.left;
    client.top += frameRect.top - windowRect.top;
    client.right += frameRect.right - windowRect.right;
    client.bottom += frameRect.bottom - windowRect.bottom;
    m_rebar->DrawThemeBackground(dc->GetSafeHdc(), 0, 0, &client, nullptr);
}

void CUIVisualStyleTheme::FillDockBarBackground(CDC* dc, CWnd* window) {
    DrawRebarBackground(dc, window, BandFrameOf(window));
}

void CUIVisualStyleTheme::FillStatusBarBackground(CDC* dc, CWnd* window) {
    DrawRebarBackground(dc, window, BandFrameOf(window));
}

void CUIVisualStyleTheme::FillCommandBarBackground(CDC* dc, CUICommandBar* bar) {
    if (!IsThemed()) {
        CUIClassicTheme::FillCommandBarBackground(dc, bar);
        return;
    }
    CRect rect = GetClientRectOf(bar);
    switch (bar->GetPosition()) {
    case uiBarPopup:
        FillAndFrameRect(dc, rect, COLOR_BTNSHADOW, COLOR_MENU);
        return;
    case uiBarFloating:
        dc->FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
        Draw3dRectIndexed(dc, rect, COLOR_BTNFACE, 0);
        rect.DeflateRect(1, 1);
        DrawRaised(dc, rect);
        return;
    default:
        DrawRebarBackground(dc, bar, BandFrameOf(bar));
        DrawRaised(dc, rect);
        return;
    }
}

CSize CUIVisualStyleTheme::DrawBarGripper(CDC* dc, CUICommandBar* bar, BOOL draw) {
    if (!IsThemed())
        return CUIClassicTheme::DrawBarGripper(dc, bar, draw);
    const CRect client = GetClientRectOf(bar);
    switch (bar->GetPosition()) {
    case uiBarTop:
    case uiBarBottom:
        if (draw) {
            const CRect gripper(client.left + 2, client.top, client.left + 8, client.bottom);
            m_rebar->DrawThemeBackground(dc->GetSafeHdc(), RP_GRIPPER, 1, &gripper, nullptr);
        }
        return CSize(8, 0);
    case uiBarLeft:
    case uiBarRight:
        if (draw) {
            const CRect gripper(client.left, client.top + 2, client.right, client.top + 8);
            m_rebar->DrawThemeBackground(dc->GetSafeHdc(), RP_GRIPPERVERT, 1, &gripper, nullptr);
        }
        return CSize(0, 8);
    case uiBarFloating:
        return DrawFloatingCaption(dc, bar, draw, COLOR_ACTIVECAPTION);
    default:
        return CSize(0, 0);
    }
}

void CUIVisualStyleTheme::AdjustExcludeRect(CRect& rect, CUIControl* control) {
    if (!IsThemed()) {
        CUIClassicTheme::AdjustExcludeRect(rect, control);
        return;
    }
    if (control->GetType() == uiControlComboBox)
        return;
    if (IsOnPopupBar(control)) {
        rect.DeflateRect(3, 0);
        rect.InflateRect(0, 3);
    }
}
