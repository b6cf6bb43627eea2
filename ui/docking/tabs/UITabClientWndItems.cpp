#include "platform/CDocument.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"
#include "ui/docking/tabs/UITabClientWnd.h"
#include "ui/docking/tabs/UITabTheme.h"

// --- what the children say about their tabs ---

CString CUITabClientWnd::GetItemText(HWND child) const {
    if (LRESULT answer = ::SendMessageA(child, TabGetCaptionNotify, 0, 0)) {
        CString caption(reinterpret_cast<LPCSTR>(answer));
        if (!caption.IsEmpty()) return caption;
    }
    CString caption;
    if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(child)))
        if (CDocument* document = frame->GetActiveDocument()) caption = document->GetTitle();
    if (caption.IsEmpty()) {
        char text[256] = "";
        ::GetWindowTextA(child, text, sizeof text);
        caption = text;
    }
    return caption;
}

COLORREF CUITabClientWnd::UpdateItemColor(CUITabStripItem* item) const {
    const auto color = static_cast<COLORREF>(::SendMessageA(CUITabWorkspace::ChildOf(item), TabGetColorNotify, 0, 0));
    if (color) item->color = color;
    return color;
}

// --- the command bars' theme ---

CUICommandBars* CUITabClientWnd::GetCommandBars() const {
    auto* site = dynamic_cast<CUICommandBarsSite*>(m_frame);
    return site ? site->GetCommandBars() : nullptr;
}

void CUITabClientWnd::UpdateTheme() {
    CUICommandBars* bars = followTheme ? GetCommandBars() : nullptr;
    CUICommandBarsTheme* theme = bars ? bars->GetPaintManager() : nullptr;
    if (!theme || theme->m_themeIndex == m_appliedTheme) return;
    ApplyTheme(theme->m_themeIndex);
    m_appliedTheme = theme->m_themeIndex;
    Refresh(TRUE);
}

void CUITabClientWnd::ApplyTheme(int index) {
    CUITabTheme* tabs = m_paintManager;
    tabs->outerFrame = FALSE;
    tabs->clientFrameStyle = ClientFrameBorder;
    tabs->itemColorFill = FALSE;
    tabs->hotTabs = FALSE;
    switch (index) {
    case uiThemeFlat:
        tabs->SetAppearance(5);
        tabs->outerFrame = TRUE;
        tabs->clientFrameStyle = ClientFrameSingleLine;
        break;
    case uiThemeGradient:
        tabs->SetAppearance(3);
        tabs->itemColorFill = TRUE;
        tabs->hotTabs = TRUE;
        break;
    case uiThemeVisualStyle:
        tabs->SetAppearance(0);
        tabs->SetColorSet(8);
        tabs->hotTabs = TRUE;
        break;
    default:
        tabs->SetAppearance(0);
        break;
    }
}

// --- points and hit tests ---

CUITabStripItem* CUITabClientWnd::HitTestTab(CPoint point) const {
    for (CUITabWorkspace* workspace : m_workspaces)
        if (CUITabStripItem* item = workspace->HitTest(point.x, point.y)) return item;
    return nullptr;
}

void CUITabClientWnd::TabPointToScreen(CPoint& point) const {
    if (m_groupsEnabled) {
        ClientToScreen(&point);
    } else if (!m_workspaces.empty()) {
        if (CWnd* carrier = m_workspaces.front()->GetCarrier()) carrier->ClientToScreen(&point);
    }
}

void CUITabClientWnd::TabPointToClient(CPoint& point) const {
    if (m_groupsEnabled) {
        ScreenToClient(&point);
    } else if (!m_workspaces.empty()) {
        if (CWnd* carrier = m_workspaces.front()->GetCarrier()) carrier->ScreenToClient(&point);
    }
}
