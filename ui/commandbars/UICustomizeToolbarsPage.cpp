#include "ui/commandbars/UICustomizeToolbarsPage.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICustomizeSheet.h"
#include "ui/commandbars/UINewToolbarDlg.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/MessageBox.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CUICustomizeToolbarsPage, CPropertyPage)
    ON_LBN_SELCHANGE(IDC_CUSTOMIZE_TOOLBAR_LIST, OnSelectionChange)
    ON_CLBN_CHKCHANGE(IDC_CUSTOMIZE_TOOLBAR_LIST, OnCheckChange)
    ON_BN_CLICKED(IDC_CUSTOMIZE_NEW, OnNew)
    ON_BN_CLICKED(IDC_CUSTOMIZE_RENAME, OnRename)
    ON_BN_CLICKED(IDC_CUSTOMIZE_DELETE, OnDelete)
    ON_BN_CLICKED(IDC_CUSTOMIZE_RESET, OnReset)
END_MESSAGE_MAP()

CUICustomizeToolbarsPage::CUICustomizeToolbarsPage(CUICustomizeSheet* sheet) : CPropertyPage(IDD_CUSTOMIZE_TOOLBARS), m_sheet(sheet) {}

CUICustomizeSheet* CUICustomizeToolbarsPage::Sheet() const {
    return m_sheet ? m_sheet : dynamic_cast<CUICustomizeSheet*>(GetParent());
}

BOOL CUICustomizeToolbarsPage::IsBuiltIn(const CUICommandBar* bar) {
    const CUIToolBar* toolBar = dynamic_cast<const CUIToolBar*>(bar);
    return toolBar == nullptr || toolBar->m_resettable;
}

CUICommandBars* CUICustomizeToolbarsPage::GetCommandBars() const {
    CUICustomizeSheet* sheet = Sheet();
    return sheet ? sheet->GetCommandBars() : nullptr;
}

BOOL CUICustomizeToolbarsPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_list.SubclassDlgItem(IDC_CUSTOMIZE_TOOLBAR_LIST, this);
    m_new.SubclassDlgItem(IDC_CUSTOMIZE_NEW, this);
    m_rename.SubclassDlgItem(IDC_CUSTOMIZE_RENAME, this);
    m_delete.SubclassDlgItem(IDC_CUSTOMIZE_DELETE, this);
    m_reset.SubclassDlgItem(IDC_CUSTOMIZE_RESET, this);
    RefreshList();
    return TRUE;
}

void CUICustomizeToolbarsPage::RefreshList() {
    CUICommandBars* commandBars = GetCommandBars();
    if (commandBars == nullptr)
        return;
    const int selected = m_list.GetCurSel();
    const DWORD_PTR remembered = selected >= 0 ? m_list.GetItemData(selected) : 0;
    m_list.ResetContent();
    for (int i = 0; i < commandBars->GetCount(); ++i) {
        CUICommandBar* bar = commandBars->GetAt(i);
        const int item = m_list.AddString(bar->GetTitle());
        m_list.SetCheck(item, bar->IsVisible() ? BST_CHECKED : BST_UNCHECKED);
        m_list.SetItemData(item, static_cast<DWORD_PTR>(i));
        if (static_cast<DWORD_PTR>(i) == remembered)
            m_list.SetCurSel(item);
    }
    OnSelectionChange();
}

CUICommandBar* CUICustomizeToolbarsPage::SelectedBar() const {
    CUICommandBars* commandBars = GetCommandBars();
    const int selected = m_list.GetCurSel();
    if (commandBars == nullptr || selected < 0)
        return nullptr;
    return commandBars->GetAt(static_cast<int>(m_list.GetItemData(selected)));
}

void CUICustomizeToolbarsPage::OnSelectionChange() {
    CUICommandBar* bar = SelectedBar();
    m_reset.EnableWindow(bar && IsBuiltIn(bar));
    m_rename.EnableWindow(bar && !IsBuiltIn(bar));
    m_delete.EnableWindow(bar && !IsBuiltIn(bar));
}

void CUICustomizeToolbarsPage::OnCheckChange() {
    CUICommandBars* commandBars = GetCommandBars();
    // The item whose box changed: the clicked one, or the one with the caret for Space.
    const int item = static_cast<int>(m_list.SendMessage(LB_GETCARETINDEX));
    CUICommandBar* bar = item >= 0 && item < m_list.GetCount() ? commandBars->GetAt(static_cast<int>(m_list.GetItemData(item))) : nullptr;
    if (bar == nullptr)
        return;
    if (bar->GetType() == uiBarTypeMenuBar)
        m_list.SetCheck(item, BST_CHECKED);  // the menu bar cannot be hidden
    else
        bar->SetVisible(m_list.GetCheck(item) == BST_CHECKED);
    RefreshList();
}

void CUICustomizeToolbarsPage::OnNew() {
    CUICommandBars* commandBars = GetCommandBars();
    CUINewToolbarDlg dialog(GetParent(), commandBars);
    if (dialog.DoModal() == IDOK)
        commandBars->CreateToolBar(dialog.m_name, dialog.m_newBarId, FALSE);
    RefreshList();
}

void CUICustomizeToolbarsPage::OnRename() {
    CUICommandBar* bar = SelectedBar();
    if (bar == nullptr || IsBuiltIn(bar))
        return;
    CUINewToolbarDlg dialog(GetParent(), GetCommandBars(), bar);
    if (dialog.DoModal() != IDOK)
        return;
    bar->SetTitle(dialog.m_name);
    const int item = m_list.GetCurSel();
    const DWORD_PTR data = m_list.GetItemData(item);
    m_list.DeleteString(static_cast<UINT>(item));
    m_list.InsertString(item, dialog.m_name);
    m_list.SetCheck(item, bar->IsVisible() ? BST_CHECKED : BST_UNCHECKED);
    m_list.SetItemData(item, data);
    m_list.SetCurSel(item);
}

void CUICustomizeToolbarsPage::OnDelete() {
    CUICommandBar* bar = SelectedBar();
    if (bar == nullptr || IsBuiltIn(bar))
        return;
    CString format, text;
    format.LoadString(IDS_CONFIRM_DELETE_TOOLBAR);
    text.Format(format, static_cast<LPCSTR>(bar->GetTitle()));
    if (AfxMessageBox(text, MB_OKCANCEL | MB_ICONWARNING) != IDOK)
        return;
    GetCommandBars()->Remove(bar);
    RefreshList();
}

void CUICustomizeToolbarsPage::OnReset() {
    CUICommandBar* bar = SelectedBar();
    if (bar == nullptr || !IsBuiltIn(bar))
        return;
    bar->Reset();
    RefreshList();
}
