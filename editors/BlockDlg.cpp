#include "editors/BlockDlg.h"

#include "editors/BoxParameters.h"
#include "ladder/Block.h"
#include "platform/CDataExchange.h"
#include "platform/MessageBox.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "res/resource.h"
#include "shell/controls/CInPlaceEdit.h"

namespace {
const char* const InputType = "VAR_INPUT";
const char* const OutputType = "VAR_OUTPUT";
enum { NameColumn, TypeColumn, ConnectionColumn };

CQLXFBPara* Pin(const FBParamLists& params, BOOL input, int index) {
    return input ? params.GetInput(index) : params.GetOutput(index);
}
}  // namespace

BEGIN_MESSAGE_MAP(CBlockDlg, CDialog)
    ON_BN_CLICKED(IDC_BOX_OK, OnConfirm)
    ON_NOTIFY(NM_DBLCLK, IDC_BOX_PARAMETERS, OnListDoubleClick)
    ON_NOTIFY(NM_SETFOCUS, IDC_BOX_PARAMETERS, OnListFocus)
    ON_NOTIFY(LVN_ENDLABELEDIT, IDC_BOX_PARAMETERS, OnEditEnded)
END_MESSAGE_MAP()

CBlockDlg::CBlockDlg(CBlock* box, const CString& ownerPou, CWnd* parent)
    : CDialog(IDD_BOX_PARAMETERS, parent), m_pBox(box), m_strOwnerPou(ownerPou),
      m_bFunction(box->m_pFunc != nullptr) {}

void CBlockDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_BOX_NAME, m_strName);
    DDX_Text(dx, IDC_BOX_INSTANCE, m_strInstance);
}

BOOL CBlockDlg::OnInitDialog() {
    m_strName = m_bFunction ? m_pBox->m_pFunc->name : m_pBox->m_pFB->instanceName;
    m_strInstance = m_strName;
    m_strSavedName = m_strName;
    m_list.SubclassDlgItem(IDC_BOX_PARAMETERS, this);
    m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_UNDERLINEHOT);
    ListParameters();
    CDialog::OnInitDialog();
    if (m_bFunction) {
        GetDlgItem(IDC_BOX_INSTANCE)->EnableWindow(FALSE);
        m_list.SetSelectionMark(0);
    }
    return TRUE;
}

void CBlockDlg::ListParameters() {
    CRect client;
    m_list.GetClientRect(&client);
    m_list.InsertColumn(NameColumn, "参 数", LVCFMT_LEFT, client.Width() / 5);
    m_list.InsertColumn(TypeColumn, "I/O类型", LVCFMT_LEFT, client.Width() / 3);
    m_list.InsertColumn(ConnectionColumn, "变量连接", LVCFMT_LEFT, client.Width() / 3);
    m_list.DeleteAllItems();
    m_savedInputs.RemoveAll();
    m_savedOutputs.RemoveAll();
    const FBParamLists& params = *m_pBox->GetParams();
    AddRows(1, static_cast<int>(params.inputs.GetSize()) - 1, TRUE);
    AddRows(1, params.GetOutputCount() - 1, FALSE);
}

void CBlockDlg::AddRows(int first, int count, BOOL inputs) {
    const FBParamLists& params = *m_pBox->GetParams();
    CStringArray& saved = inputs ? m_savedInputs : m_savedOutputs;
    for (int i = first; i < first + count; ++i) {
        CQLXFBPara* pin = Pin(params, inputs, i);
        int row = m_list.InsertItem(m_list.GetItemCount(), pin->name);
        m_list.SetItemText(row, TypeColumn, inputs ? InputType : OutputType);
        m_list.SetItemText(row, ConnectionColumn, pin->textA);
        saved.Add(pin->textA);
    }
}

