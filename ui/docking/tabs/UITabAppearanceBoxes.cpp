#include <algorithm>

#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabColorSet.h"
#include "ui/docking/tabs/UITabTheme.h"
#include "ui/docking/tabs/UITabTurn.h"

namespace {
void FrameRect(CDC* dc, const CRect& rect, COLORREF color) {
    if (color != TabNoColor) dc->Draw3dRect(&rect, color, color);
}

// Keeps painting off the four corner pixels of a rectangle.
void ExcludeCorners(CDC* dc, const CRect& rect) {
    dc->ExcludeClipRect(rect.left, rect.top, rect.left + 1, rect.top + 1);
    dc->ExcludeClipRect(rect.right - 1, rect.top, rect.right, rect.top + 1);
    dc->ExcludeClipRect(rect.left, rect.bottom - 1, rect.left + 1, rect.bottom);
    dc->ExcludeClipRect(rect.right - 1, rect.bottom - 1, rect.right, rect.bottom);
}
}  // namespace

// --- box and rounded box ---

CRect CUITabAppearanceBox::FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) {
    return FillHeaderWithFrame(strip, dc, rect, Colors()->frameBorderColour);
}

void CUITabAppearanceBox::DrawSingleTab(CDC* dc, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    int position = strip->GetPosition();
    CRect rect = item->rect;
    InflateRectByPosition(rect, 0, 0, 1, 0, position);
    Colors()->FillItem(dc, rect, item);
    if (item == strip->GetSelectedItem()) InflateRectByPosition(rect, 0, 0, 0, 1, position);
    FrameRect(dc, rect, Colors()->frameBorderColour);
    m_owner->DrawItemContent(dc, item, item->rect, TRUE);
}

void CUITabAppearanceRoundBox::DrawSingleTab(CDC* dc, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    int position = strip->GetPosition();
    CRect rect = item->rect;
    InflateRectByPosition(rect, 0, 0, 1, 0, position);
    CRect corners = rect;
    InflateRectByPosition(corners, 0, 0, 0, 1, position);
    int saved = dc->SaveDC();
    ExcludeCorners(dc, corners);
    Colors()->FillItem(dc, rect, item);
    CRect frame = rect;
    if (item == strip->GetSelectedItem()) frame = corners;
    FrameRect(dc, frame, Colors()->frameBorderColour);
    dc->RestoreDC(saved);

    // Softens the two outer corners: each pixel averaged with its neighbour.
    CUITabTurn turn(rect, position);
    CRect local = turn.Local();
    int l = local.left, t = local.top, r = local.right;
    const int pairs[10][4] = {{l, t + 1, 0, -1},     {l + 1, t, -1, 0},     {r - 2, t, 1, 0},     {r - 1, t + 1, 0, -1},
                              {l + 1, t + 1, -1, 0}, {r - 2, t + 1, 1, 0},  {l + 2, t + 1, -1, 0}, {l + 1, t + 2, 0, -1},
                              {r - 3, t + 1, 1, 0},  {r - 2, t + 2, 0, -1}};
    POINT points[20];
    for (int i = 0; i < 10; ++i) {
        points[2 * i] = turn.Map(pairs[i][0], pairs[i][1]);
        points[2 * i + 1] = turn.MapOffset(pairs[i][2], pairs[i][3]);
    }
    BlendPixelsWithOffset(dc, points, 20);
    m_owner->DrawItemContent(dc, item, item->rect, TRUE);
}

// --- buttons ---

CRect CUITabAppearanceButtons::FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) {
    return GetHeaderRect(rect, strip);
}

void CUITabAppearanceButtons::DrawSingleTab(CDC* dc, CUITabStripItem* item) {
    Colors()->DrawItemBackground(dc, item->rect, item);
    m_owner->DrawItemContent(dc, item, item->rect, TRUE);
}

// --- flat ---

CRect CUITabAppearanceFlat::FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) {
    CUITabColorSet* colors = Colors();
    CRect header = GetHeaderRect(rect, strip);
    colors->FillHeader(dc, header, strip);
    CRect client = GetClientRect(rect, strip);
    if (m_owner->clientFrameStyle == ClientFrameBorder) {
        colors->FillClient(dc, client, strip);
        dc->Draw3dRect(&client, colors->borderHighlightColour, colors->selectedTextColour);
    } else {
        DrawEdgeLine(dc, client, strip->GetPosition(), colors->borderHighlightColour, colors->selectedTextColour);
    }
    return header;
}

