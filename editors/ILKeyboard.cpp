// Typing and the editing keys of the IL editor. Every accepted change takes an undo
// snapshot, so undo goes back one keystroke at a time.
#include "editors/ILEditEngine.h"
#include "editors/ILModel.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"

namespace {
const int kTabStop = 8;
const int kMinScrollLines = 100;

BOOL KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }
BOOL IsHighByte(char ch) { return (static_cast<unsigned char>(ch) & 0x80) != 0; }
}  // namespace

void CILEditEngine::InsertLine(int index, const CString& text) {
    m_pModel->GetLines().InsertAt(index, text);
    InsertLineState(index);
    ShiftFBRecords(index, 1);
    m_brackets.ShiftLines(index, 0, 1);
}

void CILEditEngine::RemoveLine(int index) {
    m_pModel->GetLines().RemoveAt(index);
    RemoveLineState(index);
    ShiftFBRecords(index, -1);
    m_brackets.ShiftLines(index, 0, -1);
}

void CILEditEngine::OnChar(UINT ch, UINT, UINT) {
    if (IsOnline() || m_bTextDrag || !m_pDocument) return;
    EndHighlight();
    ClampCaret();
    if (m_pModel->IsHeaderLine(m_nCaretLine) && ch != '\r' && ch != '\b') return;
    switch (ch) {
    // A NUL would cut the line at the next save: it is no character to type.
    case 0: return;
    case '\b': Backspace(); break;
    case '\r': Enter(); break;
    case '\t': TypeTab(); break;
    case ' ': TypeBlank(); break;
    default:
        if (ch < 32 || ch > 255) return;
        TypeCharacter(static_cast<char>(ch));
        break;
    }
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
    m_nDesiredColumn = m_nCaretColumn;
    ShowCaretAtPosition();
    MarkModified();
}

void CILEditEngine::TypeCharacter(char ch) {
    SetLineState(m_nCaretLine, kLineOk);
    if (m_bSelection) {
        DeleteSelection(FALSE);
        m_bSelection = FALSE;
    }
    CStringArray& lines = m_pModel->GetLines();
    m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
    if (m_nCaretColumn < kMaxTypedColumn) {
        CString text = lines[m_nCaretLine];
        text.Insert(m_nCaretColumn, ch);
        lines.SetAt(m_nCaretLine, text);
        ++m_nCaretColumn;
    }
    EnsureCaretVisible();
    SaveUndoState();
    Redraw();
}

void CILEditEngine::TypeBlank() {
    if (m_nCaretColumn + 1 >= kMaxTypedColumn) return;
    TypeCharacter(' ');
}

void CILEditEngine::TypeTab() {
    SetLineState(m_nCaretLine, kLineOk);
    if (m_bSelection) {
        DeleteSelection(FALSE);
        m_bSelection = FALSE;
        SaveUndoState();
    }
    m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
    if (m_nCaretColumn + kTabStop < kMaxTypedColumn) {
        int blanks = kTabStop - m_nCaretColumn % kTabStop;
        CStringArray& lines = m_pModel->GetLines();
        CString text = lines[m_nCaretLine];
        text.Insert(m_nCaretColumn, CString(' ', blanks));
        lines.SetAt(m_nCaretLine, text);
        m_nCaretColumn += blanks;
    }
    EnsureCaretVisible();
    SaveUndoState();
    Redraw();
}

void CILEditEngine::Backspace() {
    if (m_bSelection) {
        DeleteSelection(FALSE);
        m_bSelection = FALSE;
        CheckNetwork(TRUE);
        RefreshScrollHeight();
        SaveUndoState();
        Redraw();
        return;
    }
    if (m_pModel->IsHeaderLine(m_nCaretLine)) {
        MoveLeft(FALSE);
        return;
    }
    CStringArray& lines = m_pModel->GetLines();
    SetLineState(m_nCaretLine, kLineOk);
    m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
    if (m_nCaretColumn > 0) {
        CString text = lines[m_nCaretLine];
        int width = m_nCaretColumn >= 2 && IsHighByte(text[m_nCaretColumn - 1]) &&
                            AdjustForDoubleByte(m_nCaretLine, m_nCaretColumn - 1) == m_nCaretColumn
                        ? 2
                        : 1;
        text.Delete(m_nCaretColumn - width, width);
        lines.SetAt(m_nCaretLine, text);
        m_nCaretColumn -= width;
        EnsureCaretVisible();
    } else if (m_nCaretLine > 0) {
        if (m_pModel->IsHeaderLine(m_nCaretLine - 1)) {
            MoveLeft(FALSE);
            return;
        }
        int joined = m_nCaretLine;
        m_nCaretLine = joined - 1;
        m_nCaretColumn = lines[m_nCaretLine].GetLength();
        lines.SetAt(m_nCaretLine, lines[m_nCaretLine] + lines[joined]);
        RemoveLine(joined);
        CheckVisible();
        RefreshScrollHeight();
        EnsureCaretVisible();
    }
    SaveUndoState();
    Redraw();
}

