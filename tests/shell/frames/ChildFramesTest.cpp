#include "comm/CStatusTblView.h"
#include "platform/CMDIFrameWnd.h"
#include "project/CQLXInitData.h"
#include "shell/frames/CChFrmCrossRef.h"
#include "shell/frames/CChFrmInitData.h"
#include "shell/frames/CChildFrameHW.h"
#include "shell/frames/CChildFrameVar.h"
#include "shell/frames/ChildWindowSlots.h"
#include "shell/frames/StandInView.h"
#include "shell/tables/CGlobalFBIView.h"
#include "shell/tables/CGlobalVarView.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"
#include "tests/support/WorkspaceFixture.h"
#include "ui/docking/tabs/UIFlatTabCtrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
// The main frame's side: its once-only windows kept in slots, everything recorded.
class RecordingFrameHost : public IChildFrameHost {
public:
    RecordingFrameHost() { SetChildFrameHost(this); }
    ~RecordingFrameHost() override { SetChildFrameHost(nullptr); }
    void ChildWindowOpened(ChildWindow window, CMDIChildWnd* frame) override {
        slots.Opened(window, frame);
        calls.push_back("opened " + std::to_string(static_cast<int>(window)));
    }
    void ChildWindowClosed(ChildWindow window) override {
        slots.Closed(window);
        calls.push_back("closed " + std::to_string(static_cast<int>(window)));
    }
    void ShowHardwarePanes(BOOL hardwareActive) override {
        calls.push_back(hardwareActive ? "module list" : "instruction sets");
    }

    CChildWindowSlots slots;
    std::vector<std::string> calls;
};

std::string ClassNameOf(CWnd* wnd) {
    char name[64] = {};
    ::GetClassNameA(wnd->GetSafeHwnd(), name, sizeof(name));
    return name;
}

std::string TextOf(CWnd* wnd) {
    char text[64] = {};
    ::GetWindowTextA(wnd->GetSafeHwnd(), text, sizeof(text));
    return text;
}

int PaneHeight(CWnd* pane) {
    CRect rect;
    pane->GetWindowRect(&rect);
    return rect.Height();
}

class ChildFramesTest : public WorkspaceClass1Test {
protected:
    void SetUp() override {
        frame = new CMDIFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 900, 700)));
        app.m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        ScriptedMessageBoxes boxes{IDNO, IDNO};
        app.CloseAllDocuments(FALSE);
        frame->DestroyWindow();
        app.m_pMainWnd = nullptr;
    }
    CMDIChildWnd* ActiveChild() { return frame->MDIGetActive(); }
    int Children() {
        int count = 0;
        for (HWND child = ::GetWindow(frame->m_hWndMDIClient, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            ++count;
        return count;
    }

    TestApplication app;
    RecordingFrameHost host;
    CMDIFrameWnd* frame = nullptr;
};

TEST_F(ChildFramesTest, EachCommandWindowHasItsClassAndTitleAndOpensOnce) {
    struct Case {
        ChildWindow window;
        const char* className;
        const char* title;
    };
    const Case cases[] = {
        {ChildWindow::Hardware, "MFC_HW_FRAME", "硬件配置"},
        {ChildWindow::StatusTable, "MFC_STATUS_FRAME", "变量状态表"},
        {ChildWindow::InitData, "MFC_INITDATA_FRAME", "初始化数据表"},
        {ChildWindow::CrossReference, "QLX_CROSSREF_FRMAME", "交叉索引表"},
        {ChildWindow::GlobalVariables, "QLX_SYMBO_FRMAME", "VAR_GLOBAL"},
    };
    for (const Case& c : cases) {
        const std::string name = c.className;
        CMDIChildWnd* child = host.slots.Open(c.window);
        ASSERT_NE(nullptr, child) << name;
        EXPECT_EQ(name, ClassNameOf(child));
        EXPECT_EQ(std::string(c.title), TextOf(child)) << name;
        EXPECT_TRUE(child->IsZoomed()) << name;
        EXPECT_EQ(child, ActiveChild()) << name;
        WNDCLASSA wc;
        ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), c.className, &wc));
        EXPECT_EQ(static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW),
                  wc.style)
            << name;
        EXPECT_EQ(nullptr, wc.hCursor) << name;
        EXPECT_TRUE(host.slots.IsOpen(c.window)) << name;
    }
    EXPECT_EQ(5, Children());
    // Opened again: the same frames, brought back to the front maximised.
    for (const Case& c : cases) {
        CMDIChildWnd* child = host.slots.GetFrame(c.window);
        child->ShowWindow(SW_RESTORE);
        EXPECT_EQ(child, host.slots.Open(c.window)) << c.className;
        EXPECT_EQ(child, ActiveChild()) << c.className;
        EXPECT_TRUE(child->IsZoomed()) << c.className;
    }
    EXPECT_EQ(5, Children());
    // Closed: the main frame forgets each window, and the next command opens a new one.
    for (const Case& c : cases) {
        host.slots.GetFrame(c.window)->SendMessage(WM_CLOSE);
        app.PumpUntilIdle();
        EXPECT_FALSE(host.slots.IsOpen(c.window)) << c.className;
        EXPECT_EQ(nullptr, host.slots.GetFrame(c.window)) << c.className;
    }
    EXPECT_EQ(0, Children());
    EXPECT_EQ("closed 4", host.calls.back());
    EXPECT_NE(nullptr, host.slots.Open(ChildWindow::StatusTable));
    EXPECT_EQ(1, Children());
}

