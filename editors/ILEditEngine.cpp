#include "editors/ILEditEngine.h"

#include "editors/ILFindReplaceDlg.h"
#include "editors/ILLineMonitor.h"
#include "editors/ILModel.h"
#include "editors/ILPagination.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"
#include "platform/CCmdUI.h"
#include "platform/CDC.h"
#include "project/CPlcWorkspace.h"

namespace {
const int kExtentColumns = 5000;
const int kRedoWidthColumns = 255;
const int kMinScrollLines = 100;
const int kPrintFontHeight = 197;
// Without a window the engine acts as if shown in a client area of this size.
const int kDefaultClientWidth = 800;
const int kDefaultClientHeight = 480;
const int kGutterCursor = 144;

LOGFONTA EditorFont() {
    LOGFONTA font = theWorkspace ? theWorkspace->editorFonts[0] : LOGFONTA{};
    if (font.lfFaceName[0] == '\0') {
        // Columns are character cells: without a configured font any fixed-pitch one
        // of the code page will do.
        font = LOGFONTA{};
        font.lfHeight = -14;
        font.lfWeight = FW_NORMAL;
        font.lfCharSet = GB2312_CHARSET;
        font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    }
    return font;
}
}  // namespace

CILEditEngine::CILEditEngine(CILModel* model) : m_pModel(model) {
    m_nLanguage = 1;
    m_nClientWidth = kDefaultClientWidth;
    m_nClientHeight = kDefaultClientHeight;
    m_lineStates.reserve(500);
}

CILEditEngine::~CILEditEngine() {
    if (m_pFindDialog && m_pFindDialog->GetSafeHwnd()) m_pFindDialog->DestroyWindow();
    delete m_pFindDialog;
}

// ---- geometry ----

CSize CILEditEngine::ClientSize() const {
    if (m_pView && m_pView->GetSafeHwnd()) {
        CRect client;
        m_pView->GetClientRect(&client);
        return CSize(client.Width(), client.Height());
    }
    return CSize(m_nClientWidth, m_nClientHeight);
}

int CILEditEngine::PageLines() const { return std::max<int>(1, ClientSize().cy / m_nLineHeight - 1); }

int CILEditEngine::FirstVisibleLine() const { return std::max<int>(0, GetScrollPosition().y / m_nLineHeight); }

int CILEditEngine::TextLeft() const { return m_nGutterWidth + m_nMonitorWidth; }

CPoint CILEditEngine::GetScrollPosition() const {
    if (m_pView && m_pView->GetSafeHwnd()) return m_pView->GetScrollPosition();
    return CPoint(m_nScrollX, m_nScrollY);
}

void CILEditEngine::ScrollTo(int x, int y) {
    if (m_pView && m_pView->GetSafeHwnd()) {
        m_pView->ScrollToPosition(CPoint(std::max(0, x), std::max(0, y)));
        CPoint position = m_pView->GetScrollPosition();
        m_nScrollX = position.x;
        m_nScrollY = position.y;
        return;
    }
    m_nScrollX = std::max(0, x);
    m_nScrollY = std::max(0, y);
}

int CILEditEngine::GetDocumentHeight() const {
    return m_nLineHeight * std::max<int>(kMinScrollLines, static_cast<int>(m_pModel->GetLines().GetSize()) + 2);
}

void CILEditEngine::UpdateScrollSize(int height) {
    m_extent.cy = std::max<int>(m_extent.cy, height);
    if (m_pView && m_pView->GetSafeHwnd()) m_pView->UpdateScrollSizes(-1, height);
}

void CILEditEngine::RefreshScrollHeight() { UpdateScrollSize(GetDocumentHeight()); }

CPoint CILEditEngine::CaretPixel() const {
    CPoint scroll = GetScrollPosition();
    int column = m_nCaretColumn + (IsOnline() ? 1 : 0);
    return CPoint(TextLeft() + column * m_nCharWidth - scroll.x, m_nCaretLine * m_nLineHeight - scroll.y);
}

void CILEditEngine::ShowCaretAtPosition() {
    if (!m_pView || !m_pView->GetSafeHwnd()) return;
    CWnd::SetCaretPos(CaretPixel());
}

void CILEditEngine::EnsureCaretVisible() {
    CSize client = ClientSize();
    CPoint scroll = GetScrollPosition();
    int caretX = TextLeft() + m_nCaretColumn * m_nCharWidth;
    int caretY = m_nCaretLine * m_nLineHeight;
    int x = scroll.x, y = scroll.y;
    if (caretX - scroll.x > client.cx)
        x = caretX + 10 * m_nCharWidth - client.cx;
    else if (caretX - scroll.x < TextLeft())
        x = caretX - 10 * m_nCharWidth - TextLeft();
    if (caretY < scroll.y)
        y = caretY;
    else if (caretY + m_nLineHeight > scroll.y + client.cy)
        y = caretY + m_nLineHeight - client.cy;
    if (x != scroll.x || y != scroll.y) ScrollTo(x, y);
    ShowCaretAtPosition();
}

