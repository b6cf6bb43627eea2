#include "ui/commandbars/UIPopupBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMenuSoundThread.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIPopupPlacement.h"
#include "ui/commandbars/UIPopupShadow.h"
#include "ui/commandbars/UIShortcutText.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CFrameWnd.h"

namespace {

const int kSpecialExpand = 1;
const int kArrowColor = 18;

CUIPopupBar* ParentPopupOf(CUIControl* control) {
    return control ? dynamic_cast<CUIPopupBar*>(control->GetParent()) : nullptr;
}

}  // namespace

CSize CUIControlExpandButton::GetSize(CDC* dc) {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    return paintManager ? paintManager->DrawSpecialControl(dc, kSpecialExpand, this, m_parent, FALSE, nullptr)
                        : CSize(0, 0);
}

void CUIControlExpandButton::Draw(CDC* dc) {
    if (CUICommandBarsTheme* paintManager = GetPaintManager())
        paintManager->DrawSpecialControl(dc, kSpecialExpand, this, m_parent, TRUE, nullptr);
}

void CUIControlExpandButton::OnExecute() {
    if (CUIPopupBar* popup = ParentPopupOf(this))
        popup->ExpandBar();
}

void CUIControlExpandButton::OnMouseHover() {
    CUICommandBars* commandBars = GetCommandBars();
    if (commandBars && commandBars->GetCommandBarsOptions()->m_showFullAfterDelay)
        OnExecute();
}

IMPLEMENT_SERIAL(CUIPopupBar, CUICommandBar, uiArchiveSchema)

BEGIN_MESSAGE_MAP(CUIPopupBar, CUICommandBar)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CUIPopupBar::CUIPopupBar() {
    m_barType = uiBarTypePopup;
    m_position = uiBarPopup;
    m_widthLimit = 0;
}

CUIPopupBar* CUIPopupBar::CreatePopupBarFor(CUICommandBars* commandBars) {
    CUIPopupBar* bar = static_cast<CUIPopupBar*>(RUNTIME_CLASS(CUIPopupBar)->CreateObject());
    bar->SetCommandBars(commandBars);
    return bar;
}

BOOL CUIPopupBar::DestroyWindow() {
    // Windows of hosted controls outlive the popup: they go back to the site.
    CWnd* site = GetSite();
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;) {
        HWND next = ::GetWindow(child, GW_HWNDNEXT);
        ::ShowWindow(child, SW_HIDE);
        ::SetParent(child, site ? site->GetSafeHwnd() : nullptr);
        child = next;
    }
    return CUICommandBar::DestroyWindow();
}

void CUIPopupBar::DelayRedraw() {
    if (m_hWnd)
        Invalidate(FALSE);
}

BOOL CUIPopupBar::SetTrackingMode(int mode, BOOL selectFirst, BOOL keyboard) {
    if (!CUICommandBar::SetTrackingMode(mode, selectFirst, keyboard))
        return FALSE;
    if (mode != uiNotTracking)
        return TRUE;
    if (m_hWnd)
        DestroyWindow();
    if (CUICommandBar* parent = GetParentCommandBar())
        parent->SetOpenPopup(-1, FALSE);
    CWnd* site = GetSite();
    if (site && ::IsWindow(site->GetSafeHwnd()))
        site->UpdateWindow();
    m_opener = nullptr;
    return TRUE;
}

BOOL CUIPopupBar::SetSelected(int index, BOOL keyboard) {
    const BOOL changed = CUICommandBar::SetSelected(index, keyboard);
    CUIControl* control = GetControl(index);
    if (m_scrolling && control && (control->GetHideFlags() & uiHideScroll)) {
        // A keyboard selection beyond the shown entries scrolls it into view.
        if (index >= m_endVisible) {
            m_endVisible = index + 1;
            LayoutScrolling(FALSE, CSize(0, 0), TRUE);
        } else {
            m_firstVisible = index;
            LayoutScrolling(TRUE, CSize(0, 0), TRUE);
        }
    }
    return changed;
}

BOOL CUIPopupBar::Popup(CUIControlPopup* opener, BOOL selectFirst) {
    m_opener = opener;
    if (m_hWnd == nullptr) {
        CWnd* site = GetSite();
        LPCSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
        if (!CreateEx(WS_EX_TOOLWINDOW, windowClass, "", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
                      site, 0))
            return FALSE;
    }
    if (CWnd* owner = GetOwnerSite())
        owner->SendMessage(CommandBarsPopupNotify, 0, reinterpret_cast<LPARAM>(this));
    m_hasHiddenCommands = FALSE;
    m_showFull = IsCustomizeMode() || CUIMouseTrackHook::Get().m_fullMenus;
    if (m_opener)
        ComputeDirection();
    PlaceAndShow();
    SetTrackingMode(uiTracking, selectFirst, FALSE);
    m_idleFlags &= ~idleLayout;
    if (CWnd* owner = GetOwnerSite())
        OnUpdateCmdUI(owner, TRUE);
    AnimateFirstAppearance();
    GetMenuSoundThread().Play(CUIMenuSoundThread::MenuPopup);
    AddShadow();
    return TRUE;
}

