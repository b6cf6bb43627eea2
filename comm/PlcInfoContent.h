#pragma once
#include "platform/CString.h"

#include <cstdint>
#include <vector>

// What the PLC information dialog shows of a run state and an information reply.
struct PlcModuleRow {
    CString position;  // "1", "2", ...
    CString model;     // the catalogue's model name, empty for an unknown code
    CString fault;     // the fault number
};

struct PlcInfoContent {
    bool running = false;
    CString stateText;
    CString firmware;
    CString cpuType;
    std::vector<PlcModuleRow> modules;
};

// `data` and `count` are the reply's data bytes: firmware 0-2, module count at 4, then
// (hardware code, fault) pairs. Only the pairs that arrived are listed, whatever the
// count byte claims.
PlcInfoContent DescribePlcInfo(int runState, const uint8_t* data, uint32_t count);

// The CPU type text of the first module's hardware code.
CString CpuTypeText(int hardwareCode);