void CUITabAppearanceFlat::DrawSingleTab(CDC* dc, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    CUITabColorSet* colors = Colors();
    const CRect& r = item->rect;
    if (item != strip->GetSelectedItem()) {
        if (strip->IsHorizontal())
            DrawColorLine(dc, colors->frameBorderColour, r.right, r.top + 2, r.right, r.bottom - 2);
        else
            DrawColorLine(dc, colors->frameBorderColour, r.left + 2, r.bottom, r.right - 2, r.bottom);
    } else {
        CRect fill = r;
        InflateRectByPosition(fill, 0, 0, 0, 1, strip->GetPosition());
        colors->FillItem(dc, fill, item);
        dc->Draw3dRect(&fill, colors->borderHighlightColour, colors->selectedTextColour);
    }
    m_owner->DrawItemContent(dc, item, r, TRUE);
}

// --- stacked ---

void CUITabAppearanceStacked::RepositionTabControl(CUITabStripBase* strip, CDC* dc, CRect rc) {
    DeflateRectByPosition(rc, m_owner->controlInset, strip->GetPosition());
    int count = strip->GetItemCount();
    if (count == 0) return;
    int h = GetTabHeight(strip);
    int x0 = m_owner->clientFrameStyle == ClientFrameNone ? rc.left : rc.left + 1;
    int y = rc.top + 1;
    for (int i = 0; i < count; ++i) {
        CUITabStripItem* item = strip->GetItem(i);
        item->rect.SetRect(x0, y, rc.right, y + h);
        item->width = rc.right - x0;
        int next = y + h;
        if (item == strip->GetSelectedItem()) {
            // The headers after the selected one sit at the bottom, below its client area.
            int low = std::min(std::max<int>(rc.bottom - (count - i - 1) * h, y + 2 * h), static_cast<int>(rc.bottom) - 1);
            if (next <= low) next = low;
        }
        y = next;
    }
}

CRect CUITabAppearanceStacked::GetClientRect(CRect rc, CUITabStripBase* strip) {
    CUITabStripItem* selected = strip->GetSelectedItem();
    BOOL framed = m_owner->clientFrameStyle != ClientFrameNone;
    if (selected) {
        int h = GetTabHeight(strip), i = selected->index, n = strip->GetItemCount();
        int top = rc.top + (i + 1) * h + 1;
        int bottom = std::max<int>(rc.bottom - (n - i - 1) * h, top + h);
        if (i == n - 1 && framed) bottom -= 1;
        rc.top = top, rc.bottom = bottom;
    }
    if (framed) rc.DeflateRect(1, 0);
    return rc;
}

void CUITabAppearanceStacked::AdjustClientRect(CUITabStripBase* strip, CRect& rect) {
    int position = strip->GetPosition();
    DeflateRectByPosition(rect, m_owner->controlInset, position);
    rect = GetClientRect(rect, strip);
    RECT margin;
    GetClientMargin(&margin);
    DeflateRectByPosition(rect, margin, position);
}

void CUITabAppearanceStacked::DrawTabControl(CUITabStripBase* strip, CDC* dc, CRect rc) {
    CUITabColorSet* colors = Colors();
    dc->FillSolidRect(&rc, colors->controlFaceColour);
    DeflateRectByPosition(rc, m_owner->controlInset, strip->GetPosition());
    int saved = dc->SaveDC();
    dc->IntersectClipRect(&rc);
    if (m_owner->clientFrameStyle != ClientFrameNone)
        FrameRect(dc, rc, colors->frameBorderColour);
    else if (strip->GetItemCount() > 0)
        DrawColorLine(dc, colors->frameBorderColour, rc.left, rc.top, rc.right, rc.top);
    dc->SetBkMode(TRANSPARENT);
    CRect meet;
    for (int i = strip->GetItemCount() - 1; i >= 0; --i) {
        CUITabStripItem* item = strip->GetItem(i);
        if (meet.IntersectRect(&item->rect, &rc)) DrawSingleTab(dc, item);
    }
    dc->RestoreDC(saved);
}

void CUITabAppearanceStacked::DrawSingleTab(CDC* dc, CUITabStripItem* item) {
    CUITabColorSet* colors = Colors();
    const CRect& r = item->rect;
    colors->FillItem(dc, r, item);
    dc->Draw3dRect(&r, colors->borderHighlightColour, colors->frameBorderColour);
    COLORREF gripper = GetUISystemPalette().GetColor(BARCOLOR_GRIPPER);
    for (int y = r.top + 4; y < r.bottom - 3; y += 2) dc->FillSolidRect(r.right - 7, y, 3, 1, gripper);
    m_owner->DrawItemContent(dc, item, CRect(r.left, r.top, r.right - 7, r.bottom), TRUE);
}
