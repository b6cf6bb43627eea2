#include "comm/FolderCleanup.h"

#include "project/FileUtils.h"

namespace {

// Clears read-only, hidden and system so that the entry can be deleted.
void MakeDeletable(const CString& path) {
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    const DWORD blocking = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ::SetFileAttributesA(path, (attributes & ~blocking) | FILE_ATTRIBUTE_ARCHIVE);
}

BOOL DeleteFilesBelow(const CString& folder) {
    std::vector<FolderEntry> entries;
    if (!ListFolder(folder, entries))
        return FALSE;
    for (const FolderEntry& entry : entries) {
        const CString path = JoinPath(folder, entry.name);
        if (entry.IsFolder()) {
            if (!DeleteFilesBelow(path))
                return FALSE;
        } else {
            MakeDeletable(path);
            ::DeleteFileA(path);
        }
    }
    return TRUE;
}

BOOL RemoveDirectSubfolders(const CString& folder) {
    std::vector<FolderEntry> entries;
    if (!ListFolder(folder, entries))
        return FALSE;
    for (const FolderEntry& entry : entries) {
        if (!entry.IsFolder())
            continue;
        const CString path = JoinPath(folder, entry.name);
        MakeDeletable(path);
        ::RemoveDirectoryA(path);
    }
    return TRUE;
}

}  // namespace

BOOL DeleteDirectoryTree(const CString& folder) {
    return DeleteFilesBelow(folder) && RemoveDirectSubfolders(folder);
}
