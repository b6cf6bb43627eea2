#include "ui/docking/tabs/UITabAppearance.h"

#include <algorithm>
#include <vector>

#include "platform/CGdiObject.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/docking/tabs/UITabColorSet.h"
#include "ui/docking/tabs/UITabTheme.h"
#include "ui/docking/tabs/UITabTurn.h"

void CUITabTurn::Line(CDC* dc, COLORREF color, int x1, int y1, int x2, int y2) const {
    CPoint a = Map(x1, y1), b = Map(x2, y2);
    CUITabAppearance::DrawColorLine(dc, color, a.x, a.y, b.x, b.y);
}

void CUITabTurn::Pixel(CDC* dc, COLORREF color, int x, int y) const {
    if (color == TabNoColor) return;
    CPoint a = Map(x, y);
    dc->SetPixel(a.x, a.y, color);
}

CUITabAppearance* CreateTabAppearance(int index) {
    switch (index) {
    case 1:
        return new CUITabAppearanceClassicHot;
    case 2:
        return new CUITabAppearanceRoundBox;
    case 3:
        return new CUITabAppearanceSlanted;
    case 4:
        return new CUITabAppearanceButtons;
    case 5:
        return new CUITabAppearanceFlat;
    case 6:
        return new CUITabAppearanceBox;
    case 7:
        return new CUITabAppearanceTrapezoid;
    case 8:
        return new CUITabAppearanceStacked;
    default:
        return new CUITabAppearanceClassic;
    }
}

CUITabAppearance::CUITabAppearance(int left, int top, int right, int bottom) : m_headerMargin(left, top, right, bottom) {}

CUITabColorSet* CUITabAppearance::Colors() const { return m_owner->GetColorSet(); }

int CUITabAppearance::Position() const { return m_owner->GetPosition(); }

void CUITabAppearance::RefreshMetrics() {
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    CGdiObject* old = m_owner && m_owner->normalFont.m_hObject ? screen.SelectObject(&m_owner->normalFont) : nullptr;
    int height = screen.GetTextExtent(" ", 1).cy;
    if (old) screen.SelectObject(old);
    ::ReleaseDC(nullptr, screen.Detach());
    m_rowHeight = std::max(height + 3, 18);
}

CRect CUITabAppearance::GetHeaderRect(CRect rect, CUITabStripBase* strip) {
    int thickness = GetTabHeight(strip) + m_headerMargin.top + m_headerMargin.bottom;
    switch (strip->GetPosition()) {
    case TabPositionLeft:
        rect.right = rect.left + thickness;
        break;
    case TabPositionBottom:
        rect.top = rect.bottom - thickness;
        break;
    case TabPositionRight:
        rect.left = rect.right - thickness;
        break;
    default:
        rect.bottom = rect.top + thickness;
        break;
    }
    return rect;
}

CRect CUITabAppearance::GetClientRect(CRect rect, CUITabStripBase* strip) {
    CRect header = GetHeaderRect(rect, strip);
    switch (strip->GetPosition()) {
    case TabPositionLeft:
        rect.left = header.right - 1;
        break;
    case TabPositionBottom:
        rect.bottom = header.top + 1;
        break;
    case TabPositionRight:
        rect.right = header.left + 1;
        break;
    default:
        rect.top = header.bottom - 1;
        break;
    }
    return rect;
}

void CUITabAppearance::GetHeaderMargin(RECT* margin) { *margin = m_headerMargin; }

void CUITabAppearance::GetClientMargin(RECT* margin) { *margin = m_owner->clientInset; }

int CUITabAppearance::GetItemLength(CDC* dc, CUITabStripItem* item) {
    return m_owner->DrawItemContent(dc, item, CRect(0, 0, 0, 0), FALSE);
}

// Without a strip (the thickness of an auto-hide panel) there is no minimum size and
// the icon size is the paint manager's.
int CUITabAppearance::GetTabHeight(CUITabStripBase* strip) {
    const CRect& padding = m_owner->itemPadding;
    int m = padding.top + padding.bottom;
    CSize minimum(0, 0);
    if (strip) strip->GetItemMetrics(nullptr, &minimum, nullptr);
    int h = std::max(m_rowHeight + m, static_cast<int>(minimum.cy));
    if (!m_owner->tabIcons) return h;
    CSize icon = m_owner->iconSize;
    if (strip) strip->DrawItemIcon(nullptr, CPoint(0, 0), nullptr, FALSE, &icon);
    return std::max(h, static_cast<int>(std::max(icon.cx, icon.cy)) + m + 4);
}

void CUITabAppearance::DrawTabControl(CUITabStripBase* strip, CDC* dc, CRect rect) {
    m_owner->DefaultDrawTabControl(strip, dc, rect);
}

CRect CUITabAppearance::FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) { return GetHeaderRect(rect, strip); }

