#include "platform/CRecentFileList.h"

#include "platform/CCmdUI.h"
#include "platform/CMenu.h"
#include "platform/CWinApp.h"
#include "platform/FrameworkIds.h"

CRecentFileList::CRecentFileList(UINT start, LPCSTR section, LPCSTR entryFormat, int size, int maxDisplayLength)
    : m_nSize(size),
      m_arrNames(static_cast<size_t>(size)),
      m_strSectionName(section),
      m_strEntryFormat(entryFormat),
      m_nStart(start),
      m_nMaxDisplayLength(maxDisplayLength) {}

void CRecentFileList::Add(LPCSTR path) {
    char fullPath[MAX_PATH];
    if (!::GetFullPathNameA(path, MAX_PATH, fullPath, nullptr))
        lstrcpynA(fullPath, path, MAX_PATH);
    int found = m_nSize - 1;
    for (int i = 0; i < m_nSize - 1; ++i) {
        if (m_arrNames[static_cast<size_t>(i)].CompareNoCase(fullPath) == 0) {
            found = i;
            break;
        }
    }
    for (int i = found; i > 0; --i)
        m_arrNames[static_cast<size_t>(i)] = m_arrNames[static_cast<size_t>(i - 1)];
    m_arrNames[0] = fullPath;
}

void CRecentFileList::Remove(int index) {
    if (index < 0 || index >= m_nSize)
        return;
    for (int i = index; i < m_nSize - 1; ++i)
        m_arrNames[static_cast<size_t>(i)] = m_arrNames[static_cast<size_t>(i + 1)];
    m_arrNames[static_cast<size_t>(m_nSize - 1)].Empty();
}

void CRecentFileList::ReadList() {
    CWinApp* app = AfxGetApp();
    for (int i = 0; i < m_nSize; ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        m_arrNames[static_cast<size_t>(i)] = app->GetProfileString(m_strSectionName, entry);
    }
}

void CRecentFileList::WriteList() {
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int i = 0; i < m_nSize && !m_arrNames[static_cast<size_t>(i)].IsEmpty(); ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        app->WriteProfileString(m_strSectionName, entry, m_arrNames[static_cast<size_t>(i)]);
    }
}

namespace {

// "C:\dir\...\file.ext": folders are dropped from the middle until the text fits.
CString AbbreviatePath(const CString& path, int maxLength, BOOL atLeastName) {
    if (path.GetLength() <= maxLength)
        return path;
    int lastSlash = path.ReverseFind('\\');
    CString fileName = path.Mid(lastSlash + 1);
    if (lastSlash < 0 || fileName.GetLength() + 4 > maxLength)
        return atLeastName || fileName.GetLength() <= maxLength ? fileName : fileName.Left(maxLength);
    int firstSlash = path.Find('\\');
    CString head = path.Left(firstSlash + 1);
    CString tail = path.Mid(firstSlash + 1);
    // Drop leading folders of the tail until head + "...\" + tail fits.
    while (head.GetLength() + 4 + tail.GetLength() > maxLength) {
        int slash = tail.Find('\\');
        if (slash < 0)
            return fileName;
        tail = tail.Mid(slash + 1);
    }
    return head + "...\\" + tail;
}

}  // namespace

BOOL CRecentFileList::GetDisplayName(CString& name, int index, LPCSTR currentDir, int currentDirLength,
                                     BOOL atLeastName) const {
    const CString& path = m_arrNames[static_cast<size_t>(index)];
    if (path.IsEmpty())
        return FALSE;
    name = path;
    if (currentDir && currentDirLength > 0 && path.GetLength() > currentDirLength &&
        path.Left(currentDirLength).CompareNoCase(CString(currentDir, currentDirLength)) == 0)
        name = path.Mid(currentDirLength);
    name = AbbreviatePath(name, m_nMaxDisplayLength, atLeastName);
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* cmdUI) {
    CMenu* menu = cmdUI->m_pMenu;
    if (m_strOriginal.IsEmpty() && menu)
        menu->GetMenuString(cmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
    if (m_arrNames[0].IsEmpty()) {
        if (!m_strOriginal.IsEmpty())
            cmdUI->SetText(m_strOriginal);
        cmdUI->Enable(FALSE);
        return;
    }
    if (!menu)
        return;
    for (int i = 0; i < m_nSize; ++i)
        menu->DeleteMenu(cmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);
    char currentDir[MAX_PATH + 1] = {};
    int length = static_cast<int>(::GetCurrentDirectoryA(MAX_PATH, currentDir));
    if (length > 0 && currentDir[length - 1] != '\\')
        lstrcatA(currentDir, "\\"), ++length;
    for (int i = 0; i < m_nSize; ++i) {
        CString name;
        if (!GetDisplayName(name, i, currentDir, length))
            break;
        name.Replace("&", "&&");
        CString text;
        text.Format("&%d %s", (static_cast<int>(m_nStart) + i + 1) % 10, static_cast<LPCSTR>(name));
        menu->InsertMenu(cmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, cmdUI->m_nID++, text);
    }
    // The items replaced the one being updated; the menu update goes on after them.
    cmdUI->m_nIndex--;
    cmdUI->m_nIndexMax = static_cast<UINT>(menu->GetMenuItemCount());
    cmdUI->m_bEnableChanged = TRUE;
}
