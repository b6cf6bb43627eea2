// Painting of the IL editor: syntax-coloured text, selection, the highlighted line, the
// line-number gutter with error marks and, online, the monitor column. Everything goes
// to a memory bitmap copied to the window in one step.
#include "editors/EditorShell.h"
#include "editors/ILEditEngine.h"
#include "editors/ILLineMonitor.h"
#include "editors/ILModel.h"
#include "editors/POUEditorView.h"
#include "platform/CDC.h"
#include "platform/CMDIChildWnd.h"
#include "project/CPlcWorkspace.h"

namespace {
const COLORREF kBackground = RGB(255, 255, 255);
const COLORREF kKeywordColour = RGB(31, 10, 218);
const COLORREF kPunctuationColour = RGB(53, 32, 120);
const COLORREF kCommentColour = RGB(0, 127, 0);
const COLORREF kTextColour = RGB(0, 0, 0);
const COLORREF kSelectedText = RGB(250, 250, 250);
const COLORREF kSelectedBack = RGB(0, 0, 0);
const COLORREF kGutterFill = RGB(216, 216, 216);
const COLORREF kGutterBorder = RGB(250, 250, 250);
const COLORREF kErrorMark = RGB(255, 0, 0);
const COLORREF kHighlightMarker = RGB(128, 64, 64);
const COLORREF kMonitorBorder = RGB(255, 255, 0);
const int kOnlineTextShift = 8;
const int kGutterRows = 255;
const int kStatusNetworkPane = 1;
const int kStatusCaretPane = 2;
}  // namespace

BOOL CILEditEngine::IsColouredKeyword(const CString& word) {
    CString upper = word;
    upper.MakeUpper();
    if (upper == "Q1" || upper == "R1" || upper == "L" || upper == "D") return FALSE;
    return IsReservedWord(upper);
}

CString CILEditEngine::GetNetworkOfLine(int line) const {
    if (line <= 0) return "0";
    CString number;
    return m_pModel->FindPrevHeader(line, number) ? number : CString();
}

void CILEditEngine::OnPaint(CDC* dc) {
    CSize client = ClientSize();
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(dc, std::max<int>(1, client.cx), std::max<int>(1, client.cy));
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);
    CPoint scroll = GetScrollPosition();
    m_nScrollX = scroll.x;
    m_nScrollY = scroll.y;
    m_nClientWidth = client.cx;
    m_nClientHeight = client.cy;
    memory.FillSolidRect(0, 0, client.cx, client.cy, kBackground);
    DrawLines(&memory);
    if (IsOnline()) DrawMonitorColumn(&memory);
    DrawGutter(&memory);
    dc->BitBlt(0, 0, client.cx, client.cy, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
    WriteStatusBar();
}

void CILEditEngine::WriteStatusBar() {
    IEditorShell* shell = GetEditorShell();
    // Only the active document window's editor tells its caret: another one painting
    // behind it (while windows are switched) leaves the panes alone.
    if (!shell || !IsInActiveMDIChild(m_pView)) return;
    // While a line is shown highlighted (a jump from a message) the panes tell that line.
    const int line = m_highlight.active ? m_highlight.line : m_nCaretLine;
    const int column = m_highlight.active ? 0 : m_nCaretColumn;
    CString caret, network;
    caret.Format("  第 %d 行, 第 %d 列", line + 1, column + 1);
    network.Format("  Network %s", GetNetworkOfLine(line).GetString());
    shell->SetStatusText(kStatusCaretPane, caret);
    shell->SetStatusText(kStatusNetworkPane, network);
}

void CILEditEngine::DrawRun(CDC* dc, int line, int column, const CString& text, COLORREF colour) {
    if (text.IsEmpty()) return;
    int x = TextLeft() - m_nScrollX + (IsOnline() ? kOnlineTextShift : 0) + column * m_nCharWidth;
    dc->SetTextColor(colour);
    dc->TextOut(x, line * m_nLineHeight - m_nScrollY, text);
}

// Splits a line into runs by character class: words (keywords coloured), single
// punctuation characters, quoted strings and comments, which end with the line.
void CILEditEngine::DrawLine(CDC* dc, int line) {
    const CString& text = m_pModel->GetLines()[line];
    int wordStart = 0;
    auto flushWord = [&](int end) {
        CString word = text.Mid(wordStart, end - wordStart);
        DrawRun(dc, line, wordStart, word, IsColouredKeyword(word) ? kKeywordColour : kTextColour);
    };
    int i = 0;
    while (i < text.GetLength()) {
        char ch = text[i];
        if (!(CharClass(ch) & 0x04)) {
            ++i;
            continue;
        }
        flushWord(i);
        if (ch == '\'') {
            int close = text.Find('\'', i + 1);
            int end = close < 0 ? text.GetLength() : close + 1;
            DrawRun(dc, line, i, text.Mid(i, end - i), kTextColour);
            i = end;
        } else if (ch == '(' && i + 1 < text.GetLength() && text[i + 1] == '*') {
            int close = text.Find("*)", i + 2);
            int end = close < 0 ? text.GetLength() : close + 2;
            DrawRun(dc, line, i, text.Mid(i, end - i), kCommentColour);
            i = end;
        } else {
            // A blank leaves no ink on the transparent background.
            if (ch != ' ') DrawRun(dc, line, i, CString(ch), (CharClass(ch) & 0x10) ? kKeywordColour : kPunctuationColour);
            ++i;
        }
        wordStart = i;
    }
    flushWord(text.GetLength());
}

