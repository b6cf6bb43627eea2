// The POU commands of the project tree: new, rename, delete and properties.
#include "shell/project/CProjTreeView.h"

#include "platform/CEdit.h"
#include "platform/MessageBox.h"
#include "platform/StringCopies.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeNode.h"
#include "project/CQLXFunc.h"
#include "shell/project/CPOUPropertyDlg.h"
#include "shell/project/PouFiles.h"
#include "shell/project/PouNames.h"
#include "shell/project/ProjectShell.h"

namespace {

const int MaxNumberedPous = 16;

// The lowest number 0-15 the map does not hold; -1 when all are taken.
int LowestFreeNumber(const CMapWordToOb& numbers) {
    for (int number = 0; number < MaxNumberedPous; ++number) {
        CObject* taken = nullptr;
        if (!numbers.Lookup(static_cast<WORD>(number), taken))
            return number;
    }
    return -1;
}

void ShowLimitMessage(HWND owner, LPCSTR what) {
    CString text;
    text.Format("%s的数量已经达到上限！\r\n本软件最多允许 %d 个%s！", what, MaxNumberedPous, what);
    AfxShowMessageBox(owner, text, "提示", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

// ---- New -------------------------------------------------------------------------------

CProjTreeNode* CProjTreeView::CreatePouNode(int type) {
    CQLXProject& project = Project();
    const int language = theWorkspace->defaultPouLanguage;
    if (type == 0) {
        project.hasMain = 1;
        CProjTreeNode& main = project.mainPou;
        main.kind = PouMain;
        main.name = "MAIN";
        main.label = PouLabel(PouMain, 0, main.name);
        main.language = language;
        main.author.Empty();
        main.scratchText.Empty();
        return &main;
    }
    const bool subroutine = type == 1;
    int number = LowestFreeNumber(subroutine ? project.sbrFuncByNumber : project.intByNumber);
    if (number < 0) {
        ShowLimitMessage(GetSafeHwnd(), subroutine ? "子程序" : "中断服务程序");
        return nullptr;
    }
    auto* node = new CProjTreeNode(subroutine ? PouSubroutine : PouInterrupt, language, static_cast<WORD>(number));
    node->name.Format("%s%d", subroutine ? "SBR_" : "INT_", number);
    node->label = PouLabel(node->kind, number, node->name);
    if (subroutine) {
        project.sbrByName.SetAt(node->name, node);
        auto* descriptor = new CQLXFunc;
        descriptor->name = node->name;
        descriptor->number = static_cast<WORD>(number);
        project.AddSubroutineDesc(descriptor);
        GetProjectShell().AddSubroutineToInsTrees(*descriptor);
    } else {
        project.intByName.SetAt(node->name, node);
        project.intByNumber.SetAt(node->number, node);
        project.intByUpperName.SetAt(UpperCased(node->name), node);
    }
    return node;
}

BOOL CProjTreeView::NewPOU(int type) {
    CProjTreeNode* node = CreatePouNode(type);
    if (node == nullptr)
        return FALSE;
    m_current = AddPouItem(node);
    SortPrograms();
    ProjectShell& shell = GetProjectShell();
    shell.CreateDocumentFile(PouProgramPath(Project().folder, *node));
    shell.UpdateTabs();
    shell.SetProjectModified(TRUE);
    return TRUE;
}

// ---- Rename ----------------------------------------------------------------------------

void CProjTreeView::OnRenamePou() {
    CProjTreeNode* node = GetItemRecord(m_current);
    if (node == nullptr || node->kind < PouMain || node->kind > PouInterrupt)
        return;
    m_renaming = TRUE;
    CEdit* edit = GetTreeCtrl().EditLabel(m_current);
    if (edit == nullptr) {
        m_renaming = FALSE;
        return;
    }
    edit->SetWindowText(node->name);
    edit->SetSel(0, -1);
    edit->SendMessage(EM_SCROLLCARET);
}

void CProjTreeView::OnBeginLabelEdit(NMHDR*, LRESULT* result) { *result = !m_renaming; }

void CProjTreeView::OnEndLabelEdit(NMHDR* header, LRESULT* result) {
    const auto* info = reinterpret_cast<const NMTVDISPINFOA*>(header);
    *result = 0;  // the item keeps the label set here, never the typed text
    // Only an edit the rename command started can end: the control may report the end
    // once more while its edit window goes.
    if (!m_renaming)
        return;
    m_renaming = FALSE;
    CProjTreeNode* node = GetItemRecord(info->item.hItem);
    if (info->item.pszText == nullptr || node == nullptr)
        return;
    const CString newName = Trimmed(info->item.pszText);
    if (newName.IsEmpty() || UpperCased(newName) == UpperCased(node->name))
        return;
    CString delimiter;
    switch (CheckPouName(Project(), node->kind, newName, &delimiter)) {
    case PouNameCheck::Keyword:
        AfxShowMessageBox(GetSafeHwnd(), "子程序名称不允许采用系统的关键字！", "错误", MB_OK | MB_ICONSTOP);
        return;
    case PouNameCheck::Delimiter: {
        CString text;
        text.Format("%s%s%s", "子程序名称中含有如下非法字符： ", static_cast<LPCSTR>(delimiter), "  ");
        AfxShowMessageBox(GetSafeHwnd(), text, "错误", MB_OK | MB_ICONSTOP);
        return;
    }
    case PouNameCheck::Duplicate:
        AfxShowMessageBox(GetSafeHwnd(), "名称不允许重复！", "提示", MB_OK | MB_ICONSTOP);
        return;
    default: break;
    }
    if (ApplyNewName(info->item.hItem, node, newName))
        GetProjectShell().SetProjectModified(TRUE);
}

BOOL CProjTreeView::ApplyNewName(HTREEITEM item, CProjTreeNode* node, const CString& newName) {
    const CString oldName = node->name;
    if (!MovePouFiles(Project().folder, node->kind, node->number, oldName, newName)) {
        AfxShowMessageBox(GetSafeHwnd(), "程序文件无法改名，程序名称保持不变！", "错误", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    node->name = newName;
    node->label = PouLabel(node->kind, node->number, newName);
    GetTreeCtrl().SetItemText(item, node->label);
    Project().RenamePou(oldName, node->kind);
    if (node->kind == PouSubroutine)
        GetProjectShell().RenameSubroutineInInsTrees(oldName, newName);
    return TRUE;
}

// ---- Delete ----------------------------------------------------------------------------

void CProjTreeView::OnDeletePou() {
    const CProjTreeNode* node = GetItemRecord(m_current);
    if (node != nullptr && (node->kind == PouSubroutine || node->kind == PouInterrupt))
        DeletePouItem(m_current);
}

void CProjTreeView::DeletePouItem(HTREEITEM item) {
    const CProjTreeNode* node = GetItemRecord(item);
    if (AfxShowMessageBox(GetSafeHwnd(), "确实要删除" + node->name + "吗?", "提示", MB_OKCANCEL | MB_ICONQUESTION) !=
        IDOK)
        return;
    Project().DeletePou(node->name, node->kind);  // frees the node
    if (m_current == item)
        m_current = nullptr;
    GetTreeCtrl().DeleteItem(item);
    GetProjectShell().SetProjectModified(TRUE);
}

// ---- Properties ------------------------------------------------------------------------

void CProjTreeView::OnPouProperties() {
    CProjTreeNode* node = GetItemRecord(m_current);
    if (node == nullptr || node->kind < PouMain || node->kind > PouInterrupt)
        return;
    CPOUPropertyDlg dialog(this);
    dialog.SetPou(node);
    if (dialog.DoModal() != IDOK)
        return;
    node->author = dialog.m_author;
    node->scratchText = dialog.m_comment;
    if (UpperCased(dialog.m_name) != UpperCased(node->name))
        ApplyNewName(m_current, node, dialog.m_name);
}
