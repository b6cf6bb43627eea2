// Selection deletion, the clipboard commands and the mouse of the IL editor.
#include "editors/ILEditEngine.h"
#include "editors/ILModel.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"
#include "platform/CCmdUI.h"
#include "platform/Clipboard.h"
#include "platform/MessageBox.h"

namespace {
const int kMinScrollLines = 100;
}

// ---- selection deletion ----

void CILEditEngine::DeleteSelection(BOOL headersWithoutQuestion) {
    const CStringArray& lines = m_pModel->GetLines();
    int startLine = m_nSelStartLine, startColumn = m_nSelStartColumn;
    int endLine = m_nSelEndLine, endColumn = m_nSelEndColumn;
    if (startLine == 0) {
        if (lines.GetSize() < 2) return;
        startLine = 1;
        startColumn = 0;
    }
    if (m_pModel->IsHeaderLine(startLine) && startColumn >= lines[startLine].GetLength() && startLine + 1 < lines.GetSize()) {
        ++startLine;
        startColumn = 0;
    }
    if (endColumn == 0 && m_pModel->IsHeaderLine(endLine) && endLine > 0) {
        --endLine;
        endColumn = lines[endLine].GetLength();
    }
    if (endLine == 0 || endLine < startLine) return;
    BOOL deleteHeaders = TRUE;
    if (!headersWithoutQuestion && m_pModel->AnyHeaderIn(startLine, endLine)) {
        int answer = AfxShowMessageBox(nullptr, "是否同时删除所选中的网络标号？", "提示",
                                       MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL);
        if (answer == IDCANCEL) {
            if (m_pView && m_pView->GetSafeHwnd()) m_pView->SetFocus();
            return;
        }
        deleteHeaders = answer == IDYES;
    }
    m_nSelStartLine = startLine;
    m_nSelStartColumn = startColumn;
    m_nSelEndLine = endLine;
    m_nSelEndColumn = endColumn;
    BOOL caretAtOrBelowEnd = m_nCaretLine >= endLine;
    int newStartLine = DeleteSelectionRange(deleteHeaders);
    if (caretAtOrBelowEnd) {
        m_nCaretLine = newStartLine;
        m_nCaretColumn = m_nSelStartColumn;
    }
    m_nSelStartLine = m_nSelEndLine = newStartLine;
    m_nSelEndColumn = m_nSelStartColumn;
    if (deleteHeaders && !headersWithoutQuestion) m_pModel->RenumberAll();
    m_nCaretLine = std::min<int>(m_nCaretLine, static_cast<int>(lines.GetSize()) - 1);
    m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
    if (m_pView && m_pView->GetSafeHwnd()) m_pView->SetFocus();
    EnsureCaretVisible();
}

// Removes the selected range; headers stay when deleteHeaders is FALSE. Returns the line
// where the range now starts.
int CILEditEngine::DeleteSelectionRange(BOOL deleteHeaders) {
    CStringArray& lines = m_pModel->GetLines();
    int startLine = m_nSelStartLine, startColumn = m_nSelStartColumn;
    int endLine = m_nSelEndLine, endColumn = m_nSelEndColumn;
    auto keeps = [&](int line) { return !deleteHeaders && m_pModel->IsHeaderLine(line); };
    if (startLine == endLine) {
        if (!keeps(startLine)) {
            CString text = lines[startLine];
            text.Delete(startColumn, endColumn - startColumn);
            lines.SetAt(startLine, text);
        }
        return startLine;
    }
    CString tail;
    if (keeps(endLine)) {
        tail.Empty();
    } else {
        tail = lines[endLine].Mid(endColumn);
        lines.RemoveAt(endLine);
    }
    for (int line = endLine - 1; line > startLine; --line) {
        if (!keeps(line)) lines.RemoveAt(line);
    }
    if (!keeps(startLine)) {
        lines.SetAt(startLine, lines[startLine].Left(startColumn) + tail);
    } else if (!tail.IsEmpty()) {
        lines.InsertAt(startLine + 1, tail);
    }
    return startLine;
}

// ---- clipboard ----

CString CILEditEngine::SelectedText() const {
    const CStringArray& lines = m_pModel->GetLines();
    if (m_nSelStartLine == m_nSelEndLine)
        return lines[m_nSelStartLine].Mid(m_nSelStartColumn, m_nSelEndColumn - m_nSelStartColumn);
    CString text = lines[m_nSelStartLine].Mid(m_nSelStartColumn) + "\r\n";
    for (int line = m_nSelStartLine + 1; line < m_nSelEndLine; ++line) text += lines[line] + "\r\n";
    return text + lines[m_nSelEndLine].Left(m_nSelEndColumn);
}