TEST_F(ChildFramesTest, GridWindowsShowTheProjectsRowsAndAtLeastSix) {
    for (int i = 0; i < 40; ++i) {
        CQLXInitData* row = new CQLXInitData;
        row->texts.Add("%VW100");
        row->values.Add(0);
        workspace.project.initDataRows.Add(row);
    }
    auto* initData = dynamic_cast<CChFrmInitData*>(host.slots.Open(ChildWindow::InitData));
    ASSERT_NE(nullptr, initData);
    EXPECT_EQ(40, initData->GetRowCount());
    EXPECT_EQ(40, initData->GetGridView()->GetGridRowCount());
    EXPECT_EQ(32875, initData->GetGridView()->GetDlgCtrlID());
    auto* status = dynamic_cast<CChildFrmStatus*>(host.slots.Open(ChildWindow::StatusTable));
    ASSERT_NE(nullptr, status);
    EXPECT_NE(nullptr, dynamic_cast<CStatusTblView*>(status->GetGridView()));
    EXPECT_EQ(6, status->GetRowCount());
    EXPECT_EQ(6, status->GetGridView()->GetGridRowCount());
    EXPECT_EQ(status->GetGridView(), CWnd::GetFocus()) << "the status grid takes the focus";
    // The grid covers the frame's client area.
    CRect client, grid;
    status->GetClientRect(&client);
    status->GetGridView()->GetClientRect(&grid);
    EXPECT_EQ(client.Size(), grid.Size());

    workspace.project.initDataRows.RemoveAll();  // (the rows stay owned by the list below)
}

TEST_F(ChildFramesTest, TheInstanceListCountsAgainWhenTheVariablesWindowComesBack) {
    auto* variables = dynamic_cast<CChildFrameVar*>(host.slots.Open(ChildWindow::GlobalVariables));
    ASSERT_NE(nullptr, variables);
    CUIFlatTabCtrl* tabs = variables->GetTabStrip();
    ASSERT_EQ(2, tabs->GetItemCount());
    EXPECT_EQ(0, tabs->GetCurSel());
    EXPECT_EQ(6, variables->GetGlobalVarView()->GetGridRowCount());
    EXPECT_EQ(1, variables->GetInstanceView()->GetGridRowCount());
    for (const char* name : {"T1", "T2", "T3"})
        ASSERT_TRUE(workspace.project.AddFBInstance(name, "TON", "MAIN"));
    host.slots.Open(ChildWindow::InitData);
    EXPECT_EQ(1, variables->GetInstanceView()->GetGridRowCount());
    host.slots.Open(ChildWindow::GlobalVariables);
    EXPECT_EQ(3, variables->GetInstanceView()->GetGridRowCount());
    EXPECT_EQ(variables->GetGlobalVarView(), CWnd::GetFocus());
    workspace.project.DeleteFBInstancesOf("MAIN");
}

