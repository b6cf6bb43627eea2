#include "project/CProjTreeDOC.h"

#include "comm/ReplyTimeouts.h"
#include "hardware/ConfigurationCheck.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "project/CPlcWorkspace.h"
#include "project/FileUtils.h"
#include "project/ProjectConverter.h"
#include "project/ProjectFileHeader.h"
#include "project/SharedConstants.h"
#include "project/ShellServices.h"

IMPLEMENT_DYNCREATE(CProjTreeDOC, CDocument)

namespace {

const int CpuClassWithLargeForceImage = 2;
const int LargeForceImageCells = 9290;
const int ForceImageCells = 5970;

const UINT ErrorBox = MB_ICONSTOP | MB_TASKMODAL;
const UINT NoticeBox = MB_ICONINFORMATION | MB_TASKMODAL;

CQLXProject& Project() {
    return theWorkspace->project;
}

HWND MainWindow() {
    CWnd* main = AfxGetMainWnd();
    return main != nullptr ? main->GetSafeHwnd() : nullptr;
}

// The file name without folder and extension. Only the file name's own "." counts, so
// that a dot in a folder name never cuts the path there.
CString ProjectNameOf(const CString& path) {
    const CString fileName = GetFileNamePart(path);
    const int dot = fileName.ReverseFind('.');
    return dot >= 0 ? fileName.Left(dot) : fileName;
}

// The project's own folder: the file's path without its extension.
CString ProjectFolderOf(const CString& path) {
    return GetFolderPart(path) + ProjectNameOf(path);
}

void SetProjectPaths(CQLXProject& project, const CString& path) {
    project.filePath = path;
    project.folder = ProjectFolderOf(path);
    project.name = ProjectNameOf(path);
}

enum class HeaderRead { Unreadable, TooShort, Read };

HeaderRead ReadHeader(const CString& path, BYTE (&header)[ProjectFileHeaderSize]) {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return HeaderRead::Unreadable;
    try {
        if (file.GetLength() <= static_cast<DWORD>(ProjectFileHeaderSize) ||
            file.Read(header, ProjectFileHeaderSize) != static_cast<UINT>(ProjectFileHeaderSize)) {
            file.Abort();
            return HeaderRead::TooShort;
        }
        file.Close();
    } catch (CFileException* e) {
        e->Delete();
        file.Abort();
        return HeaderRead::Unreadable;
    }
    return HeaderRead::Read;
}

void ShowInvalidFile() {
    AfxShowMessageBox(nullptr, "无效的工程文件，工程文件打开失败！  ", "错误", ErrorBox);
}

// Tells the user why a header is refused; TRUE when the file may be opened (perhaps
// after conversion).
BOOL AcceptHeaderKind(ProjectHeaderKind kind) {
    switch (kind) {
    case ProjectHeaderKind::Invalid:
        ShowInvalidFile();
        return FALSE;
    case ProjectHeaderKind::VelaEdition:
        AfxShowMessageBox(nullptr, "通用版Tessaron无法打开Vela版本的工程文件！", "提示", NoticeBox);
        return FALSE;
    case ProjectHeaderKind::OrinEdition:
        AfxShowMessageBox(nullptr, "通用版Tessaron无法打开Orin版本的工程文件！", "提示", NoticeBox);
        return FALSE;
    case ProjectHeaderKind::Newer:
        AfxShowMessageBox(nullptr, "该工程文件由更高版本的Tessaron生成，无法打开！", "提示", NoticeBox);
        return FALSE;
    default:
        return TRUE;
    }
}

void ShowConversionError() {
    AfxShowMessageBox(nullptr, "自动转换工程格式时发生错误！\r\n请使用“工程格式转换”手动进行转换。", "错误", MB_ICONSTOP);
}

// A project folder is emptied only when it is a folder of its own below the file's.
void MakeEmptyProjectFolder(const CString& folder, const CString& projectFile) {
    const DWORD attributes = GetFileAttributesA(folder);
    const bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (isFolder && folder.CompareNoCase(projectFile) != 0 && !IsRootFolder(folder))
        CleanFolder(folder);
    CreateDirectoryA(folder, nullptr);
}

// The project file keeps the modules, not their slots: behind an empty slot every module
// would come back one slot further up, and with the CPU slot empty the first expansion
// module would be taken for the CPU. Such a configuration is refused, naming the slot.
BOOL SlotsCanBeSaved(const CQLXProject& project) {
    const ConfigCheckResult failure = CheckEmptySlots(project.modules);
    if (!failure)
        return TRUE;
    CString message;
    if (failure->slot == 1)
        message = "硬件配置的第1个位置（CPU）为空，而其后还有模块。\r\n"
                  "工程文件无法保存这样的配置，工程未保存！请先在硬件配置中放入CPU模块。";
    else
        message.Format("硬件配置的第%d个位置为空，而其后还有模块。\r\n"
                       "工程文件无法保存这样的配置，工程未保存！请先在硬件配置中消除该空位置。",
                       failure->slot);
    AfxShowMessageBox(nullptr, message, "错误", ErrorBox);
    return FALSE;
}

}  // namespace

