#include "hardware/CPageCPUIO.h"

#include "hardware/FormControls.h"
#include "project/CQLX_R2_PLC.h"
#include "project/SharedConstants.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>

namespace {

const OutputFlagBoxes::Ids CpuFlagIds = {IDC_CPU_IO_FLAG_FIRST, IDC_CPU_IO_SELECT_ALL, IDC_CPU_IO_OUT_LABEL_1,
                                          IDC_CPU_IO_OUT_LABEL_2};
const int FilterIds[] = {IDC_CPU_IO_FILTER_1, IDC_CPU_IO_FILTER_2};
constexpr int DefaultFilter = 4;   // "12.8ms"

DWORD* StopStates(CQLX_R2_PLC& module) {
    return &module.cpuOutputStopStates[0][0];
}

}  // namespace

IMPLEMENT_DYNAMIC(CPageCPUIO, CCPUPage)

CPageCPUIO::CPageCPUIO() : CCPUPage(IDD_CPU_PAGE_IO), m_flags(CpuFlagIds, false) {}

int CPageCPUIO::InputBytes() const {
    return (Module().diCount + 7) / 8;
}

int CPageCPUIO::OutputBytes() const {
    return (Module().doCount + 7) / 8;
}

void CPageCPUIO::StoreRanges() {
    CQLX_R2_PLC& module = Module();
    module.iStart = 0;
    module.iEnd = static_cast<BYTE>(InputBytes() - 1);
    module.qStart = 0;
    module.qEnd = static_cast<BYTE>(OutputBytes() - 1);
}

// Filter lists and boxes from the module; select-all off.
void CPageCPUIO::ShowModuleSettings() {
    CQLX_R2_PLC& module = Module();
    for (int byte = 0; byte < 2; ++byte)
        SelectListEntry(*this, FilterIds[byte], module.inputFilters[byte]);
    m_flags.Fill(*this, StopStates(module), OutputBytes() * 8, module.doCount, 0);
    // The second rows follow the inputs: a CPU with one input byte has one of each.
    EnableControl(*this, IDC_CPU_IO_OUT_LABEL_2, module.diCount > 8);
}

void CPageCPUIO::Fill() {
    CQLX_R2_PLC& module = Module();
    module.iStart = module.qStart = 0;
    SetFieldNumber(*this, IDC_CPU_IO_IN_START, 0);
    SetFieldNumber(*this, IDC_CPU_IO_OUT_START, 0);
    SetFieldNumber(*this, IDC_HW_IN_LENGTH, InputBytes());
    SetFieldNumber(*this, IDC_HW_OUT_LENGTH, OutputBytes());
    SetDlgItemText(IDC_CPU_IO_FILTER_LABEL_1, "I0.x");
    SetDlgItemText(IDC_CPU_IO_FILTER_LABEL_2, "I1.x");
    for (int id : FilterIds)
        FillList(*this, id, InputFilterTimes, static_cast<int>(std::size(InputFilterTimes)));
    const bool secondInputByte = module.diCount > 8;
    EnableControl(*this, IDC_CPU_IO_FILTER_LABEL_2, secondInputByte);
    EnableControl(*this, IDC_CPU_IO_FILTER_2, secondInputByte);
    ShowModuleSettings();
}

void CPageCPUIO::Defaults() {
    Quietly([this] {
        Module().iStart = Module().qStart = 0;
        for (int id : FilterIds)
            SelectListEntry(*this, id, DefaultFilter);
        m_flags.Clear(*this);
    });
    Changed();
}

void CPageCPUIO::Reload() {
    Quietly([this] {
        StoreRanges();
        ShowModuleSettings();
    });
    Changed();
}

bool CPageCPUIO::OnPageCommand(UINT id, UINT code) {
    if (code == BN_CLICKED && m_flags.OnClick(*this, static_cast<int>(id))) {
        Changed();
        return true;
    }
    if (code == CBN_SELCHANGE && (id == IDC_CPU_IO_FILTER_1 || id == IDC_CPU_IO_FILTER_2)) {
        Changed();
        return true;
    }
    return false;
}

bool CPageCPUIO::ApplyToModule() {
    CQLX_R2_PLC& module = Module();
    StoreRanges();
    for (int byte = 0; byte < 2; ++byte) {
        const int filter = ListSelection(*this, FilterIds[byte]);
        if (filter >= 0)
            module.inputFilters[byte] = static_cast<BYTE>(filter);
    }
    m_flags.Store(*this, StopStates(module), std::min(OutputBytes() * 8, OutputFlagBoxes::BoxCount));
    return true;
}
