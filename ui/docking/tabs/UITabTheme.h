#pragma once

#include <vector>

#include "platform/CCmdTarget.h"
#include "platform/CGdiObject.h"
#include "ui/docking/tabs/UITabStrip.h"

class CUITabAppearance;
class CUITabColorSet;

enum TabClientFrame { ClientFrameBorder = 0, ClientFrameSingleLine = 1, ClientFrameNone = 2 };

// Margins written as for a top strip (left, top, right, bottom; top away from the
// client) and turned to the strip's side.
void InflateRectByPosition(CRect& rect, int l, int t, int r, int b, int position);
void DeflateRectByPosition(CRect& rect, int l, int t, int r, int b, int position);
inline void DeflateRectByPosition(CRect& rect, const RECT& m, int position) {
    DeflateRectByPosition(rect, m.left, m.top, m.right, m.bottom, position);
}

// The tab paint manager: where a strip's tabs, navigate buttons and client area lie,
// and how they are drawn. It holds the options, four fonts, an appearance (the shape of
// tabs and header) and a colour set; one paint manager serves any number of strips,
// whose layout results live in the strips.
class CUITabTheme : public CCmdTarget {
public:
    CUITabTheme();
    ~CUITabTheme() override;

    virtual void DrawTabControl(CUITabStripBase* strip, CDC* dc, CRect rect);
    virtual void AdjustClientRect(CUITabStripBase* strip, CRect& rect);
    virtual void RepositionTabControl(CUITabStripBase* strip, CDC* dc, CRect rect);
    virtual void RefreshMetrics();
    virtual void RefreshClients();

    void SetPosition(int position);
    int GetPosition() const { return stripPosition; }
    void SetLayout(int mode);
    int GetLayout() const { return itemLayout; }
    // Installs appearance 0-8 (any other index: 0) and its default colour set.
    void SetAppearance(int index);
    // 2 flat, 4 scheme, 8 themed, any other classic.
    void SetColorSet(int index);
    void SetAppearanceObject(CUITabAppearance* appearance);
    void SetColorSetObject(CUITabColorSet* colorSet);
    int GetAppearanceIndex() const { return m_appearanceIndex; }
    int GetColorSetIndex() const { return m_colorSetIndex; }
    CUITabAppearance* GetAppearance() const { return m_appearance; }
    CUITabColorSet* GetColorSet() const { return m_colorSet; }
    void AddClient(CUITabThemeClient* client) { m_clients.push_back(client); }
    BOOL IsLunaColorsDisabled() const;
    void EnsureVisible(CUITabStripBase* strip, CUITabStripItem* item);
    void DrawNavigateButtonFrame(CDC* dc, CUITabNavigateButton* button, CRect& rect);

    // The shared layout and drawing of the appearances with a tab row.
    int DefaultRepositionTabs(CUITabStripBase* strip, CDC* dc, CRect rect);
    void DefaultDrawTabControl(CUITabStripBase* strip, CDC* dc, CRect rect);
    // Measures (draw clear; returns the item's length) or draws icon and caption.
    int DrawItemContent(CDC* dc, CUITabStripItem* item, CRect rect, BOOL draw);
    // Where the tabs may show after the navigate buttons took their places.
    CRect GetTabsRect(CUITabStripBase* strip, CRect rect);
    void ShrinkItems(CUITabStripBase* strip, int available);
    // The bold font only for the selected item of an active strip with bold captions.
    CFont* GetItemFont(CUITabStripBase* strip, CUITabStripItem* item);

    BOOL hotTabs = FALSE;
    BOOL tabIcons = TRUE;
    BOOL boldSelectedCaption = FALSE;
    BOOL plainSchemeColors = FALSE;
    BOOL itemColorFill = FALSE;
    int clientFrameStyle = ClientFrameBorder;
    BOOL outerFrame = FALSE;
    CRect clientInset{0, 0, 0, 0};
    CRect controlInset{0, 0, 0, 0};
    CRect itemPadding{0, 0, 0, 0};
    BOOL reverseGradients = FALSE;
    BOOL paintBackground = TRUE;
    CSize iconSize{16, 16};
    int stripPosition = TabPositionTop;
    int itemLayout = TabLayoutAutoSize;
    CFont normalFont, boldFont, verticalFont, verticalBoldFont;

private:
    void CreateFonts();
    int MeasureCaption(CDC* dc, CFont* font, const CString& caption) const;
    int ClampItemLength(CUITabStripBase* strip, int length) const;
    int ItemLength(CDC* dc, CUITabStripBase* strip, CUITabStripItem* item, BOOL hasIcon, const CSize& icon);
    void DrawCaption(CDC* dc, CUITabStripBase* strip, CUITabStripItem* item, CRect rect);
    void DrawOuterFrame(CUITabStripBase* strip, CDC* dc, CRect& rect);

    CUITabAppearance* m_appearance = nullptr;
    CUITabColorSet* m_colorSet = nullptr;
    std::vector<CUITabThemeClient*> m_clients;
    int m_appearanceIndex = 0;
    int m_colorSetIndex = 1;
};
