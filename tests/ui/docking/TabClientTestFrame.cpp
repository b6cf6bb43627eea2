#include "tests/ui/docking/TabClientTestFrame.h"

#include "tests/ui/docking/DockingTestFrame.h"
#include "ui/docking/tabs/UITabTheme.h"

LRESULT TabTestChild::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case TabGetCaptionNotify:
        return caption.IsEmpty() ? 0 : reinterpret_cast<LRESULT>(static_cast<LPCSTR>(caption));
    case TabGetTooltipNotify:
        return tooltip.IsEmpty() ? 0 : reinterpret_cast<LRESULT>(static_cast<LPCSTR>(tooltip));
    case TabGetColorNotify:
        return color;
    case TabGetIconNotify:
        return reinterpret_cast<LRESULT>(icon);
    default:
        return CMDIChildWnd::WindowProc(message, wParam, lParam);
    }
}

TabTestFrame* TabTestFrame::Make(BOOL groups, int width, int height) {
    auto* frame = new TabTestFrame;
    frame->Create(nullptr, "Tabs", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, width, height));
    frame->tabs.GetPaintManager()->tabIcons = FALSE;
    frame->tabs.AttachToMDIFrame(frame, groups);
    frame->tabs.SetFlags(2);
    return frame;
}

TabTestChild* TabTestFrame::AddChild(LPCSTR title) {
    auto* child = new TabTestChild;
    child->Create(nullptr, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150), this);
    return child;
}

std::vector<std::string> TabTestFrame::Captions(int group) const {
    std::vector<std::string> captions;
    if (CUITabWorkspace* workspace = tabs.GetWorkspace(group))
        for (int i = 0; i < workspace->GetItemCount(); ++i)
            captions.push_back(static_cast<LPCSTR>(workspace->GetItem(i)->GetCaption()));
    return captions;
}

CRect TabTestFrame::MdiClientRect() const { return RectInParent(m_hWndMDIClient); }

LRESULT TabTestFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != TabWorkspaceMouseNotify) return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    mousePresses.emplace_back(wParam, lParam);
    return mouseAnswer;
}

void TabTestFrame::PostNcDestroy() {
    tabs.DetachFromMDIFrame();
    CMDIFrameWnd::PostNcDestroy();
}
