#pragma once
#include "platform/CListView.h"

struct AddressUseRecord;

// The cross-reference window: every use of a memory address that the last compile
// recorded, with the global variable at that address, the program and its network or
// line, and whether it reads or writes. A double click or Enter opens the program there.
class CUsedVarRefView : public CListView {
    DECLARE_DYNCREATE(CUsedVarRefView)

public:
    // The list's first capacity by CpuClass; a compile that recorded more still shows
    // every use.
    static int CapacityOfCpuClass(int cpuClass);

    // Lists the uses again, selecting the row selected before when it is still there.
    void Refresh();
    // Opens the program of the selected use at its network or line.
    void LocateSelected();
    // The selected row, -1 when none.
    int GetSelectedRow() const;

    void OnInitialUpdate() override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    void OnDoubleClick(NMHDR* header, LRESULT* result);
    void OnRightClick(NMHDR* header, LRESULT* result);
    void OnListKeyDown(NMHDR* header, LRESULT* result);
    void OnRefresh() { Refresh(); }
    void OnLocate() { LocateSelected(); }
    void OnUpdateLocate(CCmdUI* cmdUI);

private:
    void AddColumns();
    void AddRow(int index, const AddressUseRecord& use);

    bool m_columnsAdded = false;

    DECLARE_MESSAGE_MAP()
};

// The parts of a use's row that the view shows and locates by.
CString CrossReferencePouText(const CString& programName);
CString CrossReferencePlaceText(int numberingMode, int position);
CString CrossReferenceAccessText(unsigned access);
// The network or line number of a place text; 0 when it is neither.
int CrossReferencePlaceNumber(const CString& place);
