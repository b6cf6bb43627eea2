#pragma once
#include "platform/CSplitterWnd.h"
#include "shell/frames/CCommandChildFrame.h"

// The hardware configuration window: the slot grid above the module information pane.
// While it is active the main frame shows the module list instead of the instruction
// sets. It closes only when the configuration check passes.
class CChildFrameHW : public CCommandChildFrame {
    DECLARE_DYNAMIC(CChildFrameHW)

public:
    // What the hardware window puts into the frame: the two pane classes and the check
    // that guards closing (true lets the window close). Until installed, empty stand-in
    // panes and no check.
    struct Panes {
        CRuntimeClass* grid;
        CRuntimeClass* info;
        BOOL (*canClose)(CSplitterWnd& splitter);
        // Gives the new panes what they work on, before they first paint.
        void (*attach)(CChildFrameHW& frame) = nullptr;
    };
    static void SetPanes(const Panes& panes);

    static constexpr int kGridRowHeight = 160;
    static constexpr int kInfoRowHeight = 300;

    // Opens the window, activated maximised; null when it could not be made.
    static CChildFrameHW* Open();
    CSplitterWnd& GetSplitter() { return m_splitter; }
    // The check that guards closing, run on the window as it is: FALSE when the
    // configuration was refused (the check has told the user); TRUE without a check.
    BOOL CheckConfiguration();

protected:
    CChildFrameHW() : CCommandChildFrame(ChildWindow::Hardware) {}

    BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;
    void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);
    void OnClose();

    DECLARE_MESSAGE_MAP()

private:
    CSplitterWnd m_splitter;
};
