#include <initializer_list>
#include <vector>

#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabColorSet.h"
#include "ui/docking/tabs/UITabTheme.h"
#include "ui/docking/tabs/UITabTurn.h"

namespace {
const COLORREF White = 0xFFFFFF;

// A local start point and relative steps, as real start and steps.
std::vector<POINT> TurnSteps(const CUITabTurn& turn, std::initializer_list<POINT> steps) {
    std::vector<POINT> real;
    for (const POINT& step : steps) real.push_back(real.empty() ? turn.Map(step.x, step.y) : turn.MapOffset(step.x, step.y));
    return real;
}

void TurnedPolyLine(CDC* dc, const CUITabTurn& turn, COLORREF color, std::initializer_list<POINT> steps) {
    std::vector<POINT> real = TurnSteps(turn, steps);
    CUITabAppearance::DrawPolyLine(dc, color, real.data(), static_cast<int>(real.size()));
}
}  // namespace

// --- classic ---

void CUITabAppearanceClassic::GetClientMargin(RECT* margin) {
    *margin = m_owner->clientInset;
    if (!Colors()->IsAppThemed() || m_owner->clientFrameStyle != ClientFrameBorder) return;
    margin->right += 2;
    int position = Position();
    if (position == TabPositionTop || position == TabPositionLeft) margin->bottom += 2;
}

CRect CUITabAppearanceClassic::FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) {
    CUITabColorSet* colors = Colors();
    int position = strip->GetPosition();
    CRect header = GetHeaderRect(rect, strip);
    InflateRectByPosition(header, 0, 0, 0, 1, position);
    colors->FillHeader(dc, header, strip);
    CRect c = GetClientRect(rect, strip);
    COLORREF light = colors->edgeLightColour, dark = colors->edgeDarkShadowColour, shadow = colors->edgeShadowColour;
    if (m_owner->clientFrameStyle == ClientFrameBorder) {
        colors->FillClient(dc, c, strip);
        if (light != TabNoColor && dark != TabNoColor) dc->Draw3dRect(&c, light, dark);
        if (shadow != TabNoColor) {
            dc->FillSolidRect(c.left + 1, c.bottom - 2, c.Width() - 2, 1, shadow);
            dc->FillSolidRect(c.right - 2, c.top + 1, 1, c.Height() - 2, shadow);
        }
        return header;
    }
    switch (position) {
    case TabPositionTop:
    case TabPositionLeft:
        DrawEdgeLine(dc, c, position, light, light);
        break;
    case TabPositionBottom:
        DrawEdgeLine(dc, c, position, dark, dark);
        DrawColorLine(dc, shadow, c.left, c.bottom - 2, c.right, c.bottom - 2);
        break;
    default:
        DrawEdgeLine(dc, c, position, dark, dark);
        DrawColorLine(dc, shadow, c.right - 2, c.top, c.right - 2, c.bottom);
        break;
    }
    return header;
}

void CUITabAppearanceClassic::DrawSingleTab(CDC* dc, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    int position = strip->GetPosition();
    CUITabColorSet* colors = Colors();
    BOOL selected = item == strip->GetSelectedItem();
    CRect real = item->rect;
    if (selected) {
        static const int Growth[4][4] = {{2, 2, 2, 0}, {2, 2, 0, 2}, {2, 2, 2, 2}, {2, 2, 2, 2}};
        const int* grow = Growth[position & 3];
        real.InflateRect(grow[0], grow[1], grow[2], grow[3]);
    }
    CUITabTurn turn(real, position);
    CRect local = turn.Local();
    int l = local.left, t = local.top, r = local.right, b = local.bottom;
    COLORREF fill = colors->FillItem(dc, turn.MapRect(CRect(l + 1, t + 1, r - 1, b - 1)), item);
    COLORREF light = colors->edgeLightColour, dark = colors->edgeDarkShadowColour, shadow = colors->edgeShadowColour;
    // Lit from the top left: only the outer edge changes with the side.
    BOOL outerLit = position == TabPositionTop || position == TabPositionLeft;
    turn.Line(dc, light, l, t + 2, l, b);
    turn.Pixel(dc, light, l + 1, t + 1);
    if (outerLit) {
        turn.Line(dc, light, l + 2, t, r - 2, t);
    } else {
        turn.Line(dc, dark, l + 2, t, r - 2, t);
        turn.Line(dc, shadow, l + 2, t + 1, r - 2, t + 1);
    }
    turn.Pixel(dc, dark, r - 2, t + 1);
    turn.Line(dc, dark, r - 1, t + 2, r - 1, b - 1);
    turn.Line(dc, shadow, r - 2, t + 2, r - 2, b - 1);
    if (selected && fill != TabNoColor) turn.Line(dc, fill, l + 1, b - 1, r - 2, b - 1);
    m_owner->DrawItemContent(dc, item, real, TRUE);
}