void CILEditEngine::Copy() {
    if (!m_bSelection) return;
    SetClipboardText(SelectedText());
}

void CILEditEngine::UpdateCopy(CCmdUI* cmdUI) { cmdUI->Enable(m_bSelection); }

void CILEditEngine::Cut() {
    if (IsOnline() || !m_bSelection) return;
    Copy();
    if (m_pView && m_pView->GetSafeHwnd())
        m_pView->SendMessage(WM_KEYDOWN, VK_DELETE);
    else
        OnKeyDown(VK_DELETE, 1, 0);
    RefreshScrollHeight();
}

void CILEditEngine::UpdateCut(CCmdUI* cmdUI) { cmdUI->Enable(IsOffline() && m_bSelection); }

void CILEditEngine::UpdatePaste(CCmdUI* cmdUI) {
    CString text;
    cmdUI->Enable(IsOffline() && GetClipboardText(text) && !text.IsEmpty());
}

void CILEditEngine::Paste() {
    CString clip;
    ClampCaret();
    if (IsOnline() || m_nCaretLine == 0 || !GetClipboardText(clip) || clip.IsEmpty()) return;
    if (m_bSelection) {
        DeleteSelection(TRUE);
        m_bSelection = FALSE;
    }
    CStringArray& lines = m_pModel->GetLines();
    m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
    CString tail = lines[m_nCaretLine].Mid(m_nCaretColumn);
    CString current = lines[m_nCaretLine].Left(m_nCaretColumn);
    int line = m_nCaretLine;
    auto endLine = [&]() {
        lines.SetAt(line, current);
        m_pModel->StripHeaderComments(line);
        FormatLine(line, TRUE);
        lines.InsertAt(++line, "");
        current.Empty();
    };
    for (int i = 0; i < clip.GetLength(); ++i) {
        char ch = clip[i];
        if (ch == '\r') {
            endLine();
            // Only the LF of a CR LF pair goes with it; any other byte stays text.
            if (i + 1 < clip.GetLength() && clip[i + 1] == '\n') ++i;
        } else if (ch == '\n') {
            endLine();
        } else if (ch == '\t') {
            current += "        ";
        } else {
            // A double-byte character goes whole onto the next line when its two bytes
            // do not both fit.
            bool lead = (static_cast<unsigned char>(ch) & 0x80) && i + 1 < clip.GetLength();
            int needed = lead ? 2 : 1;
            if (current.GetLength() + needed > kPasteLineBytes) endLine();
            current += ch;
            if (lead) current += clip[++i];
        }
    }
    lines.SetAt(line, current + tail);
    m_pModel->StripHeaderComments(line);
    FormatLine(line, TRUE);
    m_pModel->RenumberAll();
    m_nCaretLine = line;
    m_nCaretColumn = lines[line].GetLength();
    DropSelection();
    UpdateScrollSize((static_cast<int>(lines.GetSize()) + 2) * m_nLineHeight);
    CSize client = ClientSize();
    int rows = std::max<int>(1, client.cy / m_nLineHeight), columns = std::max<int>(1, client.cx / m_nCharWidth);
    ScrollTo(std::max(0, (m_nCaretColumn - columns + 10) * m_nCharWidth),
             std::max(0, (m_nCaretLine - rows + 1) * m_nLineHeight));
    MarkModified();
    CheckNetwork(TRUE);
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
    SaveUndoState();
    Redraw();
}

// ---- mouse ----

void CILEditEngine::PlaceCaretAt(int x, int y) {
    m_nCaretLine = LineAt(y);
    m_nCaretColumn = ColumnAt(m_nCaretLine, x);
}

void CILEditEngine::SelectGutterLine(int y) {
    const CStringArray& lines = m_pModel->GetLines();
    int line = LineAt(y);
    int last = static_cast<int>(lines.GetSize()) - 1;
    if (line < last)
        SetSelection(line, 0, line + 1, 0);
    else
        SetSelection(line, 0, line, lines[line].GetLength());
    m_bSelection = TRUE;
    m_nAnchorLine = line;
    m_nAnchorColumn = 0;
}

