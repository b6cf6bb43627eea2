#include "tests/ui/commandbars/TestBarFrame.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIDockBar.h"
#include "ui/commandbars/UIMouseTrackHook.h"

#include "platform/CFrameWnd.h"
#include "platform/CWinApp.h"
#include "res/resource.h"

namespace {

class CustomizableFrame : public CFrameWnd {
protected:
    void OnCustomize() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CustomizableFrame, CFrameWnd)
    ON_COMMAND(CUICommandBars::CustomizeCommandId, OnCustomize)
END_MESSAGE_MAP()

}  // namespace

BarFrame::BarFrame(BOOL customizable) {
    frame = customizable ? new CustomizableFrame : new CFrameWnd;
    frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1000, 500));
    AfxGetApp()->m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOW);
    bars = new CUICommandBars;
    bars->SetFrameSite(frame);
    bars->EnableDockingBars();
    bars->CreateMenuBar("菜单栏", IDR_PROJECT_TYPE);
    const UINT ids[] = {IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_PROJECT, IDR_TOOLBAR_LADDER, IDR_TOOLBAR_PLC};
    for (UINT id : ids) {
        CUIToolBar* bar = static_cast<CUIToolBar*>(bars->AddToolBar("bar", uiBarTop, RUNTIME_CLASS(CUIToolBar)));
        bar->LoadToolBar(id, TRUE);
        if (!toolBars.empty()) {
            Layout();
            CUIToolBar* previous = toolBars.back();
            CRect rect;
            previous->GetWindowRect(&rect);
            rect.OffsetRect(1, 0);
            bars->DockCommandBar(bar, rect, previous->m_dockBar);
        }
        toolBars.push_back(bar);
    }
    Layout();
}

BarFrame::~BarFrame() {
    CUIMouseTrackHook::Get().EndTracking();
    delete bars;
    AfxGetApp()->m_pMainWnd = nullptr;
    frame->DestroyWindow();
}

void BarFrame::Layout() { frame->RecalcLayout(); }

CUIToolBar* BarFrame::Bar(UINT id) const { return dynamic_cast<CUIToolBar*>(bars->GetToolBar(id)); }

CRect BarFrame::InDockBar(CUIToolBar* bar) const {
    CRect rect;
    bar->GetWindowRect(&rect);
    bars->GetDockBar(uiBarTop)->ScreenToClient(&rect);
    return rect;
}

std::vector<UINT> BarFrame::TopEntries() const {
    std::vector<UINT> ids;
    CUIDockBar* top = bars->GetDockBar(uiBarTop);
    for (int i = 0; i < top->GetCount(); ++i)
        ids.push_back(top->GetAt(i) ? top->GetAt(i)->GetBarID() : 0);
    return ids;
}
