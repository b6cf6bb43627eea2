#pragma once
#include "platform/CPoint.h"
#include "platform/CString.h"

class CProjTreeNode;
class CWnd;

// What the POU editors ask of the application shell: the project tree's node of the POU
// being opened and its selection, the status bar and context menus. The main frame implements it and installs itself with SetEditorShell; tests
// install a recording stand-in. Without a shell an editor opens as an IL POU that is no
// subroutine, and the rest does nothing. Output lines go through the compile shell.
class IEditorShell {
public:
    virtual ~IEditorShell() = default;
    // The node of the project tree's current item: the POU being opened; null if none.
    virtual CProjTreeNode* GetCurrentPouNode() = 0;
    // Makes the node the project tree's selected item.
    virtual void SelectPouNode(CProjTreeNode* node) = 0;
    // Writes a pane of the main window's status bar (1 network, 2 line and column).
    virtual void SetStatusText(int pane, const CString& text) = 0;
    // Shows the first submenu of a menu resource at a screen point; the chosen command
    // goes to the owner.
    virtual void ShowContextMenu(unsigned menuId, CPoint screenPoint, CWnd* owner) = 0;
};

void SetEditorShell(IEditorShell* shell);
IEditorShell* GetEditorShell();
