#include "comm/ReplyTimeouts.h"
#include "platform/CRecentFileList.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeDOC.h"
#include "project/SharedConstants.h"
#include "res/resource.h"
#include "shell/app/CAppMainFrame.h"
#include "shell/app/CMainApp.h"
#include "shell/app/CSplashWnd.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const char* const TestKey = "TessaronTests";
const char* const ClassesKey = "Software\\TessaronTests\\RealFrameClasses";

// The program as it starts: the application with the real main frame under the null
// driver, against a test profile and a classes root of its own.
class AppWithMainFrame : public ::testing::Test {
protected:
    AppWithMainFrame() {
        app.m_settingsKey = TestKey;
        DeleteProfile();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ClassesKey);
        ::RegCreateKeyA(HKEY_CURRENT_USER, ClassesKey, &classes);
        app.m_fileTypeRoot = classes;
        previousFactory = SetMainFrameFactory([this]() -> MainFrameShell* {
            frame = new CAppMainFrame;
            return frame;
        });
    }
    ~AppWithMainFrame() override {
        CSplashWnd::HideSplashScreen();
        if (app.m_pMainWnd)
            app.m_pMainWnd->DestroyWindow();
        app.ExitInstance();
        SetMainFrameFactory(previousFactory);
        CSplashWnd::EnableSplashScreen(FALSE);
        Pump();
        ::RegCloseKey(classes);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ClassesKey);
        DeleteProfile();
        g_ReplyTimeout = replyTimeout;
        g_LinkTestTimeout = linkTestTimeout;
    }
    void DeleteProfile() {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, CString("Software\\") + TestKey + "\\" + app.m_strProfileName);
    }
    // Handles what is queued as the message loop would, then the idle pass.
    void Pump() {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT || app.PreTranslateMessage(&msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        for (LONG count = 0; app.OnIdle(count); ++count) {
        }
    }
    void Command(UINT id) {
        frame->SendMessage(WM_COMMAND, id);
        Pump();
    }
    // A project file of an empty project, written beside the test's other files.
    CString WriteProjectFile(const char* name) {
        CProjTreeDOC maker;
        const CString path = (temp / name).c_str();
        EXPECT_TRUE(maker.SaveProjectAs(path));
        theWorkspace->project.ResetProject();
        return path;
    }

    CMainApp app;
    HKEY classes = nullptr;
    CAppMainFrame* frame = nullptr;
    MainFrameFactory previousFactory;
    uint32_t replyTimeout = g_ReplyTimeout, linkTestTimeout = g_LinkTestTimeout;
    TempFolder temp;
    ScriptedMessageBoxes boxes;
};

TEST_F(AppWithMainFrame, StartsMaximisedAndOpensTheCommandLineProject) {
    ASSERT_TRUE(app.InitInstance());
    Pump();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(app.m_pMainWnd, frame);
    EXPECT_TRUE(::IsZoomed(frame->m_hWnd));
    EXPECT_NE(frame->GetProjectFileCommands(), nullptr);  // the project pane has shown its tree

    const CString path = WriteProjectFile("pump.qpr");
    app.OpenCommandLineProject("\"C:\\Tessaron\\Tessaron.exe\" \"" + path + "\"");
    EXPECT_EQ(theWorkspace->projectOpen, 1);
    EXPECT_EQ(theWorkspace->project.filePath, path);
    EXPECT_EQ((*app.m_pRecentFileList)[0], path);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(AppWithMainFrame, FrameCommandsReachTheApplication) {
    ASSERT_TRUE(app.InitInstance());
    Pump();
    const CString path = WriteProjectFile("line.qpr");
    frame->OpenProjectFile(path);
    ASSERT_EQ(theWorkspace->projectOpen, 1);

    // Ctrl+S's command saves through the application and clears the modified flag.
    app.SetProjectModified(TRUE);
    Command(ID_PROJECT_SAVE);
    EXPECT_FALSE(frame->GetProjectDocument()->IsModified());
    EXPECT_TRUE(TempFolder::Exists(temp / "line\\line.qgv"));

    // The style commands set the style through the application.
    Command(ID_STYLE_2);
    EXPECT_EQ(theWorkspace->interfaceStyle, 1);
    EXPECT_EQ(app.DockingTheme(), 5);
    Command(ID_STYLE_1);
    EXPECT_EQ(theWorkspace->interfaceStyle, 0);
    EXPECT_EQ(app.DockingTheme(), 3);

    // A recent entry of another project closes this one and opens that one.
    const CString other = WriteProjectFile("other.qpr");
    frame->OpenProjectFile(path);  // the other file's writing closed nothing: reopen ours
    app.AddToRecentFileList(other);
    app.AddToRecentFileList(path);
    Command(ID_FILE_MRU_FILE2);
    EXPECT_EQ(theWorkspace->projectOpen, 1);
    EXPECT_EQ(theWorkspace->project.filePath, other);
    EXPECT_TRUE(boxes.Calls().empty());
}

}  // namespace