void CUITabAppearance::RepositionTabControl(CUITabStripBase* strip, CDC* dc, CRect rect) {
    m_owner->DefaultRepositionTabs(strip, dc, rect);
}

void CUITabAppearance::AdjustClientRect(CUITabStripBase* strip, CRect& rect) {
    int position = strip->GetPosition();
    DeflateRectByPosition(rect, m_owner->controlInset, position);
    rect = GetClientRect(rect, strip);
    RECT margin;
    GetClientMargin(&margin);
    DeflateRectByPosition(rect, margin, position);
    if (m_owner->clientFrameStyle == ClientFrameBorder)
        DeflateRectByPosition(rect, 2, 2, 2, 2, position);
    else if (m_owner->clientFrameStyle == ClientFrameSingleLine)
        DeflateRectByPosition(rect, 0, 2, 0, 0, position);
}

void CUITabAppearance::DrawClientFrame(CDC* dc, CRect* rect, int part) {
    CUITabColorSet* colors = Colors();
    if (!m_owner->outerFrame) {
        if (part == 1) rect->InflateRect(2, 2);
        if (part == 2 || part == 3) dc->FillSolidRect(rect, colors->headerFaceColour.first);
        return;
    }
    int w = rect->Width(), h = rect->Height();
    switch (part) {
    case 0:
        dc->Draw3dRect(1, 0, w - 3, h - 1, GetUISystemPalette().GetColor(COLOR_BTNFACE),
                       GetUISystemPalette().GetColor(COLOR_BTNFACE));
        dc->Draw3dRect(0, 0, w, h, colors->frameBorderColour, colors->frameBorderColour);
        break;
    case 1:
        rect->top -= 1;
        break;
    case 2:
        dc->FillSolidRect(rect, colors->controlFaceColour);
        DrawColorLine(dc, colors->frameBorderColour, rect->right - 1, rect->top, rect->right - 1, rect->bottom);
        break;
    case 3:
        dc->FillSolidRect(rect, colors->controlFaceColour);
        DrawColorLine(dc, colors->frameBorderColour, rect->left, rect->bottom - 1, rect->right, rect->bottom - 1);
        break;
    default:
        break;
    }
}

void CUITabAppearance::DrawEdgeLine(CDC* dc, const CRect& rect, int position, COLORREF a, COLORREF b) {
    switch (position) {
    case TabPositionLeft:
        DrawColorLine(dc, a, rect.left, rect.top, rect.left, rect.bottom);
        break;
    case TabPositionBottom:
        DrawColorLine(dc, b, rect.left, rect.bottom - 1, rect.right, rect.bottom - 1);
        break;
    case TabPositionRight:
        DrawColorLine(dc, b, rect.right - 1, rect.top, rect.right - 1, rect.bottom);
        break;
    default:
        DrawColorLine(dc, a, rect.left, rect.top, rect.right, rect.top);
        break;
    }
}

void CUITabAppearance::DrawPolyLine(CDC* dc, COLORREF color, const POINT* points, int count) {
    if (color == TabNoColor || count <= 0) return;
    CUIPenSelector pen(dc->GetSafeHdc(), color);
    CPoint at = points[0];
    dc->MoveTo(at);
    for (int i = 1; i < count; ++i) {
        at.Offset(points[i].x, points[i].y);
        dc->LineTo(at);
    }
}

void CUITabAppearance::DrawColorLine(CDC* dc, COLORREF color, int x1, int y1, int x2, int y2) {
    if (color == TabNoColor) return;
    CUIPenSelector pen(dc->GetSafeHdc(), color);
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

COLORREF CUITabAppearance::FillItemPolygon(CDC* dc, CUITabStripItem* item, const POINT* points, int count, BOOL absolute) {
    std::vector<POINT> corners(points, points + count);
    if (!absolute)
        for (int i = 1; i < count; ++i) corners[i].x += corners[i - 1].x, corners[i].y += corners[i - 1].y;
    CRgn region;
    region.CreatePolygonRgn(corners.data(), count, ALTERNATE);
    CRect box;
    ::GetRgnBox(region, &box);
    int saved = dc->SaveDC();
    dc->SelectClipRgn(&region, RGN_AND);
    COLORREF color = Colors()->FillItem(dc, box, item);
    dc->RestoreDC(saved);
    return color;
}

// A frame around the client area (frame style 0) or the line on its header side.
CRect CUITabAppearance::FillHeaderWithFrame(CUITabStripBase* strip, CDC* dc, CRect rect, COLORREF frame) {
    CRect header = GetHeaderRect(rect, strip);
    Colors()->FillHeader(dc, header, strip);
    CRect client = GetClientRect(rect, strip);
    if (m_owner->clientFrameStyle == ClientFrameBorder) {
        Colors()->FillClient(dc, client, strip);
        if (frame != TabNoColor) dc->Draw3dRect(&client, frame, frame);
    } else {
        DrawEdgeLine(dc, client, strip->GetPosition(), frame, frame);
    }
    return header;
}
