#include "hardware/FormControls.h"

#include "hardware/FieldClamps.h"

void FillList(CWnd& parent, int id, const char* const* texts, int count) {
    parent.SendDlgItemMessage(id, CB_RESETCONTENT);
    for (int i = 0; i < count; ++i)
        parent.SendDlgItemMessage(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[i]));
}

int ListSelection(const CWnd& parent, int id) {
    const LRESULT selection = parent.SendDlgItemMessage(id, CB_GETCURSEL);
    return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

void SelectListEntry(CWnd& parent, int id, int position) {
    parent.SendDlgItemMessage(id, CB_SETCURSEL, static_cast<WPARAM>(position));
}

void SetFieldNumber(CWnd& parent, int id, int value) {
    CString text;
    text.Format("%d", value);
    parent.SetDlgItemText(id, text);
}

int FieldNumber(const CWnd& parent, int id) {
    CString text;
    parent.GetDlgItemText(id, text);
    return ParseFieldNumber(text);
}

void EnableControl(CWnd& parent, int id, bool enable) {
    if (CWnd* control = parent.GetDlgItem(id))
        control->EnableWindow(enable);
}

bool IsChecked(const CWnd& parent, int id) {
    return parent.IsDlgButtonChecked(id) == BST_CHECKED;
}

void SetChecked(CWnd& parent, int id, bool checked) {
    parent.CheckDlgButton(id, checked ? BST_CHECKED : BST_UNCHECKED);
}
