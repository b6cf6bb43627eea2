#pragma once
#include "platform/CString.h"

#include <windows.h>

// What an import needs of the main frame.
class ArchiveShell {
public:
    virtual ~ArchiveShell() = default;
    virtual bool IsProjectOpen() = 0;
    // False when the user kept the project open (cancelled the save question).
    virtual bool CloseProject() = 0;
    virtual void OpenProjectFile(const CString& path) = 0;
};

// A project as one zip archive of its project file and its folder, made and unpacked by
// the external zip program in the Windows folder, always through the work folder.
class CProjectArchive {
public:
    enum class ImportResult { Opened, NoZipProgram, StepFailed, NoProjectFile, Declined, CloseCancelled, CopyFailed };

    explicit CProjectArchive(const CString& workFolder = "c:\\_tessaron_temp");

    // TRUE when the archive is at `archivePath`; the messages only with `showMessages`.
    BOOL ExportProjectToZip(const CString& projectFile, const CString& archivePath, BOOL showMessages);
    // Unpacks the archive into the target folder and opens its project there.
    ImportResult ImportProject(const CString& archivePath, const CString& targetFolder, ArchiveShell& shell);

    // The zip program: the Windows folder + "\pkzipc.exe".
    static CString ZipProgram();
    // A project file's folder: the path up to the last "." of its file name.
    static CString ProjectFolderOf(const CString& projectFile);
    static CString LastComponent(const CString& path);

    static constexpr DWORD kZipTimeoutMs = 5000;

private:
    bool RunZip(const CString& arguments);

    CString m_work;
};

// The text the folder browser shows for a chosen folder: a path over 40 characters
// becomes its head and its last component (with the "\" before it) joined by "...",
// 43 characters in all; a last component that leaves no room for a head is shown by its
// last 40 characters. No part splits a double-byte character.
CString ShortenFolderForStatus(const CString& path);
