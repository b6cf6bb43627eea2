#pragma once
#include "project/CProjTreeNode.h"
#include "shell/project/CProjTreeView.h"
#include "tests/shell/RecordingProjectShell.h"
#include "tests/shell/TableViewFixture.h"
#include "tests/support/TempFolder.h"

#include <string>

// A project tree view under the null driver over the workspace's project, whose folder
// is a fresh temporary folder; a recording shell stands for the main frame.
class ProjectTreeFixture : public TableViewFixture {
protected:
    ProjectTreeFixture() {
        workspace.project.name = "Demo";
        workspace.project.folder = folder.Path().c_str();
        workspace.defaultPouLanguage = 1;
        tree = Make<CProjTreeView>(CRect(0, 0, 300, 500));
        tree->OnInitialUpdate();
    }

    CTreeCtrl& Tree() { return tree->GetTreeCtrl(); }
    // The item under parent whose text is text (any depth); null when none.
    HTREEITEM Find(const std::string& text, HTREEITEM parent = TVI_ROOT) {
        for (HTREEITEM item = parent == TVI_ROOT ? Tree().GetRootItem() : Tree().GetChildItem(parent); item;
             item = Tree().GetNextSiblingItem(item)) {
            if (std::string(Tree().GetItemText(item)) == text)
                return item;
            if (HTREEITEM inner = Find(text, item))
                return inner;
        }
        return nullptr;
    }
    // The texts under parent, children in brackets: "a[b,c]".
    std::string Describe(HTREEITEM parent = TVI_ROOT) {
        std::string text;
        for (HTREEITEM item = parent == TVI_ROOT ? Tree().GetRootItem() : Tree().GetChildItem(parent); item;
             item = Tree().GetNextSiblingItem(item)) {
            text += (text.empty() ? "" : ",") + std::string(Tree().GetItemText(item));
            if (Tree().GetChildItem(item) != nullptr)
                text += "[" + Describe(item) + "]";
        }
        return text;
    }
    std::string Programs() { return Describe(tree->GetProgramsItem()); }
    // A new project's tree with MAIN.
    void NewProjectTree() {
        tree->BuildProjectTree();
        tree->NewPOU(0);
    }
    // Clicks an item with the left or right button as a user would.
    void Click(HTREEITEM item, UINT message) {
        CRect text;
        ASSERT_TRUE(Tree().GetItemRect(item, &text, TRUE));
        CPoint point = text.CenterPoint();
        // The control follows the pressed button until it is let go.
        tree->PostMessage(message == WM_LBUTTONDOWN ? WM_LBUTTONUP : WM_RBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        tree->SendMessage(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(point.x, point.y));
    }
    void Key(UINT key) {
        NMTVKEYDOWN down = {};
        down.hdr.hwndFrom = tree->m_hWnd;
        down.hdr.idFrom = 1;
        down.hdr.code = TVN_KEYDOWN;
        down.wVKey = static_cast<WORD>(key);
        parent.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&down));
    }
    bool FileThere(const std::string& name) { return TempFolder::Exists(folder / name); }

    TempFolder folder;
    RecordingProjectShell projectShell;
    CProjTreeView* tree = nullptr;
};
