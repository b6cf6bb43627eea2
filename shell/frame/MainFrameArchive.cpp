#include "shell/frame/CMainFrame.h"

#include "project/CPlcWorkspace.h"
#include "shell/archive/ArchiveCommands.h"
#include "shell/project/ProjectFileCommands.h"

// Project archives: the import closes and opens projects through the project file
// commands, as the file menu does.

namespace {

class FrameArchiveShell : public ArchiveShell {
public:
    explicit FrameArchiveShell(ProjectFileCommands* commands) : m_commands(commands) {}

    bool IsProjectOpen() override { return theWorkspace->projectOpen != 0; }
    bool CloseProject() override { return !m_commands || m_commands->CloseProject(); }
    void OpenProjectFile(const CString& path) override {
        if (m_commands)
            m_commands->OpenProjectFile(path);
    }

private:
    ProjectFileCommands* m_commands;
};

}  // namespace

BOOL CMainFrame::ExportProjectToZip(const CString& projectFile, const CString& archivePath, BOOL showMessages) {
    return CProjectArchive().ExportProjectToZip(projectFile, archivePath, showMessages);
}

void CMainFrame::OnExportProject() {
    FrameArchiveShell shell(GetProjectFileCommands());
    CProjectArchive archive;
    const CQLXProject& project = theWorkspace->project;
    CArchiveCommands(shell, this, archive).OnExportProject(project.filePath, project.name);
}

void CMainFrame::OnImportProject() {
    FrameArchiveShell shell(GetProjectFileCommands());
    CProjectArchive archive;
    CArchiveCommands(shell, this, archive).OnImportProject();
}
