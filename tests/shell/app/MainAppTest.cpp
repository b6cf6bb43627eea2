#include "comm/ReplyTimeouts.h"
#include "platform/CDocTemplate.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/CRecentFileList.h"
#include "platform/FrameworkIds.h"
#include "platform/CVRTRegEdit.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeDOC.h"
#include "project/ProjectConverter.h"
#include "project/SharedConstants.h"
#include "res/resource.h"
#include "shell/app/CMainApp.h"
#include "shell/app/CSplashWnd.h"
#include "shell/app/MainFrameShell.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const TestKey = "TessaronTests";
const char* const ClassesKey = "Software\\TessaronTests\\AppClasses";

// The main window as the application sees it: it records what it is asked and answers
// as scripted. Project opens succeed unless the path is listed as failing.
class RecordingMainFrame : public CMDIFrameWnd, public MainFrameShell {
public:
    CFrameWnd* Frame() override { return this; }
    CProjTreeDOC* ProjectDocument() override { return &document; }
    BOOL CloseProject() override {
        calls.push_back("close");
        if (!closeAccepted)
            return FALSE;
        theWorkspace->projectOpen = 0;
        return TRUE;
    }
    void OpenProjectFile(const CString& path) override {
        calls.push_back("open " + std::string(path));
        const bool opens = path != failingPath;
        theWorkspace->projectOpen = opens ? 1 : 0;
        theWorkspace->project.filePath = opens ? path : CString();
    }
    BOOL CheckOpenHardwareConfig() override {
        calls.push_back("hardware check");
        return hardwarePasses;
    }
    void ApplyVisualTheme(int dockingTheme) override { dockingThemes.push_back(dockingTheme); }

    CProjTreeDOC document;
    std::vector<std::string> calls;
    std::vector<int> dockingThemes;
    BOOL closeAccepted = TRUE;
    BOOL hardwarePasses = TRUE;
    CString failingPath;
};

// A document of a kind registered for ".ilp" that writes one line.
class LineDocument : public CDocument {
    DECLARE_DYNCREATE(LineDocument)

public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar.Write("saved", 5);
    }
};

IMPLEMENT_DYNCREATE(LineDocument, CDocument)

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void DeleteTestProfile(CWinApp& app) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, CString("Software\\") + TestKey + "\\" + app.m_strProfileName);
}

// The application with a recording main window (not created) and a workspace of its
// own, against the test profile key.
class MainApp : public ::testing::Test {
protected:
    MainApp() {
        app.SetRegistryKey(TestKey);
        DeleteTestProfile(app);
        app.LoadStdProfileSettings(4);
        app.m_pMainWnd = &frame;
    }
    ~MainApp() override {
        app.m_pMainWnd = nullptr;
        DeleteTestProfile(app);
    }
    CRecentFileList& Recent() { return *app.m_pRecentFileList; }
    // Runs a command through the application's command routing.
    BOOL Command(UINT id) { return app.OnCmdMsg(id, 0, nullptr, nullptr); }
    // A project of the temp folder: "<folder>\pump.qpr" with its folder "<folder>\pump".
    void UseProjectIn(const TempFolder& temp) {
        CQLXProject& project = workspace.project;
        project.name = "pump";
        project.filePath = (temp / "pump.qpr").c_str();
        project.folder = (temp / "pump").c_str();
        temp.MakeFolder("pump");
        workspace.projectOpen = 1;
    }

    CMainApp app;
    CPlcWorkspace workspace;
    RecordingMainFrame frame;
};

TEST_F(MainApp, OnlyProjectFilesGoOnTheRecentList) {
    for (const char* path : {"D:\\plant\\pump.QPR", "D:\\plant\\MAIN_main.ilp", "D:\\plant\\x.qpr.bak", "D:\\a.Qpr"})
        app.AddToRecentFileList(path);
    EXPECT_EQ(Recent()[0], "D:\\a.Qpr");
    EXPECT_EQ(Recent()[1], "D:\\plant\\pump.QPR");
    EXPECT_TRUE(Recent()[2].IsEmpty());
}

