#include "tests/shell/frame/MainFrameFixture.h"

#include "project/ShellServices.h"
#include "res/resource.h"
#include "shell/output/COutputView.h"
#include "tests/support/ScriptedClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class MainFrameOutput : public MainFrameFixture {
protected:
    COutputView* View() { return frame->GetOutputWindow(); }
    std::vector<std::string> Lines(int tab) {
        std::vector<std::string> lines;
        if (View() == nullptr)
            return lines;
        COutputListBox& list = View()->List(tab);
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            lines.push_back(std::string(text));
        }
        return lines;
    }
    int CurrentTab() { return View()->TabStrip().GetCurSel(); }
    void CloseOutputPane() {
        Command(ID_VIEW_OUTPUT);
        ASSERT_FALSE(IsOpen(ID_VIEW_OUTPUT));
    }
};

TEST_F(MainFrameOutput, LinesGoToTabZeroOrOneAndBringThePaneBack) {
    ASSERT_TRUE(created);
    ASSERT_NE(nullptr, View());
    struct Case {
        int tab;
        bool added;
    };
    const Case cases[] = {{0, true}, {1, true}, {2, false}, {-1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        CloseOutputPane();
        const size_t before[2] = {Lines(0).size(), Lines(1).size()};
        frame->AddOutputLine(c.tab, "一行");
        app.PumpUntilIdle();
        EXPECT_EQ(c.added, IsOpen(ID_VIEW_OUTPUT) != FALSE);
        EXPECT_EQ(c.added, frame->m_bOutputPaneShown != FALSE);
        for (int tab = 0; tab < 2; ++tab) {
            const bool here = c.added && tab == c.tab;
            EXPECT_EQ(before[tab] + (here ? 1 : 0), Lines(tab).size()) << "tab " << tab;
            if (here) {
                EXPECT_EQ("一行", Lines(tab).back());
                EXPECT_EQ(tab, CurrentTab());
                EXPECT_EQ(static_cast<int>(Lines(tab).size()) - 1, View()->List(tab).GetCurSel());
            }
        }
        if (!c.added)
            Command(ID_VIEW_OUTPUT);
    }
}

// The output window's hide command tucks the pane into its auto-hide panel (or slides it
// back in); a line for tab 0 or 1 slides it out there, other tabs leave it in.
TEST_F(MainFrameOutput, LinesSlideAnAutoHiddenPaneOut) {
    ASSERT_TRUE(created);
    ASSERT_NE(nullptr, View());
    const int cases[] = {2, -1, 1, 0};
    for (int tab : cases) {
        SCOPED_TRACE(tab);
        frame->HideOutputPane();
        app.PumpUntilIdle();
        ASSERT_TRUE(Pane(ID_VIEW_OUTPUT)->IsHidden());
        EXPECT_FALSE(View()->IsWindowVisible()) << "in its panel";
        EXPECT_FALSE(frame->m_bOutputPaneShown);
        const bool taken = tab == 0 || tab == 1;
        const size_t before = taken ? Lines(tab).size() : 0;
        frame->AddOutputLine(tab, "一行");
        app.PumpUntilIdle();
        EXPECT_TRUE(Pane(ID_VIEW_OUTPUT)->IsHidden()) << "still in its panel";
        EXPECT_EQ(taken, View()->IsWindowVisible() != FALSE) << "slid out";
        if (taken) {
            EXPECT_EQ(before + 1, Lines(tab).size());
            EXPECT_EQ(tab, CurrentTab());
            EXPECT_TRUE(frame->m_bOutputPaneShown);
        }
    }
}

TEST_F(MainFrameOutput, ResultLinesAreTimeStampedInTheGeneralTab) {
    ASSERT_TRUE(created);
    ScriptedClock clock(CTime(2026, 3, 4, 9, 5, 7));
    CloseOutputPane();
    frame->AddOutputLine(1, "编译");
    frame->ReportPlcResult(CMainFrame::ResultDownloaded);
    app.PumpUntilIdle();
    EXPECT_TRUE(IsOpen(ID_VIEW_OUTPUT));
    EXPECT_EQ(0, CurrentTab());
    clock.Advance(3600 * 5 + 61);
    for (int code : {1, 3, 4})
        frame->ReportPlcResult(code);
    const std::vector<std::string> expected = {
        "09:05:07   提示： 程序下载成功。",
        "14:06:08   错误： 禁止下载！  下载之前首先需要编译成功当前的工程。",
        "14:06:08   错误： 禁止在线监测！ 当前打开的工程与PLC内的工程不一致。",
        "14:06:08   错误： 禁止在线监测！ 当前工程编译失败。",
    };
    EXPECT_EQ(expected, Lines(0));
    const size_t lines = Lines(0).size();

    // An unknown code shows the pane and adds nothing.
    CloseOutputPane();
    frame->ReportPlcResult(5);
    frame->ReportPlcResult(0);
    app.PumpUntilIdle();
    EXPECT_TRUE(IsOpen(ID_VIEW_OUTPUT));
    EXPECT_EQ(lines, Lines(0).size());
}

TEST_F(MainFrameOutput, ResetEmptiesBothListsAndShowsTheCompileTab) {
    ASSERT_TRUE(created);
    frame->AddOutputLine(0, "a");
    frame->AddOutputLine(1, "b");
    frame->AddOutputLine(0, "c");
    frame->ResetOutputWindow();
    EXPECT_TRUE(Lines(0).empty());
    EXPECT_TRUE(Lines(1).empty());
    EXPECT_EQ(1, CurrentTab());
}

// The PLC dialogs report through the shell services the frame installs.
TEST_F(MainFrameOutput, TheDownloadDialogsResultReachesTheGeneralTab) {
    ASSERT_TRUE(created);
    ::ReportPlcResult(kPlcResultDownloadDone);
    ASSERT_FALSE(Lines(0).empty());
    EXPECT_NE(std::string::npos, Lines(0).back().find("提示： 程序下载成功。"));
}

// The frame paints its background over its whole client area: windows nested in the dock
// bars and panes (a toolbar, the project tree) must be painted again after it, else they
// stay blank until something else repaints them.
std::vector<HWND> g_painted;
LRESULT CALLBACK RecordPaint(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_PAINT)
        g_painted.push_back(message->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MainFrameOutput, StartingTheCompileListRepaintsTheWindowsInsideTheBarsAndPanes) {
    ASSERT_TRUE(created);
    HWND toolbar = ::FindWindowExA(nullptr, nullptr, nullptr, "标准工具栏");
    for (HWND bar = ::GetWindow(window, GW_CHILD); bar && !toolbar; bar = ::GetWindow(bar, GW_HWNDNEXT))
        toolbar = ::FindWindowExA(bar, nullptr, nullptr, "标准工具栏");
    ASSERT_NE(nullptr, toolbar);
    ASSERT_NE(window, ::GetParent(toolbar));
    HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, RecordPaint, nullptr, ::GetCurrentThreadId());
    g_painted.clear();
    frame->StartCompileList();
    ::UnhookWindowsHookEx(hook);
    EXPECT_NE(g_painted.end(), std::find(g_painted.begin(), g_painted.end(), toolbar));
}

}  // namespace
