#include "ui/commandbars/UIControlComboBox.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControlComboBoxList.h"
#include "ui/commandbars/UIMouseTrackHook.h"

#include "platform/CArchive.h"

IMPLEMENT_SERIAL(CUIControlComboBox, CUIControlPopup, uiArchiveSchema)

CUIControlComboBox::CUIControlComboBox() {
    m_type = uiControlComboBox;
    CUIControlComboBoxList* list = new CUIControlComboBoxList;
    SetCommandBar(list);
    list->InternalRelease();
}

CUIControlComboBox::~CUIControlComboBox() { m_field.DestroyEdit(); }

CUIControlComboBoxList* CUIControlComboBox::GetList() const {
    return dynamic_cast<CUIControlComboBoxList*>(GetCommandBar());
}

void CUIControlComboBox::SetEditable(BOOL editable) {
    m_editable = editable;
    if (!editable) {
        m_field.DestroyEdit();
        return;
    }
    if (m_field.GetEdit())
        return;
    CUIEdit* edit = CreateEditWindow();
    edit->SetOwner(this);
    m_field.SetEdit(edit);
}

CString CUIControlComboBox::GetListText() const {
    CUIControlComboBoxList* list = GetList();
    const int selection = list ? list->GetCurSel() : LB_ERR;
    return selection == LB_ERR ? CString() : list->GetText(selection);
}

int CUIControlComboBox::GetCurSel() const {
    CUIControlComboBoxList* list = GetList();
    return list ? list->GetCurSel() : LB_ERR;
}

void CUIControlComboBox::SetCurSel(int index) {
    CUIControlComboBoxList* list = GetList();
    if (list == nullptr || list->GetCurSel() == index)
        return;
    list->SendMessage(LB_SETCURSEL, index);
    OnListSelChanged();
}

int CUIControlComboBox::AddString(LPCSTR text) {
    CUIControlComboBoxList* list = GetList();
    return list ? list->AddString(text) : LB_ERR;
}

BOOL CUIControlComboBox::IsListOpen() const {
    CUIControlComboBoxList* list = GetList();
    return list && list->GetTrackingMode() != uiNotTracking && list->GetOwnerComboBox() == this;
}

void CUIControlComboBox::OnListSelChanged() {
    m_field.SetText(GetListText());
    InvalidateParent();
}

void CUIControlComboBox::SetEnabled(BOOL enabled) {
    m_enabled = enabled;
    m_field.Enable(enabled);
    RedrawParent();
}

void CUIControlComboBox::SetRect(CRect rect) {
    const HWND window = m_field.GetWindow();
    if (rect == m_rect && window && m_parent && ::GetParent(window) == m_parent->m_hWnd)
        return;
    m_rect = rect;
    m_field.Place(this, m_labelWidth, m_buttonWidth + 3);
}

void CUIControlComboBox::SetHideFlags(DWORD flags) {
    m_hideFlags = flags;
    m_field.ShowFor(flags);
    DelayLayoutParent();
}

void CUIControlComboBox::OnExecute() {
    m_savedSelection = GetCurSel();
    CUIControlPopup::OnExecute();
}

void CUIControlComboBox::OnCalcDynamicSize(DWORD mode) {
    SetHideFlags(CUIFieldEdit::HideFlagsForLayout(m_hideFlags, mode));
}

void CUIControlComboBox::SetParent(CUICommandBar* parent) {
    CUIControlComboBoxList* list = GetList();
    if (parent && parent != m_parent && list && list->m_hWnd) {
        CWnd* site = parent->GetSite();
        ::SetWindowLongPtrA(list->m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(site ? site->GetSafeHwnd() : nullptr));
    }
    if (parent == nullptr)
        m_field.DestroyWindow();
    m_parent = parent;
}

void CUIControlComboBox::Copy(CUIControl* source, BOOL recursive) {
    if (CUIControlComboBox* combo = dynamic_cast<CUIControlComboBox*>(source)) {
        m_showLabel = combo->m_showLabel;
        m_width = combo->m_width;
        m_field.StoreText(combo->GetEditText());
        if (combo->m_field.GetEdit())
            SetEditable(TRUE);
    }
    CUIControlPopup::Copy(source, recursive);
}

// A list-only combo box shows its old selection again when the list closes without a choice.
BOOL CUIControlComboBox::OnSetPopup(BOOL open) {
    if (!m_editable) {
        if (open) {
            if (CUIControlComboBoxList* list = GetList())
                list->SendMessage(LB_SETCURSEL, m_savedSelection);
        } else {
            SetCurSel(m_savedSelection);
        }
    }
    return CUIControlPopup::OnSetPopup(open);
}

void CUIControlComboBox::OnClick(BOOL keyboard, CPoint point) {
    if (IsCustomizeMode()) {
        CUIFieldEdit::CustomizeClick(this);
        return;
    }
    if (!keyboard || m_field.GetEdit() == nullptr) {
        CUIControlPopup::OnClick(keyboard, point);
        return;
    }
    if (m_field.HasFocus())
        OnExecute();
    else if (const HWND window = m_field.GetWindow())
        ::SetFocus(window);
}

void CUIControlComboBox::OnMouseHover() {
    if (!CUIFieldEdit::IsHoverSuspended())
        CUIControlPopup::OnMouseHover();
}

BOOL CUIControlComboBox::OnSetSelected(int state) {
    if (!CUIControlPopup::OnSetSelected(state))
        return FALSE;
    if (state == 0)
        m_field.ReturnFocus(this);
    return TRUE;
}

CUIControl* CUIControlComboBox::Clone(BOOL recursive) {
    CUIControlComboBox* control = new CUIControlComboBox;
    control->Copy(this, recursive);
    return control;
}

void CUIControlComboBox::Serialize(CArchive& ar) {
    CUIControlPopup::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_editable << m_width << m_showLabel;
        return;
    }
    BOOL editable = FALSE;
    ar >> editable >> m_width >> m_showLabel;
    SetEditable(editable);
}

void CUIControlComboBox::OnEditSetFocus(CWnd* lost) { CUIFieldEdit::BeginFocus(this, lost); }

void CUIControlComboBox::OnEditKillFocus() { CUIFieldEdit::EndFocus(this); }
