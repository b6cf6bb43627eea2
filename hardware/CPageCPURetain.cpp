#include "hardware/CPageCPURetain.h"

#include "hardware/FormControls.h"
#include "platform/CSpinButtonCtrl.h"
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"
#include "project/SharedConstants.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>

namespace {

struct RangeIds {
    int area;
    int start;
    int startSpin;
    int length;
    int lengthSpin;
};

const RangeIds Ranges[CPageCPURetain::RangeCount] = {
    {IDC_RETAIN_AREA_1, IDC_RETAIN_START_1, IDC_RETAIN_START_SPIN_1, IDC_RETAIN_LENGTH_1, IDC_RETAIN_LENGTH_SPIN_1},
    {IDC_RETAIN_AREA_2, IDC_RETAIN_START_2, IDC_RETAIN_START_SPIN_2, IDC_RETAIN_LENGTH_2, IDC_RETAIN_LENGTH_SPIN_2},
    {IDC_RETAIN_AREA_3, IDC_RETAIN_START_3, IDC_RETAIN_START_SPIN_3, IDC_RETAIN_LENGTH_3, IDC_RETAIN_LENGTH_SPIN_3},
    {IDC_RETAIN_AREA_4, IDC_RETAIN_START_4, IDC_RETAIN_START_SPIN_4, IDC_RETAIN_LENGTH_4, IDC_RETAIN_LENGTH_SPIN_4},
};
const int DefaultAreas[CPageCPURetain::RangeCount] = {0, 0, 1, 1};   // VB, VB, C, C

void SetSpin(CWnd& page, int id, const SpinRange& range) {
    if (auto* spin = static_cast<CSpinButtonCtrl*>(page.GetDlgItem(id)))
        spin->SetRange32(range.low, range.high);
}

SpinRange SpinOf(const CWnd& page, int id) {
    int low = 0, high = 0;
    page.SendDlgItemMessage(id, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    return {low, high, 1};
}

// Rewrites a field only when its value changed, so its own notification ends there.
void ShowIfChanged(CWnd& page, int id, int typed, int value) {
    if (typed != value)
        SetFieldNumber(page, id, value);
}

}  // namespace

IMPLEMENT_DYNAMIC(CPageCPURetain, CCPUPage)

CPageCPURetain::CPageCPURetain() : CCPUPage(IDD_CPU_PAGE_RETAIN) {}

RetainAreaLimits CPageCPURetain::Limits(int range) const {
    const int area = ListSelection(*this, Ranges[range].area);
    return RetainLimits(Project().cpuClass, area < 0 ? 0 : area);
}

void CPageCPURetain::SetLengthSpin(int range, int start) {
    SetSpin(*this, Ranges[range].lengthSpin, RetainLengthSpin(Limits(range), start));
}

void CPageCPURetain::ShowRange(int range, int area, int start, int length) {
    SelectListEntry(*this, Ranges[range].area, area);
    SetSpin(*this, Ranges[range].startSpin, RetainStartSpin(Limits(range)));
    SetFieldNumber(*this, Ranges[range].start, start);
    SetLengthSpin(range, start);
    SetFieldNumber(*this, Ranges[range].length, length);
}

void CPageCPURetain::ShowModuleRanges() {
    for (int range = 0; range < RangeCount; ++range) {
        const RetainRange& stored = Module().retainRanges[range];
        ShowRange(range, stored.area, stored.start, stored.length);
    }
}

void CPageCPURetain::Fill() {
    for (const RangeIds& ids : Ranges)
        FillList(*this, ids.area, RetainAreaNames, static_cast<int>(std::size(RetainAreaNames)));
    if (ShowsProjectCpu())
        ShowModuleRanges();
    else
        Defaults();
}

void CPageCPURetain::Defaults() {
    Quietly([this] {
        for (int range = 0; range < RangeCount; ++range)
            ShowRange(range, DefaultAreas[range], 0, 0);
    });
    if (Filled())
        Changed();
}

void CPageCPURetain::Reload() {
    Quietly([this] { ShowModuleRanges(); });
    Changed();
}

void CPageCPURetain::OnAreaChanged(int range) {
    const RetainAreaLimits limits = Limits(range);
    SetSpin(*this, Ranges[range].startSpin, RetainStartSpin(limits));
    int start = FieldNumber(*this, Ranges[range].start);
    if (start > limits.high) {
        start = limits.high;
        Quietly([&] { SetFieldNumber(*this, Ranges[range].start, start); });
    }
    SetLengthSpin(range, start);
    const int length = FieldNumber(*this, Ranges[range].length);
    const SpinRange lengths = RetainLengthSpin(limits, start);
    if (length > lengths.high)
        Quietly([&] { SetFieldNumber(*this, Ranges[range].length, lengths.high); });
}

void CPageCPURetain::OnStartTyped(int range) {
    const int typed = FieldNumber(*this, Ranges[range].start);
    const int start = ClampRetainStart(typed, Limits(range));
    ShowIfChanged(*this, Ranges[range].start, typed, start);
    SetLengthSpin(range, start);
}

void CPageCPURetain::OnLengthTyped(int range) {
    const int typed = FieldNumber(*this, Ranges[range].length);
    const SpinRange lengths = SpinOf(*this, Ranges[range].lengthSpin);
    int length = typed;
    if (length >= lengths.high)
        length = lengths.high;
    if (length <= lengths.low)
        length = lengths.low;
    ShowIfChanged(*this, Ranges[range].length, typed, length);
}

bool CPageCPURetain::OnPageCommand(UINT id, UINT code) {
    for (int range = 0; range < RangeCount; ++range) {
        const RangeIds& ids = Ranges[range];
        if (static_cast<int>(id) == ids.area && code == CBN_SELCHANGE)
            OnAreaChanged(range);
        else if (static_cast<int>(id) == ids.start && code == EN_CHANGE)
            OnStartTyped(range);
        else if (static_cast<int>(id) == ids.length && code == EN_CHANGE)
            OnLengthTyped(range);
        else
            continue;
        Changed();
        return true;
    }
    return false;
}

bool CPageCPURetain::ApplyToModule() {
    for (int range = 0; range < RangeCount; ++range) {
        const int start = FieldNumber(*this, Ranges[range].start);
        const int length = FieldNumber(*this, Ranges[range].length);
        if (!RetainRangeFits(Limits(range), start, length)) {
            AfxShowMessageBox(m_hWnd, RetainRangeMessage(range + 1), "错误", MB_OK | MB_ICONSTOP);
            return false;
        }
    }
    for (int range = 0; range < RangeCount; ++range) {
        RetainRange& stored = Module().retainRanges[range];
        const int area = ListSelection(*this, Ranges[range].area);
        stored.area = static_cast<BYTE>(area < 0 ? stored.area : area);
        stored.start = static_cast<WORD>(std::max(FieldNumber(*this, Ranges[range].start), 0));
        stored.length = static_cast<WORD>(std::max(FieldNumber(*this, Ranges[range].length), 0));
    }
    return true;
}