void CILEditEngine::OnLButtonDown(UINT flags, int x, int y) {
    CommitLine(m_nCaretLine, IsOffline());
    if (m_pView && m_pView->GetSafeHwnd()) m_pView->SetCapture();
    if (x > TextLeft() - 4) {
        m_bTextDrag = TRUE;
        if (m_bDragResizeArmed) m_bResizing = TRUE;
        ScrollTo(0, GetScrollPosition().y);
    }
    if (x < m_nGutterWidth - 4) {
        SelectGutterLine(y);
    } else if (x > TextLeft() - 3) {
        PlaceCaretAt(x, y);
        m_nFindStartColumn = m_nCaretColumn;
        if (flags & MK_SHIFT) {
            ExtendSelectionToCaret();
        } else {
            m_nAnchorLine = m_nCaretLine;
            m_nAnchorColumn = m_nCaretColumn;
            DropSelection();
        }
        m_nDesiredColumn = m_nCaretColumn;
    }
    ShowCaretAtPosition();
    Redraw();
}

void CILEditEngine::OnMouseMove(UINT, int x, int y) {
    if (m_bResizing) {
        m_nMonitorWidth = std::max(34, x - m_nGutterWidth);
        ShowCaretAtPosition();
        Redraw();
        return;
    }
    if (!m_bTextDrag) return;
    CSize client = ClientSize();
    CPoint scroll = GetScrollPosition();
    if (y < 5) ScrollTo(scroll.x, scroll.y - m_nLineHeight);
    if (y > client.cy - 5) ScrollTo(scroll.x, scroll.y + m_nLineHeight);
    PlaceCaretAt(x, y);
    ExtendSelectionToCaret();
    ShowCaretAtPosition();
    Redraw();
}

void CILEditEngine::OnLButtonUp(UINT, int, int) {
    CommitLine(m_nCaretLine, IsOffline());
    if (m_pView && m_pView->GetSafeHwnd() && ::GetCapture() == m_pView->GetSafeHwnd()) ::ReleaseCapture();
    m_bTextDrag = FALSE;
    m_bResizing = FALSE;
    m_bDragResizeArmed = FALSE;
    if (IsOffline()) {
        CheckVisible();
        Redraw();
    }
}

void CILEditEngine::OnLButtonDblClk(UINT, int x, int y) {
    int line = LineAt(y);
    int column = ColumnAt(line, x);
    const CString& text = m_pModel->GetLines()[line];
    auto inWord = [&](int at) { return at >= 0 && at < text.GetLength() && ((CharClass(text[at]) & 0x03) || text[at] == '.'); };
    int start = column, end = column;
    while (inWord(start - 1)) --start;
    while (inWord(end)) ++end;
    SetSelection(line, start, line, end);
    m_nAnchorLine = line;
    m_nAnchorColumn = start;
    m_bSelection = TRUE;
    ShowCaretAtPosition();
    Redraw();
}

void CILEditEngine::OnRButtonDown(UINT, int x, int y) {
    if (IsOffline() && m_pModel->GetLines().GetSize() > 0) {
        CheckNetwork(TRUE);
        CommitLine(m_nCaretLine);
    }
    if (x <= TextLeft() - 3) return;
    int line = LineAt(y), column = ColumnAt(LineAt(y), x);
    BOOL inside = m_bSelection && CBracketIndex::ComparePositions(line, column, m_nSelStartLine, m_nSelStartColumn) >= 0 &&
                  CBracketIndex::ComparePositions(line, column, m_nSelEndLine, m_nSelEndColumn) <= 0;
    m_nCaretLine = line;
    m_nCaretColumn = column;
    if (!inside) DropSelection();
    ShowCaretAtPosition();
    Redraw();
}

BOOL CILEditEngine::OnSetCursor(CWnd*, UINT hitTest, UINT, int x, int) {
    if (hitTest != HTCLIENT) {
        ::SetCursor(m_hArrowCursor);
        return TRUE;
    }
    int border = TextLeft();
    if (IsOnline() && x >= border - 16 && x <= border + 8) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        if (!m_bTextDrag) m_bDragResizeArmed = TRUE;
        return TRUE;
    }
    m_bDragResizeArmed = FALSE;
    if (x > border)
        ::SetCursor(::LoadCursor(nullptr, IDC_IBEAM));
    else if (x < m_nGutterWidth - 8)
        ::SetCursor(m_hGutterCursor ? m_hGutterCursor : m_hArrowCursor);
    else
        ::SetCursor(m_hArrowCursor);
    return TRUE;
}

int CILEditEngine::CharClass(char ch) {
    unsigned char byte = static_cast<unsigned char>(ch);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte == '_') return 0x21;
    if (byte >= 128) return 0x01;
    if (byte >= '0' && byte <= '9') return 0x02;
    if (byte < 32) return 0x08;
    if (strchr("%&*+-/:<=>@", byte)) return 0x14;
    return 0x04;
}
