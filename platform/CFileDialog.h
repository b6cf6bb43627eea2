#pragma once

#include "platform/CCommonDialog.h"

#include <commdlg.h>

#include <string>

// The system's open or save file dialog. The filter is given as pairs of description
// and pattern, each ended by "|", the whole ended by a further "|"
// ("工程文件 (*.qpr)|*.qpr||"). Callers may set more of m_ofn (title, initial
// folder, record size) before DoModal; the dialog is always explorer style.
class CFileDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFileDialog)

public:
    explicit CFileDialog(BOOL openFileDialog, LPCSTR defaultExt = nullptr, LPCSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR filter = nullptr,
                         CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    OPENFILENAMEA m_ofn = {};
    BOOL m_bOpenFileDialog;

    // The chosen file: its full path, the part after the last "\", and that part's
    // text after its last "." (empty without one).
    CString GetPathName() const { return m_ofn.lpstrFile; }
    CString GetFileName() const;
    CString GetFileExt() const;

protected:
    void PrepareRecord(HWND owner) override { m_ofn.hwndOwner = owner; }
    BOOL ShowSystemDialog() override;

private:
    std::string m_filter;  // the filter with each "|" made a terminating zero
    char m_fileName[MAX_PATH] = {};
    char m_fileTitle[MAX_PATH] = {};
};
