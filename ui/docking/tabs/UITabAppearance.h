#pragma once

#include "platform/CDC.h"
#include "ui/docking/tabs/UITabStrip.h"

class CUITabTheme;
class CUITabColorSet;

// The shape of a paint manager's tabs: header thickness and margins, tab length, the
// header and client frame, each tab. Coordinates of a tab are (l, t, r, b); the shapes
// are built for a top strip and turned to the strip's side.
class CUITabAppearance {
public:
    explicit CUITabAppearance(int left = 2, int top = 3, int right = 6, int bottom = 0);
    virtual ~CUITabAppearance() = default;

    // rowHeight = max(height of " " in the normal font + 3, 18).
    virtual void RefreshMetrics();
    virtual CRect GetHeaderRect(CRect rect, CUITabStripBase* strip);
    virtual CRect GetClientRect(CRect rect, CUITabStripBase* strip);
    virtual void GetHeaderMargin(RECT* margin);
    virtual void GetClientMargin(RECT* margin);
    virtual int GetItemLength(CDC* dc, CUITabStripItem* item);
    virtual int GetTabHeight(CUITabStripBase* strip);
    virtual void DrawTabControl(CUITabStripBase* strip, CDC* dc, CRect rect);
    // Paints header and client background; returns the header rectangle.
    virtual CRect FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect);
    virtual void RepositionTabControl(CUITabStripBase* strip, CDC* dc, CRect rect);
    virtual void AdjustClientRect(CUITabStripBase* strip, CRect& rect);
    virtual void DrawSingleTab(CDC* dc, CUITabStripItem* item) {}
    // A part of the frame around the MDI client area (0 frame, 1 inset, 2 and 3 fills).
    virtual void DrawClientFrame(CDC* dc, CRect* rect, int part);
    virtual int GetStyleFlags() const { return 15; }
    virtual int GetDefaultColorSet() const { return 1; }

    void SetOwner(CUITabTheme* owner) { m_owner = owner; }
    CUITabTheme* GetOwner() const { return m_owner; }
    int GetRowHeight() const { return m_rowHeight; }

    // One-pixel line along the rectangle's edge on the strip's side: a for top and
    // left strips, b for bottom and right ones.
    static void DrawEdgeLine(CDC* dc, const CRect& rect, int position, COLORREF a, COLORREF b);
    // A move to the first point, then lines by relative offsets.
    static void DrawPolyLine(CDC* dc, COLORREF color, const POINT* points, int count);
    static void DrawColorLine(CDC* dc, COLORREF color, int x1, int y1, int x2, int y2);
    // Fills the polygon through the colour set; returns the fill colour (TabNoColor too).
    COLORREF FillItemPolygon(CDC* dc, CUITabStripItem* item, const POINT* points, int count, BOOL absolute);

protected:
    CUITabColorSet* Colors() const;
    int Position() const;
    CRect FillHeaderWithFrame(CUITabStripBase* strip, CDC* dc, CRect rect, COLORREF frame);

    CRect m_headerMargin;
    int m_rowHeight = 18;
    CUITabTheme* m_owner = nullptr;
};

class CUITabAppearanceClassic : public CUITabAppearance {
public:
    void GetClientMargin(RECT* margin) override;
    CRect FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) override;
    void DrawSingleTab(CDC* dc, CUITabStripItem* item) override;
    int GetStyleFlags() const override { return 13; }
};

// Outlines only the selected and the hot tab.
class CUITabAppearanceClassicHot : public CUITabAppearanceClassic {
public:
    void DrawSingleTab(CDC* dc, CUITabStripItem* item) override;
};

class CUITabAppearanceBox : public CUITabAppearance {
public:
    CUITabAppearanceBox() : CUITabAppearance(2, 2, 4, 0) {}
    CRect FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) override;
    void DrawSingleTab(CDC* dc, CUITabStripItem* item) override;
    int GetStyleFlags() const override { return 7; }
    int GetDefaultColorSet() const override { return 2; }
};

class CUITabAppearanceRoundBox : public CUITabAppearanceBox {
public:
    void DrawSingleTab(CDC* dc, CUITabStripItem* item) override;
    int GetDefaultColorSet() const override { return 1; }
};

class CUITabAppearanceSlanted : public CUITabAppearance {
public:
    void GetHeaderMargin(RECT* margin) override;
    CRect FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) override;
    void DrawSingleTab(CDC* dc, CUITabStripItem* item) override;
    int GetStyleFlags() const override { return 5; }
    int GetDefaultColorSet() const override { return 4; }
};

class CUITabAppearanceButtons : public CUITabAppearance {
public:
    CUITabAppearanceButtons() : CUITabAppearance(2, 2, 4, 2) {}
    CRect FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) override;
    void DrawSingleTab(CDC* dc, CUITabStripItem* item) override;
    int GetDefaultColorSet() const override { return 2; }
};

class CUITabAppearanceFlat : public CUITabAppearance {
public:
    CUITabAppearanceFlat() : CUITabAppearance(4, 2, 4, 0) {}
    CRect FillHeader(CUITabStripBase* strip, CDC* dc, CRect rect) override;
    void DrawSingleTab(CDC* dc, CUITabStripItem* item) override;
    int GetStyleFlags() const override { return 7; }
    int GetDefaultColorSet() const override { return 2; }
};

class CUITabAppearanceTrapezoid : public CUITabAppearanceBox {
public:
    CUITabAppearanceTrapezoid();
    void GetHeaderMargin(RECT* margin) override;
    void DrawSingleTab(CDC* dc, CUITabStripItem* item) override;
};

// Full-width headers stacked from the top; the selected item's client area opens
// below its header and the headers after it sit at the bottom.
class CUITabAppearanceStacked : public CUITabAppearance {
public:
    CUITabAppearanceStacked() : CUITabAppearance(0, 0, 0, 0) {}
    CRect GetHeaderRect(CRect rect, CUITabStripBase* strip) override { return CRect(0, 0, 0, 0); }
    CRect GetClientRect(CRect rect, CUITabStripBase* strip) override;
    void DrawTabControl(CUITabStripBase* strip, CDC* dc, CRect rect) override;
    void RepositionTabControl(CUITabStripBase* strip, CDC* dc, CRect rect) override;
    void AdjustClientRect(CUITabStripBase* strip, CRect& rect) override;
    void DrawSingleTab(CDC* dc, CUITabStripItem* item) override;
    int GetStyleFlags() const override { return 5; }
};

// The appearance of an index (any unlisted index: classic).
CUITabAppearance* CreateTabAppearance(int index);
