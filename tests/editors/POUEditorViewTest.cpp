#include "comm/ForceVarDlg.h"
#include "editors/EditorShell.h"
#include "editors/LadderEditEngine.h"
#include "editors/POUEditorView.h"
#include "ladder/LadderModel.h"
#include "platform/CCmdUI.h"
#include "platform/Clipboard.h"
#include "platform/CDocTemplate.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/FrameworkIds.h"
#include "project/CProjTreeNode.h"
#include "project/CQLXSymbol.h"
#include "res/resource.h"
#include "tests/compiler/ProjectFixture.h"
#include "tests/compiler/RecordingCompileShell.h"
#include "tests/editors/ILEditorFixture.h"
#include "tests/editors/StandInPrinter.h"
#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedCommonDialogs.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
// What the editors ask of the shell, recorded; the POU being opened is its node.
class RecordingEditorShell : public IEditorShell {
public:
    RecordingEditorShell() : m_previous(GetEditorShell()) { SetEditorShell(this); }
    ~RecordingEditorShell() override { SetEditorShell(m_previous); }
    CProjTreeNode* GetCurrentPouNode() override { return &node; }
    void SelectPouNode(CProjTreeNode* selected) override { selections.push_back(selected); }
    void SetStatusText(int pane, const CString& text) override { status[pane] = text.GetString(); }
    void ShowContextMenu(unsigned menuId, CPoint, CWnd*) override { menus.push_back(menuId); }

    CProjTreeNode node{2, 1, 0};
    std::vector<CProjTreeNode*> selections;
    std::map<int, std::string> status;
    std::vector<unsigned> menus;

private:
    IEditorShell* m_previous;
};

// The document of the test template: its variable table is the test's.
class ViewTestDoc : public CPOUEditorDoc {
    DECLARE_DYNCREATE(ViewTestDoc)
public:
    CPOUVarView* GetVarView() const override { return &variables; }
    mutable FakeVarView variables;
};
IMPLEMENT_DYNCREATE(ViewTestDoc, CPOUEditorDoc)

// A ladder engine that only keeps its model company.
class QuietLadderEngine : public CLadderEditEngine {
public:
    QuietLadderEngine() { m_nLanguage = 2; }
    void CommitCellEdit() override {}
    BOOL UpdateScrollSizes() override { return TRUE; }
    BOOL CanAddParallelRow(CLadderElement*) override { return TRUE; }
    BOOL ScrollToCurrent(int, int) override { return TRUE; }
    void Redraw() override {}
    BOOL GoToNetwork(int) override { return TRUE; }
    void ResetForLoad() override {}
    void OnInitialUpdate() override {}
    void FocusView() override {}
    CPOUEditorDoc* GetDocument() const override { return nullptr; }
};
CLadderEditEngine* MakeQuietLadderEngine() { return new QuietLadderEngine; }

