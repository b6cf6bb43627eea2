#pragma once
#include "shell/frames/CTabbedChildFrame.h"

class CGlobalFBIView;
class CGlobalVarView;

// The global variables window: the global variable table and the FB instance list
// on two tabs. The instance list takes the project's count again whenever the window
// becomes active, since the POUs declare instances meanwhile.
class CChildFrameVar : public CTabbedChildFrame {
    DECLARE_DYNAMIC(CChildFrameVar)

public:
    static CChildFrameVar* Open();
    CGlobalVarView* GetGlobalVarView() const { return m_globals; }
    CGlobalFBIView* GetInstanceView() const { return m_instances; }

protected:
    CChildFrameVar() : CTabbedChildFrame(ChildWindow::GlobalVariables) {}

    int OnCreate(LPCREATESTRUCT cs);
    void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);
    void OnSetFocus(CWnd* oldWnd);

    DECLARE_MESSAGE_MAP()

private:
    void CountInstanceRows();

    CGlobalVarView* m_globals = nullptr;     // the views delete themselves with their windows
    CGlobalFBIView* m_instances = nullptr;
};
