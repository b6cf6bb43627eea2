#include "hardware/HardwareSlots.h"

#include "comm/ReplyTimeouts.h"
#include "hardware/CpuSettingsTable.h"
#include "hardware/HardwareShell.h"
#include "hardware/ModuleCatalog.h"
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int ColumnCount = 4;
constexpr int RowsWithoutCpu = 2;
constexpr BYTE CpuInputFilter = 4;   // "12.8ms"
constexpr int CpuBlockASize = 32;
constexpr int CpuBlockBSize = 12;
constexpr LONG NewAoStopValue = 4000;

const char* const Cpu241Question = "CPU241不允许带扩展模块，必须将多余的模块删除！\r\n 您确认要加入CPU241吗?";
const char* const DeleteQuestion = "确实要删除选中的模块吗？";

// Yes/No in a "提示" box; the focus goes back where it was.
bool AskYesNo(const char* question) {
    const HWND focus = ::GetFocus();
    const int answer = AfxShowMessageBox(::GetActiveWindow(), question, "提示", MB_YESNO | MB_ICONQUESTION);
    if (focus != nullptr && ::IsWindow(focus))
        ::SetFocus(focus);
    return answer == IDYES;
}

// The first code of each analog input kind's slice of signal types.
BYTE FirstAiTypeCode(DWORD kind) {
    switch (kind) {
    case KindAnalogInThermocouple: return 7;
    case KindAnalogInRtd: return 5;
    case KindAnalogInThermistor: return 4;
    default: return 0;
    }
}

void ZeroSized(CByteArray& bytes, int size) {
    bytes.SetSize(size);
    std::fill(bytes.GetData(), bytes.GetData() + size, BYTE(0));
}

CString RangeText(int start, int end) {
    CString text;
    text.Format("%d%s%d", start, "...", end);
    return text;
}

CString CpuRangeText(int start, int end) {
    CString text;
    text.Format("0...%d", end - start);
    return text;
}

}  // namespace

HardwareSlots::HardwareSlots(CQLXProject& project, HardwareSlotPanes& panes, HardwareShell& shell)
    : project_(project), panes_(panes), shell_(shell) {}

CQLX_R2_PLC* HardwareSlots::ModuleAt(int position) const {
    if (position < 0 || position >= ListSize())
        return nullptr;
    return static_cast<CQLX_R2_PLC*>(project_.modules[position]);
}

int HardwareSlots::ListSize() const {
    return static_cast<int>(project_.modules.GetSize());
}

int HardwareSlots::RowCount() const {
    return std::max(slotRows_, ListSize());
}

void HardwareSlots::InitialUpdate() {
    if (ListSize() == 0) {
        slotRows_ = RowsWithoutCpu;
    } else if (ModuleAt(0) == nullptr) {
        for (int position = 1; position < ListSize(); ++position)
            delete ModuleAt(position);
        project_.modules.RemoveAll();
        slotRows_ = RowsWithoutCpu;
    } else if (const CpuSettings* settings = CpuSettingsTable::Find(ModuleAt(0)->typeCode)) {
        slotRows_ = settings->slotRows;
    }
    focusRow_ = 1;
    focusColumn_ = 0;
    panes_.RefreshGrid();
}

void HardwareSlots::RemoveModulesFromSecondCpu() {
    for (int position = 1; position < ListSize(); ++position) {
        const CQLX_R2_PLC* module = ModuleAt(position);
        if (module == nullptr || !(module->kindMask & KindCpu))
            continue;
        for (int later = position; later < ListSize(); ++later)
            delete ModuleAt(later);
        project_.modules.SetSize(position);
        return;
    }
}

void HardwareSlots::SelectSlotCell(int row, int column) {
    if (row < 1 || row > RowCount() || column < 0 || column >= ColumnCount)
        return;
    focusRow_ = row;
    focusColumn_ = column;
    panes_.ShowTab(row < panes_.TabCount() ? row : 0);
}

bool HardwareSlots::AcceptsKind(int position, const ModuleSpec& spec) const {
    const bool isCpu = (spec.kind & KindCpu) != 0;
    return position == 0 ? isCpu : !isCpu;
}

void HardwareSlots::InsertModule(const ModuleSpec* spec) {
    const int position = focusRow_ - 1;
    const int size = ListSize();
    if (spec == nullptr || position < 0 || position > size || ModuleAt(position) != nullptr)
        return;
    if (!AcceptsKind(position, *spec))
        return;
    if ((spec->kind & KindCpu) && !PrepareCpu(*spec))
        return;
    if (CreateSlotModule(*spec))
        SelectSlotCell(focusRow_ + 1, focusColumn_);
    panes_.RefreshGrid();
    shell_.SetProjectModified(true);
}

// The rack of the new CPU: its slot rows, reply time-outs and force image. A CPU241
// takes no expansion modules: they go, after asking; false when the user says No.
bool HardwareSlots::PrepareCpu(const ModuleSpec& spec) {
    const CpuSettings* settings = CpuSettingsTable::Find(spec.typeCode);
    if (settings != nullptr && settings->slotRows == 1 && RowCount() > 1 && ListSize() > 0) {
        if (!AskYesNo(Cpu241Question))
            return false;
        DeleteExpansionModules();
    }
    if (settings != nullptr) {
        slotRows_ = settings->slotRows;
        SetReplyTimeoutsForCpuClass(settings->cpuClass);
    }
    focusRow_ = 1;
    project_.AllocateForceImages(settings != nullptr ? settings->forceCells : project_.forceCellCount);
    panes_.RefreshGrid();
    return true;
}

