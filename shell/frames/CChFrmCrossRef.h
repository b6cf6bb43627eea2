#pragma once
#include "shell/frames/CTabbedChildFrame.h"

// The cross-reference window: one tab holding the list of operand uses.
class CChFrmCrossRef : public CTabbedChildFrame {
    DECLARE_DYNAMIC(CChFrmCrossRef)

public:
    // Makes the filled list as a child of the tab strip with the given id. Installed by
    // the cross-reference view; until then an empty stand-in view.
    using ListFactory = CWnd* (*)(CWnd* parent, UINT id);
    static void SetListFactory(ListFactory factory);

    static CChFrmCrossRef* Open();
    CWnd* GetList() const { return m_list; }

protected:
    CChFrmCrossRef() : CTabbedChildFrame(ChildWindow::CrossReference) {}

    int OnCreate(LPCREATESTRUCT cs);
    void OnClose();

    DECLARE_MESSAGE_MAP()

private:
    CWnd* m_list = nullptr;  // deletes itself with its window
};
