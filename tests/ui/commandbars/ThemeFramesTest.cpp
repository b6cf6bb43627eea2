#include "tests/ui/commandbars/TestBars.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIDockBar.h"
#include "ui/commandbars/UIFrameStatusBar.h"
#include "ui/commandbars/UIMenuBar.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/UIToolBar.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CMDIFrameWnd.h"
#include "res/resource.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The program's bar classes.
class ProgramBarFactory : public TestBarFactory {
public:
    CUICommandBar* CreateMenuBar() override { return new CUIMenuBar; }
    CUICommandBar* CreateToolBar() override { return new CUIToolBar; }
    CUICommandBar* CreatePopupBar() override { return new CUIPopupBar; }
    BOOL PopupAt(CUICommandBar* popupBar, int x, int y, LPCRECT exclude) override {
        CUIPopupBar* popup = dynamic_cast<CUIPopupBar*>(popupBar);
        return popup && popup->PopupAt(x, y, exclude);
    }
};

// A frame that handles some commands of the menus and toolbars (the others show
// disabled) and checks the save button.
class ThemedFrame : public CMDIFrameWnd {
protected:
    void OnCommand() {}
    void OnUpdateChecked(CCmdUI* ui) { ui->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ThemedFrame, CMDIFrameWnd)
    ON_COMMAND(ID_PROJECT_NEW, OnCommand)
    ON_COMMAND(ID_PROJECT_OPEN, OnCommand)
    ON_COMMAND(ID_PROJECT_SAVE, OnCommand)
    ON_UPDATE_COMMAND_UI(ID_PROJECT_SAVE, OnUpdateChecked)
    ON_COMMAND(ID_VIEW_PROJECT_MANAGER, OnCommand)
    ON_COMMAND(ID_VIEW_OUTPUT, OnCommand)
    ON_COMMAND(ID_VIEW_STATUS_BAR, OnCommand)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateChecked)
    ON_COMMAND(ID_STYLE_1, OnCommand)
    ON_COMMAND(ID_STYLE_2, OnCommand)
    ON_COMMAND(ID_STYLE_3, OnCommand)
END_MESSAGE_MAP()

const UINT kIndicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_INDICATOR_NUM};
const UINT kToolBars[] = {IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_PROJECT, IDR_TOOLBAR_LADDER, IDR_TOOLBAR_PLC};
const char* const kThemeNames[] = {"flat", "classic", "gradient", "visualstyle"};

// A frame as the main frame makes it: status bar, menu bar and four toolbars on one
// row, in one theme.
class ThemeFrames : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        ReleaseGlobalTheme();
        SelectTheme(GetParam());
        m_frame = new ThemedFrame;
        ASSERT_TRUE(m_frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
        m_app.m_pMainWnd = m_frame;
        m_frame->SetWindowPos(nullptr, 0, 0, 1000, 420, SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(m_status.Create(m_frame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR));
        ASSERT_TRUE(m_status.SetIndicators(kIndicators, 4));
        m_status.SetPaneText(0, "就绪");
        m_frame->ShowWindow(SW_SHOW);
        m_bars = new CUICommandBars;
        m_bars->SetFrameSite(m_frame);
        m_bars->EnableDockingBars();
        m_status.SetCommandBars(m_bars);
        m_menuBar = dynamic_cast<CUIMenuBar*>(m_bars->CreateMenuBar("标准菜单栏", IDR_PROJECT_TYPE));
        ASSERT_NE(nullptr, m_menuBar);
        CUIToolBar* previous = nullptr;
        for (UINT id : kToolBars) {
            CUIToolBar* bar = static_cast<CUIToolBar*>(m_bars->AddToolBar("工具栏", uiBarTop, RUNTIME_CLASS(CUIToolBar)));
            ASSERT_NE(nullptr, bar);
            ASSERT_TRUE(bar->LoadToolBar(id, TRUE));
            m_frame->RecalcLayout();
            if (previous) {
                CRect rect;
                previous->GetWindowRect(&rect);
                rect.OffsetRect(1, 0);
                ASSERT_TRUE(m_bars->DockCommandBar(bar, rect, previous->m_dockBar));
            }
            m_toolBars.push_back(bar);
            previous = bar;
        }
        m_frame->RecalcLayout();
        for (CUIToolBar* bar : m_toolBars)
            bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        m_menuBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    }
    void TearDown() override {
        CUIMouseTrackHook::Get().EndTracking();
        delete m_bars;
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
        ReleaseGlobalTheme();
    }
    BOOL SendKey(UINT message, UINT key) {
        MSG msg = {};
        msg.hwnd = m_frame->m_hWnd;
        msg.message = message;
        msg.wParam = key;
        msg.lParam = message == WM_SYSKEYDOWN ? 1 << 29 : 0;
        return m_bars->PreTranslateFrameMessage(&msg);
    }
    CUIPopupBar* PopupOf(CUICommandBar* bar) {
        CUIControl* open = bar ? bar->GetControl(bar->GetOpenPopupIndex()) : nullptr;
        return open ? dynamic_cast<CUIPopupBar*>(open->GetCommandBar()) : nullptr;
    }
    // Draws a top-level popup into the frame's picture at its place on the screen.
    void RenderOver(CWnd* popup, TestImage& image) {
        CRect frame, window;
        m_frame->GetWindowRect(&frame);
        popup->GetWindowRect(&window);
        TestImage part(window.Width(), window.Height());
        RenderWindow(popup, part);
        image.DC().BitBlt(window.left - frame.left, window.top - frame.top, window.Width(), window.Height(),
                          &part.DC(), 0, 0, SRCCOPY);
    }
    CRect InFrame(CWnd* window) {
        CRect frame, rect;
        m_frame->GetWindowRect(&frame);
        window->GetWindowRect(&rect);
        rect.OffsetRect(-frame.left, -frame.top);
        return rect;
    }
    CRect ControlInFrame(CUICommandBar* bar, CUIControl* control) {
        CRect rect = control->GetRect();
        const CRect window = InFrame(bar);
        rect.OffsetRect(window.left, window.top);
        return rect;
    }
    std::string Name(const char* what) {
        return std::string("commandbars-theme-") + kThemeNames[GetParam()] + "-" + what + ".bmp";
    }

    TestApplication m_app;
    ProgramBarFactory m_factory;
    ThemedFrame* m_frame = nullptr;
    CUIFrameStatusBar m_status;
    CUICommandBars* m_bars = nullptr;
    CUIMenuBar* m_menuBar = nullptr;
    std::vector<CUIToolBar*> m_toolBars;
};

}  // namespace

