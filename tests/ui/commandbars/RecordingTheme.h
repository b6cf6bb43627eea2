#pragma once

#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include <string>
#include <vector>

// A paint manager that records what it is asked. Toolbar controls measure 8 pixels
// per caption character plus 8 (at least 22) by 22, popup entries 100 by 20; drawn
// controls are filled grey (selected ones blue) so that pictures show where they are.
class RecordingTheme : public CUICommandBarsTheme {
public:
    explicit RecordingTheme(int kind = uiThemeClassic) : m_kind(kind) {}

    CSize DrawPopupBarControl(CDC* dc, CUIControl* control, BOOL draw) override;
    CSize DrawToolBarControl(CDC* dc, CUIControl* control, BOOL draw) override;
    void DrawSplitButtonFrame(CDC*, CUIControl*, CRect) override { Record("DrawSplitButtonFrame"); }
    CSize DrawComboBoxControl(CDC*, CUIControl*, BOOL) override { return CSize(0, 0); }
    CSize DrawEditControl(CDC*, CUIControl*, BOOL) override { return CSize(0, 0); }
    CSize DrawListBoxControl(CDC*, CUIControl*, CRect, BOOL, BOOL) override { return CSize(0, 0); }
    void FillCommandBarBackground(CDC* dc, CUICommandBar* bar) override;
    void DrawButtonBackground(CDC*, CRect, BOOL, int, int, int, BOOL, int) override { Record("DrawButtonBackground"); }
    void DrawButtonRectangle(CDC*, CRect, int, int, BOOL, int, BOOL, BOOL, int) override {}
    CSize DrawBarGripper(CDC*, CUICommandBar*, BOOL) override;
    CSize DrawControlSeparator(CDC* dc, CUICommandBar* bar, CUIControl* control, BOOL draw) override;
    void AdjustExcludeRect(CRect&, CUIControl*) override {}
    void DrawStatusBarPane(CDC*, CRect& rect, UINT style, LPCSTR text) override {
        Record(std::string("DrawStatusBarPane ") + text);
        m_panes.push_back({rect, style});
    }
    void DrawStatusBarGripper(CDC*, CRect) override { Record("DrawStatusBarGripper"); }
    void FillDockBarBackground(CDC*, CWnd*) override {}
    void FillStatusBarBackground(CDC*, CWnd*) override { Record("FillStatusBarBackground"); }
    CSize DrawSpecialControl(CDC*, int, CUIControl*, CUICommandBar*, BOOL, void*) override { return CSize(0, 0); }
    CSize DrawTearOffGripper(CDC*, CRect, BOOL, BOOL) override { return CSize(0, 0); }
    void DrawControlImage(CDC*, CPoint, CSize, void*, int, int, BOOL, int, BOOL, BOOL) override {}
    int GetThemeKind() const override { return m_kind; }
    CFont* GetBarFont(CUICommandBar* bar, BOOL bold) override;

    void AnimatePopup(CDC*, CDC*, CRect, int) override {}
    void AnimateExpand(CUIPopupBar*, CDC*, CDC*) override {}

    void Record(const std::string& call) { m_calls.push_back(call); }

    struct Pane {
        CRect rect;
        UINT style;
    };

    int m_kind;
    std::vector<std::string> m_calls;
    std::vector<Pane> m_panes;
};

// Makes recording themes for CreateTheme while it lives.
class RecordingThemeFactory : public CUIThemeFactory {
public:
    RecordingThemeFactory() { SetThemeFactory(this); }
    ~RecordingThemeFactory() override {
        ReleaseGlobalTheme();
        SetThemeFactory(nullptr);
    }
    CUICommandBarsTheme* Create(int kind) override {
        ++m_created;
        return new RecordingTheme(kind);
    }
    int m_created = 0;
};
