#pragma once
// Small helpers on Windows file names, paths and folders ("\" between folders, ":"
// after a drive letter). Names may hold GBK text: no trail byte is taken for a "\".

#include "platform/Afx.h"

#include <vector>

BOOL IsAllDigits(const CString& text);

// The text after the last "."; empty when there is none.
CString GetFileExt(const CString& path);
// The path up to and including the "." of its extension, then newExt; empty when the
// file name part has no such "." (a "." in a folder name does not count, and the
// first character of the path is never taken for it).
CString ReplaceFileExt(const CString& path, const CString& newExt);
// The text after the last "\" (or, without one, after the last ":").
CString GetFileNamePart(const CString& path);
// The text up to and including the last "\" (or ":"); empty without either.
CString GetFolderPart(const CString& path);
// The text between the first "_" and the last "." of a POU file name, such as
// "SBR03_pump.ilp"; empty when either is missing.
CString GetPouNameFromFileName(const CString& fileName);

// TRUE when the file can be opened for exclusive reading: a file that another
// program holds open counts as absent.
BOOL FileExists(const CString& path);
// Creates or truncates the file; on failure tells the user and gives FALSE.
BOOL CreateEmptyFile(const CString& path);
// The "~"-prefixed twin in the same folder of an ".ilp" path (any case); other paths as
// they are.
CString TildeIlpPath(const CString& path);
// The same in place; TRUE when the resulting path names an existing file.
BOOL MakeTildeIlpPath(CString& path);

// One entry of a folder listing, "." and ".." left out.
struct FolderEntry {
    CString name;
    DWORD attributes;
    bool IsFolder() const { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
};
// Lists the folder's entries; FALSE when the folder cannot be listed.
BOOL ListFolder(const CString& folder, std::vector<FolderEntry>& entries);
// The folder and the name joined with one "\".
CString JoinPath(const CString& folder, const CString& name);

// TRUE when the path names a drive or share root in any spelling ("C:", "C:\",
// "C:/", "\", "\\server\share\", or a path that resolves to one).
BOOL IsRootFolder(const CString& path);

// Deletes every file and sub-folder below the folder and keeps the folder itself.
// Refuses a root folder with a message. Stops at the first entry it cannot delete.
// None of these changes the process's current folder.
BOOL CleanFolder(const CString& folder);
// First pass: deletes every file at any depth below the folder.
BOOL DeleteFolderFiles(const CString& folder);
// Second pass: removes every sub-folder; FALSE when a file is met.
BOOL DeleteSubfolders(const CString& folder);
