#include "hardware/ConfigurationCheck.h"

#include "hardware/CpuSettingsTable.h"
#include "hardware/ModuleAreas.h"
#include "hardware/ModuleCatalog.h"
#include "project/CQLX_R2_PLC.h"

#include <vector>

namespace {

const char* const ErrorCaption = "错误";
const char* const NoticeCaption = "提示";

const CQLX_R2_PLC* ModuleAt(const CObArray& modules, INT_PTR position) {
    return static_cast<const CQLX_R2_PLC*>(modules[position]);
}

// The point-limit messages by CPU; the CPU241Ex codes share the CPU243 row.
struct LimitTexts {
    uint8_t codes[7];
    int codeCount;
    const char* texts[ModuleAreaCount];
};

const LimitTexts LimitTextRows[] = {
    {{0, 1, 31, 32}, 4,
     {"DI点数超出限制！\r\nCPU241允许的最大DI点数量为", "DO点数超出限制！\r\nCPU241允许的最大DO点数量为",
      "AI点数超出限制！\r\nCPU241允许的最大AI点数为", "AO点数超出限制！\r\nCPU241允许的最大AO点数为"}},
    {{2, 3, 33, 34, 35, 36, 37}, 7,
     {"DI点数超出限制！\r\nCPU243允许的最大DI点数量为", "DO点数超出限制！\r\nCPU243允许的最大DO点数量为",
      "AI点数超出限制！\r\nCPU243允许的最大AI点数为", "AO点数超出限制！\r\nCPU243允许的最大AO点数为"}},
    {{4, 5}, 2,
     {"DI点数超出限制！\r\nCPU245允许的最大DI点数量为", "DO点数超出限制！\r\nCPU245允许的最大DO点数量为",
      "AI点数超出限制！\r\nCPU245允许的最大AI点数为", "AO点数超出限制！\r\nCPU245允许的最大AO点数为"}},
};

const LimitTexts* LimitTextsOf(uint8_t cpuCode) {
    for (const LimitTexts& row : LimitTextRows)
        for (int i = 0; i < row.codeCount; ++i)
            if (row.codes[i] == cpuCode)
                return &row;
    return nullptr;
}

int PointCount(const CQLX_R2_PLC& module, ModuleArea area) {
    switch (area) {
    case ModuleAreaI: return module.diCount;
    case ModuleAreaQ: return module.doCount;
    case ModuleAreaAI: return module.aiCount;
    default: return module.aoCount;
    }
}

int PointLimit(const CpuSettings& settings, ModuleArea area) {
    const int limits[ModuleAreaCount] = {settings.diLimit, settings.doLimit, settings.aiLimit, settings.aoLimit};
    return limits[area];
}

struct AddressTexts {
    const char* range;
    const char* evenStart;   // null: any start
    const char* overlap;
};

const AddressTexts AddressTextRows[ModuleAreaCount] = {
    {"的I区地址超出允许范围！", nullptr, "的I区地址重叠！"},
    {"的Q区地址超出允许范围！", nullptr, "的Q区地址重叠！"},
    {"的AI区地址超出允许范围！", "的AI区起始地址必须为偶数！", "的AI区地址重叠！"},
    {"的AQ区地址超出允许范围！", "的AO区起始地址必须为偶数！", "的AQ区地址重叠！"},
};

ConfigCheckFailure AddressFailure(int slot, ModuleArea area, const char* text) {
    CString message;
    message.Format("模块%d%s", slot, text);
    const int column = area == ModuleAreaI || area == ModuleAreaAI ? 1 : 2;
    return {message, ErrorCaption, MB_ICONSTOP, slot, column, slot};
}

// Which bytes of one area the modules checked so far own.
class AreaOccupancy {
public:
    AreaOccupancy(int cpuClass, ModuleArea area)
        : area_(area), spec_(MemAreaTable::Get(cpuClass, AreaField(area).memArea)), used_(spec_.size, false) {}

    ConfigCheckResult Take(const CQLX_R2_PLC& module, int slot) {
        if (spec_.size == 0 || !OwnsArea(module, area_))
            return std::nullopt;
        const int start = module.*AreaField(area_).start;
        const int end = module.*AreaField(area_).end;
        const AddressTexts& texts = AddressTextRows[area_];
        if (end > spec_.high)
            return AddressFailure(slot, area_, texts.range);
        if (texts.evenStart != nullptr && start % 2 != 0)
            return AddressFailure(slot, area_, texts.evenStart);
        for (int byte = start; byte <= end; ++byte) {
            if (used_[byte])
                return AddressFailure(slot, area_, texts.overlap);
            used_[byte] = true;
        }
        return std::nullopt;
    }

private:
    ModuleArea area_;
    const MemAreaSpec& spec_;
    std::vector<bool> used_;
};

}  // namespace

ConfigCheckResult CheckEmptySlots(const CObArray& modules) {
    for (INT_PTR position = 0; position < modules.GetSize(); ++position) {
        if (ModuleAt(modules, position) == nullptr) {
            const int slot = static_cast<int>(position) + 1;
            return ConfigCheckFailure{"在硬件配置中两个PLC模块之间不允许有空位置！", ErrorCaption, MB_ICONSTOP, slot, 1, slot};
        }
    }
    return std::nullopt;
}

ConfigCheckResult CheckPointLimits(const CObArray& modules) {
    if (modules.GetSize() == 0 || ModuleAt(modules, 0) == nullptr)
        return std::nullopt;
    const uint8_t cpuCode = ModuleAt(modules, 0)->typeCode;
    const CpuSettings* settings = CpuSettingsTable::Find(cpuCode);
    const LimitTexts* texts = LimitTextsOf(cpuCode);
    if (settings == nullptr || texts == nullptr)
        return std::nullopt;
    for (int area = 0; area < ModuleAreaCount; ++area) {
        int total = 0;
        for (INT_PTR position = 0; position < modules.GetSize(); ++position) {
            const CQLX_R2_PLC* module = ModuleAt(modules, position);
            if (module != nullptr && OwnsArea(*module, ModuleArea(area)))
                total += PointCount(*module, ModuleArea(area));
        }
        const int limit = PointLimit(*settings, ModuleArea(area));
        if (total > limit) {
            CString message;
            message.Format("%s%d点！", texts->texts[area], limit);
            return ConfigCheckFailure{message, NoticeCaption, MB_ICONINFORMATION, 0, 0, 0};
        }
    }
    return std::nullopt;
}

ConfigCheckResult CheckModuleAddresses(const CObArray& modules, int cpuClass) {
    if (cpuClass < 0 || cpuClass >= MemAreaTable::ClassCount)
        return std::nullopt;
    std::vector<AreaOccupancy> areas;
    for (int area = 0; area < ModuleAreaCount; ++area)
        areas.emplace_back(cpuClass, ModuleArea(area));
    for (INT_PTR position = 0; position < modules.GetSize(); ++position) {
        const CQLX_R2_PLC* module = ModuleAt(modules, position);
        if (module == nullptr)
            continue;
        for (AreaOccupancy& area : areas)
            if (ConfigCheckResult failure = area.Take(*module, static_cast<int>(position) + 1))
                return failure;
    }
    return std::nullopt;
}
