#include "comm/PlcInfoContent.h"

#include "hardware/ModuleCatalog.h"

#include <algorithm>

namespace {

constexpr uint32_t kFirmwareBytes = 3;
constexpr uint32_t kModuleCountByte = 4;
constexpr uint32_t kFirstModuleByte = 5;

}  // namespace

CString CpuTypeText(int hardwareCode) {
    switch (hardwareCode) {
    case 0: case 1: case 31: case 32: return " CPU241";
    case 33: case 34: return " CPU241Ex";
    case 2: case 3: case 35: return " CPU243";
    case 36: case 37: return " CPU243Ex";
    case 4: case 5: return " CPU245";
    default: return " 通讯错误，未知类型";
    }
}

PlcInfoContent DescribePlcInfo(int runState, const uint8_t* data, uint32_t count) {
    PlcInfoContent content;
    content.running = runState != 0;
    content.stateText = content.running ? " 运 行" : " 停 止";
    if (count >= kFirmwareBytes)
        content.firmware.Format(" %d.%d.%d", data[0], data[1], data[2]);
    content.cpuType = CpuTypeText(count > kFirstModuleByte ? data[kFirstModuleByte] : -1);
    if (count <= kModuleCountByte)
        return content;
    const uint32_t pairsPresent = (count - kFirstModuleByte) / 2;
    const uint32_t listed = std::min<uint32_t>(data[kModuleCountByte], pairsPresent);
    for (uint32_t i = 0; i < listed; ++i) {
        const uint8_t code = data[kFirstModuleByte + 2 * i];
        const ModuleSpec* spec = ModuleCatalog::FindByCode(code);
        PlcModuleRow row;
        row.position.Format("%u", i + 1);
        row.model = spec ? spec->modelName : "";
        row.fault.Format("%d", data[kFirstModuleByte + 2 * i + 1]);
        content.modules.push_back(row);
    }
    return content;
}
