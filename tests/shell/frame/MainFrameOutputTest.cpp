#include "tests/shell/frame/MainFrameFixture.h"

#include "res/resource.h"
#include "shell/output/COutputView.h"

#include <gtest/gtest.h>

#include <regex>
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

TEST_F(MainFrameOutput, ResultLinesAreTimeStampedInTheGeneralTab) {
    ASSERT_TRUE(created);
    CloseOutputPane();
    frame->ReportPlcResult(CMainFrame::ResultDownloaded);
    app.PumpUntilIdle();
    EXPECT_TRUE(IsOpen(ID_VIEW_OUTPUT));
    ASSERT_EQ(1u, Lines(0).size());
    EXPECT_TRUE(std::regex_match(Lines(0)[0], std::regex("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]   提示： 程序下载成功。")))
        << Lines(0)[0];
    EXPECT_EQ(0, CurrentTab());

    // An unknown code shows the pane and adds nothing.
    CloseOutputPane();
    frame->ReportPlcResult(5);
    frame->ReportPlcResult(0);
    app.PumpUntilIdle();
    EXPECT_TRUE(IsOpen(ID_VIEW_OUTPUT));
    EXPECT_EQ(1u, Lines(0).size());
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

}  // namespace
