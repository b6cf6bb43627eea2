#include "platform/CStatusBar.h"

#include "platform/CFrameWnd.h"
#include "platform/CommonControls.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
END_MESSAGE_MAP()

namespace {

const int kPaneGap = 6;  // room for the pane's frame around its text

// A pane's state during the idle update: enabled shows the text, checked pops out.
class CStatusCmdUI : public CCmdUI {
public:
    explicit CStatusCmdUI(CStatusBar* bar) : m_bar(bar) {}
    void Enable(BOOL on) override {
        m_bEnableChanged = TRUE;
        UINT style = m_bar->GetPaneStyle(static_cast<int>(m_nIndex)) & ~SBPS_DISABLED;
        m_bar->SetPaneStyle(static_cast<int>(m_nIndex), on ? style : style | SBPS_DISABLED);
    }
    void SetCheck(int check) override {
        UINT style = m_bar->GetPaneStyle(static_cast<int>(m_nIndex)) & ~SBPS_POPOUT;
        m_bar->SetPaneStyle(static_cast<int>(m_nIndex), check ? style | SBPS_POPOUT : style);
    }
    void SetText(LPCSTR text) override { m_bar->SetPaneText(static_cast<int>(m_nIndex), text); }

private:
    CStatusBar* m_bar;
};

}  // namespace

CStatusBar::CStatusBar() { m_cyTopBorder = m_cyBottomBorder = 2; }

// A parent with a sizing border gets the size grip in the bar's corner.
BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
    DWORD windowStyle = (style & ~CBRS_ALL) | WS_CHILD | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (parent->GetStyle() & WS_THICKFRAME)
        windowStyle |= SBARS_SIZEGRIP;
    m_dwStyle = style & CBRS_ALL;
    AfxEnsureCommonControls(ICC_BAR_CLASSES);
    return CreateEx(0, STATUSCLASSNAMEA, nullptr, windowStyle, CRect(0, 0, 0, 0), parent, id);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
    std::vector<Pane> panes;
    CClientDC dc(nullptr);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ oldFont = font ? ::SelectObject(dc.m_hDC, font) : nullptr;
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        Pane pane = {ids[i], SBPS_NORMAL, 0, CString()};
        if (pane.id != ID_SEPARATOR) {
            if (!pane.text.LoadString(pane.id)) {
                ok = false;
                break;
            }
            pane.width = dc.GetTextExtent(pane.text).cx;
        } else {
            pane.width = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
                pane.style |= SBPS_STRETCH | SBPS_NOBORDERS;
        }
        panes.push_back(pane);
    }
    if (oldFont)
        ::SelectObject(dc.m_hDC, oldFont);
    if (!ok)
        return FALSE;
    m_panes = panes;
    UpdateParts();
    for (int i = 0; i < GetCount(); ++i)
        ShowPaneText(i);
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT id) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (m_panes[static_cast<size_t>(i)].id == id)
            return i;
    }
    return -1;
}

void CStatusBar::GetItemRect(int index, LPRECT rect) const {
    ::SendMessageA(m_hWnd, SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect));
}

BOOL CStatusBar::SetPaneText(int index, LPCSTR text, BOOL update) {
    if (index < 0 || index >= GetCount())
        return FALSE;
    Pane& pane = m_panes[static_cast<size_t>(index)];
    if (pane.text == text)
        return TRUE;
    pane.text = text;
    if (update)
        ShowPaneText(index);
    return TRUE;
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
    const Pane& pane = m_panes[static_cast<size_t>(index)];
    id = pane.id;
    style = pane.style;
    width = pane.width;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
    Pane& pane = m_panes[static_cast<size_t>(index)];
    pane.id = id;
    pane.style = style;
    pane.width = width;
    UpdateParts();
    ShowPaneText(index);
}

void CStatusBar::SetPaneStyle(int index, UINT style) {
    Pane& pane = m_panes[static_cast<size_t>(index)];
    if (pane.style == style)
        return;
    pane.style = style;
    UpdateParts();
    ShowPaneText(index);
}

// The stretching pane takes what the fixed panes leave of the client width.
void CStatusBar::UpdateParts() {
    if (!m_hWnd || m_panes.empty())
        return;
    CRect client;
    GetClientRect(&client);
    int gripWidth = (GetStyle() & SBARS_SIZEGRIP) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    int fixed = 0;
    for (const Pane& pane : m_panes) {
        if (!(pane.style & SBPS_STRETCH))
            fixed += pane.width + kPaneGap;
    }
    int stretch = std::max(0, client.Width() - gripWidth - fixed);
    std::vector<int> rights;
    int right = 0;
    for (const Pane& pane : m_panes) {
        right += (pane.style & SBPS_STRETCH) ? stretch : pane.width + kPaneGap;
        rights.push_back(right);
    }
    rights.back() = -1;  // the last part runs to the edge
    SendMessage(SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
}

void CStatusBar::ShowPaneText(int index) {
    const Pane& pane = m_panes[static_cast<size_t>(index)];
    UINT drawStyle = pane.style & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW);
    LPCSTR text = (pane.style & SBPS_DISABLED) ? "" : static_cast<LPCSTR>(pane.text);
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(index) | drawStyle, reinterpret_cast<LPARAM>(text));
}

CSize CStatusBar::CalcFixedLayout(BOOL stretch, BOOL horizontal) {
    CSize size = CControlBar::CalcFixedLayout(stretch, horizontal);
    CClientDC dc(nullptr);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ oldFont = font ? ::SelectObject(dc.m_hDC, font) : nullptr;
    TEXTMETRICA metrics = {};
    dc.GetTextMetrics(&metrics);
    if (oldFont)
        ::SelectObject(dc.m_hDC, oldFont);
    const int drawingHeight = std::max(static_cast<int>(metrics.tmHeight - metrics.tmInternalLeading + 4), m_minHeight);
    size.cy = drawingHeight + m_cyTopBorder + m_cyBottomBorder;
    return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
    CStatusCmdUI state(this);
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].id;
        if (state.m_nID != ID_SEPARATOR)
            state.DoUpdate(target, disableIfNoHandler);
    }
}

void CStatusBar::OnSize(UINT type, int cx, int cy) {
    Default();
    UpdateParts();
}

// The window's text is the first pane's text (the frame's messages).
LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam) {
    if (m_panes.empty())
        return FALSE;
    SetPaneText(0, reinterpret_cast<LPCSTR>(lParam) ? reinterpret_cast<LPCSTR>(lParam) : "");
    return TRUE;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam) {
    if (m_panes.empty() || wParam == 0)
        return 0;
    lstrcpynA(reinterpret_cast<LPSTR>(lParam), m_panes[0].text, static_cast<int>(wParam));
    return lstrlenA(reinterpret_cast<LPSTR>(lParam));
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM) { return m_panes.empty() ? 0 : m_panes[0].text.GetLength(); }

LRESULT CStatusBar::OnSetMinHeight(WPARAM height, LPARAM) {
    m_minHeight = static_cast<int>(height);
    return Default();
}
