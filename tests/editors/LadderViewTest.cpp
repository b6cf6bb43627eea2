#include <gtest/gtest.h>

#include "editors/BranchTool.h"
#include "editors/EditorShell.h"
#include "editors/InsTreeView.h"
#include "editors/LadderEditor.h"
#include "editors/POUEditorView.h"
#include "ladder/Coil.h"
#include "ladder/Contact.h"
#include "ladder/LadderModel.h"
#include "platform/CComboBox.h"
#include "platform/CDocTemplate.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/CTreeCtrl.h"
#include "project/CProjTreeNode.h"
#include "res/resource.h"
#include "tests/compiler/ProjectFixture.h"
#include "tests/editors/LadderDialogFixture.h"
#include "tests/editors/StandInPrinter.h"
#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedCommonDialogs.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

namespace {
// The shell as the editor sees it: the POU being opened is an LD POU.
class LadderShell : public IEditorShell {
public:
    LadderShell() : m_previous(GetEditorShell()) { SetEditorShell(this); }
    ~LadderShell() override { SetEditorShell(m_previous); }
    CProjTreeNode* GetCurrentPouNode() override { return &node; }
    void SelectPouNode(CProjTreeNode*) override {}
    void SetStatusText(int, const CString&) override {}
    void ShowContextMenu(unsigned menuId, CPoint, CWnd*) override { menus.push_back(menuId); }

    CProjTreeNode node{2, 2, 0};
    std::vector<unsigned> menus;

private:
    IEditorShell* m_previous;
};

class LadderViewDoc : public CPOUEditorDoc {
    DECLARE_DYNCREATE(LadderViewDoc)
public:
    CPOUVarView* GetVarView() const override { return &variables; }
    mutable LocalsView variables;
};
IMPLEMENT_DYNCREATE(LadderViewDoc, CPOUEditorDoc)

// An LD POU opened through the template of POU documents in a plain MDI child frame.
class LadderViewTest : public WorkspaceClass1Test {
protected:
    void SetUp() override {
        workspace.showGlobalNames = 0;
        InstallLadderEditor();
        auto* pouTemplate = new CMultiDocTemplate(200, RUNTIME_CLASS(LadderViewDoc), RUNTIME_CLASS(CMDIChildWnd),
                                                  RUNTIME_CLASS(CPOUEditorView));
        pouTemplate->m_strDocStrings = "\nPOU\nPOU\n";
        app.AddDocTemplate(pouTemplate);
        frame = new CMDIFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1000, 700)));
        app.m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        project.WritePou("MAIN_MAIN", {"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0"}, {"VAR", "END_VAR"}, 2);
        std::string file = project.Folder() + "\\MAIN_MAIN.ilp";
        document = dynamic_cast<CPOUEditorDoc*>(app.OpenDocumentFile(file.c_str()));
        ASSERT_NE(nullptr, document);
        ASSERT_EQ(2, document->GetLanguage());
        view = document->GetEditorView();
        ASSERT_NE(nullptr, view);
        view->GetParentFrame()->ShowWindow(SW_SHOWMAXIMIZED);
        view->SetFocus();
        Paint();
    }
    void TearDown() override {
        ScriptedMessageBoxes boxes{IDNO};
        app.CloseAllDocuments(FALSE);
        frame->DestroyWindow();
        app.m_pMainWnd = nullptr;
        CPOUEditorDoc::SetLadderEngineFactory(nullptr);
    }

    CLadderEditor& editor() { return *dynamic_cast<CLadderEditor*>(view->m_pEngine); }
    CLadderModel& model() { return *static_cast<CLadderModel*>(document->GetModel()); }
    void Paint() {
        view->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        app.PumpUntilIdle();
    }
    void Key(UINT key) {
        view->SendMessage(WM_KEYDOWN, key, 1);
        app.PumpUntilIdle();
        Paint();
    }
    void Type(const std::string& text) {
        for (char ch : text) view->SendMessage(WM_CHAR, static_cast<unsigned char>(ch), 1);
        Paint();
    }
    void Click(int x, int y) {
        view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        view->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        Paint();
    }
    void Command(UINT id) {
        view->SendMessage(WM_COMMAND, id);
        app.PumpUntilIdle();
        Paint();
    }
    CString IL() { return model().ToIL(); }

    TestApplication app;
    LadderShell shell;
    CProjectFixture project{"ldflow"};
    CMDIFrameWnd* frame = nullptr;
    CPOUEditorDoc* document = nullptr;
    CPOUEditorView* view = nullptr;
};

