#include "platform/CWinApp.h"

#include "platform/CCommandLineInfo.h"
#include "platform/CDocTemplate.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CView.h"
#include "platform/CRecentFileList.h"
#include "platform/CWnd.h"
#include "platform/FrameworkIds.h"
#include "platform/MessageBox.h"

#include <vector>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, OnOpenRecentFile)
END_MESSAGE_MAP()

namespace {

CWinApp*& TheApp() {
    static CWinApp* app = nullptr;
    return app;
}

CString ExecutableName() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString name = path;
    name = name.Mid(name.ReverseFind('\\') + 1);
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

}  // namespace

CWinApp* AfxGetApp() { return TheApp(); }

CWinApp::CWinApp(LPCSTR appName) {
    TheApp() = this;
    AfxSetCurrentThread(this);
    m_hInstance = ::GetModuleHandleA(nullptr);
    m_nThreadID = ::GetCurrentThreadId();
    if (appName)
        m_strAppName = appName;
    else if (!m_strAppName.LoadString(AFX_IDS_APP_TITLE))
        m_strAppName = ExecutableName();
    m_pszAppName = m_strAppName;
    m_strProfileName = m_strAppName;
    AfxSetAppTitle(m_strAppName);
}

CWinApp::~CWinApp() {
    for (POSITION position = GetFirstDocTemplatePosition(); position;)
        delete GetNextDocTemplate(position);
    delete m_pRecentFileList;
    ReleasePrinterRecords();
    if (TheApp() == this)
        TheApp() = nullptr;
}

int CWinApp::ExitInstance() {
    SaveStdProfileSettings();
    return static_cast<int>(m_msgCur.wParam);
}

// Count 0 updates the user interface, count 1 deletes the temporary wrappers; the
// templates' documents get no idle time of their own here.
BOOL CWinApp::OnIdle(LONG count) {
    if (count <= 1)
        CWinThread::OnIdle(count);
    return count < 1;
}

// ---- Registry profile -----------------------------------------------------------------

void CWinApp::SetRegistryKey(LPCSTR key) {
    m_strRegistryKey = key;
    m_strProfileName = m_strAppName;
}

void CWinApp::SetRegistryKey(UINT stringId) {
    CString key;
    key.LoadString(stringId);
    SetRegistryKey(key);
}

namespace {

// Opens (making what is missing) a key under HKEY_CURRENT_USER in one call: each level
// opened on its own costs a round trip to the registry.
HKEY CreateUserKey(const CString& path) {
    HKEY key = nullptr;
    DWORD disposition;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, nullptr,
                          &key, &disposition) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

CString CWinApp::AppRegistryPath() const {
    CString path = "Software\\" + m_strRegistryKey;
    if (!m_strProfileName.IsEmpty())
        path += "\\" + m_strProfileName;
    return path;
}

// The caller closes the key; null without a registry key or on failure.
HKEY CWinApp::GetAppRegistryKey() {
    if (m_strRegistryKey.IsEmpty())
        return nullptr;
    return CreateUserKey(AppRegistryPath());
}

HKEY CWinApp::GetSectionKey(LPCSTR section) {
    if (m_strRegistryKey.IsEmpty())
        return nullptr;
    CString path = AppRegistryPath();
    if (section && *section)
        path += CString("\\") + section;
    return CreateUserKey(path);
}

namespace {

// Reads one value of the type asked for; FALSE when absent or of another type.
// Most values fit the first buffer, so most reads take one registry call.
bool QueryValue(HKEY key, LPCSTR entry, DWORD wantedType, std::vector<BYTE>& data) {
    DWORD type = 0;
    data.assign(256, 0);
    DWORD size = static_cast<DWORD>(data.size());
    LONG result = ::RegQueryValueExA(key, entry, nullptr, &type, data.data(), &size);
    if (result == ERROR_MORE_DATA) {
        data.assign(size, 0);
        result = ::RegQueryValueExA(key, entry, nullptr, &type, data.data(), &size);
    }
    if (result != ERROR_SUCCESS || type != wantedType)
        return false;
    data.resize(size);
    return true;
}

}  // namespace

UINT CWinApp::GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) {
    HKEY key = GetSectionKey(section);
    if (!key)
        return static_cast<UINT>(defaultValue);
    std::vector<BYTE> data;
    UINT value = static_cast<UINT>(defaultValue);
    if (QueryValue(key, entry, REG_DWORD, data) && data.size() == sizeof(DWORD))
        value = *reinterpret_cast<const DWORD*>(data.data());
    ::RegCloseKey(key);
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCSTR section, LPCSTR entry, int value) {
    HKEY key = GetSectionKey(section);
    if (!key)
        return FALSE;
    DWORD data = static_cast<DWORD>(value);
    LONG result = ::RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) {
    CString value = defaultValue ? defaultValue : "";
    HKEY key = GetSectionKey(section);
    if (!key)
        return value;
    std::vector<BYTE> data;
    if (QueryValue(key, entry, REG_SZ, data)) {
        data.push_back(0);
        value = reinterpret_cast<const char*>(data.data());
    }
    ::RegCloseKey(key);
    return value;
}