void AddGlobalSymbol(CQLXProject& project, const char* name, const char* address) {
    CQLXSymbol* symbol = new CQLXSymbol;
    symbol->name = name;
    symbol->address = address;
    symbol->dataType = "BOOL";
    project.symbolList.Add(symbol);
    project.symbolsByKey.SetAt(name, symbol);
    project.symbolsByKey.SetAt(address, symbol);
    project.symbolsByUpperName.SetAt(name, symbol);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// A POU opened as the project tree opens it: through the template of POU documents,
// in a plain MDI child frame, with the test's shell and variable table.
class POUEditorViewTest : public WorkspaceClass1Test {
protected:
    void SetUp() override {
        workspace.showGlobalNames = 0;
        CPOUEditorDoc::SetLadderEngineFactory(MakeQuietLadderEngine);
        auto* pouTemplate = new CMultiDocTemplate(200, RUNTIME_CLASS(ViewTestDoc), RUNTIME_CLASS(CMDIChildWnd),
                                                  RUNTIME_CLASS(CPOUEditorView));
        pouTemplate->m_strDocStrings = "\nPOU\nPOU\n";
        app.AddDocTemplate(pouTemplate);
        frame = new CMDIFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 800, 600)));
        app.m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        folder.WriteFile("MAIN_MAIN.ilp", "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\nST      %Q0.0\r\n\r\n");
        document = dynamic_cast<CPOUEditorDoc*>(app.OpenDocumentFile(path.c_str()));
        ASSERT_NE(nullptr, document);
        view = document->GetEditorView();
        ASSERT_NE(nullptr, view);
        view->SetFocus();
    }
    void TearDown() override {
        ScriptedMessageBoxes boxes{IDNO};
        app.CloseAllDocuments(FALSE);
        frame->DestroyWindow();
        app.m_pMainWnd = nullptr;
        CPOUEditorDoc::SetLadderEngineFactory(nullptr);
    }

    CILEditEngine& engine() { return *dynamic_cast<CILEditEngine*>(view->m_pEngine); }
    std::string Line(int index) { return static_cast<CILModel*>(document->GetModel())->GetLines()[index].GetString(); }
    void Type(const std::string& text) {
        for (char ch : text) view->SendMessage(WM_CHAR, static_cast<unsigned char>(ch), 1);
    }
    void Key(UINT key) { view->SendMessage(WM_KEYDOWN, key, 1); }
    void Command(UINT id) {
        view->SendMessage(WM_COMMAND, id);
        app.PumpUntilIdle();
    }
    BOOL Enabled(UINT id) {
        CTestCmdUI state;
        state.m_nID = id;
        view->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
        return state.m_bEnabled;
    }

    TestApplication app;
    RecordingEditorShell shell;
    CRecordingCompileShell compileShell;
    TempFolder folder;
    std::string path = folder / "MAIN_MAIN.ilp";
    CMDIFrameWnd* frame = nullptr;
    CPOUEditorDoc* document = nullptr;
    CPOUEditorView* view = nullptr;
};

TEST_F(POUEditorViewTest, OpensTypesSavesAndKeepsTheTreeOnItsPOU) {
    EXPECT_STREQ("MAIN", document->GetTitle());
    EXPECT_EQ(1, document->GetLanguage());
    EXPECT_FALSE(document->IsSubroutine);
    ASSERT_FALSE(shell.selections.empty());
    EXPECT_EQ(&shell.node, shell.selections.back());
    engine().PlaceCaret(2, 13);
    Type("\rld i0.1");
    Key(VK_UP);
    EXPECT_EQ("LD      %I0.1", Line(3));
    EXPECT_STREQ("MAIN *", document->GetTitle());
    ASSERT_TRUE(document->DoFileSave());
    EXPECT_EQ("(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\nST      %Q0.0\r\nLD      %I0.1\r\n\r\n", ReadBytes(path));
    EXPECT_STREQ("MAIN", document->GetTitle());
}

// The status bar tells the caret's line and network; while a line shown by a jump from a
// message is highlighted it tells that line, until the next key.
TEST_F(POUEditorViewTest, TheStatusBarTellsTheCaretOrTheShownLine) {
    TestImage image(400, 300);
    auto paintedStatus = [&] {
        shell.status.clear();
        engine().OnPaint(&image.DC());
        return shell.status[2] + "|" + shell.status[1];
    };
    engine().PlaceCaret(2, 3);
    EXPECT_EQ("  第 3 行, 第 4 列|  Network 0", paintedStatus());
    document->GoToNetwork(2);
    EXPECT_EQ("  第 2 行, 第 1 列|  Network 0", paintedStatus());
    Key(VK_RIGHT);
    EXPECT_EQ("  第 3 行, 第 5 列|  Network 0", paintedStatus());
}

TEST_F(POUEditorViewTest, AWheelNotchMovesOneLine) {
    std::string text = "(*1*)\r\n";
    for (int i = 0; i < 200; ++i) text += "LD      %I0.0\r\n";
    folder.WriteFile("MAIN_MAIN.ilp", text);
    ASSERT_TRUE(document->OnOpenDocument(path.c_str()));
    engine().OnInitialUpdate();
    int lineHeight = engine().GetLineHeight();
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    app.PumpUntilIdle();
    EXPECT_EQ(lineHeight, view->GetScrollPosition().y);
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    app.PumpUntilIdle();
    EXPECT_EQ(2 * lineHeight, view->GetScrollPosition().y);
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    app.PumpUntilIdle();
    EXPECT_EQ(lineHeight, view->GetScrollPosition().y);
}

