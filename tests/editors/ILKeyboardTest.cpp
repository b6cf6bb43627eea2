#include "platform/CCmdUI.h"
#include "platform/Clipboard.h"
#include "tests/editors/ILEditorFixture.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace {
class ILKeyboardTest : public ILEditorTest {
protected:
    ILKeyboardTest() { workspace.showGlobalNames = 0; }

    void Caret(int line, int column) { engine().PlaceCaret(line, column); }
    std::pair<int, int> CaretAt() const { return {engine().CaretLine(), engine().CaretColumn()}; }
    BOOL Enabled(void (CILEditEngine::*update)(CCmdUI*)) {
        CTestCmdUI state;
        (engine().*update)(&state);
        return state.m_bEnabled;
    }
};

TEST_F(ILKeyboardTest, TypedLinesAreFormattedWhenLeft) {
    Caret(1, 0);
    Type("ld i0.0\rst q0.0");
    Key(VK_UP);
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0"}), Lines());
    EXPECT_EQ(std::make_pair(1, 7), CaretAt());  // the end of the shorter line above
    EXPECT_TRUE(document.IsModified());
}

TEST_F(ILKeyboardTest, HeaderLinesTakeOnlyEnterAndBackspace) {
    Caret(0, 5);
    Type("x");
    EXPECT_EQ("(* Network 0 *)", Line(0));
    Caret(0, 0);
    Type("\r");  // on line 0 Enter opens an empty line after the header
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "", ""}), Lines());
    EXPECT_EQ(std::make_pair(1, 0), CaretAt());
    // Backspace at column 0 just below a header moves left instead of joining.
    Type("\b");
    EXPECT_EQ(std::make_pair(0, 15), CaretAt());
    EXPECT_EQ(3u, Lines().size());
}

TEST_F(ILKeyboardTest, TabsBlanksAndTheColumnLimit) {
    Load({"(* Network 0 *)", "abc"});
    Caret(1, 3);
    Type("\t");
    EXPECT_EQ("abc     ", Line(1));  // five blanks to column 8
    model().GetLines().SetAt(1, CString('x', 250));
    Caret(1, 250);
    Type("\t");
    EXPECT_EQ(250, model().GetLines()[1].GetLength());
    Caret(1, 250);
    Type("yyyyyyyy");
    EXPECT_EQ(256, model().GetLines()[1].GetLength());  // typing stops at column 256
}

TEST_F(ILKeyboardTest, ACodeZeroCharacterIsIgnored) {
    Load({"(* Network 0 *)", "LD"});
    Caret(1, 2);
    int snapshots = static_cast<int>(model().m_undoList.GetCount());
    engine().OnChar(0, 1, 0);
    EXPECT_EQ("LD", Line(1));
    EXPECT_EQ(2, model().GetLines()[1].GetLength());
    EXPECT_EQ(snapshots, model().m_undoList.GetCount());
}

TEST_F(ILKeyboardTest, DoubleByteCharactersAreTypedAndDeletedWhole) {
    Load({"(* Network 0 *)", ""});
    Caret(1, 0);
    int snapshots = static_cast<int>(model().m_undoList.GetCount());
    Type("(*\xB9\xA4*)");  // one double-byte character, two messages
    EXPECT_EQ(snapshots + 6, model().m_undoList.GetCount());
    EXPECT_EQ("(*\xB9\xA4*)", Line(1));
    Key(VK_LEFT);
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_EQ(std::make_pair(1, 2), CaretAt());
    Key(VK_DELETE);
    EXPECT_EQ("(**)", Line(1));
    Type("\xB9\xA4");
    Type("\b");
    EXPECT_EQ("(**)", Line(1));
}

TEST_F(ILKeyboardTest, DeleteAtTheEndJoinsTheNextLineEvenAHeader) {
    Load({"(* Network 0 *)", "LD      %I0.0", "(* Network 1 *)", "ST      %Q0.0"});
    Caret(1, 13);
    Key(VK_DELETE);
    EXPECT_EQ("LD      %I0.0(* Network 1 *)", Line(1));
    EXPECT_EQ(3u, Lines().size());
}

