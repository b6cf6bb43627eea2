#include "shell/output/COutputView.h"

#include "res/resource.h"
#include "shell/output/OutputViewShell.h"

IMPLEMENT_DYNCREATE(COutputView, CView)

BEGIN_MESSAGE_MAP(COutputView, CView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_COMMAND(ID_OUTPUT_CLEAR, OnClear)
    ON_COMMAND(ID_OUTPUT_HIDE, OnHide)
END_MESSAGE_MAP()

namespace {

const char* const kTabCaptions[] = {"通用信息", "编译信息"};
const DWORD kListStyle = WS_CHILD | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;

}  // namespace

BOOL COutputView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CLIPCHILDREN | WS_BORDER;
    return CView::PreCreateWindow(cs);
}

// Without its tab strip the view still comes up, empty.
int COutputView::OnCreate(LPCREATESTRUCT cs) {
    if (CView::OnCreate(cs) == -1)
        return -1;
    if (!m_tabs.Create(WS_CHILD | WS_VISIBLE | FlatTabBottom | FlatTabArrows, CRect(0, 0, 0, 0), this, kTabStripId))
        return 0;
    m_tabs.ModifyStyleEx(0, WS_EX_STATICEDGE);
    for (int tab = 0; tab < TabCount; ++tab)
        if (!CreateList(tab))
            return -1;
    m_tabs.SetCurSel(GeneralTab);
    return 0;
}

BOOL COutputView::CreateList(int tab) {
    COutputListBox& list = m_lists[tab];
    if (list.m_hWnd != nullptr)
        list.DestroyWindow();
    if (!list.Create(kListStyle, CRect(0, 0, 0, 0), &m_tabs, kFirstListId + static_cast<UINT>(tab)))
        return FALSE;
    list.SetTabIndex(tab);
    m_tabs.InsertItem(tab, kTabCaptions[tab], &list);
    return TRUE;
}

void COutputView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    if (m_tabs.m_hWnd != nullptr)
        m_tabs.MoveWindow(0, 0, cx, cy);
}

BOOL COutputView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (wParam == kTabStripId && header->code == TCN_SELCHANGE) {
        const int selected = m_tabs.GetCurSel();
        if (IsTab(selected))
            m_lists[selected].SetTabIndex(selected);
    }
    return CView::OnNotify(wParam, lParam, result);
}

void COutputView::SelectTab(int tab) {
    if (IsTab(tab) && m_tabs.m_hWnd != nullptr)
        m_tabs.SetCurSel(tab);
}

void COutputView::ClearList(int tab) {
    if (IsTab(tab) && m_lists[tab].m_hWnd != nullptr)
        m_lists[tab].ResetContent();
}

BOOL COutputView::AddLine(int tab, LPCSTR text, CFont* font) {
    if (!IsTab(tab) || m_lists[tab].m_hWnd == nullptr)
        return FALSE;
    SelectTab(tab);
    COutputListBox& list = m_lists[tab];
    if (font != nullptr)
        list.SetFont(font);
    list.AppendLine(text);
    Invalidate();
    return TRUE;
}

void COutputView::OnClear() { ClearList(m_tabs.m_hWnd != nullptr ? m_tabs.GetCurSel() : -1); }

void COutputView::OnHide() { GetOutputViewShell().HideOutputPane(); }