// The ladder commands are the view's; the main window's commands whose ids lie between
// them (settings, module list, the tab menu, closing windows) pass on to the frame.
TEST_F(LadderViewTest, TakesOnlyTheLadderCommands) {
    struct Case {
        UINT id;
        bool ladder;
    } cases[] = {{ID_LD_NEW_NETWORK, true},   {ID_LD_DELETE_NETWORK, true},   {ID_LD_RIGHT_CONTACT, true},
                 {ID_LD_PARALLEL_BRANCH, true}, {ID_SETTINGS, false},          {ID_VIEW_MODULE_LIST, false},
                 {ID_CLOSE_WINDOW, false},      {ID_SWITCH_TAB_POSITION, false}, {ID_CLOSE_ALL_WINDOWS, false},
                 {ID_WINDOW_CLOSE_ACTIVE, false}, {ID_COMM_SETTINGS, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        CTestCmdUI state;
        state.m_nID = c.id;
        EXPECT_EQ(c.ladder, view->OnCmdMsg(c.id, CN_UPDATE_COMMAND_UI, &state, nullptr) != FALSE);
        AFX_CMDHANDLERINFO info = {nullptr, nullptr};
        EXPECT_EQ(c.ladder, view->OnCmdMsg(c.id, CN_COMMAND, nullptr, &info) != FALSE);
    }
}

TEST_F(LadderViewTest, NewUserBuildsARungSavesCompilesAndSwitches) {
    ASSERT_EQ(1, model().GetNetworkCount());
    Click(450, 100);  // the first network's coil
    Command(ID_LD_NEW_NETWORK);
    ASSERT_EQ(2, model().GetNetworkCount());
    // The new contact's operand, typed in place; Enter moves on to the coil.
    CCellRect contact = model().GetItem(3)->m_pSeries->GetCellRect();
    Click(contact.m_nColumn * 100 + 20, contact.m_nRow * 40 + 5);
    ASSERT_TRUE(editor().IsCellEditActive());
    Type("I0.1\r");
    EXPECT_FALSE(editor().IsCellEditActive());
    ModalScript script({[](CWnd* dialog) {
        auto* types = static_cast<CComboBox*>(dialog->GetDlgItem(IDC_CONTACT_COIL_TYPE));
        types->SelectString(-1, "-( )");
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CONTACT_COIL_TYPE, CBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(types->m_hWnd));
        dialog->SetDlgItemText(IDC_CONTACT_COIL_OPERAND, "Q0.1");
        PressButton(dialog, IDOK);
    }});
    model().SetCurrentElement(model().GetItem(3));
    Type("\r");  // Enter on the "-(NUL)" coil opens its dialog
    EXPECT_EQ(0u, script.PendingActions());
    EXPECT_NE(-1, IL().Find("LD    %I0.1\r\nST   %Q0.1")) << IL().GetString();
    ASSERT_TRUE(document->DoFileSave());
    EXPECT_NE(std::string::npos, project.ReadFolderFile("MAIN_MAIN.ilp").find("%Q0.1"));
    EXPECT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}})) << project.shell.CompileText();

    // A contact with an unknown operand: the compiler names its network.
    Click(contact.m_nColumn * 100 + 20, contact.m_nRow * 40 + 5);
    Type("\b\b\b\bNOWHERE\r");
    ASSERT_TRUE(document->DoFileSave());
    EXPECT_FALSE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}}));
    EXPECT_NE(std::string::npos, project.shell.CompileText().find("MAIN (NetWork: 1)")) << project.shell.CompileText();
    Click(contact.m_nColumn * 100 + 20, contact.m_nRow * 40 + 5);
    Type("\b\b\b\b\b\b\bI0.2\r");
    ASSERT_TRUE(document->DoFileSave());
    EXPECT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}})) << project.shell.CompileText();

    Command(ID_LANGUAGE_IL);
    EXPECT_EQ(1, document->GetLanguage());
    Command(ID_LANGUAGE_LD);
    EXPECT_EQ(2, document->GetLanguage());
    EXPECT_EQ(2, static_cast<CLadderModel*>(document->GetModel())->GetNetworkCount());
}

TEST_F(LadderViewTest, PicturesOfTheEditorOfflineAndOnline) {
    Click(450, 100);
    Command(ID_LD_NEW_NETWORK);
    Command(ID_LD_PARALLEL_CONTACT);
    Command(ID_LD_RIGHT_CONTACT);
    CRect client;
    view->GetClientRect(&client);
    TestImage offline(client.Width(), client.Height());
    editor().OnPaint(&offline.DC());
    offline.SaveBmp(TestOutputPath("ld-editor-offline.bmp"));
}

// Holds Shift down for the thread's key state while it lives.
class ShiftHeld {
public:
    ShiftHeld() { Set(0x80); }
    ~ShiftHeld() { Set(0); }

private:
    static void Set(BYTE state) {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = state;
        ::SetKeyboardState(keys);
    }
};

