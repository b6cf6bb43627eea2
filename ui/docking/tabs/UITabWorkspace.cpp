#include "ui/docking/tabs/UITabWorkspace.h"

#include "platform/CDocument.h"
#include "platform/CMDIChildWnd.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/docking/tabs/UITabClientWnd.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
// A child's answer to a query, 0 when it has none.
LRESULT Ask(HWND child, UINT message, WPARAM wParam = 0) {
    return ::IsWindow(child) ? ::SendMessageA(child, message, wParam, 0) : 0;
}

HICON ChildIcon(HWND child) {
    if (auto icon = reinterpret_cast<HICON>(Ask(child, TabGetIconNotify))) return icon;
    if (!::IsWindow(child)) return ::LoadIcon(nullptr, IDI_WINLOGO);
    if (auto icon = reinterpret_cast<HICON>(::GetClassLongPtrA(child, GCLP_HICONSM))) return icon;
    if (auto icon = reinterpret_cast<HICON>(::SendMessageA(child, WM_GETICON, ICON_SMALL, 0))) return icon;
    if (auto icon = reinterpret_cast<HICON>(::GetClassLongPtrA(child, GCLP_HICON))) return icon;
    if (auto icon = reinterpret_cast<HICON>(::SendMessageA(child, WM_GETICON, ICON_BIG, 0))) return icon;
    return ::LoadIcon(nullptr, IDI_WINLOGO);
}

CString AnswerText(LRESULT answer) { return answer ? CString(reinterpret_cast<LPCSTR>(answer)) : CString(); }
}  // namespace

void CUITabWorkspace::Reposition() {
    if (m_owner->IsLocked())
        m_owner->SetLayoutDirty();
    else
        m_owner->Reposition();
}

HICON CUITabWorkspace::GetItemIcon(const CUITabStripItem* item) const { return ChildIcon(ChildOf(item)); }

COLORREF CUITabWorkspace::GetItemColor(const CUITabStripItem* item) const {
    m_owner->UpdateItemColor(const_cast<CUITabStripItem*>(item));
    return CUITabStripBase::GetItemColor(item);
}

CString CUITabWorkspace::GetItemTooltip(const CUITabStripItem* item) const {
    if (!item->tooltip.IsEmpty()) return item->tooltip;
    HWND child = ChildOf(item);
    auto* frame = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(child));
    if (frame) {
        CString tip = AnswerText(Ask(child, TabGetTooltipNotify, reinterpret_cast<WPARAM>(item)));
        if (!tip.IsEmpty()) return tip;
        if (CDocument* document = frame->GetActiveDocument()) tip = document->GetPathName();
        if (!tip.IsEmpty()) return tip;
    }
    return item->GetCaption();
}

void CUITabWorkspace::SetSelectedItem(CUITabStripItem* item) {
    if (item != m_selected) activeChild = item ? ChildOf(item) : nullptr;
    CUITabStripBase::SetSelectedItem(item);
}

CUITabTheme* CUITabWorkspace::GetPaintManager() const { return m_owner->GetPaintManager(); }

void CUITabWorkspace::RedrawControl() {
    if (m_owner->IsLocked()) return;
    CWnd* window = GetCarrier() ? GetCarrier() : m_owner;
    if (window->GetSafeHwnd()) window->InvalidateRect(nullptr, FALSE);
}

BOOL CUITabWorkspace::IsAllowReorder() const { return m_owner->allowReorder; }

void CUITabWorkspace::SetAllowReorder(BOOL allow) { m_owner->allowReorder = allow; }

BOOL CUITabWorkspace::IsDrawFrame() const { return GetPaintManager()->outerFrame && !m_owner->IsGroupsEnabled(); }

BOOL CUITabWorkspace::DrawItemIcon(CDC* dc, CPoint point, CUITabStripItem* item, BOOL draw, CSize*) {
    if (!GetPaintManager()->tabIcons) return FALSE;
    if (!draw) return TRUE;
    if (HICON icon = item ? GetItemIcon(item) : nullptr)
        ::DrawIconEx(dc->m_hDC, point.x, point.y, icon, 16, 16, 0, nullptr, DI_NORMAL);
    return TRUE;
}

void CUITabWorkspace::OnItemClick(CUITabStripItem* item) { m_owner->MDIActivate(ChildOf(item)); }

void CUITabWorkspace::OnNavigateButtonClick(int id) {
    if (id == NavigateButtonClose && m_selected) ::SendMessageA(ChildOf(m_selected), WM_CLOSE, 0, 0);
}

BOOL CUITabWorkspace::IsMouseLocked() const {
    for (CUICommandBar* bar : CUIMouseTrackHook::Get().GetTrackingBars())
        if (!bar) return FALSE;
    return CUIMouseTrackHook::Get().IsTracking();
}

void CUITabWorkspace::ApplyNavigateFlags(int flags) {
    FindNavigateButton(NavigateButtonClose)->SetMode((flags & 2) ? NavigateButtonHidden : NavigateButtonAlways);
    const int arrows = (flags & 1) ? NavigateButtonAuto : NavigateButtonAlways;
    FindNavigateButton(NavigateButtonLeft)->SetMode(arrows);
    FindNavigateButton(NavigateButtonRight)->SetMode(arrows);
}

void CUITabWorkspace::TrackItemDrag(CWnd* wnd, int x, int y, CUITabStripItem* item) {
    if (m_owner->GetWorkspaceCount() == 1 && GetItemCount() == 1) return;
    CUITabItemReference dragged(item);
    SetSelectedDirect(item);
    m_owner->Lock(TRUE);
    m_owner->SetActiveWorkspace(this);
    m_owner->Lock(FALSE);
    if (GetPaintManager()->hotTabs) m_hot = item;
    Reposition();

    CPoint point(x, y);
    m_dropFeedback = FALSE;
    const UINT ended = RunItemDragLoop(wnd, point, item);
    PerformMouseMove(wnd, point.x, point.y);
    if (IsItem(item)) OnItemClick(item);
    if (m_dropFeedback) {
        m_dropFeedback = FALSE;
        m_owner->EndDropFeedback();
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        if (ended == WM_LBUTTONUP) {
            CPoint drop = point;
            if (wnd != m_owner) ::MapWindowPoints(wnd->GetSafeHwnd(), m_owner->GetSafeHwnd(), &drop, 1);
            if (m_owner->GetDropAction() == TabDropMenu)
                m_owner->ShowWorkspaceActionsPopup(drop);
            else if (m_owner->GetDropAction() >= TabDropIntoGroup)
                m_owner->MoveItemToGroup(item, m_owner->GetDropTarget(), m_owner->GetDropAction());
        }
    }
    if (CUITabStripBase* strip = item->GetStrip()) strip->EnsureVisible(item);
}

void CUITabWorkspace::OnItemDragMove(CWnd* wnd, CPoint point, CUITabStripItem* item, const std::vector<CRect>& places) {
    if (headerRect.IsRectEmpty() || headerRect.PtInRect(point)) {
        if (m_dropFeedback) {
            m_dropFeedback = FALSE;
            m_owner->EndDropFeedback();
            ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        }
        CUITabStripBase::OnItemDragMove(wnd, point, item, places);
        return;
    }
    if (!m_owner->IsGroupsEnabled()) return;
    if (!m_dropFeedback) {
        m_dropFeedback = TRUE;
        m_owner->BeginDropFeedback();
    }
    m_owner->TrackDrop(point, item);
}
