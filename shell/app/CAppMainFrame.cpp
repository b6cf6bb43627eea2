#include "shell/app/CAppMainFrame.h"

#include "ui/commandbars/UICommandBars.h"
#include "shell/frames/CChildFrameHW.h"
#include "shell/project/ProjectFileCommands.h"

// The project file commands come with the project tree; before it there is no project
// to close or open.
BOOL CAppMainFrame::CloseProject() {
    ProjectFileCommands* commands = GetProjectFileCommands();
    return commands == nullptr || commands->CloseProject();
}

void CAppMainFrame::OpenProjectFile(const CString& path) {
    if (ProjectFileCommands* commands = GetProjectFileCommands())
        commands->OpenProjectFile(path);
}

BOOL CAppMainFrame::CheckOpenHardwareConfig() {
    if (!ChildWindows().IsOpen(ChildWindow::Hardware))
        return TRUE;
    auto* hardware = dynamic_cast<CChildFrameHW*>(ChildWindows().GetFrame(ChildWindow::Hardware));
    return hardware == nullptr || hardware->CheckConfiguration();
}

void CAppMainFrame::ApplyVisualTheme(int dockingTheme) {
    GetPaneManager().SetTheme(dockingTheme);
    if (CUICommandBars* bars = GetCommandBars())
        bars->RedrawCommandBars();
}
