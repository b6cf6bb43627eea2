#include "shell/app/CMainApp.h"

#include "comm/ReplyTimeouts.h"
#include "comm/SerialPort.h"
#include "editors/LadderEditor.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"
#include "platform/CCommandLineInfo.h"
#include "platform/CDocTemplate.h"
#include "platform/CFrameWnd.h"
#include "platform/CRecentFileList.h"
#include "platform/FrameworkIds.h"
#include "platform/MessageBox.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeDOC.h"
#include "project/FileUtils.h"
#include "project/GlobalVarFile.h"
#include "project/ProjectConverter.h"
#include "project/SharedConstants.h"
#include "res/resource.h"
#include "shell/app/AppSettings.h"
#include "shell/app/CSplashWnd.h"
#include "shell/app/CommandLineProject.h"
#include "shell/app/FileAssociation.h"
#include "shell/app/MainFrameShell.h"
#include "shell/frames/CChildFrmEditor.h"
#include "shell/project/CProjTreeView.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CMainApp, CWinApp)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4, OnFileMru)
    ON_COMMAND(ID_PROJECT_SAVE, OnSaveProject)
END_MESSAGE_MAP()

namespace {

const int RecentProjectCount = 4;
const uint32_t StartReplyTimeoutMs = 8000;
const uint32_t StartLinkTestTimeoutMs = 600;

bool IsNt5OrLater() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExA(&version))
        return false;
#pragma GCC diagnostic pop
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5;
}

}  // namespace

CMainApp* GetMainApp() { return dynamic_cast<CMainApp*>(AfxGetApp()); }

CMainApp::CMainApp() : m_settingsKey(RegistryKeyName) { SetFrameApplication(this); }

CMainApp::~CMainApp() {
    if (GetFrameApplication() == this)
        SetFrameApplication(nullptr);
}

// ---- Start-up and shut-down ----------------------------------------------------------------

BOOL CMainApp::InitInstance() {
    CCommandLineInfo splashInfo;
    ParseCommandLine(splashInfo);
    CSplashWnd::EnableSplashScreen(splashInfo.m_bShowSplash);
    ::InitCommonControls();

    m_workspace = std::make_unique<CPlcWorkspace>();
    theWorkspace->projectOpen = 0;

    SetRegistryKey(m_settingsKey);
    LoadStdProfileSettings(RecentProjectCount);
    AddDocTemplate(new CMultiDocTemplate(IDR_PROJECT_TYPE, RUNTIME_CLASS(CProjTreeDOC), RUNTIME_CLASS(CChildFrame),
                                         RUNTIME_CLASS(CProjTreeView)));
    AddDocTemplate(new CMultiDocTemplate(IDR_POU_TYPE, RUNTIME_CLASS(CPOUEditorDoc), RUNTIME_CLASS(CChildFrmEditor),
                                         RUNTIME_CLASS(CPOUEditorView)));
    // LD programs open in the ladder editor.
    InstallLadderEditor();
    if (!CreateMainFrame())
        return FALSE;

    CCommandLineInfo shellInfo;
    ParseCommandLine(shellInfo);
    shellInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
    if (!ProcessShellCommand(shellInfo))
        return FALSE;

    theWorkspace->LoadInstructionCatalogue();
    m_programFolder = InstallationFolder();
    CreateProgramFolders();
    theWorkspace->isNt5OrLater = IsNt5OrLater() ? 1 : 0;
    LoadSettings();
    g_ReplyTimeout = StartReplyTimeoutMs;
    g_LinkTestTimeout = StartLinkTestTimeoutMs;

    m_pMainWnd->ShowWindow(m_nCmdShow | SW_SHOWMAXIMIZED);
    m_pMainWnd->UpdateWindow();
    RegisterFileType();
    OpenCommandLineProject();
    return TRUE;
}

BOOL CMainApp::CreateMainFrame() {
    MainFrameShell* shell = CreateMainFrameObject();
    if (shell == nullptr)
        return FALSE;
    CFrameWnd* frame = shell->Frame();
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return FALSE;
    m_pMainWnd = frame;
    return TRUE;
}

// Failures are of no consequence here: an existing folder is what is wanted, and a
// missing one shows when it is used.
void CMainApp::CreateProgramFolders() {
    ::CreateDirectoryA(m_programFolder + "\\" + ProjectFolderName, nullptr);
    ::CreateDirectoryA(WorkTempFolder, nullptr);
    ::SetFileAttributesA(WorkTempFolder, FILE_ATTRIBUTE_HIDDEN);
}

BOOL CMainApp::PreTranslateMessage(MSG* msg) {
    if (CSplashWnd::PreTranslateAppMessage(msg))
        return TRUE;
    return CWinApp::PreTranslateMessage(msg);
}

int CMainApp::ExitInstance() {
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
    SaveSettings();
    m_workspace.reset();
    return 1;
}

void CMainApp::AddToRecentFileList(LPCSTR path) {
    CString extension = CString(path).Right(3);
    extension.MakeLower();
    if (extension == "qpr")
        CWinApp::AddToRecentFileList(path);
}

// ---- Settings --------------------------------------------------------------------------

void CMainApp::LoadSettings() {
    SetVisualStyle(ReadVisualStyle(*this));
    ReadConfiguration(*this, *theWorkspace);
    InitEditorFonts(*theWorkspace);
    ReadCommSettings(*this, theSerialPort.Settings());
}