TEST_F(MainApp, RecentProjectOpensAfterTheOpenOneIsClosed) {
    app.AddToRecentFileList("D:\\plant\\pump.qpr");
    app.AddToRecentFileList("E:\\old\\line.qpr");
    workspace.projectOpen = 1;
    workspace.project.filePath = "E:\\old\\line.qpr";

    ScriptedMessageBoxes boxes;
    EXPECT_TRUE(Command(ID_FILE_MRU_FILE2));
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"close", "open D:\\plant\\pump.qpr"}));
    EXPECT_EQ(app.GetProfileString(SectionConfiguration, ValuePrevProj), "D:\\plant\\");
    EXPECT_EQ(workspace.projectOpen, 1);
    EXPECT_EQ(Recent()[1], "D:\\plant\\pump.qpr");  // an entry that opens stays
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(MainApp, RecentProjectThatIsOpenOrBlockedDoesNothing) {
    app.AddToRecentFileList("D:\\plant\\pump.qpr");
    app.AddToRecentFileList("E:\\old\\line.qpr");
    workspace.projectOpen = 1;
    workspace.project.filePath = "E:\\old\\line.qpr";

    // The open project's own path.
    EXPECT_TRUE(Command(ID_FILE_MRU_FILE1));
    EXPECT_TRUE(frame.calls.empty());

    // Online monitoring: the notice, without an owner.
    workspace.onlineMonitoring = 1;
    {
        ScriptedMessageBoxes boxes;
        EXPECT_TRUE(Command(ID_FILE_MRU_FILE2));
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, "在打开另外的工程之前请先取消在线监测！");
        EXPECT_EQ(boxes.Calls()[0].caption, "提示");
        EXPECT_EQ(boxes.Calls()[0].type, UINT(MB_OK | MB_ICONINFORMATION));
        EXPECT_EQ(boxes.Calls()[0].owner, nullptr);
    }
    EXPECT_TRUE(frame.calls.empty());
    workspace.onlineMonitoring = 0;

    // The user cancels closing the open project: nothing opens, "PrevProj" stays.
    frame.closeAccepted = FALSE;
    EXPECT_TRUE(Command(ID_FILE_MRU_FILE2));
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"close"}));
    EXPECT_EQ(app.GetProfileString(SectionConfiguration, ValuePrevProj, "none"), "none");
    EXPECT_EQ(workspace.project.filePath, "E:\\old\\line.qpr");

    // An empty entry is not this handler's.
    EXPECT_FALSE(Command(ID_FILE_MRU_FILE3));
}

TEST_F(MainApp, RecentProjectThatFailsToOpenLeavesTheList) {
    for (const char* path : {"C:\\a.qpr", "D:\\gone\\b.qpr", "E:\\c.qpr"})
        app.AddToRecentFileList(path);
    frame.failingPath = "D:\\gone\\b.qpr";
    EXPECT_TRUE(Command(ID_FILE_MRU_FILE2));
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"close", "open D:\\gone\\b.qpr"}));
    EXPECT_EQ(workspace.projectOpen, 0);
    EXPECT_EQ(Recent()[0], "E:\\c.qpr");
    EXPECT_EQ(Recent()[1], "C:\\a.qpr");
    EXPECT_TRUE(Recent()[2].IsEmpty());
}

TEST_F(MainApp, SaveProjectSavesDocumentsIntoTheProjectFolderThenTheProject) {
    TempFolder temp;
    UseProjectIn(temp);
    auto* pouTemplate = new CMultiDocTemplate(IDR_POU_TYPE, RUNTIME_CLASS(LineDocument), nullptr, nullptr);
    app.AddDocTemplate(pouTemplate);
    temp.MakeFolder("elsewhere");
    temp.WriteFile("pump\\MAIN_main.ilp", "old");  // the copy a save-as made
    CDocument* pou = pouTemplate->CreateNewDocument();
    pou->SetPathName((temp / "elsewhere\\MAIN_main.ilp").c_str(), FALSE);

    ASSERT_TRUE(app.SaveProject());
    EXPECT_EQ(pou->GetPathName(), CString((temp / "pump\\MAIN_main.ilp").c_str()));
    EXPECT_EQ(ReadWholeFile(temp / "pump\\MAIN_main.ilp"), "saved");
    EXPECT_TRUE(TempFolder::Exists(temp / "pump\\pump.qgv"));
    EXPECT_TRUE(TempFolder::Exists(temp / "pump.qpr"));
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"hardware check"}));
    EXPECT_TRUE(Recent()[0].IsEmpty());  // moving a document is no recent-file event
}

