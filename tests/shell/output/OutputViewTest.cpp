#include "editors/ILEditEngine.h"
#include "editors/ILModel.h"
#include "editors/POUEditorDoc.h"
#include "platform/CCPGridView.h"
#include "platform/CMDIFrameWnd.h"
#include "project/CProjTreeNode.h"
#include "res/resource.h"
#include "shell/frames/CChFrmInitData.h"
#include "shell/output/COutputView.h"
#include "shell/output/OutputJump.h"
#include "shell/output/OutputViewShell.h"
#include "tests/shell/TableViewFixture.h"
#include "tests/support/TempFolder.h"
#include "ui/commandbars/UIUISettings.h"

#include <fstream>
#include <string>
#include <vector>

namespace {

// The main frame's side of the output window, recorded.
class RecordingOutputShell : public OutputViewShell {
public:
    RecordingOutputShell() : m_previous(SetOutputViewShell(this)) {}
    ~RecordingOutputShell() override { SetOutputViewShell(m_previous); }

    void HideOutputPane() override { calls.push_back("hide"); }
    CMDIChildWnd* OpenInitDataWindow() override {
        calls.push_back("init data");
        if (initData == nullptr)
            initData = CChFrmInitData::Open();
        return initData;
    }
    CDocument* OpenDocumentFile(const CString& path) override {
        calls.push_back("open " + std::string(path));
        return openedDocument;
    }
    void TrackContextMenu(UINT menuId, CPoint screenPoint, CWnd* owner) override {
        menus.push_back(menuId);
        menuPoint = screenPoint;
        menuOwner = owner;
    }

    std::vector<std::string> calls;
    std::vector<UINT> menus;
    CPoint menuPoint;
    CWnd* menuOwner = nullptr;
    CMDIChildWnd* initData = nullptr;
    CDocument* openedDocument = nullptr;

private:
    OutputViewShell* m_previous;
};

std::vector<std::string> Lines(COutputListBox& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString line;
        list.GetText(i, line);
        lines.push_back(std::string(line));
    }
    return lines;
}

// An output view in the pane's place, made by its runtime class as the pane makes it,
// over a project with MAIN (IL), subroutine PUMP (LD), interrupt routine TICK (IL) and
// subroutine NOPROG whose language is neither.
class OutputView : public TableViewFixture {
protected:
    OutputView() {
        CQLXProject& project = workspace.project;
        project.folder = m_folder.Path().c_str();
        project.hasMain = 1;
        project.mainPou.kind = PouMain;
        project.mainPou.name = "MAIN";
        project.mainPou.language = 1;
        AddPou(project.sbrByName, PouSubroutine, 2, 3, "PUMP");
        AddPou(project.intByName, PouInterrupt, 1, 0, "TICK");
        AddPou(project.sbrByName, PouSubroutine, 0, 4, "NOPROG");
        m_view = static_cast<COutputView*>(RUNTIME_CLASS(COutputView)->CreateObject());
        EXPECT_TRUE(m_view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 200), &parent, 32692));
    }
    ~OutputView() override {
        if (m_mdiFrame != nullptr) {
            m_mdiFrame->DestroyWindow();
            app.m_pMainWnd = nullptr;
        }
    }
    static void AddPou(CMapStringToOb& map, int kind, int language, int number, const char* name) {
        auto* node = new CProjTreeNode(kind, language, number);
        node->name = name;
        map.SetAt(name, node);
    }
    // The initial-data window opens in this frame.
    void MakeMdiFrame() {
        m_mdiFrame = new CMDIFrameWnd;
        ASSERT_TRUE(m_mdiFrame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 900, 700)));
        app.m_pMainWnd = m_mdiFrame;
        m_mdiFrame->ShowWindow(SW_SHOW);
    }
    // A line double-clicked in a list, as the list box reports it to its parent.
    void DoubleClick(int tab, const char* line) {
        COutputListBox& list = m_view->List(tab);
        m_view->AddLine(tab, line, nullptr);
        m_view->TabStrip().SendMessage(WM_COMMAND, MAKEWPARAM(list.GetDlgCtrlID(), LBN_DBLCLK),
                                       reinterpret_cast<LPARAM>(list.m_hWnd));
    }
    std::string PathOf(const char* file) const { return m_folder.Path() + "\\" + file; }

    TempFolder m_folder;
    RecordingOutputShell m_shell;
    COutputView* m_view = nullptr;
    CMDIFrameWnd* m_mdiFrame = nullptr;
};