void CMainApp::SaveSettings() {
    if (theWorkspace != nullptr)
        WriteConfiguration(*this, *theWorkspace);
}

void CMainApp::SetVisualStyle(int style) {
    theWorkspace->interfaceStyle = style;
    const VisualThemes themes = ThemesOfVisualStyle(style);
    m_commandBarTheme = themes.commandBars;
    m_dockingTheme = themes.docking;
    SelectTheme(m_commandBarTheme);
    if (MainFrameShell* frame = FrameShell())
        frame->ApplyVisualTheme(m_dockingTheme);
}

// ---- File type and command line --------------------------------------------------------

CString CMainApp::ProgramPath() const {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString name = GetFileNamePart(path);
    const int dot = name.ReverseFind('.');
    if (dot >= 0)
        name = name.Left(dot);
    return m_programFolder + "\\" + name + ".exe";
}

void CMainApp::RegisterFileType() {
    RegisterProjectFileType(m_fileTypeRoot, ProgramPath(), m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr);
}

void CMainApp::OpenCommandLineProject(LPCSTR commandLine) {
    const CString path = ProjectPathOfCommandLine(commandLine != nullptr ? commandLine : "");
    MainFrameShell* frame = FrameShell();
    if (!path.IsEmpty() && frame != nullptr)
        frame->OpenProjectFile(path);
}

// ---- Project operations ----------------------------------------------------------------

MainFrameShell* CMainApp::FrameShell() const { return dynamic_cast<MainFrameShell*>(AfxGetMainWnd()); }

CProjTreeDOC* CMainApp::ProjectDocument() const {
    MainFrameShell* frame = FrameShell();
    return frame != nullptr ? frame->ProjectDocument() : nullptr;
}

void CMainApp::SetProjectModified(BOOL modified) {
    if (CProjTreeDOC* document = ProjectDocument())
        document->SetModifiedFlag(modified);
}

BOOL CMainApp::SaveProject() {
    CQLXProject& project = theWorkspace->project;
    CProjTreeDOC* projectDocument = ProjectDocument();
    for (POSITION templates = GetFirstDocTemplatePosition(); templates;) {
        CDocTemplate* docTemplate = GetNextDocTemplate(templates);
        for (POSITION documents = docTemplate->GetFirstDocPosition(); documents;) {
            CDocument* document = docTemplate->GetNextDoc(documents);
            if (document == projectDocument)
                continue;
            document->SetPathName(project.folder + "\\" + GetFileNamePart(document->GetPathName()), FALSE);
            document->DoFileSave();
        }
    }
    MainFrameShell* frame = FrameShell();
    if (frame != nullptr && !frame->CheckOpenHardwareConfig())
        return FALSE;
    ExportGlobalVarFile(project);
    return projectDocument != nullptr && projectDocument->OnSaveDocument(project.filePath);
}

void CMainApp::OnSaveProject() {
    if (!SaveProject())
        return;
    if (CProjTreeDOC* document = ProjectDocument())
        document->SetModifiedFlag(FALSE);
}

BOOL CMainApp::CreateDocumentFile(const CString& file, BOOL show) {
    if (file.Find('.', 1) < 0)
        return FALSE;
    CString extension = file.Right(4);
    extension.MakeLower();
    for (POSITION templates = GetFirstDocTemplatePosition(); templates;) {
        CDocTemplate* docTemplate = GetNextDocTemplate(templates);
        CString filterExtension;
        docTemplate->GetDocString(filterExtension, CDocTemplate::filterExt);
        filterExtension.MakeLower();
        if (filterExtension != extension)
            continue;
        CDocument* document = show ? docTemplate->OpenDocumentFile(nullptr, TRUE) : docTemplate->CreateNewDocument();
        if (document == nullptr)
            return FALSE;
        document->SetPathName(file, FALSE);
        document->OnSaveDocument(file);
    }
    return TRUE;
}

// ---- Recent projects -------------------------------------------------------------------

BOOL CMainApp::OnFileMru(UINT id) {
    const int index = static_cast<int>(id - ID_FILE_MRU_FILE1);
    if (m_pRecentFileList == nullptr || index >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[index].IsEmpty())
        return FALSE;
    if (theWorkspace->onlineMonitoring) {
        AfxShowMessageBox(nullptr, "在打开另外的工程之前请先取消在线监测！", "提示", MB_OK | MB_ICONINFORMATION);
        return TRUE;
    }
    const CString path = (*m_pRecentFileList)[index];
    if (theWorkspace->projectOpen && path == theWorkspace->project.filePath)
        return TRUE;
    MainFrameShell* frame = FrameShell();
    if (frame == nullptr || !frame->CloseProject())
        return TRUE;
    WriteProfileString(SectionConfiguration, ValuePrevProj, GetFolderPart(path));
    frame->OpenProjectFile(path);
    if (!theWorkspace->projectOpen)
        RemoveRecentEntry(path);
    return TRUE;
}

void CMainApp::RemoveRecentEntry(const CString& path) {
    for (int index = 0; index < m_pRecentFileList->GetSize(); ++index) {
        if ((*m_pRecentFileList)[index] == path) {
            m_pRecentFileList->Remove(index);
            return;
        }
    }
}
