// Times the project commands of the program, in milliseconds, on a full-size project
// made through the program itself: the application and its main window under the null
// driver, a new project of a CPU245, 16 subroutines and 16 interrupt routines holding
// the compiler benchmark's program, 2,000 global variables, 200 initial-data rows and
// 200 status rows. Each figure is the median of several runs:
//   "open:"            opening the project file (tree and instruction trees filled)
//   "save:"            saving the project with every POU open in its editor
//   "save as:"         saving it under a new name (its folder copied, then saved)
//   "compiler:"        the compile alone: the compiler's file list and the compile, each
//                      after a save (as in the command, which saves every file first)
//   "compile command:" the F7 command: save, file list, compile, target image
// The program is far larger than any CPU's instruction capacity; the compiler is told
// the capacity is ample, as in the compiler benchmark, so that the image is built.
#include "compiler/CompileDriver.h"
#include "compiler/CompileShell.h"
#include "comm/StatusTable.h"
#include "editors/POUEditorDoc.h"
#include "platform/CCommonDialog.h"
#include "platform/CDocTemplate.h"
#include "platform/CFileDialog.h"
#include "platform/MessageBox.h"
#include "platform/StringCopies.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeDOC.h"
#include "project/FileUtils.h"
#include "res/resource.h"
#include "shell/app/CAppMainFrame.h"
#include "shell/app/CMainApp.h"
#include "shell/app/CSplashWnd.h"
#include "shell/compile/CompileCommand.h"
#include "shell/project/CProjTreeView.h"
#include "shell/project/ProjectFileCommands.h"
#include "shell/tables/GlobalVarTable.h"
#include "shell/tables/InitDataTable.h"
#include "tools/BenchProgram.h"
#include "tools/BenchTiming.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const BenchKey = "TessaronBench";
const char* const ClassesKey = "Software\\TessaronBench\\Classes";
const int Cpu245Row = 10;
const int GlobalCount = 2000;
const int TableRows = 200;
const int Runs = 5;

int unexpectedBoxes = 0;