TEST_F(OutputView, MakesItsTabStripAndTwoListsWhenCreated) {
    // The border is drawn as the views' sunken client edge.
    EXPECT_TRUE(m_view->GetStyle() & WS_CLIPCHILDREN);
    EXPECT_TRUE(m_view->GetExStyle() & WS_EX_CLIENTEDGE);
    CUIFlatTabCtrl& strip = m_view->TabStrip();
    ASSERT_NE(strip.m_hWnd, nullptr);
    EXPECT_EQ(strip.GetDlgCtrlID(), 32868);
    EXPECT_EQ(strip.GetStyle() & 0x3, 0x3u);
    EXPECT_TRUE(strip.GetExStyle() & WS_EX_STATICEDGE);
    ASSERT_EQ(strip.GetItemCount(), 2);
    CRect client, stripRect;
    m_view->GetClientRect(&client);
    strip.GetWindowRect(&stripRect);
    EXPECT_EQ(stripRect.Size(), client.Size());

    const char* captions[] = {"通用信息", "编译信息"};
    for (int tab = 0; tab < 2; ++tab) {
        SCOPED_TRACE(tab);
        COutputListBox& list = m_view->List(tab);
        EXPECT_EQ(list.GetDlgCtrlID(), 25000 + tab);
        EXPECT_EQ(list.GetParent(), &strip);
        EXPECT_EQ(list.GetTabIndex(), tab);
        EXPECT_EQ(strip.GetTabWindow(tab), &list);
        const DWORD style = LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;  // scroll bars come when lines do
        EXPECT_EQ(list.GetStyle() & style, style);
        EXPECT_FALSE(list.GetStyle() & LBS_SORT);
        EXPECT_EQ(std::string(strip.GetItemTooltip(tab)), captions[tab]);  // a tab's tip is its caption
        EXPECT_EQ(list.GetCount(), 0);
    }
    EXPECT_EQ(strip.GetCurSel(), 0);
    EXPECT_TRUE(m_view->List(0).IsWindowVisible());
    EXPECT_FALSE(m_view->List(1).IsWindowVisible());
}