void CILEditEngine::Enter() {
    if (m_bSelection) {
        DeleteSelection(FALSE);
        m_bSelection = FALSE;
        CheckNetwork(TRUE);
    }
    CPoint scroll = GetScrollPosition();
    int y = scroll.y;
    if ((m_nCaretLine + 3) * m_nLineHeight > scroll.y + ClientSize().cy) y += m_nLineHeight;
    ScrollTo(0, y);
    CStringArray& lines = m_pModel->GetLines();
    if (m_pModel->IsHeaderLine(m_nCaretLine) && (m_nCaretColumn != 0 || m_nCaretLine == 0)) {
        m_pModel->RenumberFrom(m_nCaretLine);
        InsertLine(m_nCaretLine + 1, "");
        ++m_nCaretLine;
        m_nCaretColumn = 0;
        CheckVisible();
        Redraw();
        return;
    }
    m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
    CString text = lines[m_nCaretLine];
    lines.SetAt(m_nCaretLine, text.Left(m_nCaretColumn));
    int left = m_nCaretLine;
    InsertLine(left + 1, text.Mid(m_nCaretColumn));
    m_nCaretLine = left + 1;
    m_nCaretColumn = 0;
    RefreshScrollHeight();
    m_pModel->StripHeaderComments(left);
    FormatLine(left, TRUE);
    SaveUndoState();
    CheckVisible();
    Redraw();
}

void CILEditEngine::OnKeyDown(UINT key, UINT, UINT) {
    if (IsOnline() || m_bTextDrag || !m_pDocument) return;
    EndHighlight();
    ClampCaret();
    BOOL shift = KeyDown(VK_SHIFT);
    BOOL ctrl = KeyDown(VK_CONTROL);
    switch (key) {
    case VK_PRIOR: PageMove(-1, shift); break;
    case VK_NEXT: PageMove(1, shift); break;
    case VK_HOME: Home(shift, ctrl); break;
    case VK_END: End(shift, ctrl); break;
    case VK_LEFT: MoveLeft(shift); break;
    case VK_RIGHT: MoveRight(shift); break;
    case VK_UP: MoveVertically(-1, shift); break;
    case VK_DOWN: MoveVertically(1, shift); break;
    case VK_DELETE: DeleteKey(); break;
    default: break;
    }
    EnsureCaretVisible();
    Redraw();
}

void CILEditEngine::PageMove(int direction, BOOL shift) {
    int lastLine = static_cast<int>(m_pModel->GetLines().GetSize()) - 1;
    if (shift) {
        m_nCaretLine = std::max(0, std::min(m_nCaretLine + direction * PageLines(), lastLine));
        m_nCaretColumn = direction < 0 ? 0 : m_pModel->GetLines()[m_nCaretLine].GetLength();
        ExtendSelectionToCaret();
    }
    CheckVisible();
    CPoint scroll = GetScrollPosition();
    ScrollTo(scroll.x, scroll.y + direction * PageLines() * m_nLineHeight);
}

void CILEditEngine::Home(BOOL shift, BOOL ctrl) {
    m_nCaretColumn = 0;
    if (shift) {
        ExtendSelectionToCaret();
        return;
    }
    DropSelection();
    ScrollTo(0, ctrl ? 0 : GetScrollPosition().y);
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = 0;
}

void CILEditEngine::End(BOOL shift, BOOL ctrl) {
    m_nCaretColumn = m_pModel->GetLines()[m_nCaretLine].GetLength();
    if (shift) {
        ExtendSelectionToCaret();
        return;
    }
    DropSelection();
    CPoint scroll = GetScrollPosition();
    int caretX = TextLeft() + m_nCaretColumn * m_nCharWidth;
    int x = caretX - scroll.x > ClientSize().cx ? caretX - 5 * m_nCharWidth : scroll.x;
    ScrollTo(x, ctrl ? GetDocumentHeight() : scroll.y);
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
}

