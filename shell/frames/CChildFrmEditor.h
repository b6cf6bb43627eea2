#pragma once
#include "platform/CMDIChildWnd.h"
#include "platform/CSplitterWnd.h"

class CPOUEditorView;

// The frame of an open POU: the POU's variable table above its editor, opened
// maximised. Leaving it hands the POU's parameters to the project (or stops the live
// display while monitoring); coming back starts the live display again.
class CChildFrmEditor : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrmEditor)

public:
    static constexpr int kVariableRowHeight = 120;
    static constexpr int kEditorRowHeight = 250;

    void ActivateFrame(int showCommand = -1) override;
    CSplitterWnd& GetSplitter() { return m_splitter; }
    CPOUEditorView* GetEditorView() const;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;
    void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);

    DECLARE_MESSAGE_MAP()

private:
    CSplitterWnd m_splitter;
};

// The frame of the project document: its view, opened maximised.
class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)

public:
    void ActivateFrame(int showCommand = -1) override;
};
