#pragma once

#include "platform/CDC.h"
#include "platform/CGdiObject.h"
#include "platform/CString.h"
#include "ui/docking/tabs/UITabTheme.h"

class CUIDockingPaneCaptionButton;
class CUIDockingPaneTabbedContainer;

// The docking paint manager: draws every tabbed container (background, caption band
// with the selected pane's title and the close and auto-hide buttons, tab strip) and
// says how much room caption and tabs take. It owns the caption, tab and vertical
// fonts, the caption metrics, a snapshot of the shared palette and two tab paint
// managers: one for the containers' tab strips, one for the auto-hide panels' strips.
// One theme per index (0-3, 5, 6) derives from it.
class CUIDockingPaneTheme {
public:
    static const int ColorCount = 56;

    CUIDockingPaneTheme();
    virtual ~CUIDockingPaneTheme();
    CUIDockingPaneTheme(const CUIDockingPaneTheme&) = delete;
    CUIDockingPaneTheme& operator=(const CUIDockingPaneTheme&) = delete;

    // A container's whole client area.
    virtual void DrawPane(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect);
    virtual void DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) = 0;
    virtual void RefreshMetrics();
    // Lays the tabs out and leaves the selected pane's area in rect.
    virtual void AdjustClientRect(CUIDockingPaneTabbedContainer* container, CRect& rect);
    // Removes the caption band from rect.
    virtual void AdjustCaptionRect(CUIDockingPaneTabbedContainer* container, CRect& rect);

    // An index up to 55 is the table's colour; a larger value is a colour itself.
    COLORREF GetColor(int index) const;
    void SetColors(int count, const int* indices, const COLORREF* colors);
    static BOOL IsFontInstalled(LPCSTR face);
    void DeleteFonts();
    // Lines exclude their end point.
    void DrawLineIndexed(CDC* dc, int x1, int y1, int x2, int y2, int index) const;
    void FillAndFrameRect(CDC* dc, CRect rect, int fillIndex, int frameIndex) const;
    void SetPixelIndexed(CDC* dc, int x, int y, int index) const;

    // The font rules: the tab font takes the theme face on a Western system (menu
    // character set up to 2) when asked to and installed; the vertical font turns it
    // by 270 degrees, at least 11 pixels high, in the theme face unless the face is
    // Arial or the theme face is missing (then Arial).
    static LOGFONTA TabFontFor(LOGFONTA iconTitle, BYTE menuCharSet, BOOL useFace, LPCSTR face, BOOL installed);
    static LOGFONTA VerticalFontFor(LOGFONTA tabFont, LPCSTR face, BOOL installed);

    int m_captionTextHeight = 0;  // the caption band is this + 3 high
    int m_tabBandHeight = 0;      // the tab band of drop-target tests
    CFont m_captionFont;
    CFont m_tabFont;
    CFont m_verticalFont;
    CString m_faceName = "Tahoma";
    BOOL m_themeFaceName = FALSE;
    BOOL m_alwaysShowTabs = FALSE;
    COLORREF m_colors[ColorCount] = {};
    int m_themeIndex = 0;
    CUITabTheme m_paneTabs;
    CUITabTheme m_panelTabs;

protected:
    // Height of " " in a font, measured on a screen context.
    static int SpaceHeight(CFont& font);
    static BOOL IsWesternSystem();
    // Which caption buttons the container shows: the close button for a selected pane
    // that may close, the auto-hide button for one that may hide, unless floating.
    static BOOL ShowsCloseButton(CUIDockingPaneTabbedContainer* container);
    static BOOL ShowsAutoHideButton(CUIDockingPaneTabbedContainer* container);
    // Whether the container's tab strip is laid out and drawn.
    BOOL ShowsTabStrip(CUIDockingPaneTabbedContainer* container) const;
    // The caption title, transparent, ending in an ellipsis when too wide.
    void DrawTitle(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect, COLORREF color);
    // The width of the caption title in the caption font.
    int MeasureTitle(CDC* dc, CUIDockingPaneTabbedContainer* container);
    // The caption band of the classic themes: rows 2 to H+1 of the rectangle.
    CRect CaptionRect(const CRect& rect) const;
    // Places and draws the close and pin buttons from x leftwards, 14 pixels square
    // and 16 apart, in the colour; x ends left of the last shown button.
    void DrawGlyphButtons(CDC* dc, CUIDockingPaneTabbedContainer* container, const CRect& caption, int& x,
                          COLORREF color);
    // A cross two pixels thick around the centre of rect.
    void DrawCrossGlyph(CDC* dc, const CRect& rect, int index) const;
};