void CProjTreeDOC::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        WriteProjectFileHeader(ar);
    } else {
        BYTE header[ProjectFileHeaderSize];
        if (ar.Read(header, ProjectFileHeaderSize) != static_cast<UINT>(ProjectFileHeaderSize))
            AfxThrowArchiveException(CArchiveException::endOfFile);
    }
    Project().Serialize(ar);
}

BOOL CProjTreeDOC::OnOpenDocument(LPCSTR path) {
    if (!CDocument::OnOpenDocument(path))
        return FALSE;
    SetPathName(path, TRUE);
    return TRUE;
}

BOOL CProjTreeDOC::OpenProjectFile(const CString& path) {
    BYTE header[ProjectFileHeaderSize];
    switch (ReadHeader(path, header)) {
    case HeaderRead::Unreadable:
        AfxShowMessageBox(nullptr, "工程文件打开失败！", "系统错误", ErrorBox);
        return FALSE;
    case HeaderRead::TooShort:
        ShowInvalidFile();
        return FALSE;
    case HeaderRead::Read:
        break;
    }
    const ProjectHeaderKind kind = ClassifyProjectFileHeader(header);
    if (!AcceptHeaderKind(kind))
        return FALSE;
    if (kind == ProjectHeaderKind::Older && !ConvertOlderFile(path))
        return FALSE;

    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    CQLXProject& project = Project();
    project.ResetProject();
    if (!OnOpenDocument(path)) {
        project.ResetProject();
        return FALSE;
    }
    SetProjectPaths(project, path);
    SetReplyTimeoutsForCpuClass(project.cpuClass);
    project.AllocateForceImages(project.cpuClass == CpuClassWithLargeForceImage ? LargeForceImageCells
                                                                                 : ForceImageCells);
    return TRUE;
}

// Asks first, backs the file up when wanted, then has it rewritten by the converter.
// A converter that ends without giving the file the current header has failed too.
BOOL CProjTreeDOC::ConvertOlderFile(const CString& path) {
    CString question = "该工程由低版本的 Tessaron 生成，软件将自动进行工程格式转换。\r\n\r\n";
    question += "在转换之前是否首先备份该工程文件？\r\n\r\n注：备份后的文件将存放在本软件安装目录的";
    question += ProjectFolderName;
    question += "目录中。\r\n";
    const int answer = AfxShowMessageBox(MainWindow(), question, "提示", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return FALSE;
    if (answer == IDYES) {
        const CString backup = InstallationFolder() + "\\" + ProjectFolderName + "\\" + ProjectNameOf(path) + ".zip";
        if (!ExportProjectToZip(path, backup, FALSE) &&
            AfxShowMessageBox(nullptr, "自动备份工程文件失败！\r\n是否继续进行转换？ ", "提示", MB_ICONSTOP | MB_YESNO) == IDNO)
            return FALSE;
    }
    BYTE header[ProjectFileHeaderSize];
    if (!RunProjectConverter(InstallationFolder() + "\\Tools.exe", path, converterWaitMs) ||
        ReadHeader(path, header) != HeaderRead::Read ||
        ClassifyProjectFileHeader(header) != ProjectHeaderKind::Current) {
        ShowConversionError();
        return FALSE;
    }
    return TRUE;
}

BOOL CProjTreeDOC::OnSaveDocument(LPCSTR path) {
    return SlotsCanBeSaved(Project()) && CDocument::OnSaveDocument(path);
}

BOOL CProjTreeDOC::SaveProjectAs(const CString& path) {
    if (!SlotsCanBeSaved(Project()))
        return FALSE;
    OnNewDocument();
    CString trimmed = path;
    trimmed.Trim();
    CQLXProject& project = Project();
    SetProjectPaths(project, trimmed);
    DeleteFileA(trimmed);
    if (!OnSaveDocument(trimmed))
        return FALSE;
    MakeEmptyProjectFolder(project.folder, trimmed);
    if (CWinApp* app = AfxGetApp())
        app->AddToRecentFileList(trimmed);
    return TRUE;
}
