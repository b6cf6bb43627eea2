#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <vector>

#include "platform/CMDIFrameWnd.h"
#include "platform/CStatusBar.h"
#include "tests/support/TestApplication.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneItem.h"

// One DockingPaneNotify the frame received; for actions, the record's fields.
struct DockingNote {
    WPARAM code;
    int action;
    UINT paneId;
    CUIDockingPaneBase* target;
    int direction;
};

// A borderless MDI frame (its client area is its whole rectangle) with a docking pane
// manager around its MDI client, optionally under a status bar, recording every DockingPaneNotify. It attaches a plain window to a pane the
// first time the pane is shown, answers the close question with closeAnswer and
// refuses the queries listed in refused (all panes, or only refusedPane when set).
// It deletes itself when its window is destroyed.
class DockingTestFrame : public CMDIFrameWnd {
public:
    // The status bar, when asked for, is made before the panes, as the program does.
    static DockingTestFrame* Make(int width = 1000, int height = 700, BOOL statusBar = FALSE);

    // The five panes of the program's main window, as it makes them.
    void MakeStartUpPanes();
    CUIDockingPaneItem* Pane(UINT id) { return manager.FindPaneById(id); }
    // The notes of one code (all when 0), and the actions among them.
    std::vector<DockingNote> Notes(WPARAM code = 0) const;
    std::vector<int> Actions() const;

    CUIDockingPaneHostWnd manager;
    CStatusBar statusBar;
    std::vector<DockingNote> notes;
    LRESULT closeAnswer = 0;
    std::set<int> refused;
    UINT refusedPane = 0;
    BOOL attachViews = TRUE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A test on a frame with the program's start-up panes, laid out; the frame is
// destroyed after the test.
class DockingFrameTest : public testing::Test {
protected:
    void SetUp() override { MakeFrame(); }
    void TearDown() override;
    // A new frame in place of the current one: with the start-up panes laid out unless
    // bare, under a status bar when asked for.
    void MakeFrame(BOOL startUpPanes = TRUE, BOOL statusBar = FALSE);

    TestApplication app;
    DockingTestFrame* frame = nullptr;
};

// The ids of the program's panes.
enum TestPaneId : UINT {
    ProjectPane = 32690,
    OutputPane = 32692,
    LdPane = 32554,
    IlPane = 32555,
    ModulePane = 32845,
};

// The tabbed container holding a pane.
class CUIDockingPaneTabbedContainer;
CUIDockingPaneTabbedContainer* HolderOf(CUIDockingPaneItem* pane);
// The rectangle of a window in its parent's client coordinates.
CRect RectInParent(HWND window);
// Failure messages show rectangles as (left, top, right, bottom).
void PrintTo(const CRect& rect, std::ostream* out);
