#pragma once

#include "platform/CString.h"

#include <vector>

class CCmdUI;

// The most recently used files, most recent first, kept in the application's
// profile as "<entry format>" values (File1, File2, ...) of one section.
class CRecentFileList {
public:
    CRecentFileList(UINT start, LPCSTR section, LPCSTR entryFormat, int size, int maxDisplayLength = 30);
    virtual ~CRecentFileList() = default;

    int GetSize() const { return m_nSize; }
    CString& operator[](int index) { return m_arrNames[static_cast<size_t>(index)]; }

    // Puts the full path at the top; an entry of the same file (letter case aside)
    // moves up instead of repeating, and the last entry drops off a full list.
    virtual void Add(LPCSTR path);
    virtual void Remove(int index);
    virtual void ReadList();
    virtual void WriteList();
    // The name to show for an entry: relative to the current directory when inside
    // it, shortened to the display length (but never shorter than the file name when
    // atLeastName). FALSE for an empty entry.
    virtual BOOL GetDisplayName(CString& name, int index, LPCSTR currentDir, int currentDirLength,
                                BOOL atLeastName = TRUE) const;
    // Replaces the menu item of the first entry's command by one item per entry.
    virtual void UpdateMenu(CCmdUI* cmdUI);

    int m_nSize;
    std::vector<CString> m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
    CString m_strOriginal;  // the menu text shown while the list is empty
};