void CILEditEngine::DrawSelection(CDC* dc) {
    const CStringArray& lines = m_pModel->GetLines();
    dc->SetBkMode(OPAQUE);
    dc->SetBkColor(kSelectedBack);
    for (int line = m_nSelStartLine; line <= m_nSelEndLine && line < lines.GetSize(); ++line) {
        int start = line == m_nSelStartLine ? m_nSelStartColumn : 0;
        int end = line == m_nSelEndLine ? m_nSelEndColumn : lines[line].GetLength();
        DrawRun(dc, line, start, lines[line].Mid(start, end - start), kSelectedText);
    }
    dc->SetBkMode(TRANSPARENT);
}

void CILEditEngine::DrawLines(CDC* dc) {
    CFont* oldFont = dc->SelectObject(&m_screenFont);
    dc->SetBkMode(TRANSPARENT);
    const CStringArray& lines = m_pModel->GetLines();
    int first = FirstVisibleLine();
    int last = std::min<int>(first + kDrawnLines, static_cast<int>(lines.GetSize())) - 1;
    m_highlight.repaintPending = FALSE;
    for (int line = first; line <= last; ++line) DrawLine(dc, line);
    if (m_bSelection) DrawSelection(dc);
    if (m_highlight.active) DrawShownLine(dc, m_highlight.line);
    dc->SetTextColor(kTextColour);
    dc->SelectObject(oldFont);
}

void CILEditEngine::DrawShownLine(CDC* dc, int line) {
    if (line < 0 || line >= m_pModel->GetLines().GetSize()) return;
    int y = line * m_nLineHeight - m_nScrollY;
    int left = TextLeft() - m_nScrollX;
    dc->FillSolidRect(left, y, std::max<int>(0, ClientSize().cx - left), m_nLineHeight, kSelectedBack);
    dc->SetTextColor(kSelectedText);
    dc->SetBkMode(TRANSPARENT);
    dc->TextOut(left + (IsOnline() ? 10 : 0), y, m_pModel->GetLines()[line]);
}

void CILEditEngine::DrawGutter(CDC* dc) {
    CPen border(PS_SOLID, 1, kGutterBorder);
    CBrush fill(kGutterFill);
    CPen* oldPen = dc->SelectObject(&border);
    CBrush* oldBrush = dc->SelectObject(&fill);
    dc->Rectangle(0, 0, m_nGutterWidth, kGutterRows * m_nLineHeight);
    CFont font;
    font.CreateFont(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, FF_SWISS, "Arial");
    CFont* oldFont = dc->SelectObject(&font);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(kTextColour);
    int lineCount = static_cast<int>(m_pModel->GetLines().GetSize());
    int first = FirstVisibleLine();
    for (int j = first; j <= std::min(first + kDrawnLines, lineCount); ++j) {
        CString number;
        number.Format("%3d", j);
        dc->TextOut(1, (j - 1) * m_nLineHeight - m_nScrollY, number);
    }
    if (IsOffline()) {
        dc->SelectObject(&m_screenFont);
        for (int line = first; line < std::min(first + kDrawnLines, lineCount); ++line) {
            int row = line * m_nLineHeight - m_nScrollY;
            if (m_highlight.active && m_highlight.line == line) {
                CBrush marker(kHighlightMarker);
                CPen markerPen(PS_SOLID, 1, kHighlightMarker);
                dc->SelectObject(&marker);
                dc->SelectObject(&markerPen);
                dc->Ellipse(m_nGutterWidth - m_nScrollX - 15, row + 3, m_nGutterWidth - m_nScrollX - 5,
                            row + m_nLineHeight - 3);
                dc->SelectObject(&fill);
                dc->SelectObject(&border);
            } else if (LineState(line) == kLineError) {
                dc->SetTextColor(kErrorMark);
                dc->TextOut(m_nGutterWidth - m_nCharWidth - 1, row, "?");
                dc->SetTextColor(kTextColour);
            }
        }
    }
    dc->SelectObject(oldFont);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}
