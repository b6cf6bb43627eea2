#pragma once
#include "platform/CString.h"

#include <functional>

class CFrameWnd;
class CProjTreeDOC;

// What the application needs of its main window: the frame holds the project document,
// the project file commands, the docking panes, the command bars and the hardware
// window. The object is the frame itself and goes with its window.
class MainFrameShell {
public:
    virtual ~MainFrameShell() = default;

    // The frame window, not yet created when the factory hands it over.
    virtual CFrameWnd* Frame() = 0;
    // The project document the frame holds; null before the frame's creation made it.
    virtual CProjTreeDOC* ProjectDocument() = 0;
    // Closes the open project (asking to save it); FALSE when the user cancelled.
    virtual BOOL CloseProject() = 0;
    // Closes the open project and loads the file; the workspace's project-open flag
    // tells the outcome.
    virtual void OpenProjectFile(const CString& path) = 0;
    // Runs the configuration check of the open hardware window: FALSE when it refused
    // (and has told the user), TRUE when it passed or no hardware window is open.
    virtual BOOL CheckOpenHardwareConfig() = 0;
    // Gives the docking panes a theme and redraws the command bars in the newly
    // selected command-bar theme.
    virtual void ApplyVisualTheme(int dockingTheme) = 0;
};

// Makes a new main window object for start-up; null when it cannot.
using MainFrameFactory = std::function<MainFrameShell*()>;

// Installs the factory start-up uses and gives back the one it replaces.
MainFrameFactory SetMainFrameFactory(MainFrameFactory factory);
// A new main window object from the installed factory; null without a factory.
MainFrameShell* CreateMainFrameObject();
