#include "editors/LadderEditor.h"

#include <algorithm>

#include "editors/BranchTool.h"
#include "editors/LadderLimits.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"
#include "ladder/Coil.h"
#include "ladder/Comment.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LadderModel.h"
#include "ladder/LadderSheet.h"
#include "platform/CDC.h"
#include "platform/MessageBox.h"
#include "project/CPlcWorkspace.h"

namespace {
const int kPrintFontHeight = 21;
const int kMinNetworkWidth = 4;
const int kCursorMargin = 20;

LOGFONTA LadderTextFont() {
    LOGFONTA font = theWorkspace ? theWorkspace->editorFonts[1] : LOGFONTA{};
    if (font.lfFaceName[0] == '\0')
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font;
}

CLadderEditEngine* MakeLadderEditor() { return new CLadderEditor; }
}  // namespace

void InstallLadderEditor() { CPOUEditorDoc::SetLadderEngineFactory(MakeLadderEditor); }

CLadderEditor::CLadderEditor() {
    m_nLanguage = 2;
    m_nCaretWidth = 2 * ::GetSystemMetrics(SM_CXBORDER);
    // The engine exists before its view: fonts are measured on the screen.
    CClientDC screen(nullptr);
    CFont font;
    LOGFONTA textFont = LadderTextFont();
    font.CreateFontIndirect(&textFont);
    CFont* old = screen.SelectObject(&font);
    TEXTMETRICA metrics = {};
    if (screen.GetTextMetrics(&metrics)) m_nCaretHeight = metrics.tmHeight;
    screen.SelectObject(old);
    m_cellEdit.CreateFont(&screen);
    m_printFont = theWorkspace ? theWorkspace->editorFonts[3] : LOGFONTA{};
    if (m_printFont.lfFaceName[0] == '\0') m_printFont = textFont;
    m_printFont.lfHeight = kPrintFontHeight;
}

CLadderEditor::~CLadderEditor() { HideCaret(); }

CLadderSheet& CLadderEditor::Sheet() {
    if (!m_pSheet) m_pSheet.reset(new CLadderSheet(*m_pModel));
    return *m_pSheet;
}

CBranchTool& CLadderEditor::BranchTool() {
    if (!m_pBranchTool) m_pBranchTool.reset(new CBranchTool(m_pModel));
    return *m_pBranchTool;
}

CLadderElement* CLadderEditor::Current() const { return m_pModel ? m_pModel->GetCurrentElement() : nullptr; }

BOOL CLadderEditor::IsCurrentParallelCoil() const {
    CLadderElement* current = Current();
    return current && current->GetKind() == LADDER_COIL && current->GetLinkType() == LINK_PARALLEL;
}

CPOUEditorDoc* CLadderEditor::GetDocument() const {
    if (m_pView) {
        if (CPOUEditorDoc* document = m_pView->GetDocument()) return document;
    }
    return m_pDocument;
}

void CLadderEditor::FocusView() {
    if (m_pView && m_pView->GetSafeHwnd()) m_pView->SetFocus();
}

void CLadderEditor::MarkModified() {
    if (CPOUEditorDoc* document = GetDocument()) document->SetModifiedFlag(TRUE);
}

void CLadderEditor::SnapshotAndMark() {
    m_pModel->TakeSnapshot();
    MarkModified();
}

void CLadderEditor::ShowMessage(const char* text, const char* caption, UINT type, BOOL viewOwner) {
    HWND owner = viewOwner && m_pView ? m_pView->GetSafeHwnd() : nullptr;
    AfxShowMessageBox(owner, text, caption, type);
    FocusView();
}

void CLadderEditor::WidthMessage() {
    ShowMessage("网络中水平方向元件数目已达到上限，不允许再添加!", "提示", MB_OK | MB_ICONINFORMATION, TRUE);
}

void CLadderEditor::ParallelLimitMessage() {
    ShowMessage("本分支并联元件数已达上限，不允许再并联！", "提示", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL, FALSE);
}

void CLadderEditor::NetworkLimitMessage() {
    ShowMessage("网络数目已达上限，不允许再添加!", "提示", MB_OK | MB_ICONINFORMATION, TRUE);
}

// ---- geometry ----

CSize CLadderEditor::ClientSize() const {
    if (m_pView && m_pView->GetSafeHwnd()) {
        CRect client;
        m_pView->GetClientRect(&client);
        return CSize(client.Width(), client.Height());
    }
    return m_clientSize;
}

CPoint CLadderEditor::GetScrollPosition() const {
    if (m_bPrinting) return CPoint(0, 0);
    if (m_pView && m_pView->GetSafeHwnd()) return m_pView->GetScrollPosition();
    return m_scroll;
}