TEST_P(ThemeFrames, TheWholeFrameIsDrawnByTheTheme) {
    CUICommandBarsTheme* theme = GetGlobalTheme();
    ASSERT_NE(nullptr, theme);
    EXPECT_EQ(GetParam(), theme->GetThemeKind());
    // The open button of the first toolbar hot.
    m_toolBars[0]->SetSelected(1, FALSE);
    CRect frame;
    m_frame->GetWindowRect(&frame);
    TestImage image(frame.Width(), frame.Height(), RGB(255, 0, 255));
    RenderWindow(m_frame, image);
    image.SaveBmp(TestOutputPath(Name("frame")));

    // Every pixel of the bars is the theme's: none of the picture's background shows.
    for (CWnd* window : {static_cast<CWnd*>(m_menuBar), static_cast<CWnd*>(m_toolBars[3]),
                         static_cast<CWnd*>(&m_status), static_cast<CWnd*>(m_bars->GetDockBar(uiBarTop))})
        EXPECT_EQ(0, image.CountPixels(InFrame(window), RGB(255, 0, 255))) << kThemeNames[GetParam()];
    // The status bar's last pane is framed by the theme (not a borderless pane).
    CRect pane;
    m_status.GetItemRect(3, &pane);
    pane.OffsetRect(InFrame(&m_status).TopLeft());
    EXPECT_NE(image.Pixel(pane.left + 4, pane.top + 4), image.Pixel(pane.left, pane.top + 4));
    // The hot button differs from an idle one of the same bar at its corner.
    const CRect hot = ControlInFrame(m_toolBars[0], m_toolBars[0]->GetControl(1));
    const CRect idle = ControlInFrame(m_toolBars[0], m_toolBars[0]->GetControl(0));
    EXPECT_NE(image.Pixel(hot.left, hot.top + 3), image.Pixel(idle.left, idle.top + 3));
}

TEST_P(ThemeFrames, AnOpenMenuWithItsSubmenu) {
    ASSERT_TRUE(SendKey(WM_SYSKEYDOWN, 'V'));
    CUIPopupBar* view = PopupOf(m_menuBar);
    ASSERT_NE(nullptr, view);
    // The last entry opens the style submenu.
    SendKey(WM_KEYDOWN, VK_UP);
    SendKey(WM_KEYDOWN, VK_RIGHT);
    CUIPopupBar* styles = PopupOf(view);
    ASSERT_NE(nullptr, styles);
    CRect frame;
    m_frame->GetWindowRect(&frame);
    TestImage image(frame.Width(), frame.Height(), RGB(255, 0, 255));
    RenderWindow(m_frame, image);
    RenderOver(view, image);
    RenderOver(styles, image);
    image.SaveBmp(TestOutputPath(Name("menu")));
    EXPECT_EQ(0, image.CountPixels(InFrame(view), RGB(255, 0, 255)));
    EXPECT_EQ(0, image.CountPixels(InFrame(styles), RGB(255, 0, 255)));
    // The selected submenu entry stands out from the popup's face.
    const CRect opener = ControlInFrame(view, view->GetControl(view->GetSelectedIndex()));
    const CRect window = InFrame(view);
    EXPECT_NE(image.Pixel(opener.CenterPoint().x, opener.bottom - 2), image.Pixel(window.right - 4, window.top + 1));
}

INSTANTIATE_TEST_SUITE_P(EveryTheme, ThemeFrames,
                         ::testing::Values(uiThemeFlat, uiThemeClassic, uiThemeGradient, uiThemeVisualStyle));
