#include "editors/ILFindReplaceDlg.h"
#include "tests/editors/ILEditorFixture.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace {
// Find and replace driven through the dialog's options, without its window.
class ILFindReplaceTest : public ILEditorTest {
protected:
    ILFindReplaceTest() {
        workspace.showGlobalNames = 0;
        Load({"(* Network 0 *)", "LD      %I0.0", "AND     %I0.0", "(* Network 1 *)", "LD      X1",
              "AND(", "OR      X", ")"});
    }
    CILFindReplaceDlg& Dialog(const char* find, const char* replace = "", int wholeWord = 0, int up = 0) {
        engine().Find();
        CILFindReplaceDlg& dialog = *engine().GetFindDialog();
        dialog.m_strFind = find;
        dialog.m_strReplace = replace;
        dialog.m_nWholeWord = wholeWord;
        dialog.m_nDirection = up;
        return dialog;
    }
    std::pair<int, int> Found() const { return {engine().CaretLine(), engine().CaretColumn()}; }
};

TEST_F(ILFindReplaceTest, SearchingDownGoesOnAfterTheLastMatch) {
    Dialog("%i0.0");
    engine().PlaceCaret(1, 0);
    engine().FindNext();
    EXPECT_EQ(std::make_pair(1, 13), Found());
    engine().FindNext();
    EXPECT_EQ(std::make_pair(2, 13), Found());
    ScriptedMessageBoxes boxes{IDOK};
    engine().FindNext();  // no wrap around
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("已完成对 \"%i0.0\" 的搜索", boxes.Calls()[0].text);
    EXPECT_EQ(std::make_pair(2, 13), Found());
}

TEST_F(ILFindReplaceTest, SearchingUpFindsWhatEndsBeforeTheStart) {
    Dialog("AND", "", 0, 1);
    engine().PlaceCaret(5, 2);  // inside the "AND(" of line 5
    engine().FindNext();
    EXPECT_EQ(std::make_pair(2, 3), Found());
}

TEST_F(ILFindReplaceTest, WholeWordsAndHeadersAreRespected) {
    Dialog("X", "", 1);
    engine().PlaceCaret(1, 0);
    engine().FindNext();
    EXPECT_EQ(std::make_pair(6, 9), Found());  // not inside X1
    ScriptedMessageBoxes boxes{IDOK};
    Dialog("Network");
    engine().PlaceCaret(0, 0);
    engine().FindNext();
    EXPECT_EQ(1u, boxes.Calls().size());  // headers are never searched
}

TEST_F(ILFindReplaceTest, ReplaceAllCountsAndKeepsHeaders) {
    ScriptedMessageBoxes boxes{IDOK, IDOK, IDOK};
    Dialog("%I0.0", "%I0.1");
    engine().ReplaceAll();
    EXPECT_EQ("已搜索完指定区域，共有 2 项被替换.", boxes.Calls().back().text);
    EXPECT_EQ("LD      %I0.1", Line(1));
    Dialog("%I0.1", "%I0.1");
    engine().ReplaceAll();
    EXPECT_EQ("已搜索完指定区域，共有 0 项被替换.", boxes.Calls().back().text);
    Dialog("Network", "Rung");
    engine().ReplaceAll();
    EXPECT_EQ("(* Network 1 *)", Line(3));
}

TEST_F(ILFindReplaceTest, ReplaceInLineWholeWordsStandBetweenBlanksOnly) {
    EXPECT_EQ(0, engine().ReplaceInLine(5, "AND", "X", TRUE, TRUE));  // "AND(" is no whole word here
    EXPECT_EQ(1, engine().ReplaceInLine(6, "X", "Y", TRUE, TRUE));
    EXPECT_EQ("OR      Y", Line(6));
    EXPECT_EQ(1, engine().ReplaceInLine(4, "x1", "X2", FALSE, FALSE));
    EXPECT_EQ(1, engine().FindForward("(X)", "X", 0, TRUE, TRUE));  // finding accepts parentheses
}

TEST_F(ILFindReplaceTest, ReplacingASelectionWithNothingInsertsABlank) {
    ScriptedMessageBoxes boxes{IDOK};
    Dialog("X1", "");
    engine().SetSelection(4, 8, 4, 10);
    engine().ReplaceSelection();
    EXPECT_EQ("LD", Line(4));  // the blank, then the layout trims the line
    workspace.onlineMonitoring = 1;
    Dialog("LD", "ST");
    engine().ReplaceAll();
    workspace.onlineMonitoring = 0;
    EXPECT_EQ("LD      %I0.0", Line(1));
}
}  // namespace
