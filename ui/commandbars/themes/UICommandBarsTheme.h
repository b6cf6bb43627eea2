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

// The forms of a control's icon a theme draws.
enum UIIconForm { uiIconNormal = 0, uiIconDisabled = 1, uiIconHot = 2, uiIconFaded = 3, uiIconShadow = 4 };

// Makes the theme objects in place of the built-in themes (tests register one).
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
    virtual CSize DrawToolBarControl(CDC* dc, CUIControl* control, BOOL draw);
    virtual void DrawSplitButtonFrame(CDC* dc, CUIControl* control, CRect rect);
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
    virtual void DrawStatusBarGripper(CDC* dc, CRect clientRect);
    virtual void FillDockBarBackground(CDC* dc, CWnd* window);
    virtual void FillStatusBarBackground(CDC* dc, CWnd* window);
    virtual void RefreshMetrics();
    virtual BOOL IsFlatTheme() const { return FALSE; }
    // Kinds: 0 toolbar expand button (parameter: the bar's size when measuring, a BOOL
    // telling that controls are hidden when drawing), 1 popup expand entry, 2 caption
    // close button, 3 caption customize button, 4 button-list entry.
    virtual CSize DrawSpecialControl(CDC* dc, int kind, CUIControl* control, CUICommandBar* bar, BOOL draw,
                                     void* parameter);
    virtual CRect GetBarBorders(CUICommandBar* bar) { return CRect(2, 2, 2, 2); }
    virtual CSize DrawTearOffGripper(CDC* dc, CRect rect, BOOL selected, BOOL draw) = 0;
    // The image is the control's CUIImageIconSet.
    virtual void DrawControlImage(CDC* dc, CPoint position, CSize size, void* image, int selected, int pressed,
                                  BOOL enabled, int checked, BOOL popupOpen, BOOL toolBarButton) = 0;
    virtual int GetThemeKind() const = 0;
    virtual CFont* GetBarFont(CUICommandBar* bar, BOOL bold);
    // Kinds 2 unfold, 3 slide, 4 fade; others draw nothing.
    virtual void AnimatePopup(CDC* destination, CDC* source, CRect rect, int kind);
    virtual void AnimateExpand(CUIPopupBar* popupBar, CDC* destination, CDC* source);

    // A palette index (0-55) gives the table's colour; anything larger is a colour.
    COLORREF GetColor(int index) const;
    void SetColors(int count, const int* indices, const COLORREF* colors);
    // The three image options as one block: faded icons, disabled variant, shadow.
    BOOL* GetImageOptions() { return &m_fadedIcons; }
    // Sizes (draw FALSE) or draws (draw TRUE) a control by its type and its bar.
    CSize DrawControl(CDC* dc, CUIControl* control, BOOL draw);

    // Shared drawing of all themes. Palette indexes go through GetColor.
    // Measures (the caption without mnemonic marks; " " when empty) or draws a caption;
    // vertical captions run downwards in a vertical font.
    CSize DrawCaptionText(CDC* dc, const CString& caption, CRect rect, BOOL draw, BOOL vertical, BOOL centred,
                          BOOL arrow, BOOL embossed);
    // An image box (or a 4-pixel margin without image) followed by the caption.
    CSize DrawImageAndCaption(CDC* dc, const CString& caption, CRect rect, BOOL vertical, BOOL draw, BOOL embossed,
                              BOOL arrow, CSize box, BOOL hasImage);
    // The text as the user sees it: "&&" becomes "&", other "&" go.
    static CString StripAmpersands(const CString& caption);
    static void DrawTriangle(CDC* dc, CPoint a, CPoint b, CPoint c, COLORREF color);
    void FillAndFrameRect(CDC* dc, CRect rect, int frame, int fill);
    void Draw3dRectIndexed(CDC* dc, CRect rect, int topLeft, int bottomRight);
    // A two-pixel check mark for a 20 x 20 box at the rectangle's top-left.
    static void DrawCheckMarkLines(CDC* dc, CRect rect, COLORREF color);
    // A line with the current pen, end point excluded.
    static void DrawLine(CDC* dc, CPoint from, CPoint to);
    void DrawLineIndexed(CDC* dc, CPoint from, CPoint to, int index);
    void FillIndexed(CDC* dc, CRect rect, int index);
    // A combo box's drop-down arrow: the symbol font's glyph centred in the button, one
    // pixel down and right, in the colour of the index.
    void DrawComboArrowGlyph(CDC* dc, CRect button, int colorIndex);
    // Takes the four corner pixels of the rectangle out of the clipping region.
    static void ExcludeCorners(CDC* dc, CRect rect);
    // Per pixel of 32-bit buffers: each colour byte weight/256 of the foreground and
    // the rest of the background; the fourth byte is left alone.
    static void BlendBits(BYTE* destination, const BYTE* background, int width, int height, const BYTE* foreground,
                          int weight);
    // Waits between animation frames (a seam for tests).
    virtual void SleepFrame(int milliseconds);
    // The size an image is drawn at: a width of 0 is the image's own, a height of 0
    // keeps its proportions.
    static CSize ImageDrawSize(void* image, CSize size);
    // Stamps the image's shape in one colour (the disabled look without a variant).
    static void StampIcon(CDC* dc, void* image, CPoint point, CSize size, COLORREF color);
    // Draws one form of the image (the normal one when the form is missing).
    static void DrawIconForm(CDC* dc, void* image, int form, CPoint point, CSize size);

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
// with one reference and the index stored; the registered factory makes it when
// there is one.
CUICommandBarsTheme* CreateTheme(int index);
// The family a theme index makes.
int ThemeKindForIndex(int index);
CUICommandBarsTheme* GetGlobalTheme();
void ReleaseGlobalTheme();
// Registers a maker of themes in place of the built-in ones (null unregisters).
void SetThemeFactory(CUIThemeFactory* factory);
