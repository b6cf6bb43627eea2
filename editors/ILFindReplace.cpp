// Find and replace in an IL program. Network header lines are never searched or changed;
// the search does not wrap around.
#include "editors/ILEditEngine.h"
#include "editors/ILFindReplaceDlg.h"
#include "editors/ILModel.h"
#include "editors/POUEditorView.h"
#include "platform/CWinThread.h"
#include "platform/MessageBox.h"

namespace {
BOOL IsFindDelimiter(char ch) { return ch == '\t' || ch == ' ' || ch == '(' || ch == ')' || ch == ','; }
BOOL IsReplaceDelimiter(char ch) { return ch == '\t' || ch == ' '; }

// Whether the occurrence at [start, end) stands alone between delimiters.
template <typename Delimiter>
BOOL IsWholeWord(const CString& line, int start, int end, Delimiter delimiter) {
    return (start == 0 || delimiter(line[start - 1])) && (end >= line.GetLength() || delimiter(line[end]));
}

CString Upper(const CString& text) {
    CString upper = text;
    upper.MakeUpper();
    return upper;
}
}  // namespace

void CILEditEngine::OpenFindDialog(BOOL replaceMode) {
    if (!m_pFindDialog) {
        m_pFindDialog = new CILFindReplaceDlg(this);
        if (m_pView && m_pView->GetSafeHwnd() && m_pFindDialog->CreateFor(m_pView)) m_pFindDialog->CenterWindow(m_pView);
    }
    CString text;
    if (m_bSelection) {
        const CString& line = m_pModel->GetLines()[m_nSelStartLine];
        text = m_nSelStartLine == m_nSelEndLine ? line.Mid(m_nSelStartColumn, m_nSelEndColumn - m_nSelStartColumn)
                                                : line.Mid(m_nSelStartColumn);
    }
    m_nFindStartColumn = m_nSelStartColumn;
    int mode = replaceMode ? CILFindReplaceDlg::kReplaceMode : CILFindReplaceDlg::kFindMode;
    if (!m_pFindDialog->GetSafeHwnd()) {
        m_pFindDialog->m_nMode = mode;
        m_pFindDialog->m_strFind = text;
        return;
    }
    m_pFindDialog->ShowWith(mode, text, !replaceMode);
    if (replaceMode) {
        if (CWnd* main = AfxGetMainWnd()) m_pFindDialog->CenterWindow(main);
        m_pView->SetFocus();
        // The focus activates the main window, which some window systems then stack
        // over the dialog it owns: the dialog is put back on top without taking the focus.
        m_pFindDialog->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CILEditEngine::Find() {
    if (IsOffline()) OpenFindDialog(FALSE);
}

void CILEditEngine::Replace() {
    if (IsOffline()) OpenFindDialog(TRUE);
}

int CILEditEngine::FindForward(const CString& line, const CString& text, int start, BOOL ignoreCase,
                               BOOL wholeWord) const {
    if (text.IsEmpty()) return -1;
    CString haystack = ignoreCase ? Upper(line) : line;
    CString needle = ignoreCase ? Upper(text) : text;
    for (int at = haystack.Find(needle, std::max(0, start)); at >= 0; at = haystack.Find(needle, at + 1)) {
        if (!wholeWord || IsWholeWord(haystack, at, at + needle.GetLength(), IsFindDelimiter)) return at;
    }
    return -1;
}

// The end column of the last occurrence that ends at or before end.
int CILEditEngine::FindBackward(const CString& line, const CString& text, int end, BOOL ignoreCase,
                                BOOL wholeWord) const {
    if (text.IsEmpty()) return -1;
    CString haystack = ignoreCase ? Upper(line) : line;
    CString needle = ignoreCase ? Upper(text) : text;
    int found = -1;
    for (int at = haystack.Find(needle); at >= 0 && at + needle.GetLength() <= end; at = haystack.Find(needle, at + 1)) {
        if (!wholeWord || IsWholeWord(haystack, at, at + needle.GetLength(), IsFindDelimiter)) found = at + needle.GetLength();
    }
    return found;
}

void CILEditEngine::ShowMatch(int line, int column, int length) {
    SetSelection(line, column, line, column + length);
    m_bSelection = TRUE;
    CSize client = ClientSize();
    CPoint scroll = GetScrollPosition();
    int y = scroll.y, x = scroll.x;
    while (line * m_nLineHeight < y) y -= m_nLineHeight;
    while ((line + 1) * m_nLineHeight > y + client.cy) y += m_nLineHeight;
    int right = TextLeft() + (column + length) * m_nCharWidth;
    while (right - x > client.cx) x += 20 * m_nCharWidth;
    while (TextLeft() + column * m_nCharWidth - x < TextLeft() && x > 0) x = std::max(0, x - 20 * m_nCharWidth);
    ScrollTo(x, y);
    ShowCaretAtPosition();
    Redraw();
}

void CILEditEngine::FindNext() {
    if (!m_pFindDialog) return;
    CString text = m_pFindDialog->FindText();
    const CStringArray& lines = m_pModel->GetLines();
    BOOL ignoreCase = !m_pFindDialog->m_nMatchCase, wholeWord = m_pFindDialog->m_nWholeWord;
    if (lines[m_nCaretLine].GetLength() < m_nFindStartColumn) m_nFindStartColumn = 0;
    int foundLine = -1, foundColumn = -1;
    if (m_pFindDialog->m_nDirection == 0) {
        for (int line = m_nCaretLine; line < lines.GetSize() && foundLine < 0; ++line) {
            if (m_pModel->IsHeaderLine(line)) continue;
            int start = line != m_nCaretLine ? 0 : (m_bSelection ? m_nSelEndColumn : m_nFindStartColumn);
            int column = FindForward(lines[line], text, start, ignoreCase, wholeWord);
            if (column >= 0) foundLine = line, foundColumn = column;
        }
    } else {
        for (int line = m_nCaretLine; line >= 0 && foundLine < 0; --line) {
            if (m_pModel->IsHeaderLine(line)) continue;
            int end = line == m_nCaretLine ? m_nFindStartColumn : lines[line].GetLength();
            int column = FindBackward(lines[line], text, end, ignoreCase, wholeWord);
            if (column >= 0) foundLine = line, foundColumn = column - text.GetLength();
        }
    }
    if (foundLine >= 0) {
        ShowMatch(foundLine, foundColumn, text.GetLength());
        m_nFindStartColumn = m_pFindDialog->m_nDirection == 1 ? foundColumn : m_nCaretColumn;
    } else {
        CString message = "已完成对 \"" + text + "\" 的搜索";
        AfxShowMessageBox(m_pView ? m_pView->GetSafeHwnd() : nullptr, message, "提示", MB_OK | MB_ICONINFORMATION);
    }
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
}

void CILEditEngine::ReplaceSelection() {
    if (IsOnline() || !m_pFindDialog) return;
    if (!m_bSelection || m_nSelStartLine != m_nSelEndLine || m_nSelStartColumn == m_nSelEndColumn) {
        FindNext();
        return;
    }
    CString replacement = m_pFindDialog->ReplaceText();
    if (replacement.IsEmpty()) replacement = " ";
    CStringArray& lines = m_pModel->GetLines();
    CString text = lines[m_nSelStartLine];
    CString selected = text.Mid(m_nSelStartColumn, m_nSelEndColumn - m_nSelStartColumn);
    if (Upper(selected) == Upper(m_pFindDialog->FindText())) {
        text.Delete(m_nSelStartColumn, selected.GetLength());
        text.Insert(m_nSelStartColumn, replacement);
        lines.SetAt(m_nSelStartLine, text);
        m_nCaretLine = m_nSelStartLine;
        m_nCaretColumn = m_nSelStartColumn + replacement.GetLength();
    }
    FormatLine(m_nSelStartLine, TRUE);
    SaveUndoState();
    MarkModified();
    m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
    m_nAnchorColumn = m_nCaretColumn;
    DropSelection();
    Redraw();
    FindNext();
}

int CILEditEngine::ReplaceInLine(int line, const CString& text, const CString& replacement, BOOL matchCase,
                                 BOOL wholeWord) {
    CStringArray& lines = m_pModel->GetLines();
    CString result = lines[line];
    if (result.IsEmpty() || text.IsEmpty() || replacement.IsEmpty() || text == replacement) return 0;
    CString copy = matchCase ? result : Upper(result);
    CString needle = matchCase ? text : Upper(text);
    int count = 0, start = 0;
    while (start < copy.GetLength()) {
        int at = copy.Find(needle, start);
        if (at < 0) break;
        int end = at + needle.GetLength();
        if (wholeWord && !IsWholeWord(copy, at, end, IsReplaceDelimiter)) {
            start = end;
            continue;
        }
        copy = copy.Left(at) + replacement + copy.Mid(end);
        result = result.Left(at) + replacement + result.Mid(end);
        start = at + replacement.GetLength();
        ++count;
    }
    lines.SetAt(line, result);
    return count;
}

void CILEditEngine::ReplaceAll() {
    if (IsOnline() || !m_pFindDialog) return;
    CString replacement = m_pFindDialog->ReplaceText();
    if (replacement.IsEmpty()) replacement = " ";
    CString text = m_pFindDialog->FindText();
    int count = 0;
    for (int line = 0; line < m_pModel->GetLines().GetSize(); ++line) {
        if (m_pModel->IsHeaderLine(line)) continue;
        count += ReplaceInLine(line, text, replacement, m_pFindDialog->m_nMatchCase, m_pFindDialog->m_nWholeWord);
        FormatLine(line, TRUE);
    }
    SaveUndoState();
    MarkModified();
    m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
    m_nAnchorLine = m_nCaretLine;
    m_nAnchorColumn = m_nCaretColumn;
    Redraw();
    CString message;
    message.Format("已搜索完指定区域，共有 %d 项被替换.", count);
    AfxShowMessageBox(m_pView ? m_pView->GetSafeHwnd() : nullptr, message, "提示", MB_OK | MB_ICONINFORMATION);
}
