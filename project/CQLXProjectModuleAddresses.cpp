#include "project/CQLXProject.h"

#include "hardware/MemAreaTable.h"
#include "hardware/ModuleCatalog.h"
#include "project/CQLX_R2_PLC.h"

#include <vector>

// The four assignments share one first-fit search and differ in the module kinds they
// serve, the area and how many bytes a module needs there.

namespace {

struct AreaAssignment {
    DWORD kinds;
    MemArea area;
    int (*lengthOf)(const CQLX_R2_PLC& module);
    BYTE CQLX_R2_PLC::*start;
    BYTE CQLX_R2_PLC::*end;
};

int InputBytesOf(const CQLX_R2_PLC& module) {
    return (module.diCount + 7) / 8;
}

int OutputBytesOf(const CQLX_R2_PLC& module) {
    return (module.doCount + 7) / 8;
}

int AnalogInputBytesOf(const CQLX_R2_PLC& module) {
    return 2 * module.aiCount;
}

int AnalogOutputBytesOf(const CQLX_R2_PLC& module) {
    return 2 * module.aoCount;
}

const DWORD InputKinds = KindCpu | KindDigitalInAc | KindDigitalInDc | KindDigitalInOutTransistor | KindDigitalInOutRelay;
const DWORD OutputKinds =
    KindCpu | KindDigitalOutTransistor | KindDigitalOutRelay | KindDigitalInOutTransistor | KindDigitalInOutRelay;
// The combined analog module has no range of its own in either analog area.
const DWORD AnalogInputKinds = KindAnalogInCurrentVoltage | KindAnalogInThermocouple | KindAnalogInRtd | KindAnalogInThermistor;
const DWORD AnalogOutputKinds = KindAnalogOut;

const AreaAssignment InputBytes = {InputKinds, AreaI, InputBytesOf, &CQLX_R2_PLC::iStart, &CQLX_R2_PLC::iEnd};
const AreaAssignment OutputBytes = {OutputKinds, AreaQ, OutputBytesOf, &CQLX_R2_PLC::qStart, &CQLX_R2_PLC::qEnd};
const AreaAssignment AnalogInputWords = {AnalogInputKinds, AreaAI, AnalogInputBytesOf, &CQLX_R2_PLC::aiStart,
                                         &CQLX_R2_PLC::aiEnd};
const AreaAssignment AnalogOutputWords = {AnalogOutputKinds, AreaAQ, AnalogOutputBytesOf, &CQLX_R2_PLC::aqStart,
                                          &CQLX_R2_PLC::aqEnd};

// The bytes of the area that the other modules of the kinds hold. Their ranges come from
// the project file unchecked, so bytes outside the area are passed over.
std::vector<bool> UsedBytes(const CObArray& modules, const CQLX_R2_PLC* assigned, const AreaAssignment& rule,
                            int areaBytes) {
    std::vector<bool> used(areaBytes, false);
    for (INT_PTR slot = 0; slot < modules.GetSize(); ++slot) {
        const CQLX_R2_PLC* other = static_cast<const CQLX_R2_PLC*>(modules[slot]);
        if (other == nullptr || other == assigned || !(other->kindMask & rule.kinds))
            continue;
        for (int byte = other->*rule.start; byte <= other->*rule.end && byte < areaBytes; ++byte)
            used[byte] = true;
    }
    return used;
}

// The first start of length free bytes in a row; -1 when there is none.
int FirstFreeRun(const std::vector<bool>& used, int length) {
    int run = 0;
    for (int byte = 0; byte < static_cast<int>(used.size()); ++byte) {
        run = used[byte] ? 0 : run + 1;
        if (run == length)
            return byte - length + 1;
    }
    return -1;
}

void SetRange(CQLX_R2_PLC& module, const AreaAssignment& rule, int start, int length) {
    module.*rule.start = static_cast<BYTE>(start);
    module.*rule.end = static_cast<BYTE>(start + length - 1);
}

BOOL Assign(const CObArray& modules, int cpuClass, CQLX_R2_PLC* module, const AreaAssignment& rule) {
    if (module == nullptr || !(module->kindMask & rule.kinds))
        return FALSE;
    const int length = rule.lengthOf(*module);
    if (length <= 0 || cpuClass < 0 || cpuClass >= MemAreaTable::ClassCount)
        return FALSE;
    if (module->kindMask & KindCpu) {
        SetRange(*module, rule, 0, length);
        return TRUE;
    }
    const int start = FirstFreeRun(UsedBytes(modules, module, rule, MemAreaTable::Get(cpuClass, rule.area).size), length);
    if (start < 0)
        return FALSE;
    SetRange(*module, rule, start, length);
    return TRUE;
}

}  // namespace

BOOL CQLXProject::AssignInputBytes(CQLX_R2_PLC* module) {
    return Assign(modules, cpuClass, module, InputBytes);
}

BOOL CQLXProject::AssignOutputBytes(CQLX_R2_PLC* module) {
    return Assign(modules, cpuClass, module, OutputBytes);
}

BOOL CQLXProject::AssignAnalogInputWords(CQLX_R2_PLC* module) {
    return Assign(modules, cpuClass, module, AnalogInputWords);
}

BOOL CQLXProject::AssignAnalogOutputWords(CQLX_R2_PLC* module) {
    return Assign(modules, cpuClass, module, AnalogOutputWords);
}
