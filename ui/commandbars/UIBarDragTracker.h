#pragma once

#include "platform/CRect.h"

class CUIToolBar;

// Moves a toolbar with the mouse: docks it into a dock bar the pointer comes near,
// floats it elsewhere, resizes a floating toolbar by its borders and toggles between
// the floating and the last docked place on a double click. It keeps the bar's last
// docked and floating places.
class CUIBarDragTracker {
public:
    static const int DockDistance = 20;
    static const int MoveMode = 1;

    explicit CUIBarDragTracker(CUIToolBar* bar) : m_bar(bar) {}

    // A press on the bar outside its controls (screen point): the move drag.
    void StartMove(int x, int y);
    // A press on a sizing border (HTLEFT, HTRIGHT, HTTOP, HTBOTTOM) of a floating bar.
    void StartResize(int hitCode, int x, int y);
    // Docks a floating bar at its last docked place, or floats a docked one when the
    // option asks for it; FALSE when nothing changed.
    BOOL ToggleDocking();
    void TrackLoop();
    void OnMove(int x, int y);
    void OnResize(int x, int y);
    // Offsets the rectangle by the least amount that puts the point inside it.
    static void MoveRectToPoint(RECT* rect, int x, int y);

    // The last dock bar (0 top, 1 bottom, 2 left, 3 right) and the bar's rectangle in
    // its client area; the floating window's last top-left corner.
    int m_mruDockPosition = 0;
    CRect m_mruDockRect;
    CPoint m_mruFloatPosition;

private:
    void RecalcFrameLayoutNow();

    CUIToolBar* m_bar;
    int m_dragMode = 0;
    CPoint m_lastPoint;
    CRect m_dragRect;
    CRect m_windowRect;
};
