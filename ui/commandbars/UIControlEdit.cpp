#include "ui/commandbars/UIControlEdit.h"

#include "ui/commandbars/UICommandBar.h"

#include "platform/CArchive.h"

IMPLEMENT_SERIAL(CUIControlEdit, CUIControl, uiArchiveSchema)

CUIControlEdit::~CUIControlEdit() { m_field.DestroyEdit(); }

void CUIControlEdit::EnsureEditObject() {
    if (m_field.GetEdit())
        return;
    CUIEdit* edit = CreateEditWindow();
    edit->SetOwner(this);
    m_field.SetEdit(edit);
}

void CUIControlEdit::SetEditText(LPCSTR text) {
    EnsureEditObject();
    m_field.SetText(text);
}

void CUIControlEdit::SetEnabled(BOOL enabled) {
    m_enabled = enabled;
    m_field.Enable(enabled);
    RedrawParent();
}

void CUIControlEdit::SetRect(CRect rect) {
    EnsureEditObject();
    const HWND window = m_field.GetWindow();
    if (rect == m_rect && window && m_parent && ::GetParent(window) == m_parent->m_hWnd)
        return;
    m_rect = rect;
    m_field.Place(this, m_labelWidth, 3);
}

void CUIControlEdit::SetHideFlags(DWORD flags) {
    m_hideFlags = flags;
    m_field.ShowFor(flags);
    DelayLayoutParent();
}

void CUIControlEdit::OnCalcDynamicSize(DWORD mode) {
    SetHideFlags(CUIFieldEdit::HideFlagsForLayout(m_hideFlags, mode));
}

void CUIControlEdit::SetParent(CUICommandBar* parent) {
    m_parent = parent;
    if (parent == nullptr)
        m_field.DestroyWindow();
}

void CUIControlEdit::Copy(CUIControl* source, BOOL recursive) {
    if (CUIControlEdit* edit = dynamic_cast<CUIControlEdit*>(source)) {
        m_width = edit->m_width;
        m_field.StoreText(edit->GetEditText());
        m_showLabel = edit->m_showLabel;
    }
    CUIControl::Copy(source, recursive);
}

void CUIControlEdit::OnClick(BOOL keyboard, CPoint) {
    if (IsCustomizeMode()) {
        CUIFieldEdit::CustomizeClick(this);
        return;
    }
    if (keyboard && m_field.HasFocus())
        OnExecute();
    else if (const HWND window = m_field.GetWindow())
        ::SetFocus(window);
}

void CUIControlEdit::OnMouseHover() {
    if (!CUIFieldEdit::IsHoverSuspended())
        CUIControl::OnMouseHover();
}

BOOL CUIControlEdit::OnSetSelected(int state) {
    if (!CUIControl::OnSetSelected(state))
        return FALSE;
    if (state == 0)
        m_field.ReturnFocus(this);
    return TRUE;
}

CUIControl* CUIControlEdit::Clone(BOOL recursive) {
    CUIControlEdit* control = new CUIControlEdit;
    control->Copy(this, recursive);
    return control;
}

void CUIControlEdit::Serialize(CArchive& ar) {
    const UINT schema = ar.IsStoring() ? (uiArchiveSchema & ~VERSIONABLE_SCHEMA) : ar.GetObjectSchema();
    CUIControl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_showLabel << m_width;
        return;
    }
    ar >> m_showLabel;
    if (schema > 5)
        ar >> m_width;
}

void CUIControlEdit::OnEditSetFocus(CWnd* lost) { CUIFieldEdit::BeginFocus(this, lost); }

void CUIControlEdit::OnEditKillFocus() { CUIFieldEdit::EndFocus(this); }
