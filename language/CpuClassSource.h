#pragma once
#include <windows.h>

// The language tables answer for the CPU class of the open project: a keyword or
// instruction variant that the class lacks does not exist, and address limits are the
// class's. The workspace installs the function that reads the class; until one is
// installed there is no class, and no CPU-filtered lookup finds anything.
typedef int (*CpuClassReader)();

void SetCpuClassReader(CpuClassReader reader);
CpuClassReader CurrentCpuClassReader();
int CurrentCpuClass();

// CPU masks: one bit per CPU class, carried by keyword and instruction records.
const DWORD CPU_MASK_NONE = 0x0;
const DWORD CPU_MASK_CLASS1 = 0x2;
const DWORD CPU_MASK_ALL = 0x1F;

// The bit of a class: 1 << class for classes 0 to 4, 0 for any other value.
DWORD CpuMaskOfClass(int cpuClass);
DWORD CurrentCpuMask();
