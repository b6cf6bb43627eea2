#pragma once
#include "platform/CDialog.h"

// "功能/功能块/子程序": chooses what a new box calls, a function or function block of the
// catalogue (with an instance name for a function block) or one of the project's
// subroutines. The editor builds the box from the choice, the chosen name and the
// instance name.
class CSelFuncDlg : public CDialog {
public:
    enum Choice { FunctionOrBlock = 0, Subroutine = 1 };

    explicit CSelFuncDlg(CWnd* parent = nullptr);

    CString m_strInstance;
    int m_nChoice = FunctionOrBlock;
    CString m_strChosen;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnFunctionChosen();
    void OnSubroutineChosen();
    void OnFunctionChanged();
    void OnSubroutineChanged();
    // The chosen name becomes the selected entry of the combo box.
    void TakeSelection(int comboId);
    void EnableChoice(BOOL functions);

    DECLARE_MESSAGE_MAP()
};