BOOL CUIPopupBar::PopupAt(int x, int y, LPCRECT exclude) {
    m_anchor = CPoint(x, y);
    if (exclude)
        m_exclude = *exclude;
    return Popup(nullptr, FALSE);
}

void CUIPopupBar::ComputeDirection() {
    CUICommandBar* parent = m_opener->GetParent();
    if (parent == nullptr)
        return;
    DWORD flags = (m_opener->GetFlags() & uiFlagPopupLeft) ? uiPopupLeft : 0;
    const int position = parent->GetPosition();
    if (position == uiBarLeft || position == uiBarPopup) {
        // Submenus keep opening the way their parent menu opened.
        CUIPopupBar* parentPopup = dynamic_cast<CUIPopupBar*>(parent);
        if (parentPopup && parent->GetType() == uiBarTypePopup && (parentPopup->m_direction & uiPopupLeft))
            flags = uiPopupLeft;
    } else if (position == uiBarRight) {
        flags = uiPopupLeft;
    } else {
        flags |= uiPopupDropDown;
    }
    CRect rect = m_opener->GetRect();
    if (m_opener->GetType() == uiControlComboBox && parent->GetType() != uiBarTypePopup)
        flags = uiPopupDropDown;
    else
        m_opener->AdjustExcludeRect(rect);
    if (parent->m_hWnd)
        parent->ClientToScreen(&rect);
    m_exclude = rect;
    m_direction = flags;
    m_anchor = (flags & uiPopupDropDown) ? CPoint(rect.left, rect.bottom) : CPoint(rect.right, rect.top);
}

void CUIPopupBar::PlaceAndShow() {
    const CSize size = CalcDynamicLayout(0, 0);
    const UIPopupPlacement placement = PlacePopup(size, m_anchor, m_exclude, m_direction, GetPopupWorkArea(m_exclude));
    m_direction = placement.flags;
    m_scrolling = placement.shrink;
    if (m_scrolling) {
        m_firstVisible = 0;
        LayoutScrolling(TRUE, placement.rect.Size(), FALSE);
    }
    SetWindowPos(&wndTopMost, placement.rect.left, placement.rect.top, placement.rect.Width(), placement.rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void CUIPopupBar::AddShadow() {
    if (m_position != uiBarPopup || !m_shadow)
        return;
    CUIPopupShadowTable& shadows = CUIPopupShadowTable::Instance();
    shadows.RemoveShadows(this);
    shadows.SetShadow(this, m_exclude);
}

CUICommandBar* CUIPopupBar::GetParentCommandBar() const { return m_opener ? m_opener->GetParent() : nullptr; }

int CUIPopupBar::OnKeyDown(UINT key) {
    if (key == VK_DOWN && m_hasHiddenCommands && !m_showFull) {
        const int next = m_controls->GetNextIndex(m_selected, +1, TRUE, FALSE);
        if (::GetKeyState(VK_CONTROL) < 0 || next <= m_selected)
            ExpandBar();
    }
    return CUICommandBar::OnKeyDown(key);
}

void CUIPopupBar::ExpandBar() {
    if (m_showFull || !m_hasHiddenCommands)
        return;
    m_expansionPending = TRUE;
    m_showFull = TRUE;
    m_ignoreButtonUp = TRUE;
    SetOpenPopup(-1, FALSE);
    SetSelected(-1, FALSE);
    DelayLayout();
    CUIMouseTrackHook::Get().m_fullMenus = TRUE;
}

int CUIPopupBar::GetDefaultItem(BOOL byPosition) const {
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        if (control->IsVisible() && control->GetDefaultItem())
            return byPosition ? i : static_cast<int>(control->GetID());
    }
    return -1;
}

void CUIPopupBar::OnRecalcLayout() {
    if (m_layoutGuard || m_hWnd == nullptr || m_trackingMode == uiNotTracking)
        return;
    CUIPopupShadowTable::Instance().RemoveShadows(this);
    Reset();
    if (m_opener)
        ComputeDirection();
    PlaceAndShow();
    if (m_expansionPending) {
        AnimateGrowth();
        GetMenuSoundThread().Play(CUIMenuSoundThread::MenuPopup);
    }
    AddShadow();
    if (m_opener)
        m_opener->UpdateShadow();
    Invalidate(FALSE);
    m_expansionPending = FALSE;
}

void CUIPopupBar::Copy(CUICommandBar* source, BOOL recursive) {
    CUICommandBar::Copy(source, recursive);
    if (CUIPopupBar* popup = dynamic_cast<CUIPopupBar*>(source)) {
        m_tearOffEnabled = popup->m_tearOffEnabled;
        m_tearOffCaption = popup->m_tearOffCaption;
        m_tearOffBarId = popup->m_tearOffBarId;
        m_tearOffWidth = popup->m_tearOffWidth;
        m_shadow = popup->m_shadow;
        m_toolBarBorders = popup->m_toolBarBorders;
    }
}

void CUIPopupBar::Reset() {
    CFrameWnd* frame = GetSiteFrame();
    if (frame == nullptr)
        return;
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        if (!control->IsVisible() || control->GetID() == 0)
            continue;
        CString text = control->GetShortcutText();
        FindShortcut(control->GetID(), text, frame);
        control->SetShortcutText(text);
    }
}

