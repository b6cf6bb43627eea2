#include "shell/controls/CNotifyListCtrl.h"

BEGIN_MESSAGE_MAP(CNotifyListCtrl, CListCtrl)
    ON_NOTIFY(LVN_ENDLABELEDIT, CNotifyListCtrl::kInPlaceEditId, OnEditEnded)
END_MESSAGE_MAP()

void CNotifyListCtrl::OnEditEnded(NMHDR* header, LRESULT*) {
    UINT id = static_cast<UINT>(GetDlgCtrlID());
    header->hwndFrom = m_hWnd;
    header->idFrom = id;
    CWnd* target = GetOwner();
    if (target)
        target->SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(header));
}
