#include "shell/frame/CMainFrame.h"

#include "project/CPlcWorkspace.h"
#include "project/CProjTreeDOC.h"
#include "shell/frame/MainFrameShells.h"
#include "shell/online/PlcCommands.h"
#include "shell/project/CProjTreeView.h"
#include "shell/project/ProjectFileCommands.h"

// The PLC menu: each command runs through a CPlcCommands over the frame's seams, which
// take the line and the port and give them back before the command returns.

void CMainFrame::OnPlcInfo() { CPlcCommands(*theWorkspace, *m_shells).OnPlcInfo(); }
void CMainFrame::OnPlcClear() { CPlcCommands(*theWorkspace, *m_shells).OnPlcClear(); }
void CMainFrame::OnPlcStop() { CPlcCommands(*theWorkspace, *m_shells).OnPlcStop(); }
void CMainFrame::OnPlcRun() { CPlcCommands(*theWorkspace, *m_shells).OnPlcRun(); }
void CMainFrame::OnPlcClock() { CPlcCommands(*theWorkspace, *m_shells).OnPlcClock(); }
void CMainFrame::OnPlcCompare() { CPlcCommands(*theWorkspace, *m_shells).OnPlcCompare(); }
void CMainFrame::OnPlcDownload() { CPlcCommands(*theWorkspace, *m_shells).OnDownload(); }
void CMainFrame::OnPlcUpload() { CPlcCommands(*theWorkspace, *m_shells).OnUpload(); }
void CMainFrame::OnPlcPassword() { CPlcCommands(*theWorkspace, *m_shells).OnChangePassword(); }
void CMainFrame::OnCommSettings() { CPlcCommands(*theWorkspace, *m_shells).OnCommSettings(); }

// ---- PlcCommandHost --------------------------------------------------------------------

BOOL CMainFrameShells::CloseProject() {
    ProjectFileCommands* commands = m_frame.GetProjectFileCommands();
    return commands ? commands->CloseProject() : TRUE;
}

BOOL CMainFrameShells::SaveProjectAs(const CString& path) {
    CProjTreeDOC* document = m_frame.GetProjectDocument();
    return document && document->SaveProjectAs(path);
}

void CMainFrameShells::RebuildProjectTrees() {
    if (CProjTreeView* tree = m_frame.GetProjectTree())
        tree->RefreshProjectTree();
    FillSubroutinesInInsTrees();
}

// The editors find their POU by the document's path, so opening the files is enough for
// each window to know its tree item.
void CMainFrameShells::OpenUploadedPous() {
    for (const UploadedPou& pou : UploadedPousToOpen(theWorkspace->project))
        OpenDocumentFile(pou.path);
    UpdateTabs();
}
