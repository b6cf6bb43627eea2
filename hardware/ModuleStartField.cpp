#include "hardware/ModuleStartField.h"

#include "hardware/CHWModuleForm.h"
#include "hardware/FormControls.h"
#include "platform/CSpinButtonCtrl.h"
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"

#include <algorithm>

SpinRange ModuleStartField::Range(CHWModuleForm& form) const {
    return StartSpinRange(form.Project().cpuClass, m_area, m_byteLength);
}

void ModuleStartField::SetSpinRange(CHWModuleForm& form) {
    auto* spin = static_cast<CSpinButtonCtrl*>(form.GetDlgItem(m_spinId));
    if (spin == nullptr)
        return;
    const SpinRange range = Range(form);
    spin->SetRange32(range.low, std::max(range.low, range.high));
    UDACCEL step = {0, static_cast<UINT>(range.step)};
    spin->SetAccel(1, &step);
}

void ModuleStartField::Fill(CHWModuleForm& form) {
    CQLX_R2_PLC& module = *form.Module();
    m_byteLength = AreaByteLength(module, m_area);
    m_filledStart = module.*AreaField(m_area).start;
    SetSpinRange(form);
    SetFieldNumber(form, m_lengthId, m_byteLength);
    SetFieldNumber(form, m_editId, m_filledStart);
}

int ModuleStartField::ClampedValue(CHWModuleForm& form, CString* shown) const {
    CString text;
    form.GetDlgItemText(m_editId, text);
    const int value = ClampStartField(text, Range(form));
    if (shown != nullptr)
        *shown = text;
    return value;
}

void ModuleStartField::StoreStart(CHWModuleForm& form, int start) const {
    CQLX_R2_PLC& module = *form.Module();
    module.*AreaField(m_area).start = static_cast<BYTE>(start);
    module.*AreaField(m_area).end = static_cast<BYTE>(start + m_byteLength - 1);
}

void ModuleStartField::OnChange(CHWModuleForm& form) {
    CString shown;
    const int value = ClampedValue(form, &shown);
    CString canonical;
    canonical.Format("%d", value);
    if (shown != canonical) {
        // Setting the text comes back here with the clamped value.
        SetFieldNumber(form, m_editId, value);
        return;
    }
    StoreStart(form, value);
    form.Changed(true);
}

void ModuleStartField::ShowModuleStart(CHWModuleForm& form) {
    SetFieldNumber(form, m_editId, form.Module()->*AreaField(m_area).start);
}

void ModuleStartField::Restore(CHWModuleForm& form) {
    StoreStart(form, m_filledStart);
    SetFieldNumber(form, m_editId, m_filledStart);
}

void ModuleStartField::Store(CHWModuleForm& form) {
    StoreStart(form, ClampedValue(form, nullptr));
}
