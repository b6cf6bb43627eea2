#include "shell/frame/HardwareWindowPanes.h"

#include "hardware/CHWInfoView.h"
#include "hardware/CHardwareGridView.h"
#include "hardware/HWFlatTabStrip.h"
#include "hardware/HardwareFormHost.h"
#include "hardware/HardwareShell.h"
#include "hardware/HardwareSlots.h"
#include "hardware/HardwareWindowCheck.h"
#include "platform/CMDIFrameWnd.h"
#include "project/CPlcWorkspace.h"
#include "shell/frames/CChildFrameHW.h"
#include "shell/frames/StandInView.h"

#include <memory>

namespace {

// What the module forms of the one hardware window ask of it.
class WindowFormHost : public HardwareFormHost {
public:
    WindowFormHost(HardwareShell& shell, CHardwareGridView& grid) : m_shell(shell), m_grid(grid) {}
    CQLXProject& Project() override { return theWorkspace->project; }
    void RedrawGrid() override { m_grid.RedrawGrid(); }
    void SetProjectModified(bool modified) override { m_shell.SetProjectModified(modified); }

private:
    HardwareShell& m_shell;
    CHardwareGridView& m_grid;
};

// The parts that live as long as the hardware window (there is at most one).
struct WindowParts {
    WindowParts(HardwareShell& shell, CHardwareGridView& grid) : host(shell, grid) {}
    CHWFlatTabStrip strip;
    WindowFormHost host;
};

HardwareShell* installedShell = nullptr;
std::unique_ptr<WindowParts> currentParts;

CHardwareGridView* GridOf(CSplitterWnd& splitter) { return dynamic_cast<CHardwareGridView*>(splitter.GetPane(0, 0)); }
CHWInfoView* InfoOf(CSplitterWnd& splitter) { return dynamic_cast<CHWInfoView*>(splitter.GetPane(1, 0)); }

void AttachPanes(CChildFrameHW& frame) {
    CHardwareGridView* grid = GridOf(frame.GetSplitter());
    CHWInfoView* info = InfoOf(frame.GetSplitter());
    if (grid == nullptr || info == nullptr || installedShell == nullptr)
        return;
    CQLXProject& project = theWorkspace->project;
    currentParts = std::make_unique<WindowParts>(*installedShell, *grid);
    grid->Attach(&project, installedShell);
    currentParts->strip.Create(info);
    info->Attach(&project, &currentParts->host, &currentParts->strip,
                 [grid](int row, int column) { grid->SelectSlotCell(row, column); });
    grid->SetInfoPane(info);
    grid->OnInitialUpdate();
    grid->Slots().RemoveModulesFromSecondCpu();
    info->FillTabs();
}

BOOL CanClose(CSplitterWnd& splitter) {
    CHardwareGridView* grid = GridOf(splitter);
    CHWInfoView* info = InfoOf(splitter);
    if (grid == nullptr || info == nullptr)
        return TRUE;
    CWnd* frame = splitter.GetParent();
    HardwareWindowCheck check(theWorkspace->project, *grid, *info, [frame] {
        if (auto* main = dynamic_cast<CMDIFrameWnd*>(frame->GetParentFrame()))
            main->MDIActivate(frame);
    });
    return CheckHardwareConfig(check);
}

}  // namespace

void InstallHardwareWindowPanes(HardwareShell& shell) {
    installedShell = &shell;
    CChildFrameHW::Panes panes{RUNTIME_CLASS(CHardwareGridView), RUNTIME_CLASS(CHWInfoView), CanClose};
    panes.attach = AttachPanes;
    CChildFrameHW::SetPanes(panes);
}

void UninstallHardwareWindowPanes() {
    installedShell = nullptr;
    CChildFrameHW::SetPanes({RUNTIME_CLASS(CStandInView), RUNTIME_CLASS(CStandInView), nullptr});
}

BOOL CheckHardwareWindow(CChildFrameHW* frame) { return frame == nullptr || CanClose(frame->GetSplitter()); }