TEST_F(ILKeyboardTest, UndoAndRedoOneKeystrokeAtATime) {
    Load({"(* Network 0 *)", "LD"});
    Caret(1, 2);
    CString opened = model().GetLines()[1];
    EXPECT_FALSE(Enabled(&CILEditEngine::UpdateUndo));
    Type("abc");
    EXPECT_TRUE(Enabled(&CILEditEngine::UpdateUndo));
    engine().Undo();
    EXPECT_EQ("LDab", Line(1));
    engine().Undo();
    engine().Undo();
    EXPECT_EQ("LD", Line(1));
    EXPECT_EQ(std::make_pair(1, 0), CaretAt());  // the caret of the opening snapshot
    engine().Undo();
    EXPECT_EQ("LD", Line(1));
    engine().Redo();
    EXPECT_EQ("LDa", Line(1));
    EXPECT_EQ(std::make_pair(1, 3), CaretAt());
    Type("z");
    EXPECT_FALSE(Enabled(&CILEditEngine::UpdateRedo));
    workspace.onlineMonitoring = 1;
    EXPECT_FALSE(Enabled(&CILEditEngine::UpdateUndo));
    engine().Undo();
    workspace.onlineMonitoring = 0;
    EXPECT_EQ("LDaz", Line(1));
}

TEST_F(ILKeyboardTest, LineStatesFollowInsertedAndRemovedLines) {
    Load({"(* Network 0 *)", "BAD"});
    engine().CheckNetwork(TRUE);
    ASSERT_EQ(8, engine().LineState(1));
    Caret(1, 0);
    Type("\r\r\r");
    // The bad line moved down with its state; every line has a state entry.
    EXPECT_EQ("BAD", Line(4));
    EXPECT_EQ(8, engine().LineState(4));
    EXPECT_GE(engine().LineStates().size(), Lines().size());
    // Joining lines far beyond the table's first size stays within it.
    std::vector<std::string> many(700, "");
    many[0] = "(* Network 0 *)";
    Load(many);
    Caret(650, 0);
    Type("x\r\b\b");
    EXPECT_GE(engine().LineStates().size(), Lines().size());
}

TEST_F(ILKeyboardTest, SelectAllAndDeleteKeepsLineZeroAndAsksAboutHeaders) {
    Load({"(* Network 0 *)", "LD      %I0.0", "(* Network 1 *)", "ST      %Q0.0"});
    {
        ScriptedMessageBoxes boxes{IDCANCEL};
        engine().SelectAll();
        Key(VK_DELETE);
        ASSERT_EQ(1u, boxes.Calls().size());
        EXPECT_EQ("是否同时删除所选中的网络标号？", boxes.Calls()[0].text);
        EXPECT_EQ(4u, Lines().size());
    }
    {
        ScriptedMessageBoxes boxes{IDNO};
        engine().SelectAll();
        Key(VK_DELETE);
        EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "", "(* Network 1 *)"}), Lines());
    }
    ScriptedMessageBoxes boxes{IDYES};
    Load({"(* Network 0 *)", "LD      %I0.0", "(* Network 1 *)", "ST      %Q0.0"});
    engine().SelectAll();
    Key(VK_DELETE);
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", ""}), Lines());
}

TEST_F(ILKeyboardTest, PasteSplitsAtLineEndsAndKeepsTheTail) {
    Load({"(* Network 0 *)", "XYZ"});
    struct Case {
        const char* name;
        std::string clip;
        std::vector<std::string> lines;
    };
    const std::string lead = "\xB9\xA4";
    std::string longText(259, 'a');
    const Case cases[] = {
        {"CR LF", "A\r\nB", {"(* Network 0 *)", "XYA", "BZ"}},
        {"a lone LF ends a line", "A\nB", {"(* Network 0 *)", "XYA", "BZ"}},
        {"a CR keeps the byte after it", "A\rB", {"(* Network 0 *)", "XYA", "BZ"}},
        {"a TAB is eight blanks, then the layout", "A\tB", {"(* Network 0 *)", "XYA     BZ"}},
        {"the 260-byte break keeps a double-byte character whole",
         longText + lead,
         {"(* Network 0 *)", "XY" + std::string(258, 'a'), "a" + lead + "Z"}},
        {"a double-byte character that would straddle the break starts the next line",
         std::string(257, 'a') + lead,
         {"(* Network 0 *)", "XY" + std::string(257, 'a'), lead + "Z"}},
    };
    for (const Case& c : cases) {
        Load({"(* Network 0 *)", "XYZ"});
        Caret(1, 2);
        ASSERT_TRUE(SetClipboardText(c.clip.c_str()));
        engine().Paste();
        EXPECT_EQ(c.lines, Lines()) << c.name;
        EXPECT_EQ(std::make_pair(static_cast<int>(c.lines.size()) - 1, static_cast<int>(c.lines.back().size())),
                  CaretAt())
            << c.name;
    }
    Load({"(* Network 0 *)", "XYZ"});
    Caret(0, 3);
    engine().Paste();
    EXPECT_EQ(2u, Lines().size()) << "nothing is pasted on line 0";
}