void CUIPopupBar::OnMouseMove(UINT flags, CPoint point) {
    CUICommandBar* parent = GetParentCommandBar();
    CRect client;
    GetClientRect(&client);
    if (parent && m_opener && client.PtInRect(point))
        parent->SetSelected(m_opener->GetIndex(), FALSE);  // the opener stays lit
    TrackScrollButtons(point);
    TrackTearOffHover(point);
    CUICommandBar::OnMouseMove(flags, point);
}

void CUIPopupBar::TrackScrollButtons(CPoint point) {
    if (!m_scrolling)
        return;
    const struct {
        CRect rect;
        UINT_PTR id;
    } buttons[] = {{m_scrollDown, ScrollDownTimerId}, {m_scrollUp, ScrollUpTimerId}};
    for (const auto& button : buttons) {
        const DWORD bit = button.id == ScrollDownTimerId ? 1 : 2;
        if (!button.rect.IsRectEmpty() && button.rect.PtInRect(point)) {
            if (!(m_scrollTimers & bit)) {
                SetTimer(button.id, ScrollElapse);
                m_scrollTimers |= bit;
                SetOpenPopup(-1, FALSE);
            }
        } else if (m_scrollTimers & bit) {
            KillTimer(button.id);
            m_scrollTimers &= ~bit;
        }
    }
}

void CUIPopupBar::OnTimer(UINT_PTR id) {
    if (id == TearOffTimerId) {
        OnTearOffTimer();
        return;
    }
    if (id != ScrollDownTimerId && id != ScrollUpTimerId) {
        CUICommandBar::OnTimer(id);
        return;
    }
    ScrollOneStep(id == ScrollDownTimerId);
}

void CUIPopupBar::ScrollOneStep(BOOL down) {
    const UINT_PTR id = down ? ScrollDownTimerId : ScrollUpTimerId;
    const BOOL atEnd = down ? m_endVisible == GetControlCount() : m_firstVisible == 0;
    if (atEnd) {
        KillTimer(id);
        m_scrollTimers &= ~static_cast<DWORD>(down ? 1 : 2);
        return;
    }
    if (down) {
        ++m_endVisible;
        LayoutScrolling(FALSE, CSize(0, 0), TRUE);
    } else {
        --m_firstVisible;
        LayoutScrolling(TRUE, CSize(0, 0), TRUE);
    }
}

void CUIPopupBar::DrawCommandBar(CDC* dc) {
    CUICommandBar::DrawCommandBar(dc);
    CUICommandBarsTheme* paintManager = GetPaintManager();
    if (m_tearOffEnabled && GetControlCount() > 0 && paintManager)
        paintManager->DrawTearOffGripper(dc, m_tearOffStrip, m_tearOffHot, TRUE);
    if (!m_scrolling)
        return;
    CUISystemPalette& palette = GetUISystemPalette();
    palette.RefreshColors(TRUE);
    const COLORREF color = palette.GetColor(kArrowColor);
    CBrush brush(color);
    CPen pen(PS_SOLID, 1, color);
    CBrush* oldBrush = dc->SelectObject(&brush);
    CPen* oldPen = dc->SelectObject(&pen);
    const struct {
        CRect rect;
        int tip;
    } arrows[] = {{m_scrollDown, +3}, {m_scrollUp, -3}};
    for (const auto& arrow : arrows) {
        if (arrow.rect.IsRectEmpty())
            continue;
        const CPoint centre((arrow.rect.left + arrow.rect.right) / 2, (arrow.rect.top + arrow.rect.bottom) / 2);
        POINT points[] = {{centre.x - 3, centre.y}, {centre.x + 3, centre.y}, {centre.x, centre.y + arrow.tip}};
        dc->Polygon(points, 3);
    }
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

IMPLEMENT_SERIAL(CUIPopupToolBar, CUIPopupBar, uiArchiveSchema)

CUIPopupToolBar* CUIPopupToolBar::CreatePopupToolBarFor(CUICommandBars* commandBars) {
    CUIPopupToolBar* bar = static_cast<CUIPopupToolBar*>(RUNTIME_CLASS(CUIPopupToolBar)->CreateObject());
    bar->SetCommandBars(commandBars);
    return bar;
}