void CLadderEditor::ScrollTo(int x, int y) {
    if (m_pView && m_pView->GetSafeHwnd()) {
        m_pView->ScrollToPosition(CPoint(std::max(0, x), std::max(0, y)));
        m_scroll = m_pView->GetScrollPosition();
        return;
    }
    int maxX = std::max<int>(0, m_documentSize.cx - m_clientSize.cx);
    int maxY = std::max<int>(0, m_documentSize.cy - m_clientSize.cy);
    m_scroll = CPoint(std::clamp(x, 0, maxX), std::clamp(y, 0, maxY));
}

CPoint CLadderEditor::ScrollCell() const {
    if (m_bPrinting) return CPoint(0, 0);
    CPoint scroll = GetScrollPosition();
    return CPoint(scroll.x / m_grid.m_cellWidth, scroll.y / m_grid.m_cellHeight);
}

BOOL CLadderEditor::PointToCell(int x, int y, CPoint& cell, BOOL addScroll) const {
    if (!m_grid.PointToCell(CPoint(x, y), cell)) return FALSE;
    if (addScroll) cell += ScrollCell();
    return TRUE;
}

int CLadderEditor::NetworkItemAtPoint(int x, int y, BOOL addScroll) const {
    CPoint cell;
    if (!PointToCell(std::max(0, x), std::max(0, y), cell, addScroll)) return -1;
    int count = static_cast<int>(m_pModel->GetNetworks().GetSize());
    if (count == 0) return -1;
    for (int i = 0; i < count; ++i) {
        int row = m_pModel->GetItem(i)->GetCellRect().m_nRow;
        if (row == cell.y) return i;
        if (row > cell.y) return std::max(0, i - 1);
    }
    return count - 1;
}

void CLadderEditor::RenumberHeaders() {
    for (int n = 0; n < m_pModel->GetNetworkCount(); ++n)
        static_cast<CComment*>(m_pModel->GetItem(2 * n))->m_nNetwork = n;
}

int CLadderEditor::NetworkWidthCells(int item) const {
    return std::max<int>(kMinNetworkWidth, m_pModel->GetItem(item)->GetSize(m_bPrinting).cx);
}

BOOL CLadderEditor::CanWiden() const { return ::CanWiden(m_rows, m_pModel->GetNetworks(), Current()); }

BOOL CLadderEditor::CanAddParallelRow(CLadderElement* element) { return ::CanAddParallelRow(m_rows, element); }

BOOL CLadderEditor::HeightBelowLimit() const {
    int count = m_pModel->GetNetworkCount();
    if (count == 0) return TRUE;
    auto* coil = static_cast<CCoil*>(m_pModel->GetItem(2 * count - 1));
    return coil->m_nRailBottom / m_grid.m_cellHeight < kMaxDocumentRows;
}

// ---- layout and scrolling ----

void CLadderEditor::LayoutNetworks() {
    if (m_pModel->GetNetworkCount() > 0) Sheet().LayOut();
    TakeStartRows();
}

void CLadderEditor::TakeStartRows() {
    m_rows.Clear();
    int count = m_pModel->GetNetworkCount();
    if (count == 0) {
        m_pModel->ClearCellMap();
        m_rows.SetRow(0, 1);
        m_pModel->m_bLoaded = FALSE;
        return;
    }
    const CDWordArray& starts = Sheet().GetNetworkStartRows();
    for (int n = 0; n < starts.GetSize(); ++n) m_rows.SetRow(n, static_cast<int>(starts[n]));
    const CComment* last = static_cast<CComment*>(m_pModel->GetItem(2 * count - 2));
    m_rows.SetRow(count, static_cast<int>(starts[count - 1]) + last->m_nNetworkRows + 1);
}

BOOL CLadderEditor::VisibleNetworkRange(int& first, int& last) const {
    return m_rows.VisibleNetworkRange(ScrollCell().y, ClientSize().cy / m_grid.m_cellHeight, first, last);
}

BOOL CLadderEditor::UpdateScrollSizes() {
    if (m_rows.GetSize() == 0) return FALSE;
    CSize extent(m_pModel->GetExtent().cx, m_pModel->GetExtent().cy);
    m_documentSize = m_grid.LaidOutExtent(extent, m_rows.TotalRows());
    if (m_pView && m_pView->GetSafeHwnd()) m_pView->SetScrollSizes(MM_TEXT, m_documentSize);
    return TRUE;
}

void CLadderEditor::OnInitialUpdate() {
    CSize extent(m_pModel->GetExtent().cx, m_pModel->GetExtent().cy);
    m_extent = m_grid.OpeningExtent(extent, m_pModel->GetMinRows());
    m_documentSize = m_extent;
    if (m_pView && m_pView->GetSafeHwnd()) m_pView->SetScrollSizes(MM_TEXT, m_extent);
}

