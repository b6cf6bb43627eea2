#pragma once
#include "shell/frames/CGridChildFrame.h"

// The initial-data window: the initial-data grid, at least six rows.
class CChFrmInitData : public CGridChildFrame {
    DECLARE_DYNAMIC(CChFrmInitData)

public:
    static CChFrmInitData* Open();

protected:
    CChFrmInitData() : CGridChildFrame(ChildWindow::InitData, 32875) {}

    CCPGridView* MakeGridView() override;
    int ProjectRowCount() const override;
    void SetViewRows(int rows) override;
};

// The status table window: the status table grid, at least six rows, with the focus.
class CChildFrmStatus : public CGridChildFrame {
    DECLARE_DYNAMIC(CChildFrmStatus)

public:
    // Makes the status table's grid view (not yet created); the status table itself
    // unless a test installs another.
    using ViewFactory = CCPGridView* (*)();
    static void SetViewFactory(ViewFactory factory);

    static CChildFrmStatus* Open();

protected:
    CChildFrmStatus() : CGridChildFrame(ChildWindow::StatusTable, 5602) {}

    CCPGridView* MakeGridView() override;
    int ProjectRowCount() const override;
    void SetViewRows(int rows) override;
    BOOL FocusOnCreation() const override { return TRUE; }
};