TEST_F(OutputView, LinesGoToTabsZeroAndOneOnly) {
    CFont* font = &GetUISettings()->regularFont;
    struct Case {
        int tab;
        bool taken;
    } cases[] = {{1, true}, {0, true}, {2, false}, {-1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        EXPECT_EQ(m_view->AddLine(c.tab, "$$$ 正在编译  ：MAIN... ", font), c.taken ? TRUE : FALSE);
        if (c.taken) {
            COutputListBox& list = m_view->List(c.tab);
            EXPECT_EQ(m_view->TabStrip().GetCurSel(), c.tab);
            EXPECT_EQ(list.GetCurSel(), list.GetCount() - 1);
            EXPECT_EQ(list.GetFont()->m_hObject, font->m_hObject);
        }
    }
    // Refused indexes change nothing: the last taken tab stays current.
    EXPECT_EQ(m_view->TabStrip().GetCurSel(), 0);
    EXPECT_EQ(m_view->List(0).GetCount(), 1);
    EXPECT_EQ(m_view->List(1).GetCount(), 1);
    m_view->AddLine(0, "10:00:00   提示： 程序下载成功。", font);
    EXPECT_EQ(Lines(m_view->List(0)),
              (std::vector<std::string>{"$$$ 正在编译  ：MAIN... ", "10:00:00   提示： 程序下载成功。"}));
    EXPECT_EQ(m_view->List(0).GetCurSel(), 1);
}

// Lines are in the list at once; the list shows them, its scroll bar and the last line
// in view when the message loop runs again.
TEST_F(OutputView, ManyLinesEndWithTheLastInViewOnceTheLoopRuns) {
    COutputListBox& list = m_view->List(1);
    for (int count : {300, 301}) {
        SCOPED_TRACE(count);
        while (list.GetCount() < count)
            m_view->AddLine(1, "        程序: MAIN (第 1 行):[Error 001]LD:操作数错误.", nullptr);
        EXPECT_EQ(list.GetCurSel(), count - 1);
        app.PumpUntilIdle();
        SCROLLINFO bar = {};
        bar.cbSize = sizeof(bar);
        bar.fMask = SIF_ALL;
        ASSERT_TRUE(::GetScrollInfo(list.m_hWnd, SB_VERT, &bar));
        EXPECT_EQ(bar.nMax + 1, count);
        EXPECT_EQ(bar.nPos, list.GetTopIndex());
        EXPECT_EQ(list.GetTopIndex() + static_cast<int>(bar.nPage), count) << "the last line at the bottom";
    }
}

TEST_F(OutputView, ClearEmptiesOnlyTheSelectedTabsList) {
    for (int tab = 0; tab < 2; ++tab) {
        m_view->AddLine(tab, "a", nullptr);
        m_view->AddLine(tab, "b", nullptr);
    }
    m_view->SelectTab(0);
    m_view->SendMessage(WM_COMMAND, ID_OUTPUT_CLEAR);
    EXPECT_EQ(m_view->List(0).GetCount(), 0);
    EXPECT_EQ(m_view->List(1).GetCount(), 2);
    m_view->SelectTab(1);
    m_view->SendMessage(WM_COMMAND, ID_OUTPUT_CLEAR);
    EXPECT_EQ(m_view->List(1).GetCount(), 0);
}

TEST_F(OutputView, HideAsksTheFrameToSlideThePaneAway) {
    m_view->SendMessage(WM_COMMAND, ID_OUTPUT_HIDE);
    EXPECT_EQ(m_shell.calls, std::vector<std::string>{"hide"});
}

TEST_F(OutputView, ARightClickOnEitherListOpensTheOutputMenuForTheView) {
    for (int tab = 0; tab < 2; ++tab) {
        SCOPED_TRACE(tab);
        m_view->SelectTab(tab);
        COutputListBox& list = m_view->List(tab);
        m_shell.menus.clear();
        list.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 7));
        EXPECT_EQ(m_shell.menus, std::vector<UINT>{IDR_MENU_OUTPUT});
        EXPECT_EQ(m_shell.menuOwner, m_view);
        CPoint expected(20, 7);
        list.ClientToScreen(&expected);
        EXPECT_EQ(m_shell.menuPoint, expected);
    }
}

TEST_F(OutputView, SwitchingTabsByMouseKeepsEachListsIndex) {
    CUIFlatTabCtrl& strip = m_view->TabStrip();
    CRect tab;
    ASSERT_TRUE(strip.GetItemRect(1, &tab));
    strip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.CenterPoint().x, tab.CenterPoint().y));
    strip.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(tab.CenterPoint().x, tab.CenterPoint().y));
    EXPECT_EQ(strip.GetCurSel(), 1);
    EXPECT_TRUE(m_view->List(1).IsWindowVisible());
    EXPECT_EQ(m_view->List(1).GetTabIndex(), 1);
    EXPECT_EQ(m_view->List(0).GetTabIndex(), 0);
}

TEST_F(OutputView, InitialDataLinesAreReadBackToTheirCell) {
    struct Case {
        const char* line;
        BOOL found;
        int row;
        int column;
    } cases[] = {
        {"初始化数据表  第  3行第  2列：  初始值非法。", TRUE, 3, 2},
        {"初始化数据表  第 12行第  1列：  地址非法。", TRUE, 12, 1},
        {"初始化数据表  第100行第 10列：  地址非法。", TRUE, 100, 10},
        {"初始化数据表", FALSE, 0, 0},
        {"程序: MAIN (第 3 行):[Error 012]LD:操作数非法.", FALSE, 0, 0},
        {"", FALSE, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        int row = 0, column = 0;
        EXPECT_EQ(ParseInitDataLine(c.line, row, column), c.found);
        if (c.found) {
            EXPECT_EQ(row, c.row);
            EXPECT_EQ(column, c.column);
        }
    }
}

TEST_F(OutputView, ADoubleClickedInitialDataLineOpensTheWindowWithThatCellActive) {
    MakeMdiFrame();
    DoubleClick(1, "        初始化数据表  第  3行第  2列：  初始值非法。");
    EXPECT_EQ(m_shell.calls, std::vector<std::string>{"init data"});
    auto* frame = dynamic_cast<CChFrmInitData*>(m_shell.initData);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetGridView()->GetFocusCol(), 2);
    EXPECT_EQ(frame->GetGridView()->GetFocusRow(), 3);
}

