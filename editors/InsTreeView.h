#pragma once
#include "platform/CImageList.h"
#include "shell/controls/CTipTreeView.h"

// Posted to the active POU editor view when an instruction or subroutine is chosen in an
// instruction tree: wParam bit 0 set for a subroutine, bit 1 for the LD tree; lParam the
// item's InstrDesc record or the subroutine's CQLXFunc.
constexpr UINT WM_INSERT_INSTRUCTION = WM_USER + 100;

class CQLXFunc;

// One instruction set in its docking pane: the instructions of one language in fixed
// groups and the project's subroutines in a last group. A double click asks the active
// POU editor to insert the item; the clock and PID groups follow the CPU.
class CInsTreeView : public CTipTreeView {
    DECLARE_DYNCREATE(CInsTreeView)

public:
    CInsTreeView();
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Lists the groups and instructions of the LD or the IL set; the subroutine group
    // starts empty.
    void FillTree(BOOL ladder);
    // Removes the clock and PID groups for the smallest CPUs, puts them back for others.
    void UpdateCpuGroups(BOOL ladder);
    // The subroutine group, which the main window keeps in step with the project.
    HTREEITEM SubroutineGroup() const { return m_subroutineGroup; }
    // Adds a subroutine item at the end of the group, or at its sorted place.
    void AddSubroutine(CQLXFunc* subroutine, const CString& name, HTREEITEM after = TVI_LAST);

    // The message a double click on the item posts (see WM_INSERT_INSTRUCTION); FALSE
    // for groups, the empty subroutine group and trees that were never filled.
    BOOL InsertRequestFor(HTREEITEM item, WPARAM& wParam, LPARAM& lParam) const;
    // An instruction's description, or null for groups and subroutines.
    const char* DescriptionOf(HTREEITEM item) const;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    const char* TipTextOf(HTREEITEM item) const override { return DescriptionOf(item); }
    DECLARE_MESSAGE_MAP()

private:
    HTREEITEM InsertGroup(int group, HTREEITEM after);
    BOOL IsInstruction(HTREEITEM item) const;

    CImageList m_images;
    BOOL m_bFilled = FALSE;
    BOOL m_bLadder = FALSE;
    HTREEITEM m_subroutineGroup = nullptr;
    HTREEITEM m_clockGroup = nullptr;
    HTREEITEM m_interruptGroup = nullptr;
    HTREEITEM m_pidGroup = nullptr;
    HTREEITEM m_timerGroup = nullptr;
};
