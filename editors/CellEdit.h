#pragma once
#include "platform/CGdiObject.h"
#include "platform/CString.h"

class CDC;

// The single-line operand box typed into directly on the ladder diagram. It is not a
// window: the ladder engine owns it, forwards input to it and draws it on its own DC. The
// text is in the double-byte code page, and every caret move and deletion keeps both
// halves of a two-byte character together.
class CCellEdit {
public:
    // Bytes shown at once, starting at the first visible byte.
    static const int kShownBytes = 15;

    CCellEdit();
    virtual ~CCellEdit() = default;

    // Makes the box font from the workspace's ladder text font and measures it on dc.
    void CreateFont(CDC* dc);
    void SetText(const CString& text);
    CString GetText() const { return m_text; }
    void Draw(CDC* dc, int scrollColumn, int scrollRow);
    CPoint GetCaretPos(int scrollColumn, int scrollRow);

    void OnChar(UINT code);
    // Reads the Shift key's state and handles the key.
    void OnKeyDown(UINT key);
    void OnKeyDown(UINT key, BOOL shift);

    void ClickAt(int x, int y);
    void DragTo(int x, int y, BOOL extend);
    void SetSel(int start, int end);
    void SetDragEnabled(BOOL enabled) { m_dragEnabled = enabled; }

    void DeleteSelection();
    void Copy() const;
    void Paste();
    void Undo();

    BOOL HasSelection() const { return m_selectionActive; }
    int GetSelStart() const { return m_selStart; }
    int GetSelEnd() const { return m_selEnd; }
    int GetCaret() const { return m_caret; }
    int GetFirstVisible() const { return m_firstVisible; }
    CString GetShownText() const { return m_text.Mid(m_firstVisible, kShownBytes); }
    // The shown highlighted bytes as (start, length), or length 0 when none is shown.
    void GetHighlight(int& start, int& length) const;

    CRect m_rect;
    int m_charWidth = 8;
    int m_lineHeight = 16;

private:
    BOOL IsLeadByteAt(int index) const;
    int StepBefore(int index) const;
    int StepAt(int index) const;
    void FollowCaret();
    void SelectSpan(int a, int b);
    void ExtendOrClear(BOOL shift, int from);
    void MoveLeft(BOOL shift);
    void MoveRight(BOOL shift);

    BOOL m_leadPending = FALSE;
    BOOL m_selectionActive = FALSE;
    int m_selStart = 0;
    int m_selEnd = 0;
    CString m_text;
    CString m_openingText;
    int m_anchor = 0;
    int m_caret = 0;
    CFont m_font;
    int m_caretX = 0;
    int m_caretY = 0;
    int m_firstVisible = 0;
    BOOL m_dragEnabled = TRUE;
};