TEST_F(MainApp, ARefusedHardwareCheckWritesNeitherVariablesNorProject) {
    TempFolder temp;
    UseProjectIn(temp);
    frame.hardwarePasses = FALSE;
    EXPECT_FALSE(app.SaveProject());
    EXPECT_FALSE(TempFolder::Exists(temp / "pump\\pump.qgv"));
    EXPECT_FALSE(TempFolder::Exists(temp / "pump.qpr"));
}

TEST_F(MainApp, SaveCommandClearsTheModifiedFlagOnlyWhenTheProjectWasSaved) {
    TempFolder temp;
    UseProjectIn(temp);
    app.SetProjectModified(TRUE);
    EXPECT_TRUE(frame.document.IsModified());

    frame.hardwarePasses = FALSE;
    EXPECT_TRUE(Command(ID_PROJECT_SAVE));
    EXPECT_TRUE(frame.document.IsModified());  // closing will still ask: nothing is lost

    frame.hardwarePasses = TRUE;
    EXPECT_TRUE(Command(ID_PROJECT_SAVE));
    EXPECT_FALSE(frame.document.IsModified());
    EXPECT_TRUE(TempFolder::Exists(temp / "pump.qpr"));

    app.SetProjectModified(TRUE);
    app.m_pMainWnd = nullptr;  // without a main window there is no project document
    app.SetProjectModified(FALSE);
    EXPECT_TRUE(frame.document.IsModified());
}

TEST_F(MainApp, CreateDocumentFileMakesTheKindOfTheExtensionAndSavesIt) {
    TempFolder temp;
    app.AddDocTemplate(new CMultiDocTemplate(IDR_POU_TYPE, RUNTIME_CLASS(LineDocument), nullptr, nullptr));
    const std::string path = temp / "SBR00_fill.ILP";
    ASSERT_TRUE(app.CreateDocumentFile(path.c_str(), FALSE));
    EXPECT_TRUE(TempFolder::Exists(path));
    EXPECT_TRUE(Recent()[0].IsEmpty());
    // No extension after the first character: nothing is made.
    EXPECT_FALSE(app.CreateDocumentFile(".ilp", FALSE));
    EXPECT_FALSE(app.CreateDocumentFile((temp / "noextension").c_str(), FALSE));
    EXPECT_FALSE(TempFolder::Exists(temp / "noextension"));
}

TEST_F(MainApp, VisualStyleReachesTheWorkspaceAndTheMainWindow) {
    struct Case { int style, commandBars, docking; };
    const Case cases[] = {{0, 3, 3}, {1, 0, 5}, {2, 2, 5}, {3, 1, 3}, {9, 3, 3}};
    for (const Case& c : cases) {
        app.SetVisualStyle(c.style);
        EXPECT_EQ(workspace.interfaceStyle, c.style);
        EXPECT_EQ(app.CommandBarTheme(), c.commandBars);
        EXPECT_EQ(app.DockingTheme(), c.docking);
        EXPECT_EQ(frame.dockingThemes.back(), c.docking);
    }
}

// ---- Start-up and shut-down ------------------------------------------------------------

class MainAppStart : public ::testing::Test {
protected:
    MainAppStart() {
        app.m_settingsKey = TestKey;
        DeleteTestProfile(app);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ClassesKey);
        ::RegCreateKeyA(HKEY_CURRENT_USER, ClassesKey, &classes);
        app.m_fileTypeRoot = classes;
        previousFactory = SetMainFrameFactory([this]() -> MainFrameShell* {
            frame = new RecordingMainFrame;
            return frame;
        });
    }
    ~MainAppStart() override {
        if (app.m_pMainWnd)
            app.m_pMainWnd->DestroyWindow();
        SetMainFrameFactory(previousFactory);
        CSplashWnd::EnableSplashScreen(FALSE);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        ::RegCloseKey(classes);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, ClassesKey);
        DeleteTestProfile(app);
        g_ReplyTimeout = replyTimeout;
        g_LinkTestTimeout = linkTestTimeout;
    }

    CMainApp app;
    HKEY classes = nullptr;
    RecordingMainFrame* frame = nullptr;
    MainFrameFactory previousFactory;
    uint32_t replyTimeout = g_ReplyTimeout, linkTestTimeout = g_LinkTestTimeout;
};

