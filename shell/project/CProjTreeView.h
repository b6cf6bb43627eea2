#pragma once
#include "platform/CImageList.h"
#include "platform/CTreeView.h"

#include <memory>
#include <vector>

class CCmdUI;
class CProjTreeNode;
class CQLXProject;

// The project manager's tree: the open project as a fixed tree (programs with the
// initial data and one item per POU, configuration with its resources, status table, PC
// communication), opening what an item stands for and running the POU commands (new,
// rename, delete, properties) on the current item.
//
// Every item but the two configuration folders carries a POU record as its item data:
// the POU items the project's own nodes, the fixed items records the view owns. The
// current item is the one under the last click, the one opened with Enter, or a newly
// created POU's item; the commands act on it.
class CProjTreeView : public CTreeView {
    DECLARE_DYNCREATE(CProjTreeView)

public:
    // Kinds of items besides the POUs (2 MAIN, 3 subroutine, 4 interrupt routine).
    enum ItemKind { KindProject = 0, KindPrograms = 1, KindInitData = 5, KindGlobalVars = 6, KindStatusTable = 7,
                    KindHardware = 9, KindComm = 10 };

    CProjTreeView();
    ~CProjTreeView() override;

    // The fixed tree for the open project; the full tree with MAIN, every subroutine and
    // every interrupt routine; every item removed with the view's records.
    void BuildProjectTree();
    void RefreshProjectTree();
    void ClearProjectTree();
    // The project item's text after the project got another name.
    void UpdateProjectLabel();

    // Creates MAIN (0), a subroutine (1) or an interrupt routine (2) with its program
    // file and editor window; FALSE when refused.
    BOOL NewPOU(int type);
    // Opens what the item stands for: a POU's editor, a table window, the PC
    // communication settings.
    void OpenTreeItem(HTREEITEM item);

    HTREEITEM GetCurrentItem() const { return m_current; }
    void SetCurrentItem(HTREEITEM item) { m_current = item; }
    CProjTreeNode* GetItemRecord(HTREEITEM item) const;
    // Whether the POU's document is open: a document title equals its name (a title with
    // "*" loses its last character and blanks first).
    BOOL IsPouOpen(const CProjTreeNode* node) const;
    // The item of the programs folder whose record is node; null when none.
    HTREEITEM FindPouItem(const CProjTreeNode* node) const;
    HTREEITEM GetProgramsItem() const { return m_programs; }

    void OnInitialUpdate() override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    void OnLButtonDown(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnBeginLabelEdit(NMHDR* header, LRESULT* result);
    void OnEndLabelEdit(NMHDR* header, LRESULT* result);
    void OnTreeKeyDown(NMHDR* header, LRESULT* result);

    void OnOpenCurrent();
    void OnOpenHardware();
    void OnOpenStatusTable();
    void OnDeletePou();
    void OnRenamePou();
    void OnPouProperties();
    void OnNewSubroutine() { NewPOU(1); }
    void OnNewInterrupt() { NewPOU(2); }
    void OnUpdatePouCommand(CCmdUI* cmdUI);

private:
    CQLXProject& Project() const;
    HTREEITEM AddItem(LPCSTR text, int image, CProjTreeNode* record, HTREEITEM parent, HTREEITEM after = TVI_LAST);
    HTREEITEM AddFixedItem(LPCSTR text, int image, int kind, HTREEITEM parent, HTREEITEM after = TVI_LAST);
    HTREEITEM AddPouItem(CProjTreeNode* node);
    void SortPrograms();
    void TakeClickedItem(CPoint point);
    void ShowContextMenu(CPoint point);
    void OpenPou(HTREEITEM item, CProjTreeNode* node);
    void OpenCommSettings();
    CProjTreeNode* CreatePouNode(int type);
    void DeletePouItem(HTREEITEM item);
    // Gives the POU its new name: files first, then name, label, item and lookups; FALSE,
    // told to the user, when a file could not be moved.
    BOOL ApplyNewName(HTREEITEM item, CProjTreeNode* node, const CString& newName);

    std::vector<std::unique_ptr<CProjTreeNode>> m_fixedRecords;
    CImageList m_images;
    HTREEITEM m_programs = nullptr;
    HTREEITEM m_initData = nullptr;
    HTREEITEM m_statusTable = nullptr;
    HTREEITEM m_current = nullptr;
    BOOL m_renaming = FALSE;

    DECLARE_MESSAGE_MAP()
};

// The order of the programs folder: the initial data first, MAIN second, then by label
// byte by byte (interrupt routines before subroutines, each in number order).
int CALLBACK CompareProgramItems(LPARAM first, LPARAM second, LPARAM);
