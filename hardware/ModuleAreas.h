#pragma once
#include "hardware/MemAreaTable.h"

#include <windows.h>

class CQLX_R2_PLC;

// The four address areas a module can own bytes of, in the order every check runs.
enum ModuleArea { ModuleAreaI, ModuleAreaQ, ModuleAreaAI, ModuleAreaAQ, ModuleAreaCount };

// Where a module keeps its range of one area and which modules own bytes there.
struct ModuleAreaField {
    DWORD kindGroup;                 // ModuleKind bits of the modules that take part
    MemArea memArea;                 // the area's record in MemAreaTable
    BYTE CQLX_R2_PLC::*start;
    BYTE CQLX_R2_PLC::*end;
};

const ModuleAreaField& AreaField(ModuleArea area);

// True when the module's kind takes part in the area.
bool OwnsArea(const CQLX_R2_PLC& module, ModuleArea area);

// Bytes the module's points occupy in the area: ceil(points / 8) for I and Q, two per
// channel for AI and AQ.
int AreaByteLength(const CQLX_R2_PLC& module, ModuleArea area);
