#pragma once

#include "ui/commandbars/themes/UIFlatTheme.h"

#include "platform/CImageList.h"

#include <memory>

class CUIThemeApi;

// The fifteen colours of the gradient theme, by role.
struct UIGradientColors {
    COLORREF dockLeft, dockRight;        // dock bars and the menu bar; the right dock bar's fill
    COLORREF faceEnd, faceStart;         // toolbar face (start at the top or left)
    COLORREF openTop, openBottom;        // a button whose popup is open
    COLORREF edge;                       // the line along a toolbar's far edge
    COLORREF floatingCaption;
    COLORREF expandEnd, expandStart;     // the toolbar expand button
    COLORREF alternativeEnd, alternativeStart;  // icon column of rarely used entries
    COLORREF expandLight, expandDark;    // the popup expand image
    COLORREF statusFrame;                // status pane frames
};

// The flat theme with colour gradients: the dock area and menu bar shade across the
// frame, toolbars have a shaded face with rounded ends, buttons light up in warm
// gradients, grippers are rows of dots. Under one of the standard visual style's
// three colour schemes fixed scheme colours replace the derived ones.
class CUIGradientTheme : public CUIFlatTheme {
public:
    CUIGradientTheme();
    ~CUIGradientTheme() override;

    void RefreshMetrics() override;
    void FillCommandBarBackground(CDC* dc, CUICommandBar* bar) override;
    void FillDockBarBackground(CDC* dc, CWnd* window) override;
    void DrawButtonRectangle(CDC* dc, CRect rect, int selected, int pressed, BOOL enabled, int checked,
                             BOOL popupOpen, BOOL toolBarButton, int position) override;
    CSize DrawBarGripper(CDC* dc, CUICommandBar* bar, BOOL draw) override;
    CSize DrawControlSeparator(CDC* dc, CUICommandBar* bar, CUIControl* control, BOOL draw) override;
    void DrawStatusBarPane(CDC* dc, CRect& rect, UINT style, LPCSTR text) override;
    void DrawStatusBarGripper(CDC* dc, CRect clientRect) override;
    CSize DrawSpecialControl(CDC* dc, int kind, CUIControl* control, CUICommandBar* bar, BOOL draw,
                             void* parameter) override;
    CRect GetBarBorders(CUICommandBar* bar) override;
    CSize DrawTearOffGripper(CDC* dc, CRect rect, BOOL selected, BOOL draw) override;
    int GetThemeKind() const override { return uiThemeGradient; }
    void FillBarArea(CDC* dc, int x, int y, int width, int height, BOOL alternative) override;

    const UIGradientColors& GetGradientColors() const { return m_gradient; }
    BOOL IsSchemeApplied() const { return m_schemeApplied; }
    // The "STATUS" access (tests give a recording one).
    void SetStatusThemeApi(CUIThemeApi* api);

    // The 16 x 16 shades of the expand image, column by column; 255 is transparent.
    static const BYTE ExpandShades[256];

protected:
    // 0 none, 1-3 the colour schemes (a seam for tests).
    virtual int QueryColorScheme();

private:
    void SetDefaultColors();
    void ApplyScheme(int scheme);
    void BuildExpandImage();
    // The dock gradient over the rectangle, widened on the right to at least width.
    void FillDockGradient(CDC* dc, CRect rect, int minimumWidth);
    void FillDockedToolBar(CDC* dc, CUICommandBar* bar, BOOL vertical);
    void DrawExpandButton(CDC* dc, CUIControl* control, CUICommandBar* bar, BOOL hidden);
    void DrawDots(CDC* dc, int x, int y);

    UIGradientColors m_gradient = {};
    BOOL m_schemeApplied = FALSE;
    std::unique_ptr<CUIThemeApi> m_status;
    CImageList m_expandImage;
};
