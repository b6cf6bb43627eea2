#pragma once

#include "platform/CWnd.h"

// A scroll bar control (its own bar, SB_CTL).
class CScrollBar : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CWnd::Create("SCROLLBAR", nullptr, style, rect, parent, id);
    }
    int GetScrollPos() const { return CWnd::GetScrollPos(SB_CTL); }
    int SetScrollPos(int position, BOOL redraw = TRUE) { return CWnd::SetScrollPos(SB_CTL, position, redraw); }
    void GetScrollRange(LPINT minimum, LPINT maximum) const { CWnd::GetScrollRange(SB_CTL, minimum, maximum); }
    void SetScrollRange(int minimum, int maximum, BOOL redraw = TRUE) {
        CWnd::SetScrollRange(SB_CTL, minimum, maximum, redraw);
    }
    BOOL SetScrollInfo(LPSCROLLINFO info, BOOL redraw = TRUE) { return CWnd::SetScrollInfo(SB_CTL, info, redraw); }
    BOOL GetScrollInfo(LPSCROLLINFO info, UINT mask = SIF_ALL) const { return CWnd::GetScrollInfo(SB_CTL, info, mask); }
    int GetScrollLimit() const { return CWnd::GetScrollLimit(SB_CTL); }
    void ShowScrollBar(BOOL show = TRUE) { CWnd::ShowScrollBar(SB_CTL, show); }
};
