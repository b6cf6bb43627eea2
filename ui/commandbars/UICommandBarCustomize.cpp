// A bar in customize mode: the drop side of a control's drag, the drop mark, the
// frames around the selected control and the right-button selection.
#include "ui/commandbars/UICommandBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIControlDragContext.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UICustomizeSheet.h"

#include "platform/CGdiObject.h"

#include <climits>
#include <cstdlib>

namespace {

const int DropMarkWidth = 6;
// A drop this close to where the drag began leaves the control where it is.
const int DropSlack = 4;
// The raster operation that inverts the pattern's colour into the destination.
const DWORD PatternInvert = 0x5A0049;

BOOL IsDropCandidate(const CUIControl* control) {
    return control->IsVisible() && !(control->GetFlags() & uiFlagNoCustomize);
}

}  // namespace

BOOL CUICommandBar::IsDropVertical() const { return m_barType == uiBarTypePopup || !IsHorizontal(); }

int CUICommandBar::CalcDropIndicator(CUIControl* dragged, CPoint point, CRect* indicator) const {
    const BOOL vertical = IsDropVertical();
    CRect client;
    GetClientRect(&client);
    CUIControl* nearest = nullptr;
    int bestCross = INT_MAX;
    int bestMain = INT_MAX;
    // Nearest by the row (column) first, then along it.
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        if (!IsDropCandidate(control))
            continue;
        const CRect rect = control->GetRect();
        const CPoint centre = rect.CenterPoint();
        const int low = vertical ? rect.left : rect.top, high = vertical ? rect.right : rect.bottom;
        const int at = vertical ? point.x : point.y;
        const int cross = at < low ? low - at : at >= high ? at - high + 1 : 0;
        const int along = std::abs(vertical ? point.y - centre.y : point.x - centre.x);
        if (cross < bestCross || (cross == bestCross && along < bestMain)) {
            nearest = control;
            bestCross = cross;
            bestMain = along;
        }
    }
    if (nearest == nullptr) {
        *indicator = vertical ? CRect(client.left, 2, client.right, 2 + DropMarkWidth)
                              : CRect(2, client.top, 2 + DropMarkWidth, client.bottom);
        return 0;
    }
    const CRect rect = nearest->GetRect();
    const BOOL before = vertical ? point.y < rect.CenterPoint().y : point.x < rect.CenterPoint().x;
    const int index = before ? nearest->GetIndex() : nearest->GetIndex() + 1;
    if (dragged->GetParent() == this && (index == dragged->GetIndex() || index == dragged->GetIndex() + 1)) {
        indicator->SetRectEmpty();
        return -1;
    }
    int edge = vertical ? (before ? rect.top : rect.bottom) : (before ? rect.left : rect.right);
    CUIControl* next = before ? nullptr : GetControl(index);
    if (next && IsDropCandidate(next) && !next->GetBeginGroup() && !next->m_startsRow)
        edge = vertical ? next->GetRect().top : next->GetRect().left;
    *indicator = vertical ? CRect(rect.left, edge - DropMarkWidth / 2, rect.right, edge + DropMarkWidth / 2)
                          : CRect(edge - DropMarkWidth / 2, rect.top, edge + DropMarkWidth / 2, rect.bottom);
    return index;
}

BOOL CUICommandBar::OnCustomizeDragEnter(CUIControl* control, CPoint point) { return OnCustomizeDragOver(control, point); }

BOOL CUICommandBar::OnCustomizeDragOver(CUIControl* control, CPoint point) {
    if (m_hWnd == nullptr || !IsWindowVisible() || !IsCustomizable())
        return FALSE;
    if (CUIControl* under = m_controls->HitTest(point))
        under->OnCustomizeDragOver(control, point);
    CRect indicator;
    if (control->IsCustomizeDragOverAvail(this, point))
        CalcDropIndicator(control, point, &indicator);
    if (indicator != m_dropIndicator) {
        m_dropIndicator = indicator;
        Invalidate(FALSE);
    }
    return TRUE;
}