BOOL CBlockDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN) {
        HWND focus = ::GetFocus();
        BOOL inList = focus == m_list.m_hWnd;
        if (msg->wParam == VK_RETURN && focus == GetDlgItem(IDC_BOX_INSTANCE)->m_hWnd) {
            m_list.SetFocus();
            return TRUE;
        }
        if (msg->wParam == VK_RETURN && inList) {
            EditSelectedRow();
            return TRUE;
        }
        if ((msg->wParam == VK_UP || msg->wParam == VK_DOWN) && inList) {
            MoveSelection(msg->wParam == VK_UP ? -1 : 1);
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

void CBlockDlg::SelectRow(int row) {
    m_list.SetSelectionMark(row);
    m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EnsureVisible(row, FALSE);
}

// Up on the first row goes to the last, Down on the last to the first.
void CBlockDlg::MoveSelection(int step) {
    int rows = m_list.GetItemCount();
    if (rows == 0) return;
    int row = (m_list.GetSelectionMark() + step + rows) % rows;
    SelectRow(row);
}

void CBlockDlg::OnListFocus(NMHDR*, LRESULT* result) {
    if (m_list.GetItemCount() > 0) {
        if (m_list.GetSelectionMark() < 0) m_list.SetSelectionMark(0);
        SelectRow(m_list.GetSelectionMark());
    }
    *result = 0;
}

void CBlockDlg::OnListDoubleClick(NMHDR*, LRESULT* result) {
    EditSelectedRow();
    *result = 0;
}

void CBlockDlg::EditSelectedRow() {
    int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) return;
    SelectRow(row);
    CRect cell;
    m_list.GetItemRect(row, &cell, LVIR_BOUNDS);
    cell.left += m_list.GetColumnWidth(NameColumn) + m_list.GetColumnWidth(TypeColumn);
    cell.right = cell.left + m_list.GetColumnWidth(ConnectionColumn);
    new CInPlaceEdit(&m_list, cell, 0, CNotifyListCtrl::kInPlaceEditId, row, ConnectionColumn,
                     m_list.GetItemText(row, ConnectionColumn), 0);
}

void CBlockDlg::OnEditEnded(NMHDR* header, LRESULT* result) {
    const InPlaceEditEnd* end = reinterpret_cast<const InPlaceEditEnd*>(header);
    *result = 0;
    int row = end->row;
    if (row < 0 || row >= m_list.GetItemCount() || end->key == VK_ESCAPE) return;
    CString name = m_list.GetItemText(row, NameColumn);
    BOOL isInput = m_list.GetItemText(row, TypeColumn) == InputType;
    if (ConnectBoxParameter(*m_pBox, name, isInput, end->text)) {
        const FBParamLists& params = *m_pBox->GetParams();
        const CObArray& pins = isInput ? params.inputs : params.outputs;
        for (INT_PTR i = 0; i < pins.GetSize(); ++i) {
            CQLXFBPara* pin = static_cast<CQLXFBPara*>(pins[i]);
            if (pin->name == name) m_list.SetItemText(row, ConnectionColumn, pin->textA);
        }
    }
    m_list.SetFocus();
}

void CBlockDlg::OnOK() {}

void CBlockDlg::OnConfirm() {
    if (m_bFunction) {
        EndDialog(IDOK);
        return;
    }
    if (!UpdateData(TRUE)) return;
    if (NameBoxInstance(*m_pBox, m_strInstance, m_strOwnerPou) != BoxInstanceResult::Refused) {
        EndDialog(IDOK);
        return;
    }
    AfxShowMessageBox(m_hWnd, "功能块实例名称非法或者该功能块实例已被创建!", "提示",
                      MB_OK | MB_ICONINFORMATION);
    CEdit* instance = static_cast<CEdit*>(GetDlgItem(IDC_BOX_INSTANCE));
    GotoDlgCtrl(instance);
    instance->SetSel(0, -1);
}

void CBlockDlg::RestoreConnections() {
    const FBParamLists& params = *m_pBox->GetParams();
    for (INT_PTR i = 0; i < m_savedInputs.GetSize(); ++i)
        params.GetInput(static_cast<int>(i) + 1)->textA = m_savedInputs[i];
    for (INT_PTR i = 0; i < m_savedOutputs.GetSize(); ++i)
        params.GetOutput(static_cast<int>(i) + 1)->textA = m_savedOutputs[i];
    if (m_bFunction)
        m_pBox->m_pFunc->name = m_strSavedName;
    else
        m_pBox->m_pFB->instanceName = m_strSavedName;
}

void CBlockDlg::OnCancel() {
    RestoreConnections();
    CDialog::OnCancel();
}
