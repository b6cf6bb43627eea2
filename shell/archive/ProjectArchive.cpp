#include "shell/archive/ProjectArchive.h"

#include "comm/FolderCleanup.h"
#include "platform/MessageBox.h"
#include "project/FileUtils.h"
#include "shell/archive/CopyFolder.h"
#include "shell/archive/RunHiddenProgram.h"

namespace {

constexpr int kStatusPathLength = 40;

const char kExportDone[] = "导出工程成功！";
const char kExportFailed[] = "导出工程出现错误！\r\n请重启动计算机后再尝试。";
const char kExportNoZip[] = "缺少相关文件，无法导出工程！\r\n请卸载后重新安装本软件。";
const char kImportFailed[] = "导入工程出现错误！\r\n请重启动计算机后再尝试。";
const char kImportNoProject[] = "导入工程出现错误！";
const char kImportNoZip[] = "缺少相关文件，无法导入工程！\r\n请卸载后重新安装本软件。";
const char kImportOverwrite[] = "在目标目录下已存在同名的工程。\r\n是否继续进行导入并覆盖原工程？";

int Notice(const char* text, UINT icon, UINT buttons = MB_OK) {
    return AfxShowMessageBox(nullptr, text, "提示", buttons | icon);
}

CString Quoted(const CString& path) { return "\"" + path + "\""; }

// The wait cursor while an archive is made or unpacked; off on every way out.
class WaitCursor {
public:
    WaitCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_previous ? m_previous : LoadCursor(nullptr, IDC_ARROW)); }

private:
    HCURSOR m_previous;
};

// The byte length of the longest head of `text` of at most `limit` bytes that ends on a
// whole character.
int WholeCharacters(const CString& text, int limit) {
    int length = 0;
    while (length < text.GetLength()) {
        const int next = length + (IsDBCSLeadByte(static_cast<BYTE>(text[length])) ? 2 : 1);
        if (next > limit)
            break;
        length = next;
    }
    return length;
}

// The shortest tail of `text` of at most `limit` bytes that starts on a whole character.
CString TailOfWholeCharacters(const CString& text, int limit) {
    int start = 0;
    while (text.GetLength() - start > limit)
        start += IsDBCSLeadByte(static_cast<BYTE>(text[start])) ? 2 : 1;
    return text.Mid(start);
}

}  // namespace

CProjectArchive::CProjectArchive(const CString& workFolder) : m_work(workFolder) {}

CString CProjectArchive::ZipProgram() {
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    return CString(windows) + "\\pkzipc.exe";
}

CString CProjectArchive::LastComponent(const CString& path) {
    const int slash = path.ReverseFind('\\');
    return slash < 0 ? path : path.Mid(slash + 1);
}

CString CProjectArchive::ProjectFolderOf(const CString& projectFile) {
    const int slash = projectFile.ReverseFind('\\');
    const int dot = projectFile.ReverseFind('.');
    return dot > slash ? projectFile.Left(dot) : projectFile;
}

bool CProjectArchive::RunZip(const CString& arguments) {
    SetCurrentDirectoryA(m_work);
    return RunHiddenProgram(Quoted(ZipProgram()) + " " + arguments, kZipTimeoutMs) != FALSE;
}

BOOL CProjectArchive::ExportProjectToZip(const CString& projectFile, const CString& archivePath, BOOL showMessages) {
    WaitCursor cursor;
    const auto fail = [showMessages](const char* text, UINT icon) {
        if (showMessages)
            Notice(text, icon);
        return FALSE;
    };
    // Emptied whole: a folder left from an earlier copy would make the copy fail.
    CleanFolder(m_work);
    const CString name = LastComponent(ProjectFolderOf(projectFile));
    const CString copiedFolder = m_work + "\\" + name;
    CreateDirectoryA(copiedFolder, nullptr);
    if (!CopyFileA(projectFile, copiedFolder + ".qpr", FALSE) || !CopyFolder(ProjectFolderOf(projectFile), copiedFolder))
        return fail(kExportFailed, MB_ICONERROR);
    if (!FileExists(ZipProgram()))
        return fail(kExportNoZip, MB_ICONINFORMATION);
    const CString made = m_work + "\\" + LastComponent(archivePath);
    DeleteFileA(made);  // only what this run makes counts
    const CString arguments = "-add -recurse -path -over=all -speed " + Quoted(made) + " " +
                              Quoted(copiedFolder + "\\*.*") + " " + Quoted(copiedFolder + ".qpr");
    // A zip program that ends without leaving the archive has failed as well.
    if (!RunZip(arguments) || !FileExists(made) || !CopyFileA(made, archivePath, FALSE))
        return fail(kExportFailed, MB_ICONERROR);
    if (showMessages)
        Notice(kExportDone, MB_ICONINFORMATION);
    return TRUE;
}

CProjectArchive::ImportResult CProjectArchive::ImportProject(const CString& archivePath, const CString& targetFolder,
                                                             ArchiveShell& shell) {
    CleanFolder(m_work);
    const CString archiveCopy = m_work + "\\" + LastComponent(archivePath);
    if (!CopyFileA(archivePath, archiveCopy, FALSE)) {
        Notice(kImportFailed, MB_ICONERROR);
        return ImportResult::StepFailed;
    }
    WaitCursor cursor;
    if (!FileExists(ZipProgram())) {
        Notice(kImportNoZip, MB_ICONINFORMATION);
        return ImportResult::NoZipProgram;
    }
    const auto stepFailed = [this] {
        Notice(kImportFailed, MB_ICONERROR);
        DeleteDirectoryTree(m_work);
        return ImportResult::StepFailed;
    };
    if (!RunZip("-extract -nametype=long -overwrite=all " + Quoted(archiveCopy) + " *.qpr"))
        return stepFailed();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(m_work + "\\*.qpr", &found);
    if (search == INVALID_HANDLE_VALUE) {
        CleanFolder(m_work);
        Notice(kImportNoProject, MB_ICONERROR);
        return ImportResult::NoProjectFile;
    }
    FindClose(search);
    const CString projectFile = found.cFileName;
    const CString target = targetFolder + "\\" + projectFile;
    if (FileExists(target) && Notice(kImportOverwrite, MB_ICONQUESTION, MB_YESNO) != IDYES)
        return ImportResult::Declined;
    if (shell.IsProjectOpen() && !shell.CloseProject())
        return ImportResult::CloseCancelled;
    if (!RunZip("-extract=all -directories -nametype=long -overwrite=all " + Quoted(archiveCopy)))
        return stepFailed();
    const CString name = ProjectFolderOf(projectFile);
    const CString folder = targetFolder + "\\" + name;
    CreateDirectoryA(folder, nullptr);
    if (!CopyFileA(m_work + "\\" + projectFile, target, FALSE) || !CleanFolder(folder) ||
        !CopyFolder(m_work + "\\" + name, folder)) {
        Notice(kImportFailed, MB_ICONERROR);
        return ImportResult::CopyFailed;
    }
    shell.OpenProjectFile(target);
    DeleteDirectoryTree(m_work);
    return ImportResult::Opened;
}

CString ShortenFolderForStatus(const CString& path) {
    if (path.GetLength() <= kStatusPathLength)
        return path;
    const int slash = path.ReverseFind('\\');
    const CString tail = slash < 0 ? CString() : path.Mid(slash);
    const int room = kStatusPathLength - tail.GetLength();
    if (room <= 0)  // a last component that leaves no room for a head: its end alone
        return "..." + TailOfWholeCharacters(tail, kStatusPathLength);
    return path.Left(WholeCharacters(path, room)) + "..." + tail;
}
