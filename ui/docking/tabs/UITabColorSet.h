#pragma once

#include <memory>

#include "platform/CDC.h"
#include "ui/commandbars/UIColors.h"
#include "ui/docking/tabs/UITabStrip.h"

class CUITabTheme;

// A colour that draws nothing, and a fill colour that stands for the checkerboard of
// button face and highlight.
const COLORREF TabNoColor = static_cast<COLORREF>(-1);
const COLORREF TabDitherPattern = static_cast<COLORREF>(-2);

// The visual-style parts one colour set draws with ("TAB" or "TOOLBAR"); a seam so
// tests can record what the themed set asks for.
class CUITabVisualStyle {
public:
    virtual ~CUITabVisualStyle() = default;
    virtual void Open(LPCWSTR classList) = 0;
    // TRUE when the class is open and visual styles are on for the program.
    virtual BOOL IsActive() = 0;
    virtual void DrawBackground(HDC dc, int part, int state, const RECT* rect) = 0;
};
using TabVisualStyleFactory = CUITabVisualStyle* (*)();
// Null restores the platform's visual styles.
void SetTabVisualStyleFactory(TabVisualStyleFactory factory);

// The colours and fills of a tab paint manager; one of four kinds (classic, flat,
// scheme, themed) chosen by the paint manager's SetColorSet.
class CUITabColorSet {
public:
    virtual ~CUITabColorSet() = default;
    virtual void RefreshMetrics();
    virtual void SetTextColor(CDC* dc, CUITabStripItem* item);
    virtual void FillHeader(CDC* dc, CRect rect, CUITabStripBase* strip);
    virtual COLORREF FillClient(CDC* dc, CRect rect, CUITabStripBase* strip);
    virtual void DrawItemBackground(CDC* dc, CRect rect, CUITabStripItem* item);
    // The colour used, or TabNoColor when the fill is a picture.
    virtual COLORREF FillItem(CDC* dc, CRect rect, CUITabStripItem* item);
    virtual void FillStripBackground(CDC* dc, CRect rect, CUITabStripBase* strip) {}
    virtual void DrawNavigateButton(CDC* dc, CUITabNavigateButton* button, CRect& rect);
    virtual COLORREF GetItemColor(CUITabStripItem* item);
    virtual BOOL IsAppThemed() { return FALSE; }

    // Fills from a (away from the client) to b (towards it) across the strip; a
    // TabDitherPattern start fills with the checkerboard.
    void GradientFill(CDC* dc, CRect rect, COLORREF a, COLORREF b, int position);
    void GradientFill(CDC* dc, CRect rect, const CUIColorPair& pair, int position) {
        GradientFill(dc, rect, pair.first, pair.second, position);
    }
    void SetOwner(CUITabTheme* owner) { m_owner = owner; }
    CUITabTheme* GetOwner() const { return m_owner; }

    CUIColorPair headerFaceColour, autoHideFaceColour;
    COLORREF frameBorderColour = 0, controlFaceColour = 0, borderHighlightColour = 0;
    COLORREF selectedFaceColour = 0, normalFaceColour = 0;
    COLORREF normalTextColour = 0, inactiveTextColour = 0, selectedTextColour = 0;
    COLORREF hotTextColour = 0, disabledTextColour = 0;
    CUIColorPair buttonFaceColour, buttonBorderColour;
    COLORREF edgeLightColour = 0, edgeShadowColour = 0, edgeDarkShadowColour = 0;
    COLORREF slantBorderColour = 0, slantBorderSelectedColour = 0, slantLightColour = 0, slantLight2Colour = 0;
    COLORREF outlineSelectedColour[6] = {}, outlineColour[6] = {};

protected:
    void SetBaseColors();
    int AppearanceIndex() const;
    void DrawButtonFrame(CDC* dc, CUITabNavigateButton* button, CRect& rect, COLORREF dark, COLORREF light);

    CUITabTheme* m_owner = nullptr;
};

class CUITabColorSetClassic : public CUITabColorSet {
public:
    void RefreshMetrics() override;
};

class CUITabColorSetFlat : public CUITabColorSet {
public:
    void RefreshMetrics() override;
    void DrawNavigateButton(CDC* dc, CUITabNavigateButton* button, CRect& rect) override;
};

// Follows the visual style's colour scheme when one is recognised.
class CUITabColorSetScheme : public CUITabColorSet {
public:
    void RefreshMetrics() override;
    COLORREF FillItem(CDC* dc, CRect rect, CUITabStripItem* item) override;
    void DrawNavigateButton(CDC* dc, CUITabNavigateButton* button, CRect& rect) override;

    COLORREF hotFaceColour = 0;
    COLORREF buttonFrameColour = 0;
    BOOL schemeApplied = FALSE;

private:
    void ApplyScheme(int scheme);
};

// Tabs, pane and buttons in visual styles; the classic set where they are off.
class CUITabColorSetThemed : public CUITabColorSetClassic {
public:
    CUITabColorSetThemed();
    ~CUITabColorSetThemed() override;
    void RefreshMetrics() override;
    BOOL IsAppThemed() override;
    COLORREF FillItem(CDC* dc, CRect rect, CUITabStripItem* item) override;
    COLORREF FillClient(CDC* dc, CRect rect, CUITabStripBase* strip) override;
    void FillStripBackground(CDC* dc, CRect rect, CUITabStripBase* strip) override;
    void DrawItemBackground(CDC* dc, CRect rect, CUITabStripItem* item) override;
    void DrawNavigateButton(CDC* dc, CUITabNavigateButton* button, CRect& rect) override;

    // Draws a top-strip tab part turned so that its open edge faces the client.
    void DrawRotatedThemeTab(CDC* dc, CRect rect, int position, int state);

private:
    std::unique_ptr<CUITabVisualStyle> m_tab;
    std::unique_ptr<CUITabVisualStyle> m_toolbar;
};
