#include "language/CpuClassSource.h"

namespace {
CpuClassReader g_cpuClassReader = nullptr;
}

void SetCpuClassReader(CpuClassReader reader) {
    g_cpuClassReader = reader;
}

CpuClassReader CurrentCpuClassReader() {
    return g_cpuClassReader;
}

int CurrentCpuClass() {
    return g_cpuClassReader ? g_cpuClassReader() : -1;
}

DWORD CpuMaskOfClass(int cpuClass) {
    return (cpuClass >= 0 && cpuClass <= 4) ? (DWORD(1) << cpuClass) : CPU_MASK_NONE;
}

DWORD CurrentCpuMask() {
    return CpuMaskOfClass(CurrentCpuClass());
}
