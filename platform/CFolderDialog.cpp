#include "platform/CFolderDialog.h"

IMPLEMENT_DYNAMIC(CFolderDialog, CCommonDialog)

CFolderDialog::CFolderDialog(UINT flags, CWnd* parent) : CCommonDialog(parent) {
    m_bi.pszDisplayName = m_displayName;
    m_bi.ulFlags = flags;
}

BOOL CFolderDialog::ShowSystemDialog() {
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&m_bi);
    if (!chosen)
        return FALSE;
    char path[MAX_PATH] = {};
    BOOL isFolder = ::SHGetPathFromIDListA(chosen, path);
    ::CoTaskMemFree(chosen);
    if (isFolder)
        m_strFolderPath = path;
    return isFolder;
}