// Which compile lines open a program, and at what number.
TEST_F(OutputView, ADoubleClickedCompileMessageOpensItsProgram) {
    struct Case {
        const char* line;
        const char* opened;  // null: nothing happens
    } cases[] = {
        {"        程序: PUMP (NetWork: 4):[Error 012]LD:操作数非法.", "SBR03_PUMP.ilp"},
        {"        程序: TICK (第 7 行):[Warning 003]ST:未使用.", "INT00_TICK.ilp"},
        {"        程序: MAIN (第 12 行):[Error 001]LD:指令非法.", "MAIN_MAIN.ilp"},
        {"        程序: NOPROG (第 2 行):[Error 001]LD:指令非法.", nullptr},
        {"        程序: GONE (第 2 行):[Error 001]LD:指令非法.", nullptr},
        {"$$$ 正在编译  ：MAIN... ", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        m_shell.calls.clear();
        DoubleClick(1, c.line);
        EXPECT_EQ(m_shell.calls, c.opened ? std::vector<std::string>{"open " + PathOf(c.opened)}
                                          : std::vector<std::string>{});
    }
}

TEST_F(OutputView, TheOpenedProgramShowsTheNamedLine) {
    {
        std::ofstream file(PathOf("INT00_TICK.ilp"));
        file << "(*1*)\r\n";
        for (int i = 1; i <= 20; ++i)
            file << "LD %I0." << (i % 8) << "\r\n";
    }
    CPOUEditorDoc document;
    document.CreateModel(1);
    ASSERT_TRUE(document.OnOpenDocument(PathOf("INT00_TICK.ilp").c_str()));
    m_shell.openedDocument = &document;
    DoubleClick(1, "        程序: TICK (第 7 行):[Error 012]LD:操作数非法.");
    auto* model = dynamic_cast<CILModel*>(document.GetModel());
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(model->GetEngine()->GetHighlight().active);
    EXPECT_EQ(model->GetEngine()->GetHighlight().line, 6);
}

TEST_F(OutputView, TheGeneralListNeverJumps) {
    MakeMdiFrame();
    DoubleClick(0, "        程序: PUMP (NetWork: 4):[Error 012]LD:操作数非法.");
    DoubleClick(0, "        初始化数据表  第  3行第  2列：  初始值非法。");
    EXPECT_TRUE(m_shell.calls.empty());
}

TEST_F(OutputView, IsDrawnWithItsTabsAlongTheBottom) {
    CFont* font = &GetUISettings()->regularFont;
    m_view->AddLine(1, "$$$ 正在编译  ：MAIN... ", font);
    m_view->AddLine(1, "        程序: PUMP (NetWork: 4):[Error 012]LD:操作数非法.", font);
    m_view->AddLine(1, "        初始化数据表  第  3行第  2列：  初始值非法。", font);
    m_view->AddLine(0, "10:00:00   提示： 程序下载成功。", font);
    m_view->SelectTab(1);
    TestImage image(600, 200);
    RenderWindow(m_view, image);
    image.SaveBmp(TestOutputPath("shell-output-view.bmp"));
    // The last line is selected: a highlight bar in the list; the tab row at the bottom
    // is drawn in the face colour, the list above it white.
    CRect item;
    m_view->List(1).GetItemRect(2, &item);
    const int selectedRow = item.CenterPoint().y + 1;
    EXPECT_GT(image.CountPixels(CRect(2, selectedRow, 300, selectedRow + 1), ::GetSysColor(COLOR_HIGHLIGHT)), 100);
    EXPECT_GT(image.CountPixels(CRect(2, 150, 500, 151), ::GetSysColor(COLOR_WINDOW)), 400);
    const int stripY = 200 - 2 - ::GetSystemMetrics(SM_CYHSCROLL) / 2;
    EXPECT_GT(image.CountPixels(CRect(300, stripY, 590, stripY + 1), ::GetSysColor(COLOR_BTNFACE)), 200);
}

}  // namespace
