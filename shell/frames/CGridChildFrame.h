#pragma once
#include "shell/frames/CCommandChildFrame.h"

class CCPGridView;

// A command frame holding one grid view over its whole client area, with the focus.
class CGridChildFrame : public CCommandChildFrame {
    DECLARE_DYNAMIC(CGridChildFrame)

public:
    CCPGridView* GetGridView() const { return m_grid; }
    // The number of rows the grid was given (5 before).
    int GetRowCount() const { return m_rows; }

protected:
    CGridChildFrame(ChildWindow window, UINT viewId) : CCommandChildFrame(window), m_viewId(viewId) {}

    // The frame's grid view, not yet created, and the rows it is to show.
    virtual CCPGridView* MakeGridView() = 0;
    virtual int ProjectRowCount() const = 0;
    // Gives the view its rows.
    virtual void SetViewRows(int rows) = 0;
    virtual BOOL FocusOnCreation() const { return FALSE; }

    BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;
    void OnSize(UINT type, int cx, int cy);
    void OnSetFocus(CWnd* oldWnd);

    DECLARE_MESSAGE_MAP()

private:
    CCPGridView* m_grid = nullptr;  // deletes itself with its window
    UINT m_viewId;
    int m_rows = 5;
};
