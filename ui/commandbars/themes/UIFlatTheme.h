#pragma once

#include "ui/commandbars/themes/UICommandBarsTheme.h"

// The flat look: no 3D edges, bars and popups in the palette's derived light
// colours, hot and pressed buttons as framed rectangles, a coloured icon column in
// popups, faded idle icons raised over their shadow when hot, and shadowed popups.
class CUIFlatTheme : public CUICommandBarsTheme {
public:
    CUIFlatTheme();

    CSize DrawPopupBarControl(CDC* dc, CUIControl* control, BOOL draw) override;
    CSize DrawComboBoxControl(CDC* dc, CUIControl* control, BOOL draw) override;
    CSize DrawEditControl(CDC* dc, CUIControl* control, BOOL draw) override;
    CSize DrawListBoxControl(CDC* dc, CUIControl* control, CRect rect, BOOL selected, BOOL draw) override;
    void FillCommandBarBackground(CDC* dc, CUICommandBar* bar) override;
    void DrawButtonBackground(CDC* dc, CRect rect, BOOL enabled, int selected, int pressed, int checked,
                              BOOL popupOpen, int position) override;
    void DrawButtonRectangle(CDC* dc, CRect rect, int selected, int pressed, BOOL enabled, int checked,
                             BOOL popupOpen, BOOL toolBarButton, int position) override;
    CSize DrawBarGripper(CDC* dc, CUICommandBar* bar, BOOL draw) override;
    CSize DrawControlSeparator(CDC* dc, CUICommandBar* bar, CUIControl* control, BOOL draw) override;
    void AdjustExcludeRect(CRect& rect, CUIControl* control) override;
    void DrawStatusBarPane(CDC* dc, CRect& rect, UINT style, LPCSTR text) override;
    BOOL IsFlatTheme() const override { return TRUE; }
    CSize DrawSpecialControl(CDC* dc, int kind, CUIControl* control, CUICommandBar* bar, BOOL draw,
                             void* parameter) override;
    CSize DrawTearOffGripper(CDC* dc, CRect rect, BOOL selected, BOOL draw) override;
    void DrawControlImage(CDC* dc, CPoint position, CSize size, void* image, int selected, int pressed, BOOL enabled,
                          int checked, BOOL popupOpen, BOOL toolBarButton) override;
    int GetThemeKind() const override { return uiThemeFlat; }

    // The popup icon column (alternative: the column of rarely used entries).
    virtual void FillBarArea(CDC* dc, int x, int y, int width, int height, BOOL alternative);

protected:
    // Opens the popup's frame where it touches the control that opened it.
    void DrawOpenerConnection(CDC* dc, CUICommandBar* bar, int fill);
    // The caption of a floating bar over a fill colour.
    CSize DrawFloatingCaption(CDC* dc, CUICommandBar* bar, BOOL draw, COLORREF fill);
    CSize DrawButtonListEntry(CDC* dc, CUIControl* control, BOOL draw);
    // Labels of edit and combo box controls; moves the rectangle past the label.
    void DrawFieldLabel(CDC* dc, CUIControl* control, CRect& rect, int labelWidth, BOOL showsLabel);
};
