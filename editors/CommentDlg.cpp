#include "editors/CommentDlg.h"

#include "editors/POUEditorDoc.h"
#include "platform/CDataExchange.h"
#include "platform/CEdit.h"
#include "res/resource.h"

CCommentDlg::CCommentDlg(CPOUEditorDoc* document, CWnd* parent)
    : CDialog(IDD_COMMENT, parent), m_pDocument(document) {}

void CCommentDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_COMMENT_TEXT, m_strComment);
}

void CCommentDlg::OnOK() {
    CEdit* edit = static_cast<CEdit*>(GetDlgItem(IDC_COMMENT_TEXT));
    if (edit->GetModify() && m_pDocument) m_pDocument->SetModifiedFlag(TRUE);
    CDialog::OnOK();
}