TEST_F(MainAppStart, StartUpBuildsTheProgramAndShutDownKeepsTheSettings) {
    // The stored style and a recent project from an earlier run.
    app.SetRegistryKey(TestKey);
    app.WriteProfileString(SectionConfiguration, ValueInterface, " 2");
    app.WriteProfileString("Recent File List", "File1", "D:\\plant\\pump.qpr");
    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(app.InitInstance());

    ASSERT_NE(theWorkspace, nullptr);
    EXPECT_EQ(theWorkspace->projectOpen, 0);
    EXPECT_FALSE(theWorkspace->instrByName.IsEmpty());
    EXPECT_EQ(app.m_strRegistryKey, TestKey);
    EXPECT_EQ(app.m_strProfileName, "QLX_R2");
    EXPECT_EQ(app.m_pRecentFileList->GetSize(), 4);
    EXPECT_EQ((*app.m_pRecentFileList)[0], "D:\\plant\\pump.qpr");

    std::vector<UINT> templates;
    for (POSITION position = app.GetFirstDocTemplatePosition(); position;)
        templates.push_back(app.GetNextDocTemplate(position)->GetResourceID());
    EXPECT_EQ(templates, (std::vector<UINT>{IDR_PROJECT_TYPE, IDR_POU_TYPE}));

    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(app.m_pMainWnd, frame);
    EXPECT_TRUE(::IsWindowVisible(frame->m_hWnd));
    EXPECT_TRUE(::IsZoomed(frame->m_hWnd));
    EXPECT_EQ(theWorkspace->interfaceStyle, 2);
    EXPECT_EQ(frame->dockingThemes, (std::vector<int>{5}));
    EXPECT_EQ(g_ReplyTimeout, 8000u);
    EXPECT_EQ(g_LinkTestTimeout, 600u);

    EXPECT_EQ(app.ProgramFolder(), InstallationFolder());
    EXPECT_TRUE(TempFolder::Exists(std::string(InstallationFolder()) + "\\project"));
    const DWORD work = ::GetFileAttributesA(WorkTempFolder);
    ASSERT_NE(work, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(work & FILE_ATTRIBUTE_HIDDEN);

    // The association was absent: written without asking, for this program.
    EXPECT_TRUE(boxes.Calls().empty());
    CVRTRegEdit registry(classes);
    CString command;
    ASSERT_TRUE(registry.VerifyKey("Tessaron.Project\\shell\\open\\command"));
    ASSERT_TRUE(registry.Read(command));
    char program[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    EXPECT_EQ(command, "\"" + CString(program) + "\" \"%1\"");
    // The test program's command line names no project.
    EXPECT_TRUE(frame->calls.empty());

    // Changed settings reach the registry at the end, with the recent list.
    theWorkspace->defaultCpu = 6;
    theWorkspace->defaultPouLanguage = 1;
    app.AddToRecentFileList("E:\\line.qpr");
    frame->DestroyWindow();
    EXPECT_EQ(app.ExitInstance(), 1);
    EXPECT_EQ(theWorkspace, nullptr);
    EXPECT_EQ(app.GetProfileString(SectionConfiguration, ValueInterface), " 2");
    EXPECT_EQ(app.GetProfileString(SectionConfiguration, ValueDefaultCpu), "6");
    EXPECT_EQ(app.GetProfileString(SectionConfiguration, ValueDefaultPouLang), "1");
    EXPECT_EQ(app.GetProfileString("Recent File List", "File1"), "E:\\line.qpr");
    EXPECT_EQ(app.GetProfileString("Recent File List", "File2"), "D:\\plant\\pump.qpr");
}

TEST_F(MainAppStart, TheCommandLineProjectOpensAfterTheMainWindowIsShown) {
    ASSERT_TRUE(app.InitInstance());
    app.OpenCommandLineProject("\"C:\\Tessaron\\Tessaron.exe\" \"D:\\plant\\pump.qpr\"");
    app.OpenCommandLineProject("\"C:\\Tessaron\\Tessaron.exe\"");
    EXPECT_EQ(frame->calls, (std::vector<std::string>{"open D:\\plant\\pump.qpr"}));
    frame->DestroyWindow();
    app.ExitInstance();
}

TEST_F(MainAppStart, WithoutAMainWindowTheProgramEndsAtOnce) {
    SetMainFrameFactory(nullptr);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    app.ExitInstance();
}

}  // namespace
