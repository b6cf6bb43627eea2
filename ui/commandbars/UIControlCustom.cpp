#include "ui/commandbars/UIControlCustom.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIWndProcHookTable.h"

#include "platform/CArchive.h"
#include "platform/CFrameWnd.h"

IMPLEMENT_SERIAL(CUIControlCustom, CUIControlButton, uiArchiveSchema)

namespace {

// Bit of the layout mode for a vertically docked bar.
const DWORD kVerticalDock = 0x10;

}  // namespace

CUIControlCustom::CUIControlCustom() {
    m_type = uiControlCustom;
    m_flags = uiFlagNoCustomize;
}

CUIControlCustom::~CUIControlCustom() { CUIWndProcHookTable::Instance().RemoveHookClient(this); }

void CUIControlCustom::AttachWindow(CWnd* window, CSize size) {
    CUIWndProcHookTable::Instance().RemoveHookClient(this);
    m_window = window;
    m_size = size;
    m_controlId = window && window->m_hWnd ? static_cast<UINT>(::GetDlgCtrlID(window->m_hWnd)) : 0;
    if (window && window->m_hWnd)
        CUIWndProcHookTable::Instance().SetHook(window->m_hWnd, this);
}

BOOL CUIControlCustom::HasVisibleWindow() const {
    return m_window && m_window->m_hWnd && ::IsWindowVisible(m_window->m_hWnd);
}

void CUIControlCustom::ShowWindowAsControl() {
    const BOOL show = m_windowShown && m_hideFlags == 0;
    ::SetWindowPos(m_window->m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void CUIControlCustom::SetEnabled(BOOL enabled) {
    m_enabled = enabled;
    if (m_window && m_window->m_hWnd)
        ::EnableWindow(m_window->m_hWnd, enabled);
    RedrawParent();
}

void CUIControlCustom::SetRect(CRect rect) {
    const HWND bar = m_parent ? m_parent->m_hWnd : nullptr;
    const BOOL placed = m_window && m_window->m_hWnd && ::GetParent(m_window->m_hWnd) == bar;
    if (rect == m_rect && placed)
        return;
    m_rect = rect;
    if (m_window == nullptr || m_window->m_hWnd == nullptr)
        return;
    ::SetParent(m_window->m_hWnd, bar);
    ::MoveWindow(m_window->m_hWnd, rect.left + m_margins.left, rect.top + m_margins.top,
                 rect.Width() - m_margins.left - m_margins.right, rect.Height() - m_margins.top - m_margins.bottom,
                 TRUE);
    ShowWindowAsControl();
}

void CUIControlCustom::SetHideFlags(DWORD flags) {
    if (flags == m_hideFlags)
        return;
    m_hideFlags = flags;
    if (m_window && m_window->m_hWnd)
        ShowWindowAsControl();
    DelayLayoutParent();
}

CSize CUIControlCustom::GetSize(CDC* dc) {
    if (m_window && m_window->m_hWnd && m_windowShown)
        return CSize(m_margins.left + m_size.cx + m_margins.right, m_margins.top + m_size.cy + m_margins.bottom);
    return CUIControlButton::GetSize(dc);
}

void CUIControlCustom::Draw(CDC* dc) {
    if (!HasVisibleWindow())
        CUIControlButton::Draw(dc);
}

void CUIControlCustom::OnCalcDynamicSize(DWORD mode) {
    const BOOL vertical = (mode & kVerticalDock) != 0;
    if (m_verticalOption == VerticalHide) {
        SetHideFlags(vertical ? (m_hideFlags | uiHideVerticalDock) : (m_hideFlags & ~uiHideVerticalDock));
    } else if (m_verticalOption == VerticalButton) {
        m_windowShown = !vertical;
        if (m_window && m_window->m_hWnd)
            ShowWindowAsControl();
    }
}

void CUIControlCustom::Copy(CUIControl* source, BOOL recursive) {
    if (CUIControlCustom* custom = dynamic_cast<CUIControlCustom*>(source)) {
        m_margins = custom->m_margins;
        m_verticalOption = custom->m_verticalOption;
        m_size = custom->m_size;
        m_window = custom->m_window;
        m_controlId = custom->m_controlId;
    }
    CUIControlButton::Copy(source, recursive);
}

void CUIControlCustom::OnClick(BOOL keyboard, CPoint point) {
    if (HasVisibleWindow() && !IsCustomizeMode())
        return;
    CUIControlButton::OnClick(keyboard, point);
}

CUIControl* CUIControlCustom::Clone(BOOL recursive) {
    CUIControlCustom* control = new CUIControlCustom;
    control->Copy(this, recursive);
    return control;
}

int CUIControlCustom::OnHookMessage(HWND hwnd, UINT message, WPARAM&, LPARAM& lParam, LRESULT&) {
    if (message != WM_MOUSEMOVE || m_parent == nullptr || m_parent->m_hWnd == nullptr)
        return NotHandled;
    POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ::MapWindowPoints(hwnd, m_parent->m_hWnd, &point, 1);
    m_parent->HandleMouseMove(CPoint(point.x, point.y));
    return NotHandled;
}

void CUIControlCustom::Serialize(CArchive& ar) {
    const UINT schema = ar.IsStoring() ? (uiArchiveSchema & ~VERSIONABLE_SCHEMA) : ar.GetObjectSchema();
    CUIControlButton::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<int>(m_margins.left) << static_cast<int>(m_margins.top) << static_cast<int>(m_margins.right)
           << static_cast<int>(m_margins.bottom) << static_cast<int>(m_size.cx) << static_cast<int>(m_size.cy)
           << m_verticalOption << m_controlId;
        return;
    }
    int left = 0, top = 0, right = 0, bottom = 0, cx = 0, cy = 0;
    ar >> left >> top >> right >> bottom >> cx >> cy >> m_verticalOption;
    m_margins = CRect(left, top, right, bottom);
    m_size = CSize(cx, cy);
    if (schema >= 6)
        ar >> m_controlId;
    if (m_controlId != 0)
        FindWindowById(ar);
}

void CUIControlCustom::FindWindowById(CArchive& ar) {
    CUICommandBars* commandBars = reinterpret_cast<CUICommandBars*>(ar.m_pDocument);
    if (commandBars == nullptr)
        return;
    const int id = static_cast<int>(m_controlId);
    HWND found = nullptr;
    if (CFrameWnd* site = commandBars->GetSite(); site && site->m_hWnd)
        found = ::GetDlgItem(site->m_hWnd, id);
    for (int i = 0; found == nullptr && i < commandBars->GetCount(); ++i) {
        if (HWND bar = commandBars->GetAt(i)->m_hWnd)
            found = ::GetDlgItem(bar, id);
    }
    // Only a window with an object of its own outlives this call.
    if (CWnd* window = found ? CWnd::FromHandlePermanent(found) : nullptr)
        AttachWindow(window, m_size);
}