TEST_F(POUEditorViewTest, CommandsFollowTheLanguageAndTheOnlineState) {
    for (UINT ladder : {ID_LD_BOX, ID_LD_PARALLEL_COIL, ID_LD_RIGHT_CONTACT, ID_LD_NEW_NETWORK, ID_LD_LEFT_CONTACT})
        EXPECT_FALSE(Enabled(ladder)) << ladder;
    EXPECT_TRUE(Enabled(ID_EDIT_FIND));
    EXPECT_TRUE(Enabled(ID_IL_INSERT_NETWORK));
    EXPECT_TRUE(Enabled(ID_LANGUAGE_LD));
    EXPECT_FALSE(Enabled(ID_UNFORCE_ALL));
    // An LD accelerator in an IL POU does nothing.
    Command(ID_LD_NEW_NETWORK);
    EXPECT_EQ(1, document->GetLanguage());
    workspace.onlineMonitoring = 1;
    EXPECT_FALSE(Enabled(ID_LANGUAGE_LD));
    EXPECT_FALSE(Enabled(ID_LANGUAGE_IL));
    EXPECT_TRUE(Enabled(ID_UNFORCE_ALL));
    workspace.onlineMonitoring = 0;
}

TEST_F(POUEditorViewTest, SwitchToLadderAndBack) {
    Command(ID_LANGUAGE_LD);
    EXPECT_EQ(2, document->GetLanguage());
    EXPECT_EQ(2, shell.node.language);
    EXPECT_FALSE(Enabled(ID_EDIT_FIND));
    Command(ID_LANGUAGE_IL);
    EXPECT_EQ(1, document->GetLanguage());
    EXPECT_EQ(1, shell.node.language);
    EXPECT_EQ("(* Network 0 *)", Line(0));
    EXPECT_EQ("LD      %I0.0", Line(1));
    EXPECT_EQ("ST      %Q0.0", Line(2));
    EXPECT_TRUE(compileShell.lines.empty());
}

TEST_F(POUEditorViewTest, ARefusedSwitchWritesItsLineAndKeepsTheLanguage) {
    engine().PlaceCaret(2, 13);
    Type("\rST      NOWHERE");
    Command(ID_LANGUAGE_LD);
    EXPECT_EQ(1, document->GetLanguage());
    EXPECT_EQ(1, shell.node.language);
    ASSERT_EQ(1u, compileShell.lines.size());
    EXPECT_EQ(ICompileShell::kCompileTab, compileShell.lines[0].first);
    EXPECT_EQ("$$$ 程序 MAIN 存在错误，不允许进行转换！ \r\n", compileShell.lines[0].second);
}

TEST_F(POUEditorViewTest, ContextMenusByMouseAndKeyboard) {
    view->SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(200, 20));
    view->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view->m_hWnd), MAKELPARAM(0xFFFF, 0xFFFF));
    EXPECT_EQ((std::vector<unsigned>{IDR_MENU_IL_EDIT, IDR_MENU_IL_EDIT}), shell.menus);
    workspace.onlineMonitoring = 1;
    engine().PlaceCaret(1, 9);
    view->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view->m_hWnd), MAKELPARAM(0xFFFF, 0xFFFF));
    workspace.onlineMonitoring = 0;
    EXPECT_EQ(IDR_MENU_FORCE, shell.menus.back());
    EXPECT_STREQ("%I0.0", engine().m_strForceTarget);
    EXPECT_TRUE(engine().m_bForceTargetValid);
}

TEST_F(POUEditorViewTest, ClosingAsksAndNoPutsTheInstancesBack) {
    engine().PlaceCaret(2, 13);
    Type("\rTON     T37, 100");
    Key(VK_UP);
    CStringArray names, types;
    EXPECT_TRUE(workspace.project.GetFBInstancesOf("MAIN", names, types));
    ScriptedMessageBoxes boxes{IDCANCEL, IDNO};
    EXPECT_FALSE(document->SaveModified());
    EXPECT_EQ("是否保存对程序  MAIN   的修改?", boxes.Calls()[0].text);
    EXPECT_TRUE(document->SaveModified());
    EXPECT_FALSE(workspace.project.GetFBInstancesOf("MAIN", names, types));
    EXPECT_EQ("(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\nST      %Q0.0\r\n\r\n", ReadBytes(path));
}
}  // namespace

