#pragma once

#include "platform/CString.h"

class CWnd;

// One transfer between a window's members and its controls (CWnd::UpdateData calls
// DoDataExchange with it). Saving reads and validates the controls; a failed check
// tells the user, puts the focus on the control and abandons the transfer (Fail).
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

    // The control with the id, remembered for the checks that follow.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    [[noreturn]] void Fail();
};

// Text of edits and other controls.
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
void DDX_Text(CDataExchange* dx, int id, DWORD& value);
void DDX_Text(CDataExchange* dx, int id, short& value);
void DDX_Text(CDataExchange* dx, int id, BYTE& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
// Buttons: check state; the index of the checked button of the radio group that
// starts at id (-1 for none).
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_Radio(CDataExchange* dx, int id, int& value);
// List and combo boxes: selected index or text.
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_CBStringExact(CDataExchange* dx, int id, CString& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDX_LBString(CDataExchange* dx, int id, CString& value);
// Attaches a control object to the dialog's control (once).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

// Validation (after the matching DDX call, when saving).
void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum);
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minimum, UINT maximum);
void DDV_MinMaxLong(CDataExchange* dx, long value, long minimum, long maximum);
void DDV_MinMaxDWord(CDataExchange* dx, DWORD value, DWORD minimum, DWORD maximum);
void DDV_MinMaxByte(CDataExchange* dx, BYTE value, BYTE minimum, BYTE maximum);
void DDV_MinMaxDouble(CDataExchange* dx, const double& value, double minimum, double maximum);
