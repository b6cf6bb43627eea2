#pragma once

#include "ui/commandbars/themes/UICommandBarsTheme.h"

// The classic look: one-pixel raised and sunken edges in system colours, checked
// buttons over a dithered face, a solid highlight bar over hot menu entries and
// embossed disabled captions and icons.
class CUIClassicTheme : public CUICommandBarsTheme {
public:
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
    CSize DrawSpecialControl(CDC* dc, int kind, CUIControl* control, CUICommandBar* bar, BOOL draw,
                             void* parameter) override;
    CRect GetBarBorders(CUICommandBar* bar) override;
    CSize DrawTearOffGripper(CDC* dc, CRect rect, BOOL selected, BOOL draw) override;
    void DrawControlImage(CDC* dc, CPoint position, CSize size, void* image, int selected, int pressed, BOOL enabled,
                          int checked, BOOL popupOpen, BOOL toolBarButton) override;
    int GetThemeKind() const override { return uiThemeClassic; }

    // Measures an entry's text into the rectangle, or draws it (embossed when disabled
    // and not selected).
    virtual void DrawEntryText(CDC* dc, const CString& text, CRect& rect, UINT format, BOOL draw, BOOL selected,
                               BOOL enabled);

protected:
    void FillDither(CDC* dc, CRect rect);
    void DrawRaised(CDC* dc, CRect rect) { Draw3dRectIndexed(dc, rect, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW); }
    void DrawSunken(CDC* dc, CRect rect) { Draw3dRectIndexed(dc, rect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT); }
    // The caption of a floating bar in the colour of the caption fill.
    CSize DrawFloatingCaption(CDC* dc, CUICommandBar* bar, BOOL draw, int fill);
    CSize DrawButtonListEntry(CDC* dc, CUIControl* control, BOOL draw);
};