namespace {
// Whatever the outcome of a switch to LD, the project tree's node names the language
// the document now has.
TEST_F(POUEditorViewTest, TheTreeNodeFollowsTheLanguageTheSwitchGave) {
    const std::vector<std::vector<const char*>> programs = {
        {"LD      %I0.0"}, {"OR      %I0.0", "ST      %Q0.0"}, {"LD      %I0.0", "OLD", "ST      %Q0.0"},
        {"NOT"}, {"JMP     L1", "L1:"}};
    for (const auto& program : programs) {
        Command(ID_LANGUAGE_IL);
        CStringArray& lines = static_cast<CILModel*>(document->GetModel())->GetLines();
        lines.RemoveAll();
        lines.Add("(* Network 0 *)");
        for (const char* line : program) lines.Add(line);
        Command(ID_LANGUAGE_LD);
        EXPECT_EQ(document->GetLanguage(), shell.node.language) << program[0];
    }
}
}  // namespace

namespace {
TEST_F(POUEditorViewTest, PrintsACoverAndTheProgramOnTheStandInPrinter) {
    StandInPrinter printer;
    engine().PlaceCaret(2, 3);
    {
        ScriptedCommonDialogs dialogs{ChoosePrinter(printer.m_hDC)};
        Command(ID_FILE_PRINT);
    }
    EXPECT_EQ(2, printer.pages) << "a cover and one program page";
    EXPECT_GT(printer.InkedPixels(), 100);
    EXPECT_EQ(0, engine().CaretLine());
    EXPECT_EQ(0, engine().CaretColumn());
    // A cancelled print dialog prints nothing and leaves the caret.
    engine().PlaceCaret(2, 3);
    {
        ScriptedCommonDialogs dialogs{[](CCommonDialog&) -> INT_PTR { return IDCANCEL; }};
        Command(ID_FILE_PRINT);
    }
    EXPECT_EQ(2, printer.pages);
    EXPECT_EQ(2, engine().CaretLine());
}
}  // namespace

namespace {
// Mouse messages at the pixel of a line and column of the text.
class POUEditorViewMouseTest : public POUEditorViewTest {
protected:
    LPARAM At(int line, int column) {
        int x = engine().GetGutterWidth() + column * engine().GetCharWidth() + 1;
        int y = line * engine().GetLineHeight() + 2;
        return MAKELPARAM(x, y);
    }
    void Click(int line, int column, WPARAM keys = 0) {
        view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | keys, At(line, column));
        view->SendMessage(WM_LBUTTONUP, keys, At(line, column));
    }
    std::string Selected() {
        CString clip;
        engine().Copy();
        GetClipboardText(clip);
        return clip.GetString();
    }
};

TEST_F(POUEditorViewMouseTest, ClicksPlaceTheCaretAndSelect) {
    Click(1, 9);
    EXPECT_EQ(1, engine().CaretLine());
    EXPECT_EQ(9, engine().CaretColumn());
    EXPECT_FALSE(engine().HasSelection());
    Click(2, 2, MK_SHIFT);  // extends from the anchor
    EXPECT_TRUE(engine().HasSelection());
    EXPECT_EQ("I0.0\r\nST", Selected());
    // A click past the end of a line stops at its end; dragging selects.
    view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(1, 40));
    EXPECT_EQ(13, engine().CaretColumn());
    view->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(1, 8));
    view->SendMessage(WM_LBUTTONUP, 0, At(1, 8));
    EXPECT_EQ("%I0.0", Selected());
}

