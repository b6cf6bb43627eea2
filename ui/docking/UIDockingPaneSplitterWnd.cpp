#include "ui/docking/UIDockingPaneSplitterWnd.h"

#include "platform/CFrameWnd.h"
#include "platform/MessageMap.h"
#include "res/resource.h"
#include "ui/commandbars/UISplitterTracker.h"
#include "ui/docking/UIDockingLiveResize.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/themes/UIDockingPaneTheme.h"

BEGIN_MESSAGE_MAP(CUIDockingPaneSplitterWnd, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

// The pointer over a bar: the direction it can be dragged in, an arrow while locked.
UINT SplitterCursorId(CUIDockingPaneSplitContainer* container) {
    if (container->GetManager()->m_lockSplitters)
        return 0;
    return container->IsHorizontal() ? IDC_CURSOR_SPLIT_HORIZONTAL : IDC_CURSOR_SPLIT_VERTICAL;
}

HCURSOR LoadSplitterCursor(UINT id) {
    return id ? ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)) : ::LoadCursor(nullptr, IDC_ARROW);
}

}  // namespace

CUIDockingPaneSplitterWnd::CUIDockingPaneSplitterWnd(CUIDockingPaneSplitContainer* container,
                                                     CUIDockingPaneBase* before, CUIDockingPaneBase* after)
    : m_container(container), m_before(before), m_after(after) {
    CFrameWnd* frame = container->GetFrame();
    if (!frame || !frame->m_hWnd)
        return;
    m_cursorId = SplitterCursorId(container);
    LPCSTR windowClass = AfxRegisterWndClass(0, LoadSplitterCursor(m_cursorId));
    CreateEx(0, windowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
             frame, 0);
}

BOOL CUIDockingPaneSplitterWnd::Reuse(CUIDockingPaneBase* before, CUIDockingPaneBase* after) {
    CFrameWnd* frame = m_container->GetFrame();
    if (!m_hWnd || !frame || ::GetParent(m_hWnd) != frame->m_hWnd || m_cursorId != SplitterCursorId(m_container))
        return FALSE;
    m_before = before;
    m_after = after;
    return TRUE;
}

CUIDockingPaneSplitterWnd::~CUIDockingPaneSplitterWnd() {
    if (m_hWnd)
        DestroyWindow();
}

int SplitWeightBefore(int splitterStart, int boundsStart, int boundsEnd, int total) {
    int width = boundsEnd - boundsStart;
    if (width <= 0)
        return -1;
    double share = static_cast<double>(splitterStart - boundsStart + 2) / width;
    int weight = static_cast<int>(share * total);
    return weight < 0 ? 0 : weight > total ? total : weight;
}

void CUIDockingPaneSplitterWnd::ApplyPosition(const CRect& splitter, const CRect& bounds) {
    BOOL horizontal = m_container->IsHorizontal();
    int& before = horizontal ? m_before->m_cx : m_before->m_cy;
    int& after = horizontal ? m_after->m_cx : m_after->m_cy;
    int total = before + after;
    int weight = horizontal ? SplitWeightBefore(splitter.left, bounds.left, bounds.right, total)
                            : SplitWeightBefore(splitter.top, bounds.top, bounds.bottom, total);
    if (weight < 0)
        return;
    before = weight;
    after = total - weight;
}

void CUIDockingPaneSplitterWnd::OnPaint() {
    CPaintDC dc(this);
    Paint(&dc);
}

LRESULT CUIDockingPaneSplitterWnd::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CUIDockingPaneSplitterWnd::Paint(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(client, m_container->GetTheme()->GetColor(51));
}

void CUIDockingPaneSplitterWnd::OnLButtonDown(UINT, CPoint point) {
    CUIDockingPaneHostWnd* manager = m_container->GetManager();
    if (manager->m_lockSplitters)
        return;
    CRect splitter;
    GetWindowRect(&splitter);
    CRect bounds;
    bounds.UnionRect(m_before->GetScreenRect(), m_after->GetScreenRect());
    if (!manager->m_ghostSplitters) {
        // Each step is applied at once: ending with Escape keeps the last sizes.
        TrackLiveResize(this, bounds, splitter, m_container->IsHorizontal(), [&](const CRect& bar) {
            ApplyPosition(bar, bounds);
            if (CFrameWnd* frame = m_container->GetFrame())
                frame->RecalcLayout(TRUE);
        });
        return;
    }
    CUISplitterTracker tracker;
    ClientToScreen(&point);
    if (!tracker.Track(this, bounds, splitter, point, m_container->IsHorizontal()))
        return;
    ApplyPosition(splitter, bounds);
    m_container->DelayFrameLayout();
}
