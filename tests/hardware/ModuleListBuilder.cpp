#include "tests/hardware/ModuleListBuilder.h"

#include "hardware/ModuleCatalog.h"

#include <gtest/gtest.h>

CQLX_R2_PLC& ModuleListBuilder::Add(uint8_t typeCode) {
    const ModuleSpec* spec = ModuleCatalog::FindByCode(typeCode);
    EXPECT_NE(nullptr, spec) << int(typeCode);
    auto* module = new CQLX_R2_PLC;
    if (spec != nullptr)
        module->InitFromSpec(*spec);
    project_.AssignInputBytes(module);
    project_.AssignOutputBytes(module);
    project_.AssignAnalogInputWords(module);
    project_.AssignAnalogOutputWords(module);
    project_.modules.Add(module);
    return *module;
}

void ModuleListBuilder::AddGap() {
    project_.modules.Add(nullptr);
}

void ModuleListBuilder::AddMany(uint8_t typeCode, int count) {
    for (int i = 0; i < count; ++i)
        Add(typeCode);
}