TEST_F(POUEditorViewMouseTest, GutterClickSelectsTheWholeLineAndDoubleClickAWord) {
    view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, engine().GetLineHeight() + 2));
    view->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, engine().GetLineHeight() + 2));
    EXPECT_EQ("LD      %I0.0\r\n", Selected());
    EXPECT_EQ(2, engine().CaretLine());
    EXPECT_EQ(0, engine().CaretColumn());
    view->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(1, 10));
    EXPECT_EQ("I0.0", Selected()) << "the % is no word character";
}
}  // namespace

namespace {
// A new user's way through an IL POU of a project on disk: open, type, save, compile,
// meet an error, mend it, switch to LD and back.
TEST_F(POUEditorViewTest, OpenTypeSaveCompileAndSwitch) {
    CProjectFixture project("ilflow");
    project.WritePou("MAIN_MAIN", {"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0"});
    std::string file = project.Folder() + "\\MAIN_MAIN.ilp";
    CPOUEditorDoc* pou = dynamic_cast<CPOUEditorDoc*>(app.OpenDocumentFile(file.c_str()));
    ASSERT_NE(nullptr, pou);
    view = pou->GetEditorView();
    document = pou;
    view->SetFocus();
    engine().PlaceCaret(2, 13);
    Type("\rld i0.1\rst q0.1");
    Key(VK_UP);
    ASSERT_TRUE(pou->DoFileSave());
    EXPECT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}})) << project.shell.CompileText();
    EXPECT_NE(std::string::npos, project.ReadFolderFile("MAIN_MAIN.ilp").find("ST      %Q0.1\r\n"));

    engine().PlaceCaret(4, 13);
    Type("\rst nowhere");
    Key(VK_UP);
    EXPECT_EQ(8, engine().LineState(5));
    ASSERT_TRUE(pou->DoFileSave());
    EXPECT_FALSE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}}));
    EXPECT_NE(std::string::npos, project.shell.CompileText().find("程序: MAIN (第 6 行)")) << project.shell.CompileText();
    Command(ID_LANGUAGE_LD);
    EXPECT_EQ(1, pou->GetLanguage());
    EXPECT_NE(std::string::npos, project.shell.CompileText().find("$$$ 程序 MAIN 存在错误，不允许进行转换！"));

    engine().PlaceCaret(5, 0);
    engine().SetSelection(4, 13, 5, 15);
    Key(VK_DELETE);
    Command(ID_LANGUAGE_LD);
    EXPECT_EQ(2, pou->GetLanguage());
    Command(ID_LANGUAGE_IL);
    EXPECT_EQ(1, pou->GetLanguage());
    EXPECT_EQ("ST      %Q0.1", Line(4));
    ASSERT_TRUE(pou->DoFileSave());
    EXPECT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}})) << project.shell.CompileText();
}
}  // namespace

namespace {
TEST_F(POUEditorViewTest, TheForceDialogGetsAGlobalsNameAndAddress) {
    AddGlobalSymbol(workspace.project, "START", "%I0.0");
    std::vector<std::string> forceDialogs;
    auto record = [&](CWnd* wnd) {
        CForceVarDlg* dialog = dynamic_cast<CForceVarDlg*>(wnd);
        ASSERT_NE(nullptr, dialog);
        forceDialogs.push_back(std::string(dialog->m_globalName) + "|" + std::string(dialog->m_address));
        PressButton(wnd, IDCANCEL);
    };
    ModalScript script({record, record});
    workspace.onlineMonitoring = 1;
    engine().PlaceCaret(1, 10);
    view->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view->m_hWnd), MAKELPARAM(0xFFFF, 0xFFFF));
    EXPECT_TRUE(Enabled(ID_FORCE_DIALOG));
    Command(ID_FORCE_DIALOG);
    engine().PlaceCaret(2, 10);
    engine().PickForceTarget();
    Command(ID_FORCE_DIALOG);
    workspace.onlineMonitoring = 0;
    Command(ID_FORCE_DIALOG);  // offline the command does nothing
    EXPECT_EQ((std::vector<std::string>{"START|%I0.0", "|%Q0.0"}), forceDialogs);
    EXPECT_EQ(0, script.UnscriptedDialogs());
}
}  // namespace

