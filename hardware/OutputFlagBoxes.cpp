#include "hardware/OutputFlagBoxes.h"

#include "hardware/FormControls.h"

#include <algorithm>

void OutputFlagBoxes::ShowLabels(CWnd& form, int startByte) {
    CString label;
    label.Format("%s%d%s", "Q", startByte, ".x");
    form.SetDlgItemText(m_ids.firstLabel, label);
    label.Format("%s%d%s", "Q", startByte + 1, ".x");
    form.SetDlgItemText(m_ids.secondLabel, label);
}

void OutputFlagBoxes::Fill(CWnd& form, const DWORD* flags, int count, int doCount, int startByte) {
    m_doCount = std::min(doCount, BoxCount);
    ShowLabels(form, startByte);
    EnableControl(form, m_ids.secondLabel, doCount > 8);
    for (int bit = 0; bit < BoxCount; ++bit) {
        EnableControl(form, m_ids.firstBox + bit, bit < doCount);
        SetChecked(form, m_ids.firstBox + bit, bit < count && flags[bit] != 0);
    }
    SetChecked(form, m_ids.selectAll, false);
}

bool OutputFlagBoxes::OnClick(CWnd& form, int id) {
    if (id == m_ids.selectAll) {
        if (IsChecked(form, id))
            for (int bit = 0; bit < m_doCount; ++bit)
                SetChecked(form, m_ids.firstBox + bit, true);
        return true;
    }
    if (!IsBox(id))
        return false;
    if (m_clearOnTick || !IsChecked(form, id))
        SetChecked(form, m_ids.selectAll, false);
    return true;
}

void OutputFlagBoxes::Clear(CWnd& form) {
    for (int bit = 0; bit < BoxCount; ++bit)
        SetChecked(form, m_ids.firstBox + bit, false);
    SetChecked(form, m_ids.selectAll, false);
}

void OutputFlagBoxes::Store(const CWnd& form, DWORD* flags, int count) const {
    for (int bit = 0; bit < std::min(count, BoxCount); ++bit)
        flags[bit] = IsChecked(form, m_ids.firstBox + bit) ? 1 : 0;
}
