#pragma once
#include "platform/CCPGridView.h"
#include "platform/CCmdUI.h"
#include "tests/shell/RecordingTableShell.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "tests/support/WorkspaceFixture.h"

#include <string>

// Whether the view's update handler enables a command.
inline BOOL IsCommandEnabled(CCmdTarget* view, UINT id) {
    CTestCmdUI probe;
    probe.m_nID = id;
    view->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &probe, nullptr);
    return probe.m_bEnabled;
}

// A parent window for table views under the null driver, with the workspace, a
// recording shell and scripted message boxes; helpers press keys and click cells.
class TableViewFixture : public WorkspaceClass1Test {
protected:
    TableViewFixture() {
        EXPECT_TRUE(parent.CreateEx(0, nullptr, "tables", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600),
                                    nullptr, 0));
    }
    ~TableViewFixture() override { parent.DestroyWindow(); }

    template <class View, class... Args>
    View* Make(const CRect& rect, Args&&... args) {
        auto* view = new View(std::forward<Args>(args)...);  // deletes itself with its window
        EXPECT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, &parent, 1));
        return view;
    }
    static void Type(CCPGridView* view, const char* text) {
        for (const char* ch = text; *ch; ++ch)
            view->SendMessage(WM_CHAR, static_cast<BYTE>(*ch));
    }
    // Types into the focus cell and presses Enter in its editor.
    static void Enter(CCPGridView* view, const char* text) {
        Type(view, text);
        if (view->IsEditing())
            view->GetCellCtrl(view->GetEditCol())->SendMessage(WM_KEYDOWN, VK_RETURN);
        else
            view->SendMessage(WM_KEYDOWN, VK_RETURN);
    }
    static std::string Focus(CCPGridView* view) {
        return std::to_string(view->GetFocusCol()) + "," + std::to_string(view->GetFocusRow());
    }
    static void SaveImage(CWnd* view, const char* file) {
        CRect client;
        view->GetClientRect(&client);
        TestImage image(client.Width(), client.Height());
        view->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().m_hDC), PRF_CLIENT);
        image.SaveBmp(TestOutputPath(file));
    }

    TestApplication app;
    CWnd parent;
    RecordingTableShell shell;
    ScriptedMessageBoxes boxes;
};