// Handles what is queued as the message loop would, then the idle pass.
void Pump(CWinApp& app) {
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

// The compile shell of the main window with room for the whole program.
class AmpleCapacityShell : public ICompileShell {
public:
    explicit AmpleCapacityShell(ICompileShell* frame) : m_frame(frame) {}
    void AddOutputLine(int tab, const CString& text) override {
        if (firstError.IsEmpty() && text.Left(3) != "$$$" && !Trimmed(text).IsEmpty())
            firstError = text;
        last = text;
        m_frame->AddOutputLine(tab, text);
    }
    int CheckInitDataTable() override { return m_frame->CheckInitDataTable(); }
    int GetProgramMemorySize() override { return 100000; }
    CString firstError;
    CString last;

private:
    ICompileShell* m_frame;
};

// Preparing the compile files asks nothing of the main window.
class NoCompileHost : public ICompileCommandHost {
public:
    void FlushActiveEditor() override {}
    void ShowOutputPane() override {}
    BOOL SaveProject() override { return TRUE; }
    void StartCompileList() override {}
    void SelectLastCompileLine() override {}
    void RefreshCrossReference() override {}
    void SetWaitCursor(BOOL) override {}
};

// Answers the new-project file dialog with the path, as the user would choose it.
void ChooseProjectFile(const CString& path) {
    AfxSetCommonDialogHandler([path](CCommonDialog& dialog) -> INT_PTR {
        auto* fileDialog = dynamic_cast<CFileDialog*>(&dialog);
        if (fileDialog == nullptr)
            return IDCANCEL;
        OPENFILENAMEA& ofn = fileDialog->m_ofn;
        lstrcpynA(ofn.lpstrFile, path, static_cast<int>(ofn.nMaxFile));
        ofn.nFileOffset = static_cast<WORD>(path.ReverseFind('\\') + 1);
        ofn.nFileExtension = static_cast<WORD>(path.ReverseFind('.') + 1);
        return IDOK;
    });
}

void FillGlobals(CQLXProject& project) {
    CCPGridCore grid;
    for (int col = 0; col < 4; ++col)
        grid.AddCol(90, "", 0, 0);
    CGlobalVarTable table(project, grid);
    table.SetRowCount(GlobalCount);
    for (int i = 0; i < GlobalCount; ++i) {
        CString name, address;
        name.Format("G%04d", i);
        address.Format("%%V%d.%d", 3500 + i / 8, i % 8);
        table.Commit(CGlobalVarTable::ColName, i, name);
        table.Commit(CGlobalVarTable::ColAddress, i, address);
        table.Commit(CGlobalVarTable::ColType, i, "BOOL");
        table.Commit(CGlobalVarTable::ColComment, i, "bench");
    }
}

// One byte value per row keeps the image's checksummed sections within 64 KiB.
void FillInitData(CQLXProject& project) {
    CCPGridCore grid;
    for (int col = 0; col < 5; ++col)
        grid.AddCol(90, "", 0, 0);
    CInitDataTable table(project, grid);
    table.SetRowCount(TableRows);
    for (int i = 0; i < TableRows; ++i) {
        CString address, value;
        address.Format("%%VB%d", 3800 + i);
        value.Format("B#16#%02X", i % 100);
        table.Commit(0, i, address);
        table.Commit(1, i, value);
    }
}

void FillStatusRows(CQLXProject& project) {
    CCPGridCore grid;
    for (int col = 0; col < CStatusTable::ColumnCount; ++col)
        grid.AddCol(90, "", 0, 0);
    CStatusTable table(project, grid);
    table.SetRowCount(TableRows);
    for (int i = 0; i < TableRows; ++i) {
        CString address;
        address.Format("%%VW%d", 2 * i);
        table.Commit(CStatusTable::ColAddress, i, address);
    }
}

struct Bench {
    CMainApp app;
    CAppMainFrame* frame = nullptr;
    HKEY classes = nullptr;

    void Command(UINT id) {
        frame->SendMessage(WM_COMMAND, id);
        Pump(app);
    }
    CQLXProject& Project() { return theWorkspace->project; }
    ProjectFileCommands& FileCommands() { return *frame->GetProjectFileCommands(); }

    bool Start() {
        app.m_settingsKey = BenchKey;
        ::RegCreateKeyA(HKEY_CURRENT_USER, ClassesKey, &classes);
        app.m_fileTypeRoot = classes;
        SetMainFrameFactory([this]() -> MainFrameShell* {
            frame = new CAppMainFrame;
            return frame;
        });
        if (!app.InitInstance() || frame == nullptr)
            return false;
        CSplashWnd::HideSplashScreen();
        Pump(app);
        return frame->GetProjectFileCommands() != nullptr;
    }

    void End() {
        if (app.m_pMainWnd)
            app.m_pMainWnd->DestroyWindow();
        app.ExitInstance();
        ::RegCloseKey(classes);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, CString("Software\\") + BenchKey);
    }

    // The project as a user makes it: the new-project command, the POU commands, the
    // program typed into the files, the tables filled; then saved and closed.
    bool MakeProject(const CString& path) {
        theWorkspace->defaultCpu = Cpu245Row;
        theWorkspace->defaultPouLanguage = 1;
        ChooseProjectFile(path);
        Command(ID_PROJECT_NEW);
        AfxSetCommonDialogHandler(nullptr);
        if (!theWorkspace->projectOpen)
            return false;
        for (int i = 0; i < 16; ++i) {
            Command(ID_NEW_SUBROUTINE);
            Command(ID_NEW_INTERRUPT);
        }
        FillGlobals(Project());
        FillInitData(Project());
        FillStatusRows(Project());
        Command(ID_PROJECT_SAVE);
        // The new POUs' editors would save their empty texts over the program.
        const std::string folder = Project().folder.GetString();
        if (!FileCommands().CloseProject())
            return false;
        WriteBenchProgram(folder, {"MAIN", "SBR_", "INT_", false});
        return true;
    }

    void OpenEveryPou() {
        CProjTreeView* tree = frame->GetProjectTree();
        CQLXProject& project = Project();
        std::vector<CProjTreeNode*> nodes = {&project.mainPou};
        for (CMapStringToOb* map : {&project.sbrByName, &project.intByName}) {
            for (POSITION at = map->GetStartPosition(); at != nullptr;) {
                CString name;
                CObject* node = nullptr;
                map->GetNextAssoc(at, name, node);
                nodes.push_back(static_cast<CProjTreeNode*>(node));
            }
        }
        for (CProjTreeNode* node : nodes)
            tree->OpenTreeItem(tree->FindPouItem(node));
        Pump(app);
    }

    int OpenDocumentCount() {
        int count = 0;
        for (POSITION templates = app.GetFirstDocTemplatePosition(); templates;) {
            CDocTemplate* docTemplate = app.GetNextDocTemplate(templates);
            for (POSITION documents = docTemplate->GetFirstDocPosition(); documents;)
                count += dynamic_cast<CPOUEditorDoc*>(docTemplate->GetNextDoc(documents)) != nullptr;
        }
        return count;
    }

    // The compile alone, as the compile command runs it after its save.
    bool CompileAlone() {
        CStringArray files;
        NoCompileHost host;
        CCompileCommand(*theWorkspace, host).PrepareCompileFiles(files);
        std::vector<CString> list;
        for (int i = 0; i < files.GetSize(); ++i)
            list.push_back(files[i]);
        CCompileDriver driver(list.data(), static_cast<int>(list.size()));
        return driver.Compile(false);
    }
};

}  // namespace