TEST_F(ILKeyboardTest, CopyAndCutAMultiLineSelection) {
    Load({"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0"});
    engine().SetSelection(1, 8, 2, 2);
    engine().Copy();
    CString clip;
    ASSERT_TRUE(GetClipboardText(clip));
    EXPECT_STREQ("%I0.0\r\nST", clip);
    engine().Cut();
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "LD" + std::string(12, ' ') + "%Q0.0"}), Lines());
}

TEST_F(ILKeyboardTest, InsertingANetworkNumbersTheHeadersInOrder) {
    Load({"(* Network 0 *)", "LD      %I0.0", "(* Network 1 *)", "LD      %I0.1", "(* Network 2 *)",
          "LD      %I0.2", "(* Network 3 *)", "(* Network 4 *)"});
    Caret(5, 0);
    engine().InsertNetwork();
    std::vector<std::string> headers;
    for (const std::string& line : Lines())
        if (line.find("Network") != std::string::npos) headers.push_back(line);
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "(* Network 1 *)", "(* Network 2 *)", "(* Network 3 *)",
                                        "(* Network 4 *)", "(* Network 5 *)"}),
              headers);
    EXPECT_EQ("(* Network 3 *)", Line(6));
    Load({"(* Network 0 *)", "   "});
    Caret(1, 0);
    engine().InsertNetwork();
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "(* Network 1 *)"}), Lines());
}

TEST_F(ILKeyboardTest, ShowLineHighlightsAndScrolls) {
    std::vector<std::string> lines(60, "LD      %I0.0");
    lines[0] = "(* Network 0 *)";
    Load(lines);
    EXPECT_FALSE(engine().ShowLine(0));
    EXPECT_TRUE(engine().ShowLine(1));
    EXPECT_EQ(0, engine().GetHighlight().line);
    EXPECT_EQ(0, engine().GetScrollPosition().y);
    EXPECT_TRUE(engine().ShowLine(30));
    EXPECT_EQ(19 * engine().GetLineHeight(), engine().GetScrollPosition().y);
    Type("x");
    EXPECT_FALSE(engine().GetHighlight().active);
    EXPECT_EQ(100 * engine().GetLineHeight(), engine().GetDocumentHeight()) << "at least 100 lines high";
}

TEST_F(ILKeyboardTest, ShiftPageDownSelectsToTheEndOfTheLineAPageFurther) {
    std::vector<std::string> lines(200, "LD      %I0.0");
    lines[0] = "(* Network 0 *)";
    lines[60] = "ST      %Q0.0 (* here *)";
    Load(lines);
    Caret(2, 3);
    int page = 480 / engine().GetLineHeight() - 1;
    Key(VK_NEXT, true);
    EXPECT_EQ(std::make_pair(2 + page, static_cast<int>(Line(2 + page).size())), CaretAt());
    EXPECT_TRUE(engine().HasSelection());
    EXPECT_EQ(page * engine().GetLineHeight(), engine().GetScrollPosition().y);
    Key(VK_HOME);
    EXPECT_FALSE(engine().HasSelection());
    EXPECT_EQ(0, engine().CaretColumn());
}

TEST_F(ILKeyboardTest, NothingChangesWhileOnline) {
    Load({"(* Network 0 *)", "LD"});
    Caret(1, 2);
    workspace.onlineMonitoring = 1;
    Type("abc\r");
    Key(VK_DELETE);
    engine().InsertNetwork();
    workspace.onlineMonitoring = 0;
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "LD"}), Lines());
}
}  // namespace
