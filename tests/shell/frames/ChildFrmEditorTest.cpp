#include "editors/ILEditEngine.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"
#include "editors/POUVarView.h"
#include "platform/CDocTemplate.h"
#include "platform/CMDIFrameWnd.h"
#include "shell/frames/CChildFrmEditor.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/WorkspaceFixture.h"

#include <gtest/gtest.h>

namespace {
// A POU variable table that counts what the document asks of it.
class CountingVarView : public CPOUVarView {
public:
    void BuildParamList() override { ++paramListBuilds; }
    BOOL WriteVarFile() override {
        ++varFileWrites;
        return TRUE;
    }
    int paramListBuilds = 0;
    int varFileWrites = 0;
};

class FrameTestDoc : public CPOUEditorDoc {
    DECLARE_DYNCREATE(FrameTestDoc)
public:
    CPOUVarView* GetVarView() const override { return &variables; }
    mutable CountingVarView variables;
};
IMPLEMENT_DYNCREATE(FrameTestDoc, CPOUEditorDoc)

int PaneHeight(CWnd* pane) {
    CRect rect;
    pane->GetWindowRect(&rect);
    return rect.Height();
}

// Two POUs opened through the template of POU documents, each in its editor frame.
class ChildFrmEditorTest : public WorkspaceClass1Test {
protected:
    void SetUp() override {
        auto* pouTemplate = new CMultiDocTemplate(200, RUNTIME_CLASS(FrameTestDoc), RUNTIME_CLASS(CChildFrmEditor),
                                                  RUNTIME_CLASS(CPOUEditorView));
        pouTemplate->m_strDocStrings = "\nPOU\nPOU\n";
        app.AddDocTemplate(pouTemplate);
        frame = new CMDIFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 900, 700)));
        app.m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        for (const char* name : {"MAIN_MAIN.ilp", "SBR00_Fill.ilp"})
            folder.WriteFile(name, "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\n");
        main = Open("MAIN_MAIN.ilp");
        subroutine = Open("SBR00_Fill.ilp");
    }
    void TearDown() override {
        workspace.onlineMonitoring = 0;
        ScriptedMessageBoxes boxes{IDNO, IDNO};
        app.CloseAllDocuments(FALSE);
        frame->DestroyWindow();
        app.m_pMainWnd = nullptr;
    }
    FrameTestDoc* Open(const char* name) {
        return dynamic_cast<FrameTestDoc*>(app.OpenDocumentFile((folder / name).c_str()));
    }
    static CChildFrmEditor* FrameOf(CPOUEditorDoc* document) {
        return dynamic_cast<CChildFrmEditor*>(document->GetEditorView()->GetParentFrame());
    }
    static int MonitorWidth(CPOUEditorDoc* document) {
        return dynamic_cast<CILEditEngine*>(document->GetEditorView()->m_pEngine)->GetMonitorWidth();
    }

    TestApplication app;
    TempFolder folder;
    CMDIFrameWnd* frame = nullptr;
    FrameTestDoc* main = nullptr;
    FrameTestDoc* subroutine = nullptr;
};

TEST_F(ChildFrmEditorTest, TheVariableTableStandsAboveTheEditorInAMaximisedFrame) {
    ASSERT_NE(nullptr, main);
    CChildFrmEditor* editor = FrameOf(main);
    ASSERT_NE(nullptr, editor);
    EXPECT_TRUE(FrameOf(subroutine)->IsZoomed()) << "the POU opened last, in front";
    CSplitterWnd& splitter = editor->GetSplitter();
    EXPECT_EQ(2, splitter.GetRowCount());
    EXPECT_EQ(1, splitter.GetColumnCount());
    EXPECT_NE(nullptr, dynamic_cast<CPOUVarView*>(splitter.GetPane(0, 0)));
    EXPECT_EQ(main->GetEditorView(), splitter.GetPane(1, 0));
    EXPECT_EQ(CChildFrmEditor::kVariableRowHeight, PaneHeight(splitter.GetPane(0, 0)));
    EXPECT_EQ(main->GetEditorView(), editor->GetActiveView());
}

TEST_F(ChildFrmEditorTest, LeavingAPouHandsOverItsParametersOrStopsItsLiveDisplay) {
    ASSERT_NE(nullptr, subroutine);
    // Offline: leaving MAIN for the subroutine builds MAIN's parameter list, unwritten.
    FrameOf(main)->MDIActivate();
    int builds = main->variables.paramListBuilds;
    FrameOf(subroutine)->MDIActivate();
    EXPECT_GT(main->variables.paramListBuilds, builds);
    EXPECT_EQ(0, main->variables.varFileWrites);
    EXPECT_EQ(subroutine->GetEditorView(), CWnd::GetFocus());
    // Monitoring: coming back starts the live display, leaving stops it.
    workspace.onlineMonitoring = 1;
    FrameOf(main)->MDIActivate();
    EXPECT_EQ(300, MonitorWidth(main));
    EXPECT_EQ(main->GetEditorView(), CWnd::GetFocus());
    builds = main->variables.paramListBuilds;
    FrameOf(subroutine)->MDIActivate();
    EXPECT_EQ(0, MonitorWidth(main));
    EXPECT_EQ(builds, main->variables.paramListBuilds) << "no parameter list while monitoring";
    EXPECT_EQ(300, MonitorWidth(subroutine));
}
}  // namespace
