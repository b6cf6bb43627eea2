#pragma once
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"

#include <cstdint>

// Builds a project's module list the way a loaded file would hold it: each module
// made from its catalogue record and addressed by first fit; tests then bend the ranges.
class ModuleListBuilder {
public:
    explicit ModuleListBuilder(CQLXProject& project) : project_(project) {}

    // Appends a module of the catalogue code, addressed by first fit (ranges stay 0
    // where no room is left).
    CQLX_R2_PLC& Add(uint8_t typeCode);
    // Appends an empty slot.
    void AddGap();
    // Appends several modules of one code.
    void AddMany(uint8_t typeCode, int count);

private:
    CQLXProject& project_;
};
