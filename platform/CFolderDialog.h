#pragma once

#include "platform/CCommonDialog.h"

#include <shlobj.h>

// The system's folder browse dialog. Callers may set more of m_bi (flags, title, a
// callback and its data) before DoModal; afterwards m_strFolderPath holds the chosen
// folder.
class CFolderDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFolderDialog)

public:
    explicit CFolderDialog(UINT flags = BIF_RETURNONLYFSDIRS, CWnd* parent = nullptr);
    CFolderDialog(const CFolderDialog&) = delete;
    CFolderDialog& operator=(const CFolderDialog&) = delete;

    BROWSEINFOA m_bi = {};
    CString m_strFolderPath;

protected:
    void PrepareRecord(HWND owner) override { m_bi.hwndOwner = owner; }
    // A choice that is no file-system folder counts as a cancel.
    BOOL ShowSystemDialog() override;

private:
    char m_displayName[MAX_PATH] = {};
};