void HardwareSlots::DeleteExpansionModules() {
    for (int position = ListSize() - 1; position >= 1; --position) {
        delete ModuleAt(position);
        project_.modules.RemoveAt(position);
        panes_.RemoveTab(position + 1);
    }
}

bool HardwareSlots::CreateSlotModule(const ModuleSpec& spec) {
    auto module = std::make_unique<CQLX_R2_PLC>();
    module->InitFromSpec(spec);
    if (!AssignAddresses(*module, spec))
        return false;
    const int position = focusRow_ - 1;
    if (position >= ListSize())
        project_.modules.SetSize(position + 1);
    project_.modules[position] = module.get();
    panes_.ShowModulePage(focusRow_, module.release());
    return true;
}

bool HardwareSlots::AssignAddresses(CQLX_R2_PLC& module, const ModuleSpec& spec) {
    switch (spec.kind) {
    case KindCpu:
        if (!project_.AssignInputBytes(&module) || !project_.AssignOutputBytes(&module))
            return false;
        module.inputFilters[0] = module.inputFilters[1] = CpuInputFilter;
        TakeCpu(module);
        return true;
    case KindDigitalInAc:
    case KindDigitalInDc:
        return project_.AssignInputBytes(&module);
    case KindDigitalOutTransistor:
    case KindDigitalOutRelay:
        return project_.AssignOutputBytes(&module);
    case KindDigitalInOutTransistor:
    case KindDigitalInOutRelay:
        return project_.AssignInputBytes(&module) && project_.AssignOutputBytes(&module);
    case KindAnalogInCurrentVoltage:
    case KindAnalogInThermocouple:
    case KindAnalogInRtd:
    case KindAnalogInThermistor:
        if (!project_.AssignAnalogInputWords(&module))
            return false;
        std::fill(std::begin(module.aiSettingsA), std::end(module.aiSettingsA), FirstAiTypeCode(spec.kind));
        std::fill(std::begin(module.aiSettingsB), std::end(module.aiSettingsB), BYTE(0));
        return true;
    case KindAnalogOut:
        if (!project_.AssignAnalogOutputWords(&module))
            return false;
        std::fill(std::begin(module.aoSignalForms), std::end(module.aoSignalForms), BYTE(0));
        std::fill(std::begin(module.aoHoldOnStop), std::end(module.aoHoldOnStop), DWORD(0));
        std::fill(std::begin(module.aoStopValues), std::end(module.aoStopValues), NewAoStopValue);
        return true;
    default:
        return false;
    }
}

void HardwareSlots::TakeCpu(CQLX_R2_PLC& module) {
    project_.cpuClass = CpuSettingsTable::CpuClassOf(module.typeCode);
    ZeroSized(project_.cpuBlockA, CpuBlockASize);
    ZeroSized(project_.cpuBlockB, CpuBlockBSize);
    shell_.UpdateCpuGroups();
}

bool HardwareSlots::CanDeleteModules() const {
    return focusRow_ - 1 < ListSize();
}

void HardwareSlots::DeleteModules(int firstRow, int lastRow) {
    const int first = std::max(std::min(firstRow, lastRow) - 1, 0);
    const int last = std::max(firstRow, lastRow) - 1;
    if (first >= ListSize() || !AskYesNo(DeleteQuestion))
        return;
    for (int position = first; position <= last && position < ListSize(); ++position) {
        if (position == ListSize() - 1) {
            DeleteLastModule();
        } else {
            delete ModuleAt(position);
            project_.modules[position] = nullptr;
            panes_.PutHowToTab(position + 1);
        }
    }
    if (focusRow_ > RowCount())
        SelectSlotCell(RowCount(), focusColumn_);
    panes_.RefreshGrid();
    shell_.SetProjectModified(true);
}

// The list never ends with an empty slot: the gaps before the last module go with it.
void HardwareSlots::DeleteLastModule() {
    do {
        const int last = ListSize() - 1;
        delete ModuleAt(last);
        project_.modules.RemoveAt(last);
        panes_.RemoveTab(last + 1);
    } while (ListSize() > 0 && ModuleAt(ListSize() - 1) == nullptr);
}

CString SlotCellText(const CQLX_R2_PLC* module, int column) {
    if (module == nullptr)
        return CString();
    const DWORD kind = module->kindMask;
    switch (column) {
    case 0: return module->modelName;
    case 1:
        if (kind & KindCpu)
            return CpuRangeText(module->iStart, module->iEnd);
        if (kind & (KindDigitalInAc | KindDigitalInDc | KindDigitalInOutTransistor | KindDigitalInOutRelay))
            return RangeText(module->iStart, module->iEnd);
        if (kind & (KindAnalogInCurrentVoltage | KindAnalogInThermocouple | KindAnalogInRtd | KindAnalogInThermistor))
            return RangeText(module->aiStart, module->aiEnd);
        return CString();
    case 2:
        if (kind & KindCpu)
            return CpuRangeText(module->qStart, module->qEnd);
        if (kind & (KindDigitalOutTransistor | KindDigitalOutRelay | KindDigitalInOutTransistor | KindDigitalInOutRelay))
            return RangeText(module->qStart, module->qEnd);
        if (kind & KindAnalogOut)
            return RangeText(module->aqStart, module->aqEnd);
        return CString();
    case 3: return module->description;
    default: return CString();
    }
}