void CILEditEngine::MarkModified() {
    if (m_pDocument) m_pDocument->SetModifiedFlag(TRUE);
}

void CILEditEngine::Redraw() { RequestRepaint(); }

void CILEditEngine::ClampCaret() {
    int lineCount = static_cast<int>(m_pModel->GetLines().GetSize());
    m_nCaretLine = std::max(0, std::min(m_nCaretLine, lineCount - 1));
    m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
}

int CILEditEngine::ClampColumn(int line, int column) const {
    const CStringArray& lines = m_pModel->GetLines();
    if (line < 0 || line >= lines.GetSize()) return 0;
    return std::max(0, std::min(column, lines[line].GetLength()));
}

int CILEditEngine::AdjustForDoubleByte(int line, int column) const {
    const CStringArray& lines = m_pModel->GetLines();
    if (line < 0 || line >= lines.GetSize() || column <= 0) return column;
    const CString& text = lines[line];
    if (column > text.GetLength() || !(static_cast<unsigned char>(text[column - 1]) & 0x80)) return column;
    int highBytes = 0;
    for (int i = 0; i < column; ++i) {
        if (static_cast<unsigned char>(text[i]) & 0x80) ++highBytes;
    }
    return highBytes % 2 == 1 ? std::min(column + 1, text.GetLength()) : column;
}

int CILEditEngine::LineAt(int y) const {
    int lineCount = static_cast<int>(m_pModel->GetLines().GetSize());
    int line = (y + GetScrollPosition().y) / m_nLineHeight;
    return std::max(0, std::min(line, lineCount - 1));
}

int CILEditEngine::ColumnAt(int line, int x) const {
    int column = (x + GetScrollPosition().x - TextLeft()) / m_nCharWidth;
    if (IsOnline()) --column;
    return AdjustForDoubleByte(line, ClampColumn(line, column));
}

// ---- start-up ----

void CILEditEngine::SetupFont() {
    LOGFONTA font = EditorFont();
    m_screenFont.DeleteObject();
    m_screenFont.CreateFontIndirect(&font);
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, m_screenFont.m_hObject);
    SIZE gutter = {0, 0};
    ::GetTextExtentPoint32A(screen, "88888", 5, &gutter);
    TEXTMETRICA metrics;
    ::GetTextMetricsA(screen, &metrics);
    // A cell is one character of the text; a font of both scripts may report a wider
    // average than its Latin characters take.
    SIZE cell = {0, 0};
    ::GetTextExtentPoint32A(screen, "0", 1, &cell);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    m_nGutterWidth = gutter.cx + 2;
    m_nCharWidth = std::max<int>(1, cell.cx);
    m_nLineHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    m_nCaretHeight = m_nLineHeight;
    m_nCaretWidth = 2 * ::GetSystemMetrics(SM_CXBORDER);
}

void CILEditEngine::ResetState() {
    m_nDesiredColumn = 0;
    m_bTextDrag = FALSE;
    m_nMonitorWidth = 0;
    m_nCaretLine = 1;
    m_nCaretColumn = 0;
    m_nAnchorLine = m_nAnchorColumn = 0;
    m_bSelection = FALSE;
    m_nSelStartLine = m_nSelStartColumn = m_nSelEndLine = m_nSelEndColumn = 0;
    m_extent = CSize(kExtentColumns * m_nCharWidth, kMinScrollLines * m_nLineHeight);
}

void CILEditEngine::OnInitialUpdate() {
    SetupFont();
    m_printFont = theWorkspace ? theWorkspace->editorFonts[3] : LOGFONTA{};
    if (m_printFont.lfFaceName[0] == '\0') m_printFont = EditorFont();
    m_printFont.lfHeight = kPrintFontHeight;
    ResetState();
    CStringArray& lines = m_pModel->GetLines();
    if (m_pView && m_pView->GetSafeHwnd()) {
        int lineCount = std::max<int>(kMinScrollLines, static_cast<int>(lines.GetSize()));
        m_pView->SetScrollSizes(MM_TEXT, CSize(kExtentColumns * m_nCharWidth, m_nLineHeight * lineCount),
                                CSize(25 * m_nCharWidth, 10 * m_nLineHeight), CSize(2 * m_nCharWidth, m_nLineHeight));
    }
    ScrollTo(0, 0);
    m_hArrowCursor = ::LoadCursor(nullptr, IDC_ARROW);
    m_hGutterCursor = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kGutterCursor));
    if (lines.GetSize() == 0) {
        lines.Add(CILModel::HeaderText(0));
        lines.Add("");
    }
    ClampCaret();
    if (IsOffline()) {
        BuildFBRecords();
        m_pModel->RememberFBInstances();
        ReformatAll(theWorkspace ? theWorkspace->showGlobalNames : FALSE, -1);
        CheckNetwork(TRUE);
    }
    SaveUndoState();
}

