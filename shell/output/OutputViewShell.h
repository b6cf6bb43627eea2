#pragma once
#include "platform/CPoint.h"
#include "platform/CString.h"

#include <windows.h>

class CDocument;
class CMDIChildWnd;
class CWnd;

// What the output window needs of the main frame. The main frame installs the real one;
// until then these calls do nothing (answers are null), and tests install a recording
// fake.
class OutputViewShell {
public:
    virtual ~OutputViewShell() = default;

    // Clears the frame's output-shown flag and slides the output pane away (auto-hide);
    // the next output line brings it back.
    virtual void HideOutputPane() = 0;
    // Opens or activates the initial-data window; its frame, or null.
    virtual CMDIChildWnd* OpenInitDataWindow() = 0;
    // Opens the file as a document (activating an editor that has it open already).
    virtual CDocument* OpenDocumentFile(const CString& path) = 0;
    // Shows the first popup of the menu resource at a screen point, commands to owner.
    virtual void TrackContextMenu(UINT menuId, CPoint screenPoint, CWnd* owner) = 0;
};

// Installs the shell (null removes it) and gives back the one it replaces.
OutputViewShell* SetOutputViewShell(OutputViewShell* shell);
// The installed shell, or one that does nothing.
OutputViewShell& GetOutputViewShell();