void CUITabAppearanceClassicHot::DrawSingleTab(CDC* dc, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    if (item != strip->GetSelectedItem() && item != strip->GetHotItem()) {
        m_owner->DrawItemContent(dc, item, item->rect, TRUE);
        return;
    }
    CUITabAppearanceClassic::DrawSingleTab(dc, item);
}

// --- slanted ---

void CUITabAppearanceSlanted::GetHeaderMargin(RECT* margin) {
    *margin = m_headerMargin;
    margin->left += m_rowHeight;
}

CRect CUITabAppearanceSlanted::FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) {
    return FillHeaderWithFrame(strip, dc, rect, Colors()->slantBorderSelectedColour);
}

void CUITabAppearanceSlanted::DrawSingleTab(CDC* dc, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    CUITabColorSet* colors = Colors();
    BOOL selected = item == strip->GetSelectedItem();
    COLORREF outline = selected ? colors->slantBorderSelectedColour : colors->slantBorderColour;
    COLORREF light = selected ? White : colors->slantLightColour;
    COLORREF light2 = selected ? White : colors->slantLight2Colour;
    CUITabTurn turn(item->rect, strip->GetPosition());
    CRect local = turn.Local();
    int l = local.left, t = local.top, r = local.right, b = local.bottom, h = b - t;

    std::vector<POINT> shape = TurnSteps(turn, {{r - 1, b - 1}, {0, -(h - 3)}, {-(r - l - 5), 0}, {-(h - 4), h - 4}});
    COLORREF fill = FillItemPolygon(dc, item, shape.data(), static_cast<int>(shape.size()), FALSE);
    TurnedPolyLine(dc, turn, outline,
                   {{r, b - 2}, {0, -(h - 4)}, {-2, -2}, {-(r - l - 9), 0}, {-5, 2}, {-(h - 4), h - 4}, {-2, 0}});
    TurnedPolyLine(dc, turn, light, {{r - 1, b - 2}, {0, -(h - 4)}, {-2, -2}});
    TurnedPolyLine(dc, turn, light2, {{r - 3, t + 1}, {-(r - l - 9), 0}, {-5, 3}, {-(h - 5), h - 5}});
    if (selected && fill != TabNoColor) turn.Line(dc, fill, l + 5 - h, b - 1, r + 1, b - 1);
    m_owner->DrawItemContent(dc, item, item->rect, TRUE);
}

// --- trapezoid ---

CUITabAppearanceTrapezoid::CUITabAppearanceTrapezoid() { m_headerMargin.SetRect(2, 3, 2, 0); }

void CUITabAppearanceTrapezoid::GetHeaderMargin(RECT* margin) {
    *margin = m_headerMargin;
    margin->left += m_rowHeight / 2;
    margin->right += m_rowHeight / 2;
}

void CUITabAppearanceTrapezoid::DrawSingleTab(CDC* dc, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    CUITabColorSet* colors = Colors();
    BOOL selected = item == strip->GetSelectedItem();
    const COLORREF* lines = selected ? colors->outlineSelectedColour : colors->outlineColour;
    CUITabTurn turn(item->rect, strip->GetPosition());
    CRect local = turn.Local();
    int t = local.top, base = local.bottom - 1, height = base - t, slope = height / 2;
    int l = local.left - slope / 2, r = local.right - slope / 2;

    std::vector<POINT> shape = TurnSteps(turn, {{l, base}, {slope, -2 * slope}, {r - l - slope, 0}, {slope, 2 * slope}});
    COLORREF fill = FillItemPolygon(dc, item, shape.data(), static_cast<int>(shape.size()), FALSE);
    turn.Line(dc, lines[3], l + 1, base - 1, l + 1 + slope, t);
    turn.Line(dc, lines[3], l + slope, t + 1, r, t + 1);
    turn.Line(dc, lines[4], r - 1, t, r + slope - 1, base);
    turn.Line(dc, lines[0], l, base - 1, l + slope, t);
    turn.Line(dc, lines[0], l + slope, t, r, t);
    turn.Line(dc, lines[5], r, t, r + slope, base);
    if (selected && fill != TabNoColor) turn.Line(dc, fill, l, base, r + slope, base);
    m_owner->DrawItemContent(dc, item, item->rect, TRUE);
}
