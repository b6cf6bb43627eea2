#include "shell/archive/CopyFolder.h"

BOOL CopyFolder(const CString& source, const CString& destination) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(source + "\\*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return TRUE;
    BOOL copied = TRUE;
    do {
        const CString name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const CString target = destination + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            copied = SetCurrentDirectoryA(destination) && CreateDirectoryA(name, nullptr) &&
                     CopyFolder(source + "\\" + name, target);
        else
            copied = CopyFileA(source + "\\" + name, target, FALSE);
    } while (copied && FindNextFileA(search, &found));
    FindClose(search);
    return copied;
}