void CLadderEditor::ResetForLoad() {
    HideCaret();
    m_bCellEdit = FALSE;
    m_rows.Clear();
}

void CLadderEditor::OnVScroll(UINT code, UINT position, CScrollBar*) {
    CommitCellEdit();
    CPoint scroll = GetScrollPosition();
    int track = static_cast<int>(position);
    int maximum = std::max<int>(0, m_documentSize.cy - ClientSize().cy);
    if (m_pView && m_pView->GetSafeHwnd()) {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        if (m_pView->GetScrollInfo(SB_VERT, &info, SIF_TRACKPOS)) track = info.nTrackPos;
    }
    ScrollTo(scroll.x, m_grid.VerticalScroll(code, scroll.y, track, maximum));
    RequestRepaint();
}

void CLadderEditor::OnHScroll(UINT code, UINT position, CScrollBar*) {
    CommitCellEdit();
    CPoint scroll = GetScrollPosition();
    int maximum = std::max<int>(0, m_documentSize.cx - ClientSize().cx);
    ScrollTo(m_grid.HorizontalScroll(code, scroll.x, static_cast<int>(position), 0, maximum), scroll.y);
    RequestRepaint();
}

BOOL CLadderEditor::GoToNetwork(int network) {
    RequestRepaint();
    if (network < 0 || network >= m_rows.GetSize()) return FALSE;
    ScrollTo(GetScrollPosition().x, m_rows.GetRow(network) * m_grid.m_cellHeight);
    RequestRepaint();
    return TRUE;
}

BOOL CLadderEditor::ScrollToCurrent(int dx, int dy) {
    if (!Current()) return FALSE;
    CSize client = ClientSize();
    CPoint scroll = GetScrollPosition();
    int width = m_grid.m_cellWidth;
    int height = m_grid.m_cellHeight;
    int right = m_cursorRect.right - scroll.x;
    int bottom = m_cursorRect.bottom - scroll.y;
    int x = scroll.x;
    int y = scroll.y;
    if (right > client.cx - width) {
        int beyond = right - client.cx;
        x += width + (beyond + width - 1) / width * width + dx;
    }
    if (bottom > client.cy - kCursorMargin - dy) {
        int beyond = bottom - client.cy;
        y += height + (beyond + height - 1) / height * height + dy;
    }
    ScrollTo(std::max<int>(x, scroll.x), std::max<int>(y, scroll.y));
    RequestRepaint();
    return TRUE;
}

// ---- focus ----

void CLadderEditor::OnSetFocus(CWnd*) {
    if (!m_cursorRect.IsRectEmpty()) return;
    SetCursorToCell(CPoint(0, 0));
}

void CLadderEditor::SetCursorToCell(CPoint cell) {
    m_cursorCell = cell;
    m_cursorRect = CRect(cell.x * m_grid.m_cellWidth, cell.y * m_grid.m_cellHeight,
                         (cell.x + 1) * m_grid.m_cellWidth, (cell.y + 1) * m_grid.m_cellHeight);
}

void CLadderEditor::OnKillFocus(CWnd* newFocus) {
    CommitCellEdit();
    HideCaret();
    if (m_pBranchTool) CancelBranchToolOnMessage(WM_KILLFOCUS, 0);
    RequestRepaint();
}

BOOL CLadderEditor::FlushEdit() {
    CommitCellEdit();
    BOOL selected = m_bNetworkSelection;
    m_bNetworkSelection = FALSE;
    return selected;
}

// ---- in-cell box ----

void CLadderEditor::CommitCellEdit() {
    if (!m_bCellEdit) return;
    if (CLadderElement* current = Current()) {
        current->SetOperand(m_cellEdit.GetText());
        current->m_nEditState = -1;
    }
    m_cellEdit.SetText(CString());
    HideCaret();
    m_bCellEdit = FALSE;
    SnapshotAndMark();
}

void CLadderEditor::CloseCellEdit() {
    CommitCellEdit();
    HideCaret();
}

void CLadderEditor::CreateCaret() {
    if (!m_pView || !m_pView->GetSafeHwnd()) return;
    ::CreateCaret(m_pView->GetSafeHwnd(), nullptr, m_nCaretWidth, m_nCaretHeight);
    ::ShowCaret(m_pView->GetSafeHwnd());
    m_bCaret = TRUE;
}

void CLadderEditor::HideCaret() {
    if (!m_bCaret) return;
    if (m_pView && m_pView->GetSafeHwnd()) ::HideCaret(m_pView->GetSafeHwnd());
    ::DestroyCaret();
    m_bCaret = FALSE;
}
