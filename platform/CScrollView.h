#pragma once

#include "platform/CView.h"

// A view larger than its window: it keeps a total size (in the units of a mapping
// mode), a page and a line step, shows scroll bars while the total does not fit, and
// moves its drawing origin (OnPrepareDC) by the scroll position.
class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)

public:
    static const SIZE sizeDefault;

    // Page and line default to a tenth of the total and a tenth of the page.
    void SetScrollSizes(int mapMode, SIZE total, const SIZE& page = sizeDefault, const SIZE& line = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }
    void GetDeviceScrollSizes(int& mapMode, SIZE& total, SIZE& page, SIZE& line) const;
    CPoint GetScrollPosition() const;        // logical units
    CPoint GetDeviceScrollPosition() const;  // pixels
    void ScrollToPosition(POINT logical);

    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    // Scrolls by a scroll-bar code (low byte horizontal, high byte vertical, 0xFF none).
    virtual BOOL OnScroll(UINT scrollCode, UINT position, BOOL doScroll = TRUE);
    virtual BOOL OnScrollBy(CSize scroll, BOOL doScroll = TRUE);

protected:
    CScrollView() = default;

    void UpdateBars();
    void ScrollToDevicePosition(POINT device);
    int ScrollLimit(int bar) const;

    void OnSize(UINT type, int cx, int cy);
    void OnHScroll(UINT code, UINT position, CScrollBar* scrollBar);
    void OnVScroll(UINT code, UINT position, CScrollBar* scrollBar);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);

    int m_nMapMode = MM_TEXT;
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
    BOOL m_bInsideUpdate = FALSE;

    DECLARE_MESSAGE_MAP()
};