// ---- focus and caret ----

void CILEditEngine::OnSetFocus(CWnd*) {
    if (!m_pView || !m_pView->GetSafeHwnd()) return;
    m_pView->CreateSolidCaret(m_nCaretWidth, m_nCaretHeight);
    ShowCaretAtPosition();
    m_pView->ShowCaret();
}

void CILEditEngine::OnKillFocus(CWnd*) {
    if (!m_pView || !m_pView->GetSafeHwnd()) return;
    m_pView->HideCaret();
    ::DestroyCaret();
}

void CILEditEngine::PlaceCaret(int line, int column) {
    int lineCount = static_cast<int>(m_pModel->GetLines().GetSize());
    m_nCaretLine = std::max(0, std::min(line, lineCount - 1));
    m_nCaretColumn = ClampColumn(m_nCaretLine, column);
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
    m_nDesiredColumn = m_nCaretColumn;
    m_nFindStartColumn = m_nCaretColumn;
    ShowCaretAtPosition();
}

void CILEditEngine::SetSelection(int startLine, int startColumn, int endLine, int endColumn) {
    m_nSelStartLine = startLine;
    m_nSelStartColumn = startColumn;
    m_nSelEndLine = endLine;
    m_nSelEndColumn = endColumn;
    m_bSelection = CBracketIndex::ComparePositions(startLine, startColumn, endLine, endColumn) != 0;
    m_nCaretLine = endLine;
    m_nCaretColumn = endColumn;
}

void CILEditEngine::DropSelection() {
    m_bSelection = FALSE;
    m_nSelStartLine = m_nSelEndLine = m_nCaretLine;
    m_nSelStartColumn = m_nSelEndColumn = m_nCaretColumn;
}

void CILEditEngine::ExtendSelectionToCaret() {
    if (CBracketIndex::ComparePositions(m_nAnchorLine, m_nAnchorColumn, m_nCaretLine, m_nCaretColumn) <= 0) {
        m_nSelStartLine = m_nAnchorLine;
        m_nSelStartColumn = m_nAnchorColumn;
        m_nSelEndLine = m_nCaretLine;
        m_nSelEndColumn = m_nCaretColumn;
    } else {
        m_nSelStartLine = m_nCaretLine;
        m_nSelStartColumn = m_nCaretColumn;
        m_nSelEndLine = m_nAnchorLine;
        m_nSelEndColumn = m_nAnchorColumn;
    }
    m_bSelection = CBracketIndex::ComparePositions(m_nSelStartLine, m_nSelStartColumn, m_nSelEndLine,
                                                   m_nSelEndColumn) != 0;
}

void CILEditEngine::EndHighlight() {
    if (!m_highlight.active) return;
    m_highlight.active = FALSE;
    m_bSelection = FALSE;
    Redraw();
}

// ---- line states ----

int CILEditEngine::LineState(int line) const {
    return line >= 0 && line < static_cast<int>(m_lineStates.size()) ? m_lineStates[line] : kLineOk;
}

void CILEditEngine::GrowLineStates(int count) {
    if (static_cast<int>(m_lineStates.size()) < count) m_lineStates.resize(count, kLineOk);
}

void CILEditEngine::SetLineState(int line, int state) {
    if (line < 0) return;
    GrowLineStates(line + 1);
    m_lineStates[line] = state;
}

void CILEditEngine::InsertLineState(int line) {
    GrowLineStates(line);
    m_lineStates.insert(m_lineStates.begin() + line, kLineOk);
}

void CILEditEngine::RemoveLineState(int line) {
    if (line >= 0 && line < static_cast<int>(m_lineStates.size())) m_lineStates.erase(m_lineStates.begin() + line);
}

// ---- leaving a line ----

void CILEditEngine::CommitLine(int line, BOOL withLayout) {
    if (line < 0 || line >= m_pModel->GetLines().GetSize()) return;
    m_pModel->StripHeaderComments(line);
    if (withLayout) FormatLine(line, TRUE);
    m_pModel->RenumberFrom(line);
}

// ---- undo ----

void CILEditEngine::SaveUndoState() {
    m_nSavedCaretLine = m_nCaretLine;
    m_nSavedCaretColumn = m_nCaretColumn;
    m_pModel->TakeSnapshot();
}

void CILEditEngine::Undo() {
    if (IsOnline() || !m_pModel->Undo()) return;
    ClampCaret();
    DropSelection();
    m_nSavedCaretLine = m_nCaretLine;
    m_nSavedCaretColumn = m_nCaretColumn;
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
    ShowCaretAtPosition();
    CheckNetwork(TRUE);
    RefreshScrollHeight();
    Redraw();
}

