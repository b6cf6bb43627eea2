#pragma once
#include "platform/CDialog.h"

class CPOUEditorDoc;

// "注释": a network comment in a multi-line edit. OK marks the document modified only
// when the user changed the text.
class CCommentDlg : public CDialog {
public:
    explicit CCommentDlg(CPOUEditorDoc* document, CWnd* parent = nullptr);

    CString m_strComment;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

    CPOUEditorDoc* m_pDocument;
};
