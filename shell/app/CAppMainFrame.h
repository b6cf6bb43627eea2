#pragma once
#include "shell/app/MainFrameShell.h"
#include "shell/frame/CMainFrame.h"

// The program's main window as the application drives it: the main frame with the
// operations start-up, the recent projects and the project save ask of it.
class CAppMainFrame : public CMainFrame, public MainFrameShell {
public:
    CFrameWnd* Frame() override { return this; }
    CProjTreeDOC* ProjectDocument() override { return GetProjectDocument(); }
    BOOL CloseProject() override;
    void OpenProjectFile(const CString& path) override;
    BOOL CheckOpenHardwareConfig() override;
    void ApplyVisualTheme(int dockingTheme) override;
};