void CILEditEngine::MoveLeft(BOOL shift) {
    const CStringArray& lines = m_pModel->GetLines();
    if (!shift && m_bSelection) {
        m_nCaretLine = m_nSelStartLine;
        m_nCaretColumn = m_nSelStartColumn;
        DropSelection();
    } else if (m_nCaretColumn > 0) {
        const CString& text = lines[m_nCaretLine];
        m_nCaretColumn -= m_nCaretColumn >= 2 && IsHighByte(text[m_nCaretColumn - 1]) ? 2 : 1;
    } else if (m_nCaretLine >= 1) {
        if (!shift) CommitLine(m_nCaretLine);
        --m_nCaretLine;
        m_nCaretColumn = lines[m_nCaretLine].GetLength();
    }
    if (shift)
        ExtendSelectionToCaret();
    else {
        m_nAnchorLine = m_nCaretLine;
        m_nAnchorColumn = m_nCaretColumn;
    }
    m_nDesiredColumn = m_nCaretColumn;
}

void CILEditEngine::MoveRight(BOOL shift) {
    const CStringArray& lines = m_pModel->GetLines();
    int lastLine = static_cast<int>(lines.GetSize()) - 1;
    if (!shift && m_bSelection) {
        m_nCaretLine = m_nSelEndLine;
        m_nCaretColumn = m_nSelEndColumn;
        DropSelection();
    } else if (m_nCaretColumn < lines[m_nCaretLine].GetLength()) {
        m_nCaretColumn += IsHighByte(lines[m_nCaretLine][m_nCaretColumn]) ? 2 : 1;
        m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
    } else if (m_nCaretLine < lastLine) {
        if (!shift) {
            CheckVisible();
            CommitLine(m_nCaretLine);
        }
        ++m_nCaretLine;
        m_nCaretColumn = 0;
    }
    if (shift)
        ExtendSelectionToCaret();
    else {
        m_nAnchorLine = m_nCaretLine;
        m_nAnchorColumn = m_nCaretColumn;
    }
    m_nDesiredColumn = m_nCaretColumn;
}

void CILEditEngine::MoveVertically(int delta, BOOL shift) {
    const CStringArray& lines = m_pModel->GetLines();
    int target = m_nCaretLine + delta;
    if (target < 0 || target >= lines.GetSize()) return;
    CommitLine(m_nCaretLine);
    int length = lines[target].GetLength();
    int column = length > m_nDesiredColumn && length > m_nCaretColumn ? m_nDesiredColumn : length;
    m_nCaretLine = target;
    m_nCaretColumn = AdjustForDoubleByte(target, column);
    CheckVisible();
    if (shift) {
        ExtendSelectionToCaret();
    } else {
        DropSelection();
        m_nAnchorLine = m_nCaretLine;
        m_nAnchorColumn = m_nCaretColumn;
    }
}

void CILEditEngine::JoinWithNext(int line) {
    CStringArray& lines = m_pModel->GetLines();
    lines.SetAt(line, lines[line] + lines[line + 1]);
    RemoveLine(line + 1);
}

void CILEditEngine::DeleteKey() {
    CStringArray& lines = m_pModel->GetLines();
    if (m_bSelection) {
        DeleteSelection(FALSE);
        m_bSelection = FALSE;
        CheckNetwork(TRUE);
    } else if (!m_pModel->IsHeaderLine(m_nCaretLine)) {
        CString text = lines[m_nCaretLine];
        if (m_nCaretColumn < text.GetLength()) {
            text.Delete(m_nCaretColumn, IsHighByte(text[m_nCaretColumn]) ? 2 : 1);
            lines.SetAt(m_nCaretLine, text);
        } else if (m_nCaretLine + 1 < lines.GetSize()) {
            JoinWithNext(m_nCaretLine);
        }
        CheckVisible();
    }
    UpdateScrollSize(m_nLineHeight * std::max<int>(kMinScrollLines, lines.GetSize()));
    SaveUndoState();
    MarkModified();
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
}

void CILEditEngine::InsertNetwork() {
    if (IsOnline()) return;
    int line = m_nCaretLine;
    BOOL inserted = m_pModel->InsertNetworkAfter(line);
    if (inserted) {
        InsertLineState(line + 1);
        ShiftFBRecords(line + 1, 1);
        m_brackets.ShiftLines(line + 1, 0, 1);
        FormatLine(line, TRUE);
        ++m_nCaretLine;
    }
    m_nCaretColumn = m_pModel->GetLines()[m_nCaretLine].GetLength();
    CPoint scroll = GetScrollPosition();
    if ((m_nCaretLine + 2) * m_nLineHeight > scroll.y + ClientSize().cy) ScrollTo(scroll.x, scroll.y + m_nLineHeight);
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
    SaveUndoState();
    MarkModified();
    Redraw();
}
