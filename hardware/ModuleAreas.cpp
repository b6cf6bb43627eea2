#include "hardware/ModuleAreas.h"

#include "hardware/ModuleCatalog.h"
#include "project/CQLX_R2_PLC.h"

namespace {

const ModuleAreaField Fields[ModuleAreaCount] = {
    {KindGroupInputArea, AreaI, &CQLX_R2_PLC::iStart, &CQLX_R2_PLC::iEnd},
    {KindGroupOutputArea, AreaQ, &CQLX_R2_PLC::qStart, &CQLX_R2_PLC::qEnd},
    {KindGroupAnalogInArea, AreaAI, &CQLX_R2_PLC::aiStart, &CQLX_R2_PLC::aiEnd},
    {KindGroupAnalogOutArea, AreaAQ, &CQLX_R2_PLC::aqStart, &CQLX_R2_PLC::aqEnd},
};

}  // namespace

const ModuleAreaField& AreaField(ModuleArea area) {
    return Fields[area];
}

bool OwnsArea(const CQLX_R2_PLC& module, ModuleArea area) {
    return (module.kindMask & Fields[area].kindGroup) != 0;
}

int AreaByteLength(const CQLX_R2_PLC& module, ModuleArea area) {
    switch (area) {
    case ModuleAreaI: return (module.diCount + 7) / 8;
    case ModuleAreaQ: return (module.doCount + 7) / 8;
    case ModuleAreaAI: return 2 * module.aiCount;
    default: return 2 * module.aoCount;
    }
}