void CUICommandBar::OnCustomizeDragLeave() {
    if (m_dropIndicator.IsRectEmpty())
        return;
    m_dropIndicator.SetRectEmpty();
    if (m_hWnd)
        Invalidate(FALSE);
}

void CUICommandBar::OnCustomizeDrop(CUIControl* control, int* result, CPoint point, CPoint start) {
    CRect indicator;
    const int place = CalcDropIndicator(control, point, &indicator);
    if (place >= 0) {
        SetOpenPopup(-1, FALSE);
        ClearSelection();
        CUIControl* displaced = GetControl(place);
        CUIControl* copy = m_controls->AddCopy(control, place, *result == uiDropCopy);
        copy->SetBeginGroup(displaced && displaced->GetBeginGroup());
        if (displaced)
            displaced->SetBeginGroup(FALSE);
        if (CUICommandBars* commandBars = GetCommandBars())
            commandBars->SetDragControl(copy);
    } else {
        // At its own place: a push along the bar adds a group mark before it, a pull
        // back takes it away.
        const int moved = IsDropVertical() ? point.y - start.y : point.x - start.x;
        if (std::abs(moved) > DropSlack)
            control->SetBeginGroup(moved > 0);
        *result = uiDropCancel;
    }
    OnRecalcLayout();
    DelayLayout();
    m_dropIndicator.SetRectEmpty();
    if (m_hWnd)
        Invalidate(FALSE);
}

void CUICommandBar::OnRButtonDown(UINT, CPoint point) {
    CUICommandBars* commandBars = GetCommandBars();
    if (!IsCustomizeMode() || !IsCustomizable() || commandBars == nullptr) {
        Default();
        return;
    }
    CUIControl* control = m_controls->HitTest(point);
    if (control == nullptr || !control->IsVisible() || (control->GetFlags() & uiFlagNoCustomize))
        return;
    SetOpenPopup(-1, FALSE);
    ClearSelection();
    commandBars->SetDragControl(control);
    if (CUICustomizeSheet* sheet = dynamic_cast<CUICustomizeSheet*>(commandBars->GetDragContext()->GetCustomizeWindow())) {
        ClientToScreen(&point);
        sheet->ContextMenu(point);
    }
}

void CUICommandBar::DrawCustomizeMarks(CDC* dc) {
    if (!IsCustomizeMode())
        return;
    CUICommandBars* commandBars = GetCommandBars();
    CUIControl* selected = commandBars ? commandBars->GetDragControl() : nullptr;
    if (selected && selected->GetParent() == this && selected->IsVisible()) {
        CBrush black(RGB(0, 0, 0));
        CRect frame = selected->GetRect();
        for (int i = 0; i < 2; ++i) {
            dc->FrameRect(frame, &black);
            frame.DeflateRect(1, 1);
        }
    }
    if (!m_dropIndicator.IsRectEmpty())
        DrawDropIndicator(dc);
}

void CUICommandBar::DrawDropIndicator(CDC* dc) {
    // An I-beam: a 2-pixel stem across the bar with 1-pixel caps at both ends.
    CBrush brush(::GetSysColor(COLOR_BTNFACE));
    CBrush* old = dc->SelectObject(&brush);
    const CRect& r = m_dropIndicator;
    if (IsDropVertical()) {
        const int middle = r.CenterPoint().y;
        dc->PatBlt(r.left, middle - 1, r.Width(), 2, PatternInvert);
        dc->PatBlt(r.left, r.top, 1, r.Height(), PatternInvert);
        dc->PatBlt(r.right - 1, r.top, 1, r.Height(), PatternInvert);
    } else {
        const int middle = r.CenterPoint().x;
        dc->PatBlt(middle - 1, r.top, 2, r.Height(), PatternInvert);
        dc->PatBlt(r.left, r.top, r.Width(), 1, PatternInvert);
        dc->PatBlt(r.left, r.bottom - 1, r.Width(), 1, PatternInvert);
    }
    dc->SelectObject(old);
}