TEST_F(ChildFramesTest, TheHardwareWindowSwapsThePanesAndClosesOnlyAfterTheCheck) {
    static bool passes = false;
    static int checks = 0;
    CChildFrameHW::SetPanes({RUNTIME_CLASS(CStandInView), RUNTIME_CLASS(CStandInView), [](CSplitterWnd& splitter) {
                                 ++checks;
                                 EXPECT_EQ(2, splitter.GetRowCount());
                                 return passes ? TRUE : FALSE;
                             }});
    auto* hardware = dynamic_cast<CChildFrameHW*>(host.slots.Open(ChildWindow::Hardware));
    ASSERT_NE(nullptr, hardware);
    EXPECT_NE(host.calls.end(), std::find(host.calls.begin(), host.calls.end(), "module list"));
    EXPECT_EQ(CChildFrameHW::kGridRowHeight, PaneHeight(hardware->GetSplitter().GetPane(0, 0)));
    EXPECT_EQ(hardware->GetSplitter().GetPane(0, 0), CWnd::GetFocus());
    host.slots.Open(ChildWindow::StatusTable);
    EXPECT_EQ("instruction sets", host.calls[host.calls.size() - 2]) << "left for the status table";
    host.slots.Open(ChildWindow::Hardware);
    EXPECT_EQ("module list", host.calls.back());

    hardware->SendMessage(WM_CLOSE);
    EXPECT_EQ(1, checks);
    EXPECT_TRUE(host.slots.IsOpen(ChildWindow::Hardware)) << "a failed check keeps the window";
    passes = true;
    hardware->SendMessage(WM_CLOSE);
    app.PumpUntilIdle();
    EXPECT_EQ(2, checks);
    EXPECT_FALSE(host.slots.IsOpen(ChildWindow::Hardware));
    CChildFrameHW::SetPanes({RUNTIME_CLASS(CStandInView), RUNTIME_CLASS(CStandInView), nullptr});
}

TEST_F(ChildFramesTest, TheCrossReferenceWindowHoldsItsListOnOneTab) {
    static std::vector<UINT> made;
    CChFrmCrossRef::SetListFactory([](CWnd* parent, UINT id) -> CWnd* {
        made.push_back(id);
        CStandInView* view = new CStandInView;
        return view->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), parent, id, nullptr) ? view : nullptr;
    });
    auto* crossRef = dynamic_cast<CChFrmCrossRef*>(host.slots.Open(ChildWindow::CrossReference));
    ASSERT_NE(nullptr, crossRef);
    EXPECT_EQ(std::vector<UINT>{32891}, made);
    CUIFlatTabCtrl* tabs = crossRef->GetTabStrip();
    ASSERT_EQ(1, tabs->GetItemCount());
    EXPECT_EQ(crossRef->GetList(), tabs->GetTabWindow(0));
    EXPECT_TRUE(crossRef->GetStyle() & WS_CLIPCHILDREN);
    CRect client, strip;
    crossRef->GetClientRect(&client);
    tabs->GetWindowRect(&strip);
    EXPECT_EQ(client.Size(), strip.Size()) << "the strip fills the frame";
    crossRef->SendMessage(WM_CLOSE);
    app.PumpUntilIdle();
    EXPECT_FALSE(host.slots.IsOpen(ChildWindow::CrossReference));
    CChFrmCrossRef::SetListFactory(nullptr);
}
}  // namespace
