#pragma once
#include "platform/CDialog.h"
#include "shell/controls/CNotifyListCtrl.h"

class CBlock;

// "功能/功能块": the parameters of one function or function-block box, each connected
// in place in the list's "变量连接" column, and the box's instance name. Connections are
// written into the box as they are accepted; Cancel puts back what the box held when the
// dialog opened. The enable input and output are not listed.
class CBlockDlg : public CDialog {
public:
    CBlockDlg(CBlock* box, const CString& ownerPou, CWnd* parent = nullptr);

    CString m_strName;
    CString m_strInstance;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;  // Enter never ends the dialog
    void OnCancel() override;
    void OnConfirm();
    void OnListDoubleClick(NMHDR* header, LRESULT* result);
    void OnListFocus(NMHDR* header, LRESULT* result);
    void OnEditEnded(NMHDR* header, LRESULT* result);

    void ListParameters();
    void AddRows(int first, int count, BOOL inputs);
    // Opens the in-place editor over the selected row's connection.
    void EditSelectedRow();
    void SelectRow(int row);
    void MoveSelection(int step);
    void RestoreConnections();

    CBlock* m_pBox;
    CString m_strOwnerPou;
    BOOL m_bFunction;
    CNotifyListCtrl m_list;
    CStringArray m_savedInputs;
    CStringArray m_savedOutputs;
    CString m_strSavedName;

    DECLARE_MESSAGE_MAP()
};
