#include "shell/project/ProjectFileCommands.h"

#include "comm/ReplyTimeouts.h"
#include "compiler/AddressUsageMap.h"
#include "hardware/ModuleCatalog.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/MessageBox.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeDOC.h"
#include "project/CQLX_R2_PLC.h"
#include "project/FileUtils.h"
#include "project/SharedConstants.h"
#include "platform/StringCopies.h"
#include "res/resource.h"
#include "shell/archive/CopyFolder.h"
#include "shell/project/CProjTreeView.h"
#include "shell/project/ProjectFileDialogs.h"
#include "shell/project/ProjectShell.h"

#include <vector>

namespace {

const int CpuRowCount = 12;
const int LocalBitEntries = 32;
const int LocalByteEntries = 12;

int ForceCellsOf(int cpuClass) { return cpuClass == 2 ? 9290 : 5970; }

HWND MainWindow() {
    CWnd* main = GetProjectShell().GetMainWindow();
    return main != nullptr ? main->GetSafeHwnd() : nullptr;
}

// The project file's folder: its path without the extension (up to the last ".").
CString FolderOfProjectFile(const CString& path) {
    int dot = path.ReverseFind('.');
    return dot > static_cast<int>(GetFolderPart(path).GetLength()) ? path.Left(dot) : path;
}

CString NameOfProjectFile(const CString& path) {
    CString name = Trimmed(GetFileNamePart(path));
    int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

// Whether folder is inner or lies below it, in any letter case.
bool IsSameOrInside(const CString& folder, const CString& outer) {
    if (folder.CompareNoCase(outer) == 0)
        return true;
    return folder.GetLength() > outer.GetLength() && folder.Left(outer.GetLength()).CompareNoCase(outer) == 0 &&
           folder[outer.GetLength()] == '\\';
}

bool HoldsFiles(const CString& folder) {
    std::vector<FolderEntry> entries;
    if (!ListFolder(folder, entries))
        return false;
    for (const FolderEntry& entry : entries) {
        if (!entry.IsFolder())
            return true;
    }
    return false;
}

// Deletes the folder's files whose name matches the pattern; sub-folders stay.
void DeleteFilesMatching(const CString& folder, const CString& pattern) {
    WIN32_FIND_DATAA entry;
    HANDLE search = ::FindFirstFileA(folder + "\\" + pattern, &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ::DeleteFileA(folder + "\\" + entry.cFileName);
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
}

}  // namespace

int CpuClassOfCatalogRow(int row) {
    if (row >= 0 && row <= 2)
        return 0;
    if (row >= 10 && row <= 11)
        return 2;
    return 1;
}

int NewProjectCpuRow(int defaultCpu) {
    return defaultCpu >= 0 && defaultCpu < CpuRowCount ? defaultCpu : ModuleCatalog::FirstCpuRow;
}

BOOL ProjectFileCommands::IsCommandEnabled(UINT id) {
    const bool monitoring = theWorkspace->onlineMonitoring != 0;
    if (id == ID_PROJECT_NEW || id == ID_PROJECT_OPEN)
        return !monitoring;
    return theWorkspace->projectOpen && !monitoring;
}

CQLXProject& ProjectFileCommands::Project() const { return theWorkspace->project; }


// ---- Close and open --------------------------------------------------------------------

BOOL ProjectFileCommands::CloseProject() {
    if (!theWorkspace->projectOpen)
        return TRUE;
    ProjectShell& shell = GetProjectShell();
    if (shell.IsAnyDocumentModified())
        shell.SetProjectModified(TRUE);
    if (m_document.IsModified()) {
        HWND focus = ::GetFocus();
        switch (AfxShowMessageBox(MainWindow(), "是否保存对当前工程的修改？", "提示", MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDCANCEL:
            ::SetFocus(focus);
            return FALSE;
        case IDYES:
            if (!shell.SaveProject())
                return FALSE;
            break;
        default: break;
        }
    }
    shell.CloseAllDocuments();
    shell.DestroyTableWindows();
    m_tree.ClearProjectTree();
    shell.RemoveSubroutinesFromInsTrees();
    ClearAddressUsage();
    shell.ResetOutputWindow();
    ForgetProject();
    return TRUE;
}

void ProjectFileCommands::ForgetProject() {
    theWorkspace->projectOpen = 0;
    Project().ResetProject();
    SetReplyTimeoutsForCpuClass(0);
    m_document.SetModifiedFlag(FALSE);
}

void ProjectFileCommands::OpenProjectFile(const CString& path) {
    if (theWorkspace->projectOpen && path == Project().filePath)
        return;
    if (!CloseProject())
        return;
    ProjectShell& shell = GetProjectShell();
    if (m_document.OpenProjectFile(path)) {
        m_tree.RefreshProjectTree();
        shell.FillSubroutinesInInsTrees();
        theWorkspace->projectOpen = 1;
        m_document.SetModifiedFlag(FALSE);
        return;
    }
    m_tree.ClearProjectTree();
    shell.RemoveSubroutinesFromInsTrees();
    ForgetProject();
}

void ProjectFileCommands::OnOpenProject() {
    CString path;
    if (!AskProjectPath(ProjectDialog::Open, path))
        return;
    path = Trimmed(path);
    RememberProjectFolder(path);
    OpenProjectFile(path);
}

// ---- New -------------------------------------------------------------------------------

void ProjectFileCommands::OnNewProject() {
    CString path;
    if (!AskProjectPath(ProjectDialog::New, path))
        return;
    RememberProjectFolder(path);
    if (!CloseProject())
        return;
    SetUpNewProject();
    if (!m_document.SaveProjectAs(path)) {
        Project().ResetProject();
        return;
    }
    m_tree.BuildProjectTree();
    theWorkspace->projectOpen = 1;
    m_tree.NewPOU(0);
    CQLXProject& project = Project();
    project.AllocateForceImages(ForceCellsOf(project.cpuClass));
    SetReplyTimeoutsForCpuClass(project.cpuClass);
    GetProjectShell().SaveProject();
}

void ProjectFileCommands::SetUpNewProject() {
    CQLXProject& project = Project();
    const int row = NewProjectCpuRow(theWorkspace->defaultCpu);
    project.cpuClass = CpuClassOfCatalogRow(row);
    auto* cpu = new CQLX_R2_PLC;
    cpu->InitFromSpec(ModuleCatalog::Row(row));
    project.AssignInputBytes(cpu);
    project.AssignOutputBytes(cpu);
    project.modules.Add(cpu);
    project.cpuBlockA.SetSize(LocalBitEntries);
    project.cpuBlockB.SetSize(LocalByteEntries);
    for (INT_PTR i = 0; i < LocalBitEntries; ++i)
        project.cpuBlockA[i] = 0;
    for (INT_PTR i = 0; i < LocalByteEntries; ++i)
        project.cpuBlockB[i] = 0;
}

// ---- Save as ---------------------------------------------------------------------------

void ProjectFileCommands::OnSaveProjectAs() {
    CString path;
    if (!AskProjectPath(ProjectDialog::SaveAs, path))
        return;
    path = Trimmed(path);
    // The same file in another spelling is this project's own file: save it in place.
    BOOL saved = path.CompareNoCase(Project().filePath) != 0 ? SaveProjectAs(path) : GetProjectShell().SaveProject();
    if (saved)
        m_document.SetModifiedFlag(FALSE);
}

BOOL ProjectFileCommands::SaveProjectAs(const CString& path) {
    RememberProjectFolder(path);
    CQLXProject& project = Project();
    const CString oldPath = project.filePath, oldFolder = project.folder, oldName = project.name;
    const CString folder = FolderOfProjectFile(path);
    // The copy must never delete or copy over the project's own files.
    if (IsSameOrInside(folder, oldFolder)) {
        AfxShowMessageBox(MainWindow(), "工程不能另存到原工程的文件夹中，请选择其它位置或名称！", "提示",
                          MB_OK | MB_ICONINFORMATION);
        return FALSE;
    }
    if (HoldsFiles(folder)) {
        CString question;
        question.Format("文件夹“%s”中已有文件，另存工程将删除这些文件。\r\n是否继续？", static_cast<LPCSTR>(folder));
        if (AfxShowMessageBox(MainWindow(), question, "提示", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return FALSE;
    }
    project.filePath = path;
    project.folder = folder;
    project.name = NameOfProjectFile(path);
    DeleteFilesMatching(folder, "*");
    ::CreateDirectoryA(folder, nullptr);
    if (!CopyFolder(oldFolder, folder)) {
        AfxShowMessageBox(MainWindow(), "另存工程时出错, 保存终止！请重新启动计算机后再尝试。", "错误",
                          MB_OK | MB_ICONSTOP);
        project.filePath = oldPath;
        project.folder = oldFolder;
        project.name = oldName;
        return FALSE;
    }
    DeleteFilesMatching(folder, oldName + ".*");
    ProjectShell& shell = GetProjectShell();
    if (!shell.SaveProject())
        return FALSE;
    shell.AddToRecentFileList(path);
    m_tree.UpdateProjectLabel();
    return TRUE;
}
