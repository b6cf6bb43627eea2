#include "ui/docking/tabs/UIFlatTabCtrl.h"

#include <algorithm>
#include <memory>

#include "platform/CDC.h"
#include "ui/commandbars/UIUISettings.h"

namespace {
constexpr UINT ScrollBarId = 59904;
constexpr UINT TipTextId = 9105;
constexpr int SplitterWidth = 6;
constexpr int InitialSplitterPercent = 60;

// The first button of each layout points left; records 2 and 3 exist with the first and
// last buttons only.
struct ButtonLayout {
    UINT command;
    BOOL bar;
    int direction;
};
const ButtonLayout ArrowButtons[] = {{FlatTabBack, FALSE, 2}, {FlatTabForward, FALSE, 0}};
const ButtonLayout HomeEndButtons[] = {
    {FlatTabFirst, TRUE, 2}, {FlatTabBack, FALSE, 2}, {FlatTabForward, FALSE, 0}, {FlatTabLast, TRUE, 0}};
}  // namespace

BEGIN_MESSAGE_MAP(CUIFlatTabCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_HSCROLL()
    ON_WM_SYSCOLORCHANGE()
    ON_COMMAND_RANGE(FlatTabBack, FlatTabLast, OnScrollCommand)
END_MESSAGE_MAP()

CUIFlatTabCtrl::CUIFlatTabCtrl()
    : m_arrowWidth(::GetSystemMetrics(SM_CXHSCROLL) - 1), m_height(::GetSystemMetrics(SM_CYHSCROLL)) {
    CUIUISettings* settings = GetUISettings();
    m_normalFont = &settings->regularFont;
    m_selectedFont = &settings->boldFont;
    UpdateColors();
}

CUIFlatTabCtrl::~CUIFlatTabCtrl() {
    while (RemoveItem(0)) {
    }
    if (m_tip.m_hWnd) m_tip.DestroyWindow();
    if (m_scrollBar.m_hWnd) m_scrollBar.DestroyWindow();
    if (m_hWnd) DestroyWindow();
}

BOOL CUIFlatTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(nullptr, nullptr, style, rect, parent, id);
}

void CUIFlatTabCtrl::UpdateColors() {
    m_shadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_face = ::GetSysColor(COLOR_BTNFACE);
    m_text = ::GetSysColor(COLOR_BTNTEXT);
    m_window = ::GetSysColor(COLOR_WINDOW);
    m_windowText = ::GetSysColor(COLOR_WINDOWTEXT);
    const std::pair<CPen*, COLORREF> pens[] = {
        {&m_textPen, m_text}, {&m_shadowPen, m_shadow}, {&m_highlightPen, m_highlight},
        {&m_facePen, m_face}, {&m_windowPen, m_window}};
    for (const auto& [pen, colour] : pens) {
        pen->DeleteObject();
        pen->CreatePen(PS_SOLID, 1, colour);
    }
}

void CUIFlatTabCtrl::OnSysColorChange() {
    CWnd::OnSysColorChange();
    UpdateColors();
}

void CUIFlatTabCtrl::SetTabFonts(CFont* normal, CFont* selected) {
    if (normal) m_normalFont = normal;
    if (selected) m_selectedFont = selected;
}

int CUIFlatTabCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (Default() == -1) return -1;
    m_style = cs->style & 0xFFFF;
    if (m_style & FlatTabHomeEnd) m_style |= FlatTabArrows;
    m_width = cs->cx;
    m_clientHeight = cs->cy;
    if ((m_style & FlatTabToolTips) && m_tip.Create(this)) {
        m_tip.Activate(TRUE);
        m_tip.AddTool(this, TipTextId);
        m_tip.SetMaxTipWidth(32767);
    }
    if (m_style & FlatTabArrows) {
        BOOL homeEnd = (m_style & FlatTabHomeEnd) != 0;
        const ButtonLayout* layout = homeEnd ? HomeEndButtons : ArrowButtons;
        int count = homeEnd ? 4 : 2;
        for (int k = 0; k < count; ++k) {
            m_buttons[k].command = layout[k].command;
            m_buttons[k].bar = layout[k].bar;
            m_buttons[k].direction = layout[k].direction;
        }
        m_first = homeEnd ? 0 : 3;
        m_back = homeEnd ? 1 : 0;
        m_forward = homeEnd ? 2 : 1;
        m_last = homeEnd ? 3 : 3;
    }
    RecalcLayout();
    if (m_style & FlatTabHScroll) {
        m_scrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this, ScrollBarId);
        SetSplitterPos(InitialSplitterPercent, TRUE);
    }
    return 0;
}

