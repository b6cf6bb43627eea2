#include "shell/project/CPOUPropertyDlg.h"

#include "platform/CDataExchange.h"
#include "platform/CEdit.h"
#include "platform/MessageBox.h"
#include "platform/StringCopies.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeNode.h"
#include "res/resource.h"
#include "shell/project/PouNames.h"
#include "shell/project/ProjectShell.h"

BEGIN_MESSAGE_MAP(CPOUPropertyDlg, CDialog)
    ON_EN_CHANGE(IDC_POU_NAME, OnFieldChange)
    ON_EN_CHANGE(IDC_POU_AUTHOR, OnFieldChange)
    ON_EN_CHANGE(IDC_POU_COMMENT, OnFieldChange)
END_MESSAGE_MAP()

namespace {

// "2026年05月01日 08:30:00" in local time.
CString FormatFileTime(const FILETIME& time) {
    FILETIME local;
    SYSTEMTIME t;
    ::FileTimeToLocalFileTime(&time, &local);
    ::FileTimeToSystemTime(&local, &t);
    CString text;
    text.Format("%4d%s%02d%s%02d%s%02d%s%02d%s%02d", t.wYear, "年", t.wMonth, "月", t.wDay, "日 ", t.wHour, ":",
                t.wMinute, ":", t.wSecond);
    return text;
}

}  // namespace

CPOUPropertyDlg::CPOUPropertyDlg(CWnd* parent) : CDialog(IDD_POU_PROPERTIES, parent) {}

void CPOUPropertyDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_POU_NAME, m_name);
    DDX_Text(dx, IDC_POU_NUMBER, m_number);
    DDX_Text(dx, IDC_POU_AUTHOR, m_author);
    DDX_Text(dx, IDC_POU_LANGUAGE, m_language);
    DDX_Text(dx, IDC_POU_COMMENT, m_comment);
    DDX_Text(dx, IDC_POU_CREATED, m_created);
    DDX_Text(dx, IDC_POU_MODIFIED, m_modified);
}

BOOL CPOUPropertyDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    GetDlgItem(IDC_POU_NUMBER)->EnableWindow(FALSE);
    GetDlgItem(IDC_POU_LANGUAGE)->EnableWindow(FALSE);
    if (m_node != nullptr) {
        FillFromRecord();
        FillFileTimes();
    }
    // Filling the fields is no change by the user.
    m_filling = true;
    UpdateData(FALSE);
    m_filling = false;
    return FALSE;
}

void CPOUPropertyDlg::FillFromRecord() {
    if (m_node->kind == PouMain) {
        SetWindowText(" 程序属性 (MAIN)");
    } else if (m_node->kind == PouSubroutine || m_node->kind == PouInterrupt) {
        m_number.Format("%02d", static_cast<int>(m_node->number));
        SetWindowText(CString(m_node->kind == PouSubroutine ? " 程序属性 (SBR" : " 程序属性 (INT") + m_number + ")");
    }
    m_language = m_node->language == 1 ? "IL 指令表" : m_node->language == 2 ? "LD 梯形图" : "";
    m_name = m_node->name;
    m_author = m_node->author;
    m_comment = m_node->scratchText;
}

void CPOUPropertyDlg::FillFileTimes() {
    CString created, modified;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (::GetFileAttributesExA(PouProgramPath(theWorkspace->project.folder, *m_node), GetFileExInfoStandard, &data)) {
        created = FormatFileTime(data.ftCreationTime);
        modified = FormatFileTime(data.ftLastWriteTime);
    }
    m_created = "创建时间：" + created;
    m_modified = "修改时间：" + modified;
}

void CPOUPropertyDlg::OnFieldChange() {
    if (!m_filling)
        GetProjectShell().SetProjectModified(TRUE);
}

bool CPOUPropertyDlg::Refuse(const CString& name, CString& text, LPCSTR& caption) const {
    CString delimiter;
    switch (CheckPouName(theWorkspace->project, m_node->kind, name, &delimiter)) {
    case PouNameCheck::Empty: caption = "提示"; text = "程序名称不允许为空!"; break;
    case PouNameCheck::Keyword: caption = "错误"; text = "系统的关键字不能作为子程序名称！"; break;
    case PouNameCheck::Delimiter:
        caption = "错误";
        text.Format("%s%s%s", "程序名称中含有如下非法字符： ", static_cast<LPCSTR>(delimiter), "  ");
        break;
    case PouNameCheck::Duplicate: caption = "提示"; text = "程序名称不允许重复！"; break;
    default: return false;
    }
    return true;
}

void CPOUPropertyDlg::OnOK() {
    CWnd* nameEdit = GetDlgItem(IDC_POU_NAME);
    CString name;
    nameEdit->GetWindowText(name);
    name = Trimmed(name);
    m_filling = true;  // writing the trimmed name back is no change by the user
    nameEdit->SetWindowText(name);
    m_filling = false;
    if (m_node != nullptr && name != m_node->name) {
        CString text;
        LPCSTR caption = nullptr;
        if (Refuse(name, text, caption)) {
            AfxShowMessageBox(GetSafeHwnd(), text, caption, MB_OK | MB_ICONSTOP);
            if (name.IsEmpty())
                nameEdit->SetFocus();
            return;
        }
    }
    CDialog::OnOK();
}
