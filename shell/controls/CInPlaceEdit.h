#pragma once

#include "platform/CEdit.h"
#include "platform/CString.h"

// What a CInPlaceEdit sends (WM_NOTIFY, code LVN_ENDLABELEDIT) to its owner when the
// edit ends: the cell, the text it ended with and the key that ended it.
struct InPlaceEditEnd {
    NMHDR header;  // the edit's window and id
    int row;
    int column;
    int mask;      // always 5, as a list's item record would carry for text and data
    CString text;
    int key;       // 9 Tab, 13 Enter, 27 Esc, 0 when the focus went elsewhere
};

// The in-place editor of a list cell. It creates its window over the cell at once,
// takes the focus with its whole text selected, grows to the right while the user
// types, and ends when it loses the focus: it reports the end to its owner and closes
// itself. The object is made with new and deletes itself after its window is gone.
class CInPlaceEdit : public CEdit {
public:
    // A first character other than a blank replaces the selected initial text.
    CInPlaceEdit(CWnd* parent, const RECT& rect, DWORD extraStyle, UINT id, int row, int column,
                 const CString& initialText, char firstChar);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PostNcDestroy() override { delete this; }
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnKillFocus(CWnd* newFocus);
    DECLARE_MESSAGE_MAP()

private:
    static bool IsCellCharacter(UINT ch);
    void EndWithKey(int key);
    void WidenForText();

    int m_row;
    int m_column;
    CString m_initialText;
    int m_endKey = 0;
};