int CUIFlatTabCtrl::GetButtonsWidth() const {
    if (m_style & FlatTabHomeEnd) return 4 * m_arrowWidth;
    return (m_style & FlatTabArrows) ? 2 * m_arrowWidth : 0;
}

int CUIFlatTabCtrl::VisibleWidth() const {
    int end = (m_style & FlatTabHScroll) ? m_splitterPos : m_width;
    return end - GetButtonsWidth();
}

void CUIFlatTabCtrl::PlaceSheet(CWnd* sheet) const {
    if (sheet && sheet->m_hWnd)
        sheet->SetWindowPos(nullptr, m_sheetRect.left, m_sheetRect.top, m_sheetRect.Width(),
                            m_sheetRect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CUIFlatTabCtrl::RecalcLayout() {
    int top = (m_style & FlatTabBottom) ? m_clientHeight - m_height : 0;
    m_stripRect.SetRect(0, top, m_width, top + m_height);
    int sheetTop = (m_style & FlatTabBottom) ? 0 : m_height;
    m_sheetRect.SetRect(0, sheetTop, m_width, m_clientHeight - m_height + sheetTop);
    if (m_sheetsAttached)
        for (Item* item : m_items) PlaceSheet(item->sheet);
    if (m_style & FlatTabArrows) {
        int count = (m_style & FlatTabHomeEnd) ? 4 : 2;
        for (int k = 0; k < count; ++k)
            m_buttons[k].rect.SetRect(k * m_arrowWidth, m_stripRect.top + 1, (k + 1) * m_arrowWidth,
                                      m_stripRect.bottom);
    }
    UpdateButtons();
}

void CUIFlatTabCtrl::OnSize(UINT type, int cx, int cy) {
    Default();
    m_width = cx;
    m_clientHeight = cy;
    RecalcLayout();
    SetSplitterPos(m_splitterPercent, TRUE);
    ClampOffset();
    SyncScrollBar();
}

void CUIFlatTabCtrl::SetSplitterPos(int value, BOOL percent) {
    if (!(m_style & FlatTabHScroll)) return;
    int position = value;
    if (percent) {
        position = m_width * value / 100;
        m_splitterPercent = value;
    } else if (m_width > 0) {
        m_splitterPercent = value * 100 / m_width;
    }
    // The splitter leaves room for four buttons and the scroll bar's end; on a strip too
    // narrow for that it stays at the left edge.
    position = std::max(0, std::min(position, m_width - 4 * m_arrowWidth - m_height));
    m_splitterPos = position;
    m_splitterRect.SetRect(position, m_stripRect.top, position + SplitterWidth, m_stripRect.bottom);
    BOOL bottom = (m_style & FlatTabBottom) != 0;
    m_scrollRect.SetRect(position + SplitterWidth, bottom ? m_stripRect.top : m_stripRect.top - 1,
                         m_width - m_height, bottom ? m_stripRect.bottom + 1 : m_stripRect.bottom);
    if (m_scrollBar.m_hWnd)
        m_scrollBar.MoveWindow(&m_scrollRect, TRUE);
    UpdateButtons();
    if (m_hWnd) InvalidateRect(&m_stripRect, TRUE);
}

int CUIFlatTabCtrl::GetTabWidth(int index) const {
    const Item* item = m_items[index];
    CClientDC dc(const_cast<CUIFlatTabCtrl*>(this));
    CFont* font = index == m_selected ? m_selectedFont : m_normalFont;
    CGdiObject* old = font ? dc.SelectObject(font) : nullptr;
    CSize extent = dc.GetTextExtent(item->caption);
    if (old) dc.SelectObject(old);
    return extent.cx + m_height + m_height / 2;
}

int CUIFlatTabCtrl::GetTotalTabWidth() const {
    int total = 0;
    for (int i = 0; i < GetItemCount(); ++i) total += GetTabWidth(i);
    return GetItemCount() ? total - (GetItemCount() - 1) * GetOverlap() : 0;
}

int CUIFlatTabCtrl::ImagePosition(int index) const {
    int x = 0;
    for (int i = 0; i < index; ++i) x += GetTabWidth(i) - GetOverlap();
    return x;
}

BOOL CUIFlatTabCtrl::GetItemRect(int index, LPRECT rect) const {
    if (index < 0 || index >= GetItemCount()) return FALSE;
    rect->left = GetButtonsWidth() + ImagePosition(index) - m_offset;
    rect->right = rect->left + GetTabWidth(index);
    rect->top = m_stripRect.top;
    rect->bottom = m_stripRect.bottom;
    return TRUE;
}

int CUIFlatTabCtrl::HitTest(LPPOINT point) const {
    int x = point->x;
    int buttons = GetButtonsWidth();
    if (x < buttons) return -1;
    if ((m_style & FlatTabHScroll) && x > m_splitterRect.left) return -1;
    int left = buttons - m_offset;
    for (int i = 0; i < GetItemCount(); ++i) {
        int right = left + GetTabWidth(i) - (i + 1 < GetItemCount() ? GetOverlap() : 0);
        if (left <= x && x <= right) return i;
        left = right;
    }
    return -1;
}

int CUIFlatTabCtrl::ButtonHitTest(LPPOINT point) const {
    for (int k = 0; k < 4; ++k)
        if (!m_buttons[k].rect.IsRectEmpty() && m_buttons[k].rect.PtInRect(*point)) return k;
    return -1;
}

void CUIFlatTabCtrl::UpdateButtons() {
    if (!(m_style & FlatTabArrows)) return;
    m_buttons[m_back].enabled = m_offset > 0;
    m_buttons[m_forward].enabled = GetTotalTabWidth() - m_offset > VisibleWidth() - 1;
    if (m_style & FlatTabHomeEnd) {
        m_buttons[m_first].enabled = m_buttons[m_back].enabled;
        m_buttons[m_last].enabled = m_buttons[m_forward].enabled;
    }
    if (m_hWnd) {
        CRect area(0, m_buttons[m_back].rect.top, GetButtonsWidth(), m_buttons[m_back].rect.bottom);
        InvalidateRect(&area, TRUE);
    }
}

void CUIFlatTabCtrl::InvalidateTabs() {
    if (!m_hWnd) return;
    int buttons = GetButtonsWidth();
    int end = buttons + GetTotalTabWidth() - m_offset;
    CRect tabs(buttons, m_stripRect.top, end, m_stripRect.bottom);
    InvalidateRect(&tabs, FALSE);
    if (end < m_width) {
        CRect rest(end, m_stripRect.top, m_width, m_stripRect.bottom);
        InvalidateRect(&rest, TRUE);
    }
}

void CUIFlatTabCtrl::ClampOffset() {
    int limit = std::max(0, GetTotalTabWidth() - VisibleWidth() + 1);
    int clamped = std::max(0, std::min(m_offset, limit));
    if (clamped == m_offset) return;
    m_offset = clamped;
    UpdateButtons();
    InvalidateTabs();
}

void CUIFlatTabCtrl::OnScrollCommand(UINT id) {
    CPoint firstShown(GetButtonsWidth() + GetOverlap() + 1, 1);
    int shown = HitTest(&firstShown);
    switch (id) {
    case FlatTabBack:
        if (shown < 0) return;
        m_offset = shown > 0 ? ImagePosition(shown - 1) : 0;
        break;
    case FlatTabForward:
        if (shown < 0 || shown + 1 >= GetItemCount()) return;
        m_offset = ImagePosition(shown + 1);
        break;
    case FlatTabFirst:
        m_offset = 0;
        break;
    default:
        m_offset = GetTotalTabWidth() - VisibleWidth() + 1;
        break;
    }
    UpdateButtons();
    InvalidateTabs();
}

int CUIFlatTabCtrl::SetCurSel(int index) {
    if (index < 0 || index >= GetItemCount()) return -1;
    int old = m_selected;
    m_selected = index;
    CRect rect;
    GetItemRect(index, &rect);
    int left = rect.left - GetButtonsWidth();
    int right = rect.right - GetButtonsWidth();
    if (left <= 0)
        m_offset += left;
    else if (right > VisibleWidth())
        m_offset += right - VisibleWidth();
    if (old >= 0 && old < GetItemCount() && old != index && m_items[old]->sheet &&
        m_items[old]->sheet->m_hWnd)
        m_items[old]->sheet->ShowWindow(SW_HIDE);
    if (CWnd* sheet = GetTabWindow(index)) sheet->ShowWindow(SW_SHOW);
    SyncScrollBar();
    UpdateButtons();
    InvalidateTabs();
    return old;
}

int CUIFlatTabCtrl::InsertItem(int index, LPCSTR caption, CWnd* sheet) {
    if (index < 0 || index > GetItemCount()) return -1;
    // The record first, so that a failed allocation leaves the sheet where it was.
    std::unique_ptr<Item> item(new Item{sheet, caption, caption});
    if (sheet) {
        m_sheetsAttached = TRUE;
        if (sheet->m_hWnd) sheet->SetParent(this);
        PlaceSheet(sheet);
    }
    if (index <= m_selected) ++m_selected;
    m_items.insert(m_items.begin() + index, item.release());
    if (m_selected < 0) m_selected = 0;
    UpdateButtons();
    InvalidateTabs();
    SetCurSel(index);
    return index;
}

int CUIFlatTabCtrl::InsertItem(int index, UINT captionId, CWnd* sheet) {
    CString caption;
    caption.LoadString(captionId);
    return InsertItem(index, caption, sheet);
}

BOOL CUIFlatTabCtrl::RemoveItem(int index) {
    if (index < 0 || index >= GetItemCount()) return FALSE;
    Item* item = m_items[index];
    if (item->sheet && item->sheet->m_hWnd) {
        item->sheet->ShowWindow(SW_HIDE);
        ::SetParent(item->sheet->m_hWnd, nullptr);
    }
    delete item;
    m_items.erase(m_items.begin() + index);
    if (m_items.empty()) m_sheetsAttached = FALSE;
    return TRUE;
}

BOOL CUIFlatTabCtrl::DeleteItem(int index) {
    if (!RemoveItem(index)) return FALSE;
    if (m_items.empty()) {
        m_selected = -1;
    } else if (index == m_selected) {
        m_selected = 0;
        SetCurSel(0);
    } else if (index < m_selected) {
        --m_selected;
    }
    ClampOffset();
    UpdateButtons();
    InvalidateTabs();
    return TRUE;
}

BOOL CUIFlatTabCtrl::DeleteAllItems() {
    while (RemoveItem(0)) {
    }
    m_selected = -1;
    ClampOffset();
    UpdateButtons();
    InvalidateTabs();
    return TRUE;
}

void CUIFlatTabCtrl::SetItemTooltip(int index, LPCSTR text) {
    if (index >= 0 && index < GetItemCount()) m_items[index]->tip = text;
}

CString CUIFlatTabCtrl::GetItemTooltip(int index) const {
    return index >= 0 && index < GetItemCount() ? m_items[index]->tip : CString();
}

BOOL CUIFlatTabCtrl::SetTabText(int index, LPCSTR text) {
    if (index < 0 || index >= GetItemCount()) return FALSE;
    m_items[index]->caption = text;
    RecalcLayout();
    InvalidateTabs();
    return TRUE;
}

CWnd* CUIFlatTabCtrl::GetTabWindow(int index) const {
    if (index < 0 || index >= GetItemCount()) return nullptr;
    return m_items[index]->sheet;
}
