#pragma once

#include "platform/CString.h"
#include "platform/CWinThread.h"
#include "platform/Lists.h"

class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CPrintDialog;
class CRecentFileList;

// The application: the user-interface thread's object, its main window, its
// registry profile (HKEY_CURRENT_USER\Software\<registry key>\<profile name>), its
// document templates and recent-file list. Exactly one exists; AfxGetApp returns it.
class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)

public:
    // Without a name the application's name is string AFX_IDS_APP_TITLE, else the
    // executable's name.
    explicit CWinApp(LPCSTR appName = nullptr);
    ~CWinApp() override;

    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strProfileName;
    LPCSTR m_pszAppName = nullptr;  // m_strAppName's text
    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CRecentFileList* m_pRecentFileList = nullptr;

    virtual BOOL InitApplication() { return TRUE; }
    BOOL InitInstance() override { return TRUE; }
    int ExitInstance() override;
    BOOL OnIdle(LONG count) override;

    // Registry profile. A section is a subkey of the application's key; a null value
    // in WriteProfileString deletes the entry, a null entry deletes the section.
    void SetRegistryKey(LPCSTR key);
    void SetRegistryKey(UINT stringId);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCSTR section);
    UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue);
    BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value);
    CString GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue = nullptr);
    BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value);
    // The data is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE* data, UINT* bytes);
    BOOL WriteProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE data, UINT bytes);
    // Reads the recent-file list of maxMru entries (section "Recent File List").
    void LoadStdProfileSettings(UINT maxMru = 4);
    void SaveStdProfileSettings();

    // Documents.
    void AddDocTemplate(CDocTemplate* docTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& position) const;
    virtual CDocument* OpenDocumentFile(LPCSTR path);
    virtual void AddToRecentFileList(LPCSTR path);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL endSession);
    int GetOpenDocumentCount() const;

    // Command line.
    void ParseCommandLine(CCommandLineInfo& info);
    BOOL ProcessShellCommand(CCommandLineInfo& info);

    // The application's printer: the one last chosen in print setup or a print dialog
    // (the system's device records, owned here), used by every later print job; the
    // system's default printer until one is chosen.
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;
    // Shows the print dialog on the application's printer; the printer chosen becomes it.
    INT_PTR DoPrintDialog(CPrintDialog* dialog);
    // Puts the application's printer (its device context) in the dialog without asking
    // the user; FALSE when there is no printer.
    BOOL GetPrinterWithoutDialog(CPrintDialog* dialog);

    // Resources.
    HICON LoadIcon(UINT id) const { return ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(id)); }
    HICON LoadStandardIcon(LPCSTR name) const { return ::LoadIconA(nullptr, name); }
    HCURSOR LoadCursor(UINT id) const { return ::LoadCursorA(m_hInstance, MAKEINTRESOURCEA(id)); }
    HCURSOR LoadStandardCursor(LPCSTR name) const { return ::LoadCursorA(nullptr, name); }
    // Controls look three-dimensional anyway; kept for the callers.
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

protected:
    void OnFileNew();
    void OnAppExit();
    void OnFilePrintSetup();
    void OnUpdateRecentFileMenu(CCmdUI* cmdUI);
    BOOL OnOpenRecentFile(UINT id);

    CPtrList m_templateList;

private:
    // "Software\<registry key>\<profile name>" under HKEY_CURRENT_USER.
    CString AppRegistryPath() const;
    void TakePrinterRecords(CPrintDialog* dialog);
    void ReleasePrinterRecords();

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();

// The program's entry: initialises the application object, runs InitInstance and the
// message loop, and returns the exit code.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);
