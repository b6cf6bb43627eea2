#include "platform/CDataExchange.h"

#include "platform/CUserException.h"
#include "platform/CWnd.h"
#include "platform/MessageBox.h"

#include <cerrno>
#include <cstdlib>

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareCtrl(int id) {
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    m_hWndLastControl = control;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}


namespace {

CString ControlText(HWND control) {
    CWnd wrapper(control);
    CString text;
    wrapper.GetWindowText(text);
    return text;
}

// Sets the text only when it differs, so the control does not flicker or notify.
void SetControlText(HWND control, LPCSTR text) {
    if (ControlText(control) != text)
        ::SetWindowTextA(control, text);
}

[[noreturn]] void FailWith(CDataExchange* dx, LPCSTR message) {
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    dx->Fail();
}

// Whole-text integer parsing; blanks around the number are allowed.
template <class Integer>
void ExchangeInteger(CDataExchange* dx, int id, Integer& value, bool isSigned) {
    HWND control = dx->PrepareEditCtrl(id);
    if (!dx->m_bSaveAndValidate) {
        CString text;
        if (isSigned)
            text.Format("%lld", static_cast<long long>(value));
        else
            text.Format("%llu", static_cast<unsigned long long>(value));
        SetControlText(control, text);
        return;
    }
    CString text = ControlText(control);
    text.Trim();
    char* end = nullptr;
    errno = 0;
    long long parsed = isSigned ? std::strtoll(text, &end, 10) : static_cast<long long>(std::strtoull(text, &end, 10));
    bool fits = static_cast<long long>(static_cast<Integer>(parsed)) == parsed &&
                (isSigned || (!text.IsEmpty() && text[0] != '-'));
    if (text.IsEmpty() || *end != '\0' || errno == ERANGE || !fits)
        FailWith(dx, isSigned ? "请输入一个整数。" : "请输入一个正整数。");
    value = static_cast<Integer>(parsed);
}

template <class Number>
void CheckRange(CDataExchange* dx, Number value, Number minimum, Number maximum, LPCSTR format) {
    if (!dx->m_bSaveAndValidate || (value >= minimum && value <= maximum))
        return;
    CString message;
    message.Format(format, minimum, maximum);
    FailWith(dx, message);
}

}  // namespace

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = ControlText(control);
    else
        SetControlText(control, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) { ExchangeInteger(dx, id, value, true); }
void DDX_Text(CDataExchange* dx, int id, UINT& value) { ExchangeInteger(dx, id, value, false); }
void DDX_Text(CDataExchange* dx, int id, long& value) { ExchangeInteger(dx, id, value, true); }
void DDX_Text(CDataExchange* dx, int id, DWORD& value) { ExchangeInteger(dx, id, value, false); }
void DDX_Text(CDataExchange* dx, int id, short& value) { ExchangeInteger(dx, id, value, true); }
void DDX_Text(CDataExchange* dx, int id, BYTE& value) { ExchangeInteger(dx, id, value, false); }

void DDX_Text(CDataExchange* dx, int id, double& value) {
    HWND control = dx->PrepareEditCtrl(id);
    if (!dx->m_bSaveAndValidate) {
        CString text;
        text.Format("%.15g", value);
        SetControlText(control, text);
        return;
    }
    CString text = ControlText(control);
    text.Trim();
    char* end = nullptr;
    double parsed = std::strtod(text, &end);
    if (text.IsEmpty() || *end != '\0')
        FailWith(dx, "请输入一个数字。");
    value = parsed;
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

// The group runs from the button with the id through the next button with
// WS_GROUP (exclusive); only radio buttons count.
void DDX_Radio(CDataExchange* dx, int id, int& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    do {
        if (::SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (dx->m_bSaveAndValidate) {
                if (::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            } else {
                ::SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        control = ::GetWindow(control, GW_HWNDNEXT);
    } while (control && !(::GetWindowLongA(control, GWL_STYLE) & WS_GROUP));
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

namespace {

CString ListItemText(HWND control, UINT lengthMessage, UINT textMessage, int index) {
    LRESULT length = ::SendMessageA(control, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return CString();
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&buffer[0]));
    return CString(buffer.c_str());
}

// Saving takes the edit text of a combo box with one, else the selected item;
// loading selects the item found (or, for a combo box with an edit, shows the text).
void ExchangeComboString(CDataExchange* dx, int id, CString& value, UINT findMessage) {
    HWND control = dx->PrepareCtrl(id);
    bool hasEdit = (::GetWindowLongA(control, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST;
    if (dx->m_bSaveAndValidate) {
        if (hasEdit) {
            value = ControlText(control);
        } else {
            int index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
            value = index < 0 ? CString() : ListItemText(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
        }
        return;
    }
    LRESULT found = ::SendMessageA(control, findMessage, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value)));
    ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    if (found == CB_ERR && hasEdit)
        SetControlText(control, value);
}

}  // namespace

void DDX_CBString(CDataExchange* dx, int id, CString& value) { ExchangeComboString(dx, id, value, CB_FINDSTRING); }

void DDX_CBStringExact(CDataExchange* dx, int id, CString& value) {
    ExchangeComboString(dx, id, value, CB_FINDSTRINGEXACT);
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(control, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBString(CDataExchange* dx, int id, CString& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        int index = static_cast<int>(::SendMessageA(control, LB_GETCURSEL, 0, 0));
        value = index < 0 ? CString() : ListItemText(control, LB_GETTEXTLEN, LB_GETTEXT, index);
        return;
    }
    LRESULT found = ::SendMessageA(control, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value)));
    ::SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd)
        return;
    HWND hwnd = dx->PrepareCtrl(id);
    if (!hwnd || !control.SubclassWindow(hwnd))
        AfxThrowUserException();  // a dialog without the control is a programming error
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
    if (dx->m_bSaveAndValidate && value.GetLength() > maxChars) {
        CString message;
        message.Format("请输入不超过 %d 个字符。", maxChars);
        FailWith(dx, message);
    }
    if (!dx->m_bSaveAndValidate && dx->m_hWndLastControl && dx->m_bEditLastControl)
        ::SendMessageA(dx->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum) {
    CheckRange(dx, value, minimum, maximum, "请输入一个介于 %d 和 %d 之间的整数。");
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minimum, UINT maximum) {
    CheckRange(dx, value, minimum, maximum, "请输入一个介于 %u 和 %u 之间的整数。");
}

void DDV_MinMaxLong(CDataExchange* dx, long value, long minimum, long maximum) {
    CheckRange(dx, value, minimum, maximum, "请输入一个介于 %ld 和 %ld 之间的整数。");
}

void DDV_MinMaxDWord(CDataExchange* dx, DWORD value, DWORD minimum, DWORD maximum) {
    CheckRange(dx, value, minimum, maximum, "请输入一个介于 %lu 和 %lu 之间的整数。");
}

void DDV_MinMaxByte(CDataExchange* dx, BYTE value, BYTE minimum, BYTE maximum) {
    CheckRange<UINT>(dx, value, minimum, maximum, "请输入一个介于 %u 和 %u 之间的整数。");
}

void DDV_MinMaxDouble(CDataExchange* dx, const double& value, double minimum, double maximum) {
    CheckRange(dx, value, minimum, maximum, "请输入一个介于 %g 和 %g 之间的数。");
}
