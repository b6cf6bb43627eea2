#include "editors/SelFuncDlg.h"

#include "language/InstrDesc.h"
#include "platform/CComboBox.h"
#include "platform/CDataExchange.h"
#include "platform/CEdit.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFB.h"
#include "res/resource.h"

namespace {
const char* const NewInstanceName = "????";

void ListFunctionsAndBlocks(CComboBox* combo) {
    const CMapStringToPtr& records = theWorkspace->instrByName;
    for (POSITION at = records.GetStartPosition(); at;) {
        CString name;
        void* value = nullptr;
        records.GetNextAssoc(at, name, value);
        const InstrDesc* record = static_cast<const InstrDesc*>(value);
        if (record->shown &&
            (record->kind == INSTR_FUNCTION || record->kind == INSTR_FUNCTION_BLOCK))
            combo->AddString(record->name);
    }
}

void ListSubroutines(CComboBox* combo) {
    const CMapStringToOb& subroutines = theWorkspace->project.sbrByName;
    for (POSITION at = subroutines.GetStartPosition(); at;) {
        CString name;
        CObject* node = nullptr;
        subroutines.GetNextAssoc(at, name, node);
        combo->AddString(name);
    }
}
}  // namespace

BEGIN_MESSAGE_MAP(CSelFuncDlg, CDialog)
    ON_BN_CLICKED(IDC_SELFUNC_FUNCTION_RADIO, OnFunctionChosen)
    ON_BN_CLICKED(IDC_SELFUNC_SUBROUTINE_RADIO, OnSubroutineChosen)
    ON_CBN_SELCHANGE(IDC_SELFUNC_FUNCTION, OnFunctionChanged)
    ON_CBN_SELCHANGE(IDC_SELFUNC_SUBROUTINE, OnSubroutineChanged)
END_MESSAGE_MAP()

CSelFuncDlg::CSelFuncDlg(CWnd* parent) : CDialog(IDD_SELECT_FUNCTION, parent) {}

BOOL CSelFuncDlg::OnInitDialog() {
    m_nChoice = FunctionOrBlock;
    CDialog::OnInitDialog();
    CComboBox* functions = static_cast<CComboBox*>(GetDlgItem(IDC_SELFUNC_FUNCTION));
    ListFunctionsAndBlocks(functions);
    functions->SetCurSel(0);
    TakeSelection(IDC_SELFUNC_FUNCTION);
    GetDlgItem(IDC_SELFUNC_INSTANCE)->EnableWindow(FALSE);
    CComboBox* subroutines = static_cast<CComboBox*>(GetDlgItem(IDC_SELFUNC_SUBROUTINE));
    ListSubroutines(subroutines);
    subroutines->EnableWindow(FALSE);
    if (subroutines->GetCount() == 0)
        GetDlgItem(IDC_SELFUNC_SUBROUTINE_RADIO)->EnableWindow(FALSE);
    else
        subroutines->SetCurSel(0);
    return TRUE;
}

void CSelFuncDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_SELFUNC_INSTANCE, m_strInstance);
    DDX_Radio(dx, IDC_SELFUNC_FUNCTION_RADIO, m_nChoice);
}

void CSelFuncDlg::TakeSelection(int comboId) {
    CComboBox* combo = static_cast<CComboBox*>(GetDlgItem(comboId));
    int selected = combo->GetCurSel();
    if (selected >= 0) combo->GetLBText(selected, m_strChosen);
}

void CSelFuncDlg::EnableChoice(BOOL functions) {
    GetDlgItem(IDC_SELFUNC_FUNCTION)->EnableWindow(functions);
    GetDlgItem(IDC_SELFUNC_SUBROUTINE)->EnableWindow(!functions);
    TakeSelection(functions ? IDC_SELFUNC_FUNCTION : IDC_SELFUNC_SUBROUTINE);
}

void CSelFuncDlg::OnFunctionChosen() { EnableChoice(TRUE); }

void CSelFuncDlg::OnSubroutineChosen() { EnableChoice(FALSE); }

void CSelFuncDlg::OnSubroutineChanged() { TakeSelection(IDC_SELFUNC_SUBROUTINE); }

void CSelFuncDlg::OnFunctionChanged() {
    TakeSelection(IDC_SELFUNC_FUNCTION);
    CQLXFB definition;
    BOOL isBlock = theWorkspace->GetFBDef(m_strChosen, definition);
    CEdit* instance = static_cast<CEdit*>(GetDlgItem(IDC_SELFUNC_INSTANCE));
    instance->EnableWindow(isBlock);
    if (!isBlock) return;
    m_strInstance = NewInstanceName;
    instance->SetWindowText(m_strInstance);
    instance->SetSel(0, -1);
    GotoDlgCtrl(instance);
}
