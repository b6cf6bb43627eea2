#include "ui/docking/UIDockTargets.h"

#include <algorithm>
#include <cstdlib>

namespace {
const int ZoneWidth = 20;
const int GhostFrame = 4;
}  // namespace

CRect MoveRectToPoint(CRect rect, CPoint point) {
    int dx = point.x < rect.left ? point.x - rect.left : point.x > rect.right ? point.x - rect.right : 0;
    int dy = point.y < rect.top ? point.y - rect.top : point.y > rect.bottom ? point.y - rect.bottom : 0;
    rect.OffsetRect(dx, dy);
    return rect;
}

DockZone FindDockZone(const CRect& rect, CPoint point, BOOL insideOnly, const CRect& ghostRect) {
    DockZone zone;
    if (insideOnly && !rect.PtInRect(point))
        return zone;
    int sign = insideOnly ? 1 : -1;
    int best = ZoneWidth;
    int midY = (ghostRect.top + ghostRect.bottom) / 2;
    int midX = (ghostRect.left + ghostRect.right) / 2;
    struct Edge {
        int distance;
        DockingDirection direction;
        CRect ghost;
    } edges[] = {
        {point.y - rect.top, DockTop, CRect(ghostRect.left, ghostRect.top, ghostRect.right, midY)},
        {rect.bottom - point.y, DockBottom, CRect(ghostRect.left, midY, ghostRect.right, ghostRect.bottom)},
        {point.x - rect.left, DockLeft, CRect(ghostRect.left, ghostRect.top, midX, ghostRect.bottom)},
        {rect.right - point.x, DockRight, CRect(midX, ghostRect.top, ghostRect.right, ghostRect.bottom)},
    };
    for (const Edge& edge : edges) {
        if (std::abs(edge.distance) < best && edge.distance * sign >= 0) {
            best = std::abs(edge.distance);
            zone.hit = TRUE;
            zone.direction = edge.direction;
            zone.ghost = edge.ghost;
        }
    }
    return zone;
}

void MakeFrameRegion(CRgn& region, const CRect& rect) {
    if (rect.IsRectEmpty()) {
        region.CreateRectRgn(0, 0, 0, 0);
        return;
    }
    CRect inner = rect;
    inner.DeflateRect(GhostFrame, GhostFrame);
    inner.IntersectRect(inner, rect);
    CRgn outer, hole;
    outer.CreateRectRgnIndirect(rect);
    hole.CreateRectRgnIndirect(inner);
    region.CreateRectRgn(0, 0, 0, 0);
    region.CombineRgn(&outer, &hole, RGN_XOR);
}

void MakeGhostRegion(CRgn& region, const CRect& rect, BOOL attach) {
    if (!attach) {
        MakeFrameRegion(region, rect);
        return;
    }
    int h = std::min(rect.Height() / 2, 20);
    CRect body(rect.left, rect.top, rect.right, rect.bottom - h);
    CRect tab = rect.Width() - 5 > 50 ? CRect(rect.left + 5, rect.bottom - h - 4, rect.left + 55, rect.bottom)
                                      : CRect(rect.left + 5, rect.bottom - h - 4, rect.right, rect.bottom);
    CRect joint;
    joint.IntersectRect(body, tab);
    joint.DeflateRect(4, 0);
    CRgn bodyFrame, tabFrame, jointFrame, outline;
    MakeFrameRegion(bodyFrame, body);
    MakeFrameRegion(tabFrame, tab);
    MakeFrameRegion(jointFrame, joint);
    outline.CreateRectRgn(0, 0, 0, 0);
    outline.CombineRgn(&bodyFrame, &tabFrame, RGN_OR);
    region.CreateRectRgn(0, 0, 0, 0);
    region.CombineRgn(&outline, &jointFrame, RGN_XOR);
}
