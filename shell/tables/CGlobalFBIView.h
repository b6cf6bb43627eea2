#pragma once
#include "platform/CCPGridView.h"

class CQLXProject;

// The second page of the global-variable window: the project's FB instances, one per
// row, read-only (name, type, owning program).
class CGlobalFBIView : public CCPGridView {
    DECLARE_DYNCREATE(CGlobalFBIView)

public:
    CGlobalFBIView();  // over theWorkspace's project
    explicit CGlobalFBIView(CQLXProject& project);

    void SetRowCount(int rows) { SetGridRowCount(rows); }
    // What the window shows on creation and each activation: every instance, at least 1.
    int GetInitialRowCount() const;

    void GetCellText(int col, int row, CString& text, int& mark) override;
    void OnDraw(CDC* dc) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;

private:
    CQLXProject& m_project;
};
