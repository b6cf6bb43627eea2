#pragma once
#include "shell/archive/ProjectArchive.h"

class CWnd;

// The export and import commands of the main window: the archive and folder dialogs,
// the remembered archive folder ("ZipPath"), then the archive routines.
class CArchiveCommands {
public:
    CArchiveCommands(ArchiveShell& shell, CWnd* owner, CProjectArchive& archive)
        : m_shell(shell), m_owner(owner), m_archive(archive) {}

    // Asks for the archive (default name: the project's name + "备份") and exports the
    // project file as it is on disk; not saved first.
    void OnExportProject(const CString& projectFile, const CString& projectName);
    // Asks for the archive and the folder to unpack it into, then imports it.
    void OnImportProject();

    // Where the archive dialogs start: "ZipPath", else the program's "project" folder.
    static CString ArchiveStartFolder();
    // The folder browser's first selection: "PrevProj", else the program's "project" folder.
    static CString ImportStartFolder();

private:
    BOOL AskArchive(BOOL open, const CString& defaultName, CString& path) const;
    BOOL AskTargetFolder(CString& folder) const;

    ArchiveShell& m_shell;
    CWnd* m_owner;
    CProjectArchive& m_archive;
};