TEST_F(LadderViewTest, KeysMouseAndMenusThroughTheWindow) {
    Click(450, 100);
    for (int k = 0; k < 4; ++k) Command(ID_LD_NEW_NETWORK);
    ASSERT_EQ(5, model().GetNetworkCount());
    view->SendMessage(WM_VSCROLL, SB_TOP);
    // Arrows and Enter on an empty cell move the cursor.
    Click(1250, 20);
    Key(VK_LEFT);
    EXPECT_EQ(11, editor().CursorRect().left / 100);
    Type("\r");
    EXPECT_EQ(12, editor().CursorRect().left / 100);
    // Shift+Down from the second network's header selects it and the next ones.
    Click(150, 4 * 40 + 20);
    {
        ShiftHeld shift;
        Key(VK_DOWN);
        Key(VK_DOWN);
        Key(VK_DOWN);
    }
    ASSERT_TRUE(editor().HasNetworkSelection());
    EXPECT_EQ(1, editor().SelectionFirst());
    EXPECT_EQ(3, editor().SelectionLast());
    // The band is black across the view at the selected rows.
    CRect client;
    view->GetClientRect(&client);
    TestImage picture(client.Width(), client.Height());
    editor().OnPaint(&picture.DC());
    EXPECT_EQ(RGB(0, 0, 0), picture.Pixel(client.Width() - 5, 5 * 40 + 10));
    EXPECT_EQ(RGB(255, 255, 255), picture.Pixel(client.Width() - 5, 20));
    Key(VK_DELETE);
    EXPECT_EQ(2, model().GetNetworkCount());

    // Right clicks: the offline menu, the in-cell box's menu, none while the branch tool is armed.
    shell.menus.clear();
    view->SendMessage(WM_VSCROLL, SB_TOP);
    view->SendMessage(WM_HSCROLL, SB_LEFT);
    Paint();
    view->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(450, 100));
    CCellRect contact = model().GetItem(1)->m_pSeries->GetCellRect();
    Click(contact.m_nColumn * 100 + 20, contact.m_nRow * 40 + 5);
    ASSERT_TRUE(editor().IsCellEditActive());
    CPoint inBox = editor().CellEdit().m_rect.CenterPoint();
    view->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(inBox.x, inBox.y));
    Type("\x1b");
    Command(ID_LD_PARALLEL_BRANCH);
    ASSERT_TRUE(editor().IsBranchToolArmed());
    view->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(450, 100));
    EXPECT_FALSE(editor().IsBranchToolArmed());
    workspace.onlineMonitoring = 1;
    view->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(450, 100));
    workspace.onlineMonitoring = 0;
    EXPECT_EQ((std::vector<unsigned>{133, 276, 126}), shell.menus);
    // The system's cancel-mode message frees the mouse an armed tool confines.
    Command(ID_LD_PARALLEL_BRANCH);
    ASSERT_TRUE(editor().IsBranchToolArmed());
    view->SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(editor().IsBranchToolArmed());
    EXPECT_FALSE(editor().BranchTool().IsMouseConfined());
}

TEST_F(LadderViewTest, TreeDoubleClickInsertsIntoTheEditorButNotWhileOnline) {
    auto* tree = new CInsTreeView;
    ASSERT_TRUE(tree->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 500), frame, 77));
    tree->FillTree(TRUE);
    CTreeCtrl& items = tree->GetTreeCtrl();
    HTREEITEM move = nullptr;
    for (HTREEITEM group = items.GetRootItem(); group && !move; group = items.GetNextSiblingItem(group))
        for (HTREEITEM item = items.GetChildItem(group); item; item = items.GetNextSiblingItem(item))
            if (items.GetItemText(item) == "MOVE") move = item;
    ASSERT_NE(nullptr, move);
    items.Expand(items.GetParentItem(move), TVE_EXPAND);
    CRect rect;
    ASSERT_TRUE(items.GetItemRect(move, &rect, TRUE));
    auto doubleClick = [&] {
        Click(150, 100);  // the contact of the first network
        tree->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rect.left + 5, rect.CenterPoint().y));
        app.PumpUntilIdle();
    };
    workspace.onlineMonitoring = 1;
    CString before = IL();
    doubleClick();
    EXPECT_EQ(before, IL());
    workspace.onlineMonitoring = 0;
    doubleClick();
    EXPECT_NE(-1, IL().Find("MOVE")) << IL().GetString();
    tree->DestroyWindow();
}

TEST_F(LadderViewTest, PrintsATitlePageAndOneNetworkPage) {
    StandInPrinter printer;
    {
        ScriptedCommonDialogs dialogs{ChoosePrinter(printer.m_hDC)};
        Command(ID_FILE_PRINT);
    }
    EXPECT_EQ(2, printer.pages) << "a title page and one network page";
    EXPECT_GT(printer.InkedPixels(), 100);
    EXPECT_FALSE(editor().IsPrinting());
    EXPECT_EQ(CSize(100, 40), editor().CellSize());
    // The screen shows the networks again at full size.
    Paint();
    EXPECT_EQ(2, editor().Rows().GetSize());
}

TEST_F(LadderViewTest, APouWithoutNetworksPrintsNothing) {
    Click(450, 100);
    Command(ID_LD_DELETE_NETWORK);
    ASSERT_EQ(0, model().GetNetworkCount());
    StandInPrinter printer;
    {
        ScriptedCommonDialogs dialogs{ChoosePrinter(printer.m_hDC)};
        Command(ID_FILE_PRINT);
    }
    EXPECT_EQ(0, printer.pages);
    EXPECT_EQ(0, printer.InkedPixels());
}

}  // namespace
