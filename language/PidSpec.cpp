#include "language/PidSpec.h"

#include "language/CpuClassSource.h"

#include <cstring>

namespace {

const OperandDescriptor PID_REAL_PARAMETER = 0x01802840;  // REAL from V or L

}  // namespace

const PidSpec PidInstruction = {
    "PID", "PID", "PID", 0, 0x14C, PID_OPERAND_COUNT,
    {
        0x61FE2801,          // AUTO
        0x09882810,          // PV
        0x01882810,          // SP
        PID_REAL_PARAMETER,  // X0
        PID_REAL_PARAMETER,  // KP
        PID_REAL_PARAMETER,  // TR
        PID_REAL_PARAMETER,  // TD
        PID_REAL_PARAMETER,  // PV_FAC
        PID_REAL_PARAMETER,  // PV_OFF
        PID_REAL_PARAMETER,  // XOUT_FAC
        PID_REAL_PARAMETER,  // XOUT_OFF
        0x01882820,          // CYCLE
        0x01804840,          // XOUT
        0x11884810,          // XOUT_PER
    },
    1, CPU_MASK_CLASS1,
};

bool CheckPidOperands(const char* name, const PidSpec& query, int& result) {
    if (query.operandCount != PID_OPERAND_COUNT || !(PidInstruction.cpuMask & CurrentCpuMask()))
        return false;
    if (std::strcmp(name, PidInstruction.mnemonic) != 0) {
        result = -1;
        return false;
    }
    for (int k = 0; k < PID_OPERAND_COUNT; ++k) {
        if (!SlotCoversOperand(PidInstruction.slots[k], query.slots[k])) {
            result = k + 1;
            return false;
        }
    }
    result = 0;
    return true;
}
