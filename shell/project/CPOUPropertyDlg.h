#pragma once
#include "platform/CDialog.h"

class CProjTreeNode;

// "程序属性": a POU's name, author and comment, with its number, language and the times
// of its program file for reading. OK only validates the name; the caller applies the
// three texts. Typing in the name, author or comment marks the project modified at once.
class CPOUPropertyDlg : public CDialog {
public:
    explicit CPOUPropertyDlg(CWnd* parent = nullptr);

    void SetPou(CProjTreeNode* node) { m_node = node; }

    CString m_name;
    CString m_number;
    CString m_author;
    CString m_language;
    CString m_comment;
    CString m_created;
    CString m_modified;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnFieldChange();

private:
    void FillFromRecord();
    void FillFileTimes();
    // Whether the trimmed name is refused, with the message's text and caption.
    bool Refuse(const CString& name, CString& text, LPCSTR& caption) const;

    CProjTreeNode* m_node = nullptr;
    bool m_filling = false;

    DECLARE_MESSAGE_MAP()
};
