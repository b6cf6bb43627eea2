#include "project/FileUtils.h"

#include "platform/Gbk.h"
#include "platform/MessageBox.h"

namespace {

bool IsSeparator(char ch) { return ch == '\\' || ch == ':'; }

// The path with "/" read as "\" and every trailing separator removed.
CString WithoutTrailingSeparators(const CString& path) {
    CString text = path;
    text.Replace('/', '\\');
    text.TrimRight('\\');
    return text;
}

// Number of "\" in the text, counting whole characters only.
int CountBackslashes(const CString& text) {
    int count = 0;
    for (int pos = text.Find('\\'); pos >= 0; pos = text.Find('\\', pos + 1))
        ++count;
    return count;
}

// A full path without trailing separators: "C:" or a share "\\server\share".
bool IsRootOfFullPath(const CString& fullPath) {
    CString text = WithoutTrailingSeparators(fullPath);
    if (text.Left(4) == "\\\\?\\" || text.Left(4) == "\\\\.\\") {
        text = text.Mid(4);
        if (text.Left(4).CompareNoCase("UNC\\") == 0)
            text = "\\\\" + text.Mid(4);
    }
    if (text.IsEmpty() || (text.GetLength() == 2 && text[1] == ':'))
        return true;
    return text.Left(2) == "\\\\" && CountBackslashes(text.Mid(2)) <= 1;
}

}  // namespace

BOOL IsAllDigits(const CString& text) {
    if (text.IsEmpty())
        return FALSE;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return FALSE;
    return TRUE;
}

CString GetFileExt(const CString& path) {
    const int dot = path.ReverseFind('.');
    return dot < 0 ? CString() : path.Mid(dot + 1);
}

CString ReplaceFileExt(const CString& path, const CString& newExt) {
    // Walk forward by whole characters: the last "." after the last separator,
    // not preceded by another ".", and not the very first character.
    const char* text = path;
    const int length = path.GetLength();
    int dot = -1;
    for (int pos = 0; pos < length; pos += GbkCharLength(text, pos, length)) {
        if (pos == 0)
            continue;
        if (IsSeparator(text[pos]))
            dot = -1;
        else if (text[pos] == '.' && text[pos - 1] != '.')
            dot = pos;
    }
    return dot < 0 ? CString() : path.Left(dot + 1) + newExt;
}

CString GetFileNamePart(const CString& path) {
    int separator = path.ReverseFind('\\');
    if (separator < 0)
        separator = path.ReverseFind(':');
    return path.Mid(separator + 1);
}

CString GetFolderPart(const CString& path) {
    int separator = path.ReverseFind('\\');
    if (separator < 0)
        separator = path.ReverseFind(':');
    return path.Left(separator + 1);
}

CString GetPouNameFromFileName(const CString& fileName) {
    const int underscore = fileName.Find('_');
    const int dot = fileName.ReverseFind('.');
    if (underscore < 0 || dot <= underscore)
        return CString();
    return fileName.Mid(underscore + 1, dot - underscore - 1);
}

BOOL FileExists(const CString& path) {
    HANDLE file = ::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    ::CloseHandle(file);
    return TRUE;
}

BOOL CreateEmptyFile(const CString& path) {
    HANDLE file = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        CString message;
        message.Format("文件 %s 创建失败, 导致编译失败", static_cast<LPCTSTR>(path));
        AfxMessageBox(message, MB_ICONSTOP);
        return FALSE;
    }
    ::CloseHandle(file);
    return TRUE;
}

CString TildeIlpPath(const CString& path) {
    CString ext = GetFileExt(path);
    ext.MakeUpper();
    return ext == "ILP" ? GetFolderPart(path) + "~" + GetFileNamePart(path) : path;
}

BOOL MakeTildeIlpPath(CString& path) {
    if (path.IsEmpty())
        return FALSE;
    path = TildeIlpPath(path);
    return FileExists(path);
}

BOOL ListFolder(const CString& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(JoinPath(folder, "*.*"), &found);
    if (search == INVALID_HANDLE_VALUE)
        return FALSE;
    do {
        const CString name = found.cFileName;
        if (name != "." && name != "..")
            entries.push_back({name, found.dwFileAttributes});
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return TRUE;
}

CString JoinPath(const CString& folder, const CString& name) {
    const int last = folder.GetLength() - 1;
    if (last >= 0 && (folder.ReverseFind('\\') == last || folder.ReverseFind('/') == last))
        return folder + name;
    return folder + "\\" + name;
}

BOOL IsRootFolder(const CString& path) {
    const CString text = WithoutTrailingSeparators(path);
    if (text.IsEmpty() || text.ReverseFind(':') == text.GetLength() - 1)
        return TRUE;   // "\", "C:" and "C:\" in any spelling
    char full[MAX_PATH];
    const DWORD length = ::GetFullPathNameA(path, MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH && IsRootOfFullPath(full);
}

BOOL CleanFolder(const CString& folder) {
    if (folder.IsEmpty())
        return FALSE;
    if (IsRootFolder(folder)) {
        AfxMessageBox("不能操作磁盘根目录");
        return FALSE;
    }
    return DeleteFolderFiles(folder) && DeleteSubfolders(folder);
}

BOOL DeleteFolderFiles(const CString& folder) {
    std::vector<FolderEntry> entries;
    if (!ListFolder(folder, entries))
        return FALSE;
    for (const FolderEntry& entry : entries) {
        const CString path = JoinPath(folder, entry.name);
        if (!(entry.IsFolder() ? DeleteFolderFiles(path) : ::DeleteFileA(path)))
            return FALSE;
    }
    return TRUE;
}

BOOL DeleteSubfolders(const CString& folder) {
    std::vector<FolderEntry> entries;
    if (!ListFolder(folder, entries))
        return FALSE;
    for (const FolderEntry& entry : entries) {
        const CString path = JoinPath(folder, entry.name);
        if (!entry.IsFolder() || !DeleteSubfolders(path) || !::RemoveDirectoryA(path))
            return FALSE;
    }
    return TRUE;
}
