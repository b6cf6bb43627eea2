#include "ui/commandbars/UICustomizeCommandsPage.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIControlDragContext.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UICustomizeSheet.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CUICustomizeCommandList, CListBox)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CUICommandBarsTheme* CUICustomizeCommandList::PaintManager() const {
    return m_commandBars ? m_commandBars->GetPaintManager() : nullptr;
}

BOOL CUICustomizeCommandList::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM)
        return CListBox::OnChildNotify(message, wParam, lParam, result);
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    CUICommandBarsTheme* paintManager = PaintManager();
    if (paintManager && item->itemID != static_cast<UINT>(-1)) {
        CDC* dc = CDC::FromHandle(item->hDC);
        CUIControl* control = reinterpret_cast<CUIControl*>(item->itemData);
        paintManager->DrawListBoxControl(dc, control, CRect(item->rcItem), (item->itemState & ODS_SELECTED) != 0, TRUE);
    }
    if (result)
        *result = TRUE;
    return TRUE;
}

void CUICustomizeCommandList::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CUIMemDC buffer(&paint, client, ::GetSysColor(COLOR_WINDOW));
    if (CUICommandBarsTheme* paintManager = PaintManager())
        paintManager->DrawListBoxControl(&buffer, nullptr, client, FALSE, TRUE);
    // The list box draws its items into the buffer given with the message.
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(buffer.m_hDC), 0);
}

BOOL CUICustomizeCommandList::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (CUICommandBarsTheme* paintManager = PaintManager())
        paintManager->DrawListBoxControl(dc, nullptr, client, FALSE, TRUE);
    return TRUE;
}

void CUICustomizeCommandList::OnLButtonDown(UINT, CPoint point) {
    if (m_commandBars)
        m_commandBars->SetDragControl(nullptr);
    const DWORD hit = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
    const int index = LOWORD(hit);
    if (HIWORD(hit) != 0 || SetCurSel(index) == LB_ERR) {
        Default();
        return;
    }
    SetFocus();
    CWnd* owner = GetOwner() ? GetOwner() : GetParent();
    owner->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
    CUIControl* control = reinterpret_cast<CUIControl*>(GetItemData(index));
    if (control && m_commandBars)
        m_commandBars->GetDragContext()->DoDragDrop(control, TRUE);
}

BEGIN_MESSAGE_MAP(CUICustomizeCommandsPage, CPropertyPage)
    ON_LBN_SELCHANGE(IDC_CUSTOMIZE_CATEGORY_LIST, OnCategoryChange)
END_MESSAGE_MAP()

CUICustomizeCommandsPage::CUICustomizeCommandsPage(CUICustomizeSheet* sheet) : CPropertyPage(IDD_CUSTOMIZE_COMMANDS), m_sheet(sheet) {}

CUICustomizeSheet* CUICustomizeCommandsPage::Sheet() const {
    return m_sheet ? m_sheet : dynamic_cast<CUICustomizeSheet*>(GetParent());
}

CUICustomizeCommandsPage::~CUICustomizeCommandsPage() {
    for (Category& category : m_categoryList)
        category.commands->InternalRelease();
}

void CUICustomizeCommandsPage::AddCategory(LPCSTR name, CUIControls* commands) {
    commands->InternalAddRef();
    m_categoryList.push_back({name, commands});
}

BOOL CUICustomizeCommandsPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_categories.SubclassDlgItem(IDC_CUSTOMIZE_CATEGORY_LIST, this);
    m_commands.SubclassDlgItem(IDC_CUSTOMIZE_COMMAND_LIST, this);
    CUICustomizeSheet* sheet = Sheet();
    m_commands.m_commandBars = sheet ? sheet->GetCommandBars() : nullptr;
    for (size_t i = 0; i < m_categoryList.size(); ++i) {
        const int item = m_categories.AddString(m_categoryList[i].name);
        m_categories.SetItemData(item, i);
    }
    m_categories.SetCurSel(0);
    if (CUICommandBarsTheme* paintManager = m_commands.m_commandBars ? m_commands.m_commandBars->GetPaintManager() : nullptr) {
        CClientDC dc(&m_commands);
        const CSize entry = paintManager->DrawListBoxControl(&dc, nullptr, CRect(), FALSE, FALSE);
        m_commands.SendMessage(LB_SETITEMHEIGHT, 0, entry.cy);
    }
    OnCategoryChange();
    return FALSE;
}

void CUICustomizeCommandsPage::OnCategoryChange() {
    m_commands.ResetContent();
    const int selected = m_categories.GetCurSel();
    if (selected < 0)
        return;
    const size_t index = m_categories.GetItemData(selected);
    if (index >= m_categoryList.size())
        return;
    CUIControls* commands = m_categoryList[index].commands;
    for (int i = 0; i < commands->GetCount(); ++i)
        m_commands.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(commands->GetAt(i)));
}
