#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UIControlCustom.h"

#include "platform/CArchive.h"
#include "platform/CMemFile.h"

#include <cstdlib>
#include <vector>

namespace {

const UINT kHostedId = 4711;

class CommandFrame : public CFrameWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND)
            m_commands.push_back(LOWORD(wParam));
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> m_commands;
};

// A toolbar with three custom controls, one per vertical option, each hosting an
// edit window of the frame.
class CustomControls : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_frame = new CommandFrame;
        ASSERT_TRUE(m_frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 900, 500)));
        m_app.m_pMainWnd = m_frame;
        m_frame->ShowWindow(SW_SHOW);
        m_bars = new CUICommandBars;
        m_bars->SetFrameSite(m_frame);
        m_bars->EnableDockingBars();
        m_bar = static_cast<CUIToolBar*>(m_bars->AddToolBar("自定义", uiBarTop, RUNTIME_CLASS(CUIToolBar)));
        m_bar->GetControls()->Add(uiControlButton, ID_PROJECT_NEW);
        for (int option = 0; option < 3; ++option) {
            CWnd* window = new CWnd;
            window->CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), m_frame,
                             kHostedId + static_cast<UINT>(option));
            m_windows.push_back(window);
            CUIControlCustom* control =
                static_cast<CUIControlCustom*>(m_bar->GetControls()->Add(uiControlCustom, 34000 + option));
            control->SetCaption("Hosted");
            control->m_margins = CRect(2, 3, 4, 5);
            control->m_verticalOption = option;
            control->AttachWindow(window, CSize(100, 20));
            m_controls.push_back(control);
        }
        m_frame->RecalcLayout();
    }
    void TearDown() override {
        CUIMouseTrackHook::Get().EndTracking();
        delete m_bars;
        for (CWnd* window : m_windows) {
            window->DestroyWindow();
            delete window;
        }
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }
    CRect InBar(CWnd* window) {
        CRect rect;
        window->GetWindowRect(&rect);
        m_bar->ScreenToClient(&rect);
        return rect;
    }

    TestApplication m_app;
    ToolBarFactory m_factory;
    RecordingThemeFactory m_themes;
    CommandFrame* m_frame = nullptr;
    CUICommandBars* m_bars = nullptr;
    CUIToolBar* m_bar = nullptr;
    std::vector<CWnd*> m_windows;
    std::vector<CUIControlCustom*> m_controls;
};

}  // namespace

TEST_F(CustomControls, TheHostedWindowSitsInsideTheMarginsOfItsControl) {
    CUIControlCustom* control = m_controls[0];
    EXPECT_EQ(uiControlCustom, control->GetType());
    EXPECT_EQ(static_cast<DWORD>(uiFlagNoCustomize), control->GetFlags());
    EXPECT_EQ(CSize(106, 28), control->GetSize(nullptr));
    const CRect rect = control->GetRect();
    EXPECT_EQ(CSize(106, 28), rect.Size());
    EXPECT_EQ(m_bar->m_hWnd, ::GetParent(m_windows[0]->m_hWnd));
    EXPECT_EQ(CRect(rect.left + 2, rect.top + 3, rect.left + 102, rect.top + 23), InBar(m_windows[0]));
    EXPECT_TRUE(m_windows[0]->IsWindowVisible());

    // Clicking a shown window's control runs nothing; once hidden it is a button.
    control->OnClick(TRUE);
    EXPECT_TRUE(m_frame->m_commands.empty());
    m_windows[0]->ShowWindow(SW_HIDE);
    control->OnClick(TRUE);
    EXPECT_EQ(std::vector<UINT>{34000}, m_frame->m_commands);
}

TEST_F(CustomControls, AVerticalDockHidesKeepsOrReplacesTheWindowByItsOption) {
    ASSERT_TRUE(m_bars->DockCommandBarTo(m_bar, uiBarLeft));
    m_frame->RecalcLayout();
    // Option 0: the whole control goes.
    EXPECT_EQ(static_cast<DWORD>(uiHideVerticalDock), m_controls[0]->GetHideFlags());
    EXPECT_FALSE(m_windows[0]->IsWindowVisible());
    // Option 1: nothing changes.
    EXPECT_EQ(0u, m_controls[1]->GetHideFlags());
    EXPECT_TRUE(m_windows[1]->IsWindowVisible());
    // Option 2: a button in place of the window.
    EXPECT_EQ(0u, m_controls[2]->GetHideFlags());
    EXPECT_FALSE(m_windows[2]->IsWindowVisible());
    EXPECT_NE(CSize(106, 28), m_controls[2]->GetSize(nullptr));

    ASSERT_TRUE(m_bars->DockCommandBarTo(m_bar, uiBarTop));
    m_frame->RecalcLayout();
    for (int option = 0; option < 3; ++option) {
        SCOPED_TRACE(option);
        EXPECT_EQ(0u, m_controls[option]->GetHideFlags());
        EXPECT_TRUE(m_windows[option]->IsWindowVisible());
    }
}

TEST_F(CustomControls, ALoadedControlFindsItsWindowByItsDialogId) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(m_controls[1]);
        ar.Close();
    }
    const UINT length = static_cast<UINT>(file.GetLength());
    BYTE* data = file.Detach();
    // The record after the button's data: margins, size, option, control id.
    const int tail[] = {2, 3, 4, 5, 100, 20, 1, static_cast<int>(kHostedId + 1)};
    ASSERT_GE(length, sizeof(tail));
    EXPECT_EQ(0, memcmp(data + length - sizeof(tail), tail, sizeof(tail)));

    // The window went back to the frame, where loading finds it.
    ::SetParent(m_windows[1]->m_hWnd, m_frame->m_hWnd);
    CMemFile in(data, length);
    CArchive ar(&in, CArchive::load);
    ar.m_pDocument = reinterpret_cast<CDocument*>(m_bars);
    CUIControlCustom* loaded = dynamic_cast<CUIControlCustom*>(ar.ReadObject(RUNTIME_CLASS(CUIControl)));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(m_windows[1], loaded->GetWindow());
    EXPECT_EQ(CRect(2, 3, 4, 5), loaded->m_margins);
    EXPECT_EQ(CSize(100, 20), loaded->m_size);
    EXPECT_EQ(1, loaded->m_verticalOption);
    loaded->InternalRelease();
    in.Detach();
    std::free(data);
}
