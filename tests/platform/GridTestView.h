#pragma once
#include "platform/CCPGridView.h"
#include "platform/CComboBox.h"

#include <map>
#include <string>
#include <vector>

// A grid view over a small table of texts: column 0 edits, column 1 picks from a list,
// column 2 has no control. It records commits and header clicks.
class GridTestView : public CCPGridView {
public:
    explicit GridTestView(int rows, int style = 2) : cells(rows, std::vector<CString>(3)) {
        AddCol(80, "名称", 0x8804, 0x8024);
        AddCol(80, "类型", 0x8804, 0x8024);
        AddCol(120, "注 释", 0x8804, 0x8024);
        DefineColCtrl(0, CPCtrlEdit, WS_CHILD | ES_AUTOHSCROLL, 0);
        DefineColCtrl(1, CPCtrlList, WS_CHILD | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT, 1);
        SetGridStyle(style);
        SetGridRowCount(rows);
    }

    CWnd* CreateCellCtrl(int col, int row, DWORD style, UINT id) override {
        CWnd* ctrl = CCPGridView::CreateCellCtrl(col, row, style, id);
        if (col == 1) {
            auto* list = static_cast<CComboBox*>(ctrl);
            list->AddString("BOOL");
            list->AddString("INT");
        }
        return ctrl;
    }
    void OnSaveCellData(int col, int row) override {
        commits.push_back(std::to_string(col) + "," + std::to_string(row) + "=" + GetCellCtrlText().GetString());
        if (row < static_cast<int>(cells.size()))
            cells[row][col] = GetCellCtrlText();
    }
    void GetCellText(int col, int row, CString& text, int& mark) override {
        text = row < static_cast<int>(cells.size()) ? cells[row][col] : CString();
        mark = marks.count({col, row}) ? marks[{col, row}] : CPMarkPlain;
    }
    void OnFixedRowDown(int col) override {
        headerClicks.push_back(col);
        CCPGridView::OnFixedRowDown(col);
    }

    std::vector<std::vector<CString>> cells;
    std::map<std::pair<int, int>, int> marks;
    std::vector<std::string> commits;
    std::vector<int> headerClicks;
};
