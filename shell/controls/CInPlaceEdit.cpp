#include "shell/controls/CInPlaceEdit.h"

#include "platform/CDC.h"

#include <algorithm>

namespace {

// Room left after the text, so the caret never sits on the border.
const int kTextMargin = 5;

}  // namespace

BEGIN_MESSAGE_MAP(CInPlaceEdit, CEdit)
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CInPlaceEdit::CInPlaceEdit(CWnd* parent, const RECT& rect, DWORD extraStyle, UINT id, int row, int column,
                           const CString& initialText, char firstChar)
    : m_row(row), m_column(column), m_initialText(initialText) {
    if (!Create(extraStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, parent, id))
        return;
    SetFont(parent->GetFont());
    SetWindowText(initialText);
    SetFocus();
    SetSel(0, -1);
    if (firstChar != ' ')
        SendMessage(WM_CHAR, static_cast<BYTE>(firstChar));
}

// Keys go to the edit itself, so that Enter, Esc and Tab end the edit instead of
// pressing a dialog button or moving the dialog's focus; Alt+letter does nothing.
BOOL CInPlaceEdit::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) {
        ::TranslateMessage(msg);
        ::DispatchMessageA(msg);
        return TRUE;
    }
    if (msg->message == WM_SYSCHAR)
        return TRUE;
    return CEdit::PreTranslateMessage(msg);
}

bool CInPlaceEdit::IsCellCharacter(UINT ch) {
    return ch == ' ' || ch == '#' || ch == '%' || ch == '.' || ch == '_' || (ch >= '0' && ch <= '9') ||
           (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

void CInPlaceEdit::OnChar(UINT ch, UINT, UINT) {
    if (ch == VK_BACK) {
        Default();
    } else if (ch == VK_TAB || ch == VK_RETURN) {
        EndWithKey(static_cast<int>(ch));
    } else if (ch == VK_ESCAPE) {
        SetWindowText(m_initialText);
        EndWithKey(VK_ESCAPE);
    } else if (IsCellCharacter(ch)) {
        WidenForText();
        Default();
    }
}

void CInPlaceEdit::EndWithKey(int key) {
    m_endKey = key;
    GetParent()->SetFocus();
}

// The edit grows to the right to show the whole text, up to the parent's right edge.
void CInPlaceEdit::WidenForText() {
    CString text;
    GetWindowText(text);
    CSize extent;
    {
        CClientDC dc(this);
        CFont* font = GetFont();
        CFont* oldFont = font ? dc.SelectObject(font) : nullptr;
        extent = dc.GetTextExtent(text);
        if (oldFont)
            dc.SelectObject(oldFont);
    }
    CRect rect;
    GetWindowRect(&rect);
    CWnd* parent = GetParent();
    parent->ScreenToClient(&rect);
    int wanted = extent.cx + kTextMargin;
    if (rect.Width() >= wanted)
        return;
    CRect parentClient;
    parent->GetClientRect(&parentClient);
    rect.right = std::min(rect.left + wanted, parentClient.right);
    MoveWindow(&rect);
}

void CInPlaceEdit::OnKillFocus(CWnd* newFocus) {
    CEdit::OnKillFocus(newFocus);
    InPlaceEditEnd end;
    end.header.hwndFrom = m_hWnd;
    end.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    end.header.code = LVN_ENDLABELEDIT;
    end.row = m_row;
    end.column = m_column;
    end.mask = LVIF_TEXT | LVIF_PARAM;
    GetWindowText(end.text);
    end.key = m_endKey;
    if (CWnd* target = GetOwner())
        target->SendMessage(WM_NOTIFY, end.header.idFrom, reinterpret_cast<LPARAM>(&end));
    PostMessage(WM_CLOSE);
}
