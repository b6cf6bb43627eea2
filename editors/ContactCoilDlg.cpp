#include "editors/ContactCoilDlg.h"

#include "editors/OperandEntry.h"
#include "ladder/LadderElement.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LeafOperand.h"
#include "language/Identifier.h"
#include "language/InstrDesc.h"
#include "platform/CComboBox.h"
#include "platform/MessageBox.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"

namespace {
const char* const LabelSymbol = "-(LBL)";
const char* const Hint = "提示";

const InstrDesc* Record(const CString& symbol) {
    return LadderEnvironment().FindInstruction(symbol);
}

LeafOperandDecision Close(const CString& operand) {
    LeafOperandDecision decision;
    decision.close = TRUE;
    decision.setOperand = TRUE;
    decision.operand = operand;
    return decision;
}

LeafOperandDecision Refuse(const char* message, const char* caption = Hint,
                           UINT icon = MB_ICONINFORMATION) {
    LeafOperandDecision decision;
    decision.message = message;
    decision.caption = caption;
    decision.icon = icon;
    return decision;
}

void RemoveAll(CStringArray& labels, const CString& label) {
    for (INT_PTR i = labels.GetSize() - 1; i >= 0; --i)
        if (labels[i] == label) labels.RemoveAt(i);
}

INT_PTR IndexOf(const CStringArray& labels, const CString& label) {
    for (INT_PTR i = 0; i < labels.GetSize(); ++i)
        if (labels[i] == label) return i;
    return -1;
}

// Labels and jump targets: only an "-(LBL)" defines a label, so only it changes the list.
LeafOperandDecision DecideLabel(const CString& symbol, const CString& label,
                                const CString& previousLabel, CStringArray& labels) {
    BOOL defines = symbol == LabelSymbol;
    CString trimmed = label;
    trimmed.Trim();
    if (trimmed.IsEmpty()) {
        if (defines) RemoveAll(labels, previousLabel);
        return Close(LADDER_MISSING_OPERAND);
    }
    if (!IsValidIdentifier(label)) return Refuse("无效的标识符！");
    if (IndexOf(labels, label) >= 0) {
        if (!defines || label == previousLabel) return Close(label);
        LeafOperandDecision decision = Close(previousLabel);
        decision.message = "此标识符已经存在！ ";
        decision.caption = Hint;
        decision.icon = MB_ICONINFORMATION;
        return decision;
    }
    if (defines) {
        RemoveAll(labels, previousLabel);
        labels.Add(label);
    }
    return Close(label);
}

LeafOperandDecision DecideOperand(const CString& typed, const CString& local,
                                  OperandDescriptor place, BOOL isCoil) {
    OperandEntry entry = CheckOperandEntry(place, typed, local);
    BOOL isAddress = entry.kind == OperandEntryKind::Address ||
                     entry.kind == OperandEntryKind::AddressMismatch;
    CString bare = local;
    bare.MakeUpper();
    // Timers, counters and flip-flops are read by a contact under their bare name.
    if (isAddress && !isCoil && IsTimerCounterOperand(bare)) return Close(bare);
    switch (entry.kind) {
    case OperandEntryKind::LocalMismatch:
        return Refuse("输入的数据类型或者IN、OUT属性不匹配！");
    case OperandEntryKind::GlobalMismatch:
        return Refuse("输入的数据类型或者存储区不匹配！ ");
    case OperandEntryKind::AddressMismatch:
        return Refuse("输入的数据类型或者存储区类型不匹配！ ");
    case OperandEntryKind::ConstantMismatch:
        return Refuse("输入的数据类型不匹配！ ");
    case OperandEntryKind::Invalid: {
        LeafOperandDecision decision = Refuse("输入非法！ ", "错误", MB_ICONSTOP);
        decision.focusOperand = TRUE;
        return decision;
    }
    default:
        return Close(entry.stored);
    }
}
}  // namespace

LeafOperandDecision DecideLeafOperand(const CString& symbol, const CString& typed,
                                      const CString& previousLabel, BOOL isCoil,
                                      CStringArray& labels) {
    const InstrDesc* record = Record(symbol);
    if (symbol == "-(NUL)" || !record || record->pinCount == 0) return Close(typed);
    int percent = typed.ReverseFind('%');
    CString local = percent >= 0 ? typed.Mid(percent + 1) : typed;
    OperandDescriptor place = record->pins[0].descriptor;
    if (place == OD_LABEL) return DecideLabel(symbol, local, previousLabel, labels);
    return DecideOperand(typed, local, place, isCoil);
}

BEGIN_MESSAGE_MAP(CContactCoilDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_CONTACT_COIL_TYPE, OnTypeChanged)
END_MESSAGE_MAP()

CContactCoilDlg::CContactCoilDlg(CLadderElement* element, BOOL isCoil, CWnd* parent)
    : CDialog(IDD_CONTACT_COIL, parent), m_pElement(element), m_bCoil(isCoil) {
    m_strSymbol = element->GetSymbol();
    m_strPrevLabel = element->GetOperand();
    m_strOperand = LeafOperandForEditing(element->GetOperand());
}

BOOL CContactCoilDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_strSymbol.Trim();
    SetWindowText(m_bCoil ? "线圈" : "触点");
    CComboBox* types = static_cast<CComboBox*>(GetDlgItem(IDC_CONTACT_COIL_TYPE));
    const CMapStringToPtr& symbols = m_bCoil ? theWorkspace->coilByName : theWorkspace->contactByName;
    for (POSITION at = symbols.GetStartPosition(); at;) {
        CString name;
        void* record = nullptr;
        symbols.GetNextAssoc(at, name, record);
        types->AddString(name);
    }
    if (m_strSymbol.IsEmpty()) {
        types->SetCurSel(0);
        m_strSymbol = m_bCoil ? "-(NUL)" : "-| |-";
    } else {
        types->SetCurSel(types->FindString(-1, m_strSymbol));
    }
    ShowOperandFor(m_strSymbol);
    return TRUE;
}

void CContactCoilDlg::ShowOperandFor(const CString& symbol) {
    const InstrDesc* record = Record(symbol);
    BOOL takesOperand = record && record->pinCount > 0;
    SetDlgItemText(IDC_CONTACT_COIL_OPERAND, takesOperand ? m_strOperand.GetString() : "");
    GetDlgItem(IDC_CONTACT_COIL_OPERAND)->EnableWindow(takesOperand);
}

void CContactCoilDlg::OnTypeChanged() {
    CComboBox* types = static_cast<CComboBox*>(GetDlgItem(IDC_CONTACT_COIL_TYPE));
    int selected = types->GetCurSel();
    if (selected < 0) return;
    GetDlgItemText(IDC_CONTACT_COIL_OPERAND, m_strOperand);
    types->GetLBText(selected, m_strSymbol);
    ShowOperandFor(m_strSymbol);
}

void CContactCoilDlg::OnOK() {
    GetDlgItemText(IDC_CONTACT_COIL_OPERAND, m_strOperand);
    GetDlgItemText(IDC_CONTACT_COIL_TYPE, m_strSymbol);
    LeafOperandDecision decision =
        DecideLeafOperand(m_strSymbol, m_strOperand, m_strPrevLabel, m_bCoil, LadderLabelList);
    if (decision.message)
        AfxShowMessageBox(m_hWnd, decision.message, decision.caption, MB_OK | decision.icon);
    if (decision.setOperand) m_pElement->SetOperand(decision.operand);
    if (decision.focusOperand) GotoDlgCtrl(GetDlgItem(IDC_CONTACT_COIL_OPERAND));
    if (decision.close) EndDialog(IDOK);
}
