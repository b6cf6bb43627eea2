#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CRect.h"
#include "platform/CString.h"

class CDC;
class CFont;
class CWnd;
class CUICommandBar;
class CUIControl;
class CUIPopupBar;

// Theme families that CreateTheme makes for a theme index.
enum UIThemeKind { uiThemeFlat = 0, uiThemeClassic = 1, uiThemeGradient = 2, uiThemeVisualStyle = 3 };

// Makes the concrete theme object of a family (the themes register one).
class CUIThemeFactory {
public:
    virtual ~CUIThemeFactory() = default;
    virtual class CUICommandBarsTheme* Create(int kind) = 0;
};

// The paint manager: bars and controls never draw themselves but ask it for sizes
// (draw flag FALSE) and for drawing (draw flag TRUE) through one operation, so that
// layout and painting agree. One process-wide instance is chosen by theme index;
// the shared fonts and the popup entry height belong to all themes together.
class CUICommandBarsTheme : public CCmdTarget {
public:
    static const int ColorCount = 56;

    CUICommandBarsTheme();
    ~CUICommandBarsTheme() override = default;

    // The operations, in the order bars and controls rely on.
    virtual CSize DrawPopupBarControl(CDC* dc, CUIControl* control, BOOL draw) = 0;
    virtual CSize DrawToolBarControl(CDC* dc, CUIControl* control, BOOL draw) = 0;
    virtual void DrawSplitButtonFrame(CDC* dc, CUIControl* control, CRect rect) = 0;
    virtual CSize DrawComboBoxControl(CDC* dc, CUIControl* control, BOOL draw) = 0;
    virtual CSize DrawEditControl(CDC* dc, CUIControl* control, BOOL draw) = 0;
    virtual CSize DrawListBoxControl(CDC* dc, CUIControl* control, CRect rect, BOOL selected, BOOL draw) = 0;
    virtual void FillCommandBarBackground(CDC* dc, CUICommandBar* bar) = 0;
    virtual void DrawButtonBackground(CDC* dc, CRect rect, BOOL enabled, int selected, int pressed, int checked,
                                      BOOL popupOpen, int position) = 0;
    virtual void DrawControlBackground(CDC* dc, CUIControl* control);
    virtual void DrawButtonRectangle(CDC* dc, CRect rect, int selected, int pressed, BOOL enabled, int checked,
                                     BOOL popupOpen, BOOL toolBarButton, int position) = 0;
    virtual CSize DrawBarGripper(CDC* dc, CUICommandBar* bar, BOOL draw) = 0;
    virtual CSize DrawControlSeparator(CDC* dc, CUICommandBar* bar, CUIControl* control, BOOL draw) = 0;
    virtual void AdjustExcludeRect(CRect& rect, CUIControl* control) = 0;
    virtual void DrawStatusBarPane(CDC* dc, CRect& rect, UINT style, LPCSTR text) = 0;
    virtual void DrawStatusBarGripper(CDC* dc, CRect clientRect) = 0;
    virtual void FillDockBarBackground(CDC* dc, CWnd* window) = 0;
    virtual void FillStatusBarBackground(CDC* dc, CWnd* window) = 0;
    virtual void RefreshMetrics();
    virtual BOOL IsFlatTheme() const { return FALSE; }
    virtual CSize DrawSpecialControl(CDC* dc, int kind, CUIControl* control, CUICommandBar* bar, BOOL draw,
                                     void* parameter) = 0;
    virtual CRect GetBarBorders(CUICommandBar* bar) { return CRect(2, 2, 2, 2); }
    virtual CSize DrawTearOffGripper(CDC* dc, CRect rect, BOOL selected, BOOL draw) = 0;
    virtual void DrawControlImage(CDC* dc, CPoint position, CSize size, void* image, int selected, int pressed,
                                  BOOL enabled, int checked, BOOL popupOpen, BOOL toolBarButton) = 0;
    virtual int GetThemeKind() const = 0;
    virtual CFont* GetBarFont(CUICommandBar* bar, BOOL bold);
    virtual void AnimatePopup(CDC* destination, CDC* source, CRect rect, int kind) = 0;
    virtual void AnimateExpand(CUIPopupBar* popupBar, CDC* destination, CDC* source) = 0;

    // A palette index (0-55) gives the table's colour; anything larger is a colour.
    COLORREF GetColor(int index) const;
    void SetColors(int count, const int* indices, const COLORREF* colors);
    // The three image options as one block: faded icons, disabled variant, shadow.
    BOOL* GetImageOptions() { return &m_fadedIcons; }
    // Sizes (draw FALSE) or draws (draw TRUE) a control by its type and its bar.
    CSize DrawControl(CDC* dc, CUIControl* control, BOOL draw);

    int m_themeIndex = 0;
    BOOL m_fadedIcons = FALSE;
    BOOL m_disabledIconVariant = FALSE;
    BOOL m_iconShadow = FALSE;
    int m_animationSteps = 10;
    int m_animationDuration = 100;
    COLORREF m_colors[ColorCount] = {};
    COLORREF m_shadowColor = RGB(0, 0, 0);
};

// The global paint manager.
// Keeps the theme of the index when it is the current one; otherwise releases the
// current theme and makes the index's.
void SelectTheme(int index);
// A new theme for the index (0 flat, 2 gradient, 3 visual style, any other classic)
// with one reference and the index stored; null while no factory is registered.
CUICommandBarsTheme* CreateTheme(int index);
// The family a theme index makes.
int ThemeKindForIndex(int index);
CUICommandBarsTheme* GetGlobalTheme();
void ReleaseGlobalTheme();
// The themes register the maker of their classes here (null unregisters).
void SetThemeFactory(CUIThemeFactory* factory);
