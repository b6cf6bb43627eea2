#pragma once

#include "platform/CGdiObject.h"
#include "platform/CRect.h"
#include "ui/docking/UIDockingPaneNotify.h"

// The rectangle moved by the least offset that puts the point inside it.
CRect MoveRectToPoint(CRect rect, CPoint point);

// A dock zone under the mouse: the side and the half of the ghost rectangle.
struct DockZone {
    BOOL hit = FALSE;
    DockingDirection direction = DockLeft;
    CRect ghost;
};

// The zone of a point near the edges of rect: a band of 20 pixels inside its edges
// (insideOnly), or outside them. The nearest edge wins, top, bottom, left, right in
// that order on ties; the ghost is that half of ghostRect.
DockZone FindDockZone(const CRect& rect, CPoint point, BOOL insideOnly, const CRect& ghostRect);

// The outline a drag shows: a 4-pixel frame of rect, or with attach a frame shaped as
// a body with a tab below it.
void MakeFrameRegion(CRgn& region, const CRect& rect);
void MakeGhostRegion(CRgn& region, const CRect& rect, BOOL attach);