int main() {
    AfxSetMessageBoxHandler([](HWND, LPCSTR text, LPCSTR, UINT) {
        std::printf("unexpected message box: %s\n", text);
        ++unexpectedBoxes;
        return IDCANCEL;
    });
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const CString root = CString(temp) + "tx_projectbench";
    CleanFolder(root);
    ::CreateDirectoryA(root, nullptr);
    const CString path = root + "\\Bench.qpr";

    Bench bench;
    if (!bench.Start() || !bench.MakeProject(path)) {
        std::printf("the project could not be made\n");
        bench.End();
        return 1;
    }

    const double open = MedianOfRuns(Runs, [&](int) {
        bench.FileCommands().CloseProject();
        Stopwatch watch;
        bench.frame->OpenProjectFile(path);
        return watch.Milliseconds();
    });

    bench.OpenEveryPou();
    const double save = MedianMilliseconds(Runs, [&] { bench.Command(ID_PROJECT_SAVE); });

    // Each run goes to a new name, so that no folder holds files already.
    const double saveAs = MedianMilliseconds(Runs, [&](int run) {
        CString newPath;
        newPath.Format("%s\\Bench%d.qpr", root.GetString(), run + 1);
        bench.FileCommands().SaveProjectAs(newPath);
    });

    // The compile command leaves the compiler's shell installed: the capacity is the
    // bench's from here on.
    ICompileShell* frameShell = GetCompileShell();
    AmpleCapacityShell shell(frameShell);
    SetCompileShell(&shell);
    bool compiled = true;
    const double compiler = MedianOfRuns(Runs, [&](int) {
        bench.Command(ID_PROJECT_SAVE);
        Stopwatch watch;
        compiled = bench.CompileAlone() && compiled;
        return watch.Milliseconds();
    });
    const double command = MedianMilliseconds(Runs, [&] {
        bench.Command(ID_COMPILE);
        compiled = bench.Project().targetReady && compiled;
    });
    const bool imageBuilt = bench.Project().imageBuilt != 0;
    SetCompileShell(frameShell);

    WIN32_FILE_ATTRIBUTE_DATA program = {};
    ::GetFileAttributesExA(bench.Project().folder + "\\" + bench.Project().name + ".epl", GetFileExInfoStandard,
                           &program);
    std::printf("POUs open: %d\n", bench.OpenDocumentCount());
    std::printf("program bytes: %lu\n", static_cast<unsigned long>(program.nFileSizeLow));
    std::printf("compiled: %s, image built: %s\n", compiled ? "yes" : "no", imageBuilt ? "yes" : "no");
    std::printf("last line: %s\n", shell.last.GetString());
    if (!shell.firstError.IsEmpty())
        std::printf("first error: %s\n", shell.firstError.GetString());
    std::printf("open: %.1f ms\n", open);
    std::printf("save: %.1f ms\n", save);
    std::printf("save as: %.1f ms\n", saveAs);
    std::printf("compiler: %.1f ms\n", compiler);
    std::printf("compile command: %.1f ms\n", command);
    bench.End();
    CleanFolder(root);
    ::RemoveDirectoryA(root);
    return unexpectedBoxes == 0 && compiled && imageBuilt ? 0 : 1;
}