namespace {
// Keys, characters, mouse and commands as the window receives them, with the lines,
// the caret and the undo history read back after each step.
class POUEditorViewScriptTest : public POUEditorViewMouseTest {
protected:
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        const CStringArray& text = static_cast<CILModel*>(document->GetModel())->GetLines();
        for (int i = 0; i < text.GetSize(); ++i) lines.push_back(text[i].GetString());
        return lines;
    }
    std::pair<int, int> Caret() { return {engine().CaretLine(), engine().CaretColumn()}; }
    int Snapshots() { return static_cast<int>(document->GetModel()->m_undoList.GetCount()); }
    void ShiftClick(int line, int column) { Click(line, column, MK_SHIFT); }
};

TEST_F(POUEditorViewScriptTest, TypingDoubleByteTextPasteHeadersAndUndoThroughTheWindow) {
    const std::string start = "\xC6\xF4";  // one double-byte character
    Click(3, 0);
    int opened = Snapshots();
    Type("ld i0.1\r(*" + start + "*)");
    EXPECT_EQ(opened + 7 + 1 + 6, Snapshots()) << "one snapshot per byte typed and one for Enter";
    EXPECT_EQ("LD      %I0.1", Line(3)) << "the line left by Enter is laid out";
    EXPECT_EQ("(*" + start + "*)", Line(4));
    for (int i = 0; i < 3; ++i) Key(VK_LEFT);
    EXPECT_EQ(std::make_pair(4, 2), Caret()) << "Left steps over both bytes of the character";
    Key(VK_DELETE);
    EXPECT_EQ("(**)", Line(4));

    // A new network after the comment, then two lines pasted into it: a lone LF ends a line.
    Key(VK_END);
    Command(ID_IL_INSERT_NETWORK);
    EXPECT_EQ("(* Network 1 *)", Line(5));
    Type("\r");
    ASSERT_TRUE(SetClipboardText("and i0.2\nst q0.2"));
    Command(ID_EDIT_PASTE);
    std::vector<std::string> lines = Lines();
    lines.resize(8);
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0", "LD      %I0.1", "(**)",
                                        "(* Network 1 *)", "AND     %I0.2", "ST      %Q0.2"}),
              lines);
    EXPECT_EQ(std::make_pair(7, 13), Caret());

    // Deleting across the header asks; No keeps the header, Cancel keeps everything.
    Click(4, 0);
    ShiftClick(6, 3);
    {
        ScriptedMessageBoxes boxes{IDCANCEL};
        Command(ID_EDIT_CLEAR);
        app.PumpUntilIdle();
        ASSERT_EQ(1u, boxes.Calls().size());
        EXPECT_EQ("是否同时删除所选中的网络标号？", boxes.Calls()[0].text);
    }
    EXPECT_EQ("(**)", Line(4));
    Click(4, 0);
    ShiftClick(6, 3);
    {
        ScriptedMessageBoxes boxes{IDNO};
        Command(ID_EDIT_CLEAR);
        app.PumpUntilIdle();
        EXPECT_EQ(1u, boxes.Calls().size());
    }
    EXPECT_EQ("     %I0.2", Line(4)) << "the rest of the end line joins the start line";
    EXPECT_EQ("(* Network 1 *)", Line(5));
    EXPECT_EQ("ST      %Q0.2", Line(6));

    // Undo brings the deleted text back, redo takes it away again.
    Command(ID_EDIT_UNDO);
    EXPECT_EQ("(**)", Line(4));
    EXPECT_EQ("AND     %I0.2", Line(6));
    Command(ID_EDIT_REDO);
    EXPECT_EQ("     %I0.2", Line(4));
    while (Enabled(ID_EDIT_UNDO)) Command(ID_EDIT_UNDO);
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0", ""}), Lines());

    // While monitoring the window takes no edits, but the mouse still selects.
    workspace.onlineMonitoring = 1;
    Click(1, 0);
    Type("x");
    ASSERT_TRUE(SetClipboardText("LD %I0.7"));
    Command(ID_EDIT_PASTE);
    Key(VK_DELETE);
    workspace.onlineMonitoring = 0;
    EXPECT_EQ((std::vector<std::string>{"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0", ""}), Lines());
    EXPECT_EQ(1, engine().CaretLine());
}
}  // namespace
