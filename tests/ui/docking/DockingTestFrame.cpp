#include "tests/ui/docking/DockingTestFrame.h"

#include "ui/docking/UIDockingPaneTabbedContainer.h"

DockingTestFrame* DockingTestFrame::Make(int width, int height, BOOL statusBar) {
    auto* frame = new DockingTestFrame;
    frame->Create(nullptr, "Docking", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, width, height));
    if (statusBar) {
        static const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR};
        frame->statusBar.Create(frame);
        frame->statusBar.SetIndicators(indicators, 2);
    }
    frame->manager.InstallDockingPanes(frame);
    return frame;
}

void DockingTestFrame::MakeStartUpPanes() {
    manager.CreatePane(ProjectPane, CRect(0, 0, 205, 140), DockLeft);
    manager.CreatePane(OutputPane, CRect(0, 0, 80, 120), DockBottom);
    manager.CreatePane(LdPane, CRect(0, 0, 140, 100), DockRight);
    manager.CreatePane(IlPane, CRect(0, 0, 140, 100), DockRight);
    manager.CreatePane(ModulePane, CRect(0, 0, 160, 200), DockRight);
    manager.AttachPane(Pane(IlPane), Pane(LdPane));
    manager.ClosePane(Pane(ModulePane));
}

void DockingFrameTest::MakeFrame(BOOL startUpPanes, BOOL statusBar) {
    if (frame && frame->m_hWnd)
        frame->DestroyWindow();
    frame = DockingTestFrame::Make(1000, 700, statusBar);
    if (startUpPanes) {
        frame->MakeStartUpPanes();
        frame->RecalcLayout();
    }
}

void DockingFrameTest::TearDown() {
    if (frame->m_hWnd)
        frame->DestroyWindow();
}

std::vector<DockingNote> DockingTestFrame::Notes(WPARAM code) const {
    std::vector<DockingNote> result;
    for (const DockingNote& note : notes)
        if (!code || note.code == code)
            result.push_back(note);
    return result;
}

std::vector<int> DockingTestFrame::Actions() const {
    std::vector<int> actions;
    for (const DockingNote& note : Notes(DockingPaneNotifyAction))
        actions.push_back(note.action);
    return actions;
}

LRESULT DockingTestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != DockingPaneNotify)
        return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    DockingNote note = {wParam, -1, 0, nullptr, 0};
    if (wParam == DockingPaneNotifyAction) {
        auto* record = reinterpret_cast<DockingPaneActionRecord*>(lParam);
        note.action = record->action;
        note.paneId = record->pane ? record->pane->GetId() : 0;
        note.target = record->target;
        note.direction = record->direction;
        if (refused.count(record->action) && (!refusedPane || refusedPane == note.paneId))
            record->cancel = 1;
    } else if (wParam == DockingPaneNotifyShowWindow || wParam == DockingPaneNotifyClosePane) {
        auto* pane = reinterpret_cast<CUIDockingPaneItem*>(lParam);
        note.paneId = pane->GetId();
        if (wParam == DockingPaneNotifyShowWindow && attachViews && !pane->HasWindow())
            pane->AttachView(this, RUNTIME_CLASS(CWnd), nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER);
    }
    notes.push_back(note);
    return wParam == DockingPaneNotifyClosePane ? closeAnswer : 0;
}

CUIDockingPaneTabbedContainer* HolderOf(CUIDockingPaneItem* pane) {
    CUIDockingPaneBase* holder = pane->GetHolder();
    return holder && holder->GetKind() == DockingPaneKindTabbed ? static_cast<CUIDockingPaneTabbedContainer*>(holder)
                                                                 : nullptr;
}

CRect RectInParent(HWND window) {
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

void PrintTo(const CRect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