void CILEditEngine::Redo() {
    if (IsOnline() || !m_pModel->Redo()) return;
    ClampCaret();
    DropSelection();
    m_nSavedCaretLine = m_nCaretLine;
    m_nSavedCaretColumn = m_nCaretColumn;
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
    if (m_pView && m_pView->GetSafeHwnd())
        m_pView->UpdateScrollSizes(kRedoWidthColumns * m_nCharWidth,
                                   m_nLineHeight * std::max<int>(kMinScrollLines, m_pModel->GetLines().GetSize()));
    CheckNetwork(TRUE);
    Redraw();
}

void CILEditEngine::UpdateUndo(CCmdUI* cmdUI) { cmdUI->Enable(IsOffline() && m_pModel->CanUndo()); }

void CILEditEngine::UpdateRedo(CCmdUI* cmdUI) { cmdUI->Enable(IsOffline() && m_pModel->CanRedo()); }

// ---- scrolling ----

void CILEditEngine::OnVScroll(UINT code, UINT position, CScrollBar*) {
    CPoint scroll = GetScrollPosition();
    int y = scroll.y;
    int bottom = std::max<int>(0, GetDocumentHeight() - ClientSize().cy);
    if (m_pView && m_pView->GetSafeHwnd()) {
        SCROLLINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        m_pView->GetScrollInfo(SB_VERT, &info);
        bottom = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
        if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) position = info.nTrackPos;
    }
    switch (code) {
    case SB_LINEUP: y -= m_nLineHeight; break;
    case SB_LINEDOWN: y += m_nLineHeight; break;
    case SB_PAGEUP: y -= PageLines() * m_nLineHeight; break;
    case SB_PAGEDOWN: y += PageLines() * m_nLineHeight; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: y = static_cast<int>(position); break;
    case SB_TOP: y = 0; break;
    case SB_BOTTOM: y = bottom; break;
    default: return;
    }
    ScrollTo(scroll.x, std::max(0, std::min(y, bottom)));
    ShowCaretAtPosition();
    Redraw();
}

void CILEditEngine::OnHScroll(UINT code, UINT position, CScrollBar*) {
    CPoint scroll = GetScrollPosition();
    int x = scroll.x;
    switch (code) {
    case SB_LINELEFT: x -= m_nCharWidth; break;
    case SB_LINERIGHT: x += m_nCharWidth; break;
    case SB_PAGELEFT: x -= 20 * m_nCharWidth; break;
    case SB_PAGERIGHT: x += 20 * m_nCharWidth; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: x = static_cast<int>(position); break;
    case SB_LEFT: x = 0; break;
    default: return;
    }
    ScrollTo(std::max(0, x), scroll.y);
    ShowCaretAtPosition();
    Redraw();
}

BOOL CILEditEngine::ShowLine(int line) {
    if (line - 1 < 0 || line - 1 >= m_pModel->GetLines().GetSize()) return FALSE;
    m_highlight.firstShownLine = line - 1 > 10 ? line - 11 : 0;
    m_highlight.line = line - 1;
    m_highlight.repaintPending = TRUE;
    m_highlight.active = TRUE;
    ScrollTo(GetScrollPosition().x, m_highlight.firstShownLine * m_nLineHeight);
    DropSelection();
    Redraw();
    return TRUE;
}

// ---- commands ----

int CILEditEngine::GetContextMenuId(CPoint& point) {
    if (point.x == -1 && point.y == -1) {
        point = CPoint(m_nMonitorWidth + (m_nCaretColumn + 1) * m_nCharWidth, (m_nCaretLine + 1) * m_nLineHeight);
        if (m_pView && m_pView->GetSafeHwnd()) m_pView->ClientToScreen(&point);
    }
    return IsOnline() ? static_cast<int>(kOnlineMenu) : static_cast<int>(kOfflineMenu);
}

void CILEditEngine::SelectAll() {
    const CStringArray& lines = m_pModel->GetLines();
    int last = static_cast<int>(lines.GetSize()) - 1;
    SetSelection(0, 0, last, lines[last].GetLength());
    m_bSelection = TRUE;
    if (m_pView && m_pView->GetSafeHwnd()) {
        CPoint scroll = GetScrollPosition();
        CWnd::SetCaretPos(CPoint(TextLeft() - scroll.x, -scroll.y));
    }
    Redraw();
}

void CILEditEngine::UpdateClear(CCmdUI* cmdUI) { cmdUI->Enable(IsOffline() && m_bSelection); }

BOOL CILEditEngine::FlushEdit() {
    BOOL selection = m_bSelection;
    m_bSelection = FALSE;
    return selection;
}

void CILEditEngine::SetShowSymbols(BOOL show) { ReformatAll(show, 0); }
