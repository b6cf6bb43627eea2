#include "editors/CellEdit.h"

#include <algorithm>

#include "platform/CDC.h"
#include "platform/Clipboard.h"
#include "project/CPlcWorkspace.h"

namespace {

const int kTypedSingleLimit = 30;  // a single byte is typed while the text holds at most this
const int kTypedLeadLimit = 29;    // the first byte of a two-byte character, at most this
const int kCellWidth = 100;
const int kRowHeight = 40;
const int kTextInset = 3;
const COLORREF kBoxBack = RGB(250, 250, 250);
const COLORREF kHighlightBack = RGB(16, 5, 116);

}  // namespace

CCellEdit::CCellEdit() : m_rect(50, 50, 150, 100) {}

void CCellEdit::CreateFont(CDC* dc) {
    LOGFONTA logFont = theWorkspace ? theWorkspace->editorFonts[1] : LOGFONTA{};
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&logFont);
    CFont* old = dc->SelectObject(&m_font);
    TEXTMETRICA metrics = {};
    if (dc->GetTextMetrics(&metrics)) {
        m_charWidth = std::max<int>(1, metrics.tmAveCharWidth);
        m_lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    }
    dc->SelectObject(old);
}

void CCellEdit::SetText(const CString& text) {
    m_text = text;
    m_openingText = text;
    m_caret = m_text.GetLength();
    m_leadPending = FALSE;
    FollowCaret();
}

BOOL CCellEdit::IsLeadByteAt(int index) const {
    return index >= 0 && index < m_text.GetLength() && (static_cast<unsigned char>(m_text[index]) & 0x80);
}

int CCellEdit::StepBefore(int index) const { return (index >= 2 && IsLeadByteAt(index - 1)) ? 2 : 1; }

int CCellEdit::StepAt(int index) const {
    return (IsLeadByteAt(index) && index + 1 < m_text.GetLength()) ? 2 : 1;
}

void CCellEdit::FollowCaret() {
    if (m_caret - m_firstVisible > kShownBytes)
        m_firstVisible = m_caret - kShownBytes;
    if (m_caret < m_firstVisible)
        m_firstVisible = m_caret;
}

void CCellEdit::SelectSpan(int a, int b) {
    m_selStart = std::min(a, b);
    m_selEnd = std::max(a, b);
    m_selectionActive = m_selEnd > m_selStart;
}

void CCellEdit::OnChar(UINT code) {
    // Control characters (Tab and Enter among them) and the NUL character type nothing.
    if (code == 0 || (code < 32 && code != VK_BACK) || code > 255)
        return;
    if (code == VK_BACK) {
        if (m_selectionActive) {
            DeleteSelection();
        } else if (m_caret > 0) {
            int step = StepBefore(m_caret);
            m_caret -= step;
            m_text.Delete(m_caret, step);
        }
        FollowCaret();
        return;
    }
    DeleteSelection();
    if (m_text.GetLength() > kTypedSingleLimit)
        return;
    if (code >= 128) {
        if (m_leadPending)
            m_leadPending = FALSE;
        else if (m_text.GetLength() > kTypedLeadLimit)
            return;
        else
            m_leadPending = TRUE;
    }
    m_text.Insert(m_caret, static_cast<char>(code));
    ++m_caret;
    FollowCaret();
}

void CCellEdit::OnKeyDown(UINT key) { OnKeyDown(key, (GetKeyState(VK_SHIFT) & 0x8000) != 0); }

void CCellEdit::OnKeyDown(UINT key, BOOL shift) {
    switch (key) {
    case VK_LEFT:
        MoveLeft(shift);
        break;
    case VK_RIGHT:
        MoveRight(shift);
        break;
    case VK_DELETE:
        if (m_selectionActive)
            DeleteSelection();
        else if (m_caret < m_text.GetLength())
            m_text.Delete(m_caret, StepAt(m_caret));
        break;
    default:
        if (!shift)
            m_selectionActive = FALSE;
        break;
    }
}

// With Shift, a first move selects the step just crossed (anchored at from); later moves
// span anchor and caret. Without Shift the selection goes.
void CCellEdit::ExtendOrClear(BOOL shift, int from) {
    if (!shift) {
        m_selectionActive = FALSE;
        return;
    }
    if (!m_selectionActive)
        m_anchor = from;
    SelectSpan(m_anchor, m_caret);
}

void CCellEdit::MoveLeft(BOOL shift) {
    if (m_caret == 0) {
        if (!shift)
            m_selectionActive = FALSE;
        return;
    }
    int from = m_caret;
    m_caret -= StepBefore(m_caret);
    ExtendOrClear(shift, from);
    FollowCaret();
}

void CCellEdit::MoveRight(BOOL shift) {
    if (m_caret >= m_text.GetLength()) {
        if (!shift)
            m_selectionActive = FALSE;
        return;
    }
    int from = m_caret;
    m_caret += StepAt(m_caret);
    ExtendOrClear(shift, from);
    FollowCaret();
}