BOOL CWinApp::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) {
    if (!entry) {
        HKEY app = GetAppRegistryKey();
        if (!app)
            return FALSE;
        LONG result = ::RegDeleteKeyA(app, section);
        ::RegCloseKey(app);
        return result == ERROR_SUCCESS;
    }
    HKEY key = GetSectionKey(section);
    if (!key)
        return FALSE;
    LONG result;
    if (value)
        result = ::RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), lstrlenA(value) + 1);
    else
        result = ::RegDeleteValueA(key, entry);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE* data, UINT* bytes) {
    *data = nullptr;
    *bytes = 0;
    HKEY key = GetSectionKey(section);
    if (!key)
        return FALSE;
    std::vector<BYTE> value;
    bool found = QueryValue(key, entry, REG_BINARY, value);
    ::RegCloseKey(key);
    if (!found)
        return FALSE;
    *bytes = static_cast<UINT>(value.size());
    *data = new BYTE[value.size() ? value.size() : 1];
    std::copy(value.begin(), value.end(), *data);
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE data, UINT bytes) {
    HKEY key = GetSectionKey(section);
    if (!key)
        return FALSE;
    LONG result = ::RegSetValueExA(key, entry, 0, REG_BINARY, data, bytes);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT maxMru) {
    if (maxMru == 0)
        return;
    delete m_pRecentFileList;
    m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", static_cast<int>(maxMru));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings() {
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList();
}

// ---- Documents -------------------------------------------------------------------------

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
    docTemplate->LoadTemplate();
    m_templateList.AddTail(docTemplate);
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& position) const {
    return static_cast<CDocTemplate*>(m_templateList.GetNext(position));
}

// The template that claims the path most surely opens it; an open document of that
// path is only activated.
CDocument* CWinApp::OpenDocumentFile(LPCSTR path) {
    CDocTemplate* best = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    for (POSITION position = GetFirstDocTemplatePosition(); position;) {
        CDocTemplate* docTemplate = GetNextDocTemplate(position);
        CDocument* openDocument = nullptr;
        CDocTemplate::Confidence match = docTemplate->MatchDocType(path, openDocument);
        if (match == CDocTemplate::yesAlreadyOpen) {
            POSITION view = openDocument->GetFirstViewPosition();
            if (view) {
                if (CFrameWnd* frame = openDocument->GetNextView(view)->GetParentFrame())
                    frame->ActivateFrame();
            }
            return openDocument;
        }
        if (match > bestMatch) {
            bestMatch = match;
            best = docTemplate;
        }
    }
    return best ? best->OpenDocumentFile(path) : nullptr;
}

void CWinApp::AddToRecentFileList(LPCSTR path) {
    if (m_pRecentFileList)
        m_pRecentFileList->Add(path);
}

BOOL CWinApp::SaveAllModified() {
    for (POSITION position = GetFirstDocTemplatePosition(); position;) {
        if (!GetNextDocTemplate(position)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL endSession) {
    for (POSITION position = GetFirstDocTemplatePosition(); position;)
        GetNextDocTemplate(position)->CloseAllDocuments(endSession);
}

int CWinApp::GetOpenDocumentCount() const {
    int count = 0;
    for (POSITION position = GetFirstDocTemplatePosition(); position;) {
        CDocTemplate* docTemplate = GetNextDocTemplate(position);
        for (POSITION document = docTemplate->GetFirstDocPosition(); document; docTemplate->GetNextDoc(document))
            ++count;
    }
    return count;
}

void CWinApp::OnFileNew() {
    POSITION position = GetFirstDocTemplatePosition();
    if (position)
        GetNextDocTemplate(position)->OpenDocumentFile(nullptr);
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* cmdUI) {
    if (m_pRecentFileList)
        m_pRecentFileList->UpdateMenu(cmdUI);
    else
        cmdUI->Enable(FALSE);
}

// An entry that no longer opens leaves the list.
BOOL CWinApp::OnOpenRecentFile(UINT id) {
    if (!m_pRecentFileList)
        return FALSE;
    int index = static_cast<int>(id - ID_FILE_MRU_FILE1);
    if (index >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[index].IsEmpty())
        return FALSE;
    if (!OpenDocumentFile((*m_pRecentFileList)[index]))
        m_pRecentFileList->Remove(index);
    return TRUE;
}

// ---- Command line ----------------------------------------------------------------------

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
    for (int i = 1; i < __argc; ++i) {
        LPCSTR parameter = __argv[i];
        BOOL flag = parameter[0] == '-' || parameter[0] == '/';
        if (flag)
            ++parameter;
        info.ParseParam(parameter, flag, i == __argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, 0, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    default:
        return TRUE;
    }
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    app->m_lpCmdLine = commandLine;
    // A start that names no show command ("the default") gets the normal one, so that a
    // program adding flags to it (maximised: | SW_SHOWMAXIMIZED) does not end up with a
    // different command (SW_SHOWDEFAULT | 3 is SW_FORCEMINIMIZE).
    app->m_nCmdShow = showCommand == SW_SHOWDEFAULT ? SW_SHOWNORMAL : showCommand;
    if (!app->InitApplication())
        return app->ExitInstance();
    if (!app->InitInstance()) {
        if (app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
