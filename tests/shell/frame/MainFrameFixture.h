#pragma once
#include "shell/frame/CMainFrame.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"
#include "tests/support/WorkspaceFixture.h"
#include "ui/docking/UIDockingPaneItem.h"

// The program's main frame under the null driver with its real bars and panes, as the
// application's main window, over a workspace and a test profile.
class MainFrameFixture : public WorkspaceClass1Test {
protected:
    MainFrameFixture() : app("MainFrameTests") {
        app.DeleteProfile();
        frame = new CMainFrame;  // deletes itself with its window
        created = frame->LoadFrame(122, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE);
        if (created) {
            window = frame->GetSafeHwnd();
            app.m_pMainWnd = frame;
            frame->ShowWindow(SW_SHOWMAXIMIZED);
            frame->UpdateWindow();
            app.PumpUntilIdle();
        }
    }
    ~MainFrameFixture() override {
        if (window && ::IsWindow(window))
            ::DestroyWindow(window);
        app.m_pMainWnd = nullptr;
        app.DeleteProfile();
    }

    CUIDockingPaneItem* Pane(UINT id) { return frame->GetPane(id); }
    BOOL IsOpen(UINT id) { return Pane(id) && !Pane(id)->IsClosed(); }
    void Command(UINT id) {
        frame->SendMessage(WM_COMMAND, id);
        app.PumpUntilIdle();
    }

    TestApplication app;
    ScriptedMessageBoxes boxes;
    CMainFrame* frame = nullptr;
    HWND window = nullptr;
    BOOL created = FALSE;
};