void CCellEdit::ClickAt(int x, int /*y*/) {
    m_selectionActive = FALSE;
    int column = m_firstVisible + (x - m_rect.left) / m_charWidth;
    m_caret = column > m_text.GetLength() ? m_text.GetLength() : std::max(0, column - 1);
    m_dragEnabled = TRUE;
    m_anchor = m_caret;
}

void CCellEdit::DragTo(int x, int /*y*/, BOOL extend) {
    if (!extend || !m_dragEnabled)
        return;
    int column = m_firstVisible + (x - m_rect.left) / m_charWidth;
    column = std::max(0, std::min(column, m_text.GetLength()));
    SelectSpan(m_anchor, column);
    m_caret = column;
    FollowCaret();
}

void CCellEdit::SetSel(int start, int end) {
    int length = m_text.GetLength();
    if (start == -1 && end == -1) {
        m_selStart = 0;
        m_selEnd = length;
        m_selectionActive = TRUE;
        m_anchor = 0;
        m_caret = length;
        if (length - kShownBytes > m_firstVisible)
            m_firstVisible = length - kShownBytes;
        else if (length < m_firstVisible)
            m_firstVisible = length;
        return;
    }
    start = std::max(0, start);
    end = std::min(end, length);
    if (end < start)
        return;
    m_selStart = m_anchor = start;
    m_selEnd = m_caret = end;
    m_selectionActive = TRUE;
    FollowCaret();
}

void CCellEdit::DeleteSelection() {
    if (!m_selectionActive)
        return;
    m_text.Delete(m_selStart, m_selEnd - m_selStart);
    m_caret = m_selStart;
    m_selectionActive = FALSE;
    if (m_caret < m_firstVisible)
        m_firstVisible = m_caret;
}

void CCellEdit::Copy() const {
    if (m_selectionActive && m_selEnd > m_selStart)
        SetClipboardText(m_text.Mid(m_selStart, m_selEnd - m_selStart));
}

// A paste is not held to the typing length: the engine checks the operand on commit.
void CCellEdit::Paste() {
    CString pasted;
    if (!GetClipboardText(pasted))
        return;
    DeleteSelection();
    m_text.Insert(m_caret, pasted);
    m_caret += pasted.GetLength();
    m_selectionActive = FALSE;
    FollowCaret();
}

void CCellEdit::Undo() {
    if (m_text == m_openingText)
        return;
    m_text = m_openingText;
    m_leadPending = FALSE;
    SetSel(-1, -1);
}

void CCellEdit::GetHighlight(int& start, int& length) const {
    start = 0;
    length = 0;
    if (!m_selectionActive || m_selEnd < m_firstVisible)
        return;
    if (m_firstVisible >= m_selStart) {
        start = m_firstVisible;
        length = std::min(m_selEnd - m_firstVisible, kShownBytes);
    } else {
        start = m_selStart;
        length = m_selEnd - m_firstVisible <= kShownBytes ? m_selEnd - m_selStart
                                                          : m_firstVisible - m_selStart + kShownBytes;
    }
    length = std::max(0, length);
}

CPoint CCellEdit::GetCaretPos(int scrollColumn, int scrollRow) {
    m_caretX = (m_caret - m_firstVisible) * m_charWidth + m_rect.left - scrollColumn * kCellWidth + kTextInset;
    m_caretY = m_rect.top - scrollRow * kRowHeight + kTextInset;
    return CPoint(m_caretX, m_caretY);
}

void CCellEdit::Draw(CDC* dc, int scrollColumn, int scrollRow) {
    int left = m_rect.left - scrollColumn * kCellWidth;
    int top = m_rect.top - scrollRow * kRowHeight;
    int oldMode = dc->SetBkMode(OPAQUE);
    COLORREF oldBack = dc->SetBkColor(kBoxBack);
    COLORREF oldText = dc->SetTextColor(RGB(0, 0, 0));
    CFont* oldFont = m_font.GetSafeHandle() ? dc->SelectObject(&m_font) : nullptr;
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&pen);
    dc->Rectangle(left, top, left + m_rect.Width(), top + m_rect.Height());
    dc->TextOut(left + kTextInset, top + kTextInset, GetShownText());
    int start = 0;
    int length = 0;
    GetHighlight(start, length);
    if (length > 0) {
        dc->SetTextColor(kBoxBack);
        dc->SetBkColor(kHighlightBack);
        dc->TextOut(left + (start - m_firstVisible) * m_charWidth + kTextInset, top + kTextInset,
                    m_text.Mid(start, length));
    }
    dc->SelectObject(oldPen);
    if (oldFont)
        dc->SelectObject(oldFont);
    dc->SetTextColor(oldText);
    dc->SetBkColor(oldBack);
    dc->SetBkMode(oldMode);
}
