#pragma once

#include "ui/commandbars/themes/UIClassicTheme.h"

#include <memory>

class CUIThemeApi;

// Button states, split buttons, grippers and bar backgrounds in the system's visual
// style while the application is themed (asked at every drawing call); the classic
// look otherwise.
class CUIVisualStyleTheme : public CUIClassicTheme {
public:
    CUIVisualStyleTheme();
    ~CUIVisualStyleTheme() override;

    void RefreshMetrics() override;
    void DrawButtonRectangle(CDC* dc, CRect rect, int selected, int pressed, BOOL enabled, int checked,
                             BOOL popupOpen, BOOL toolBarButton, int position) override;
    void DrawSplitButtonFrame(CDC* dc, CUIControl* control, CRect rect) override;
    void FillCommandBarBackground(CDC* dc, CUICommandBar* bar) override;
    void FillDockBarBackground(CDC* dc, CWnd* window) override;
    void FillStatusBarBackground(CDC* dc, CWnd* window) override;
    CSize DrawBarGripper(CDC* dc, CUICommandBar* bar, BOOL draw) override;
    void AdjustExcludeRect(CRect& rect, CUIControl* control) override;
    int GetThemeKind() const override { return uiThemeVisualStyle; }

    // Replaces the "TOOLBAR" and "REBAR" accesses (tests give recording ones) and
    // opens them again.
    void SetThemeApis(CUIThemeApi* toolBar, CUIThemeApi* rebar);

    // Every bar shows its slice of one band over the whole frame.
    void DrawRebarBackground(CDC* dc, CWnd* window, CWnd* frame);

private:
    BOOL IsThemed();
    void OpenHandles();

    std::unique_ptr<CUIThemeApi> m_toolBar;
    std::unique_ptr<CUIThemeApi> m_rebar;
};
