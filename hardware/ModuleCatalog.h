#pragma once
#include <cstdint>

// The one-bit kind of a module; module records store the same values.
enum ModuleKind : uint32_t {
    KindCpu = 0x0001,               // CPU with on-board digital inputs and outputs
    KindDigitalInAc = 0x0002,
    KindDigitalInDc = 0x0004,
    KindDigitalOutTransistor = 0x0008,
    KindDigitalOutRelay = 0x0010,
    KindDigitalInOutTransistor = 0x0020,
    KindDigitalInOutRelay = 0x0040,
    KindAnalogInCurrentVoltage = 0x0080,
    KindAnalogInThermocouple = 0x0100,
    KindAnalogInRtd = 0x0200,
    KindAnalogInThermistor = 0x0400,
    KindAnalogOut = 0x0800,
    KindAnalogInOut = 0x1000,
};

// Kind groups: the modules that own bytes of the I, Q, AI and AQ areas.
constexpr uint32_t KindGroupInputArea = 0x0067;
constexpr uint32_t KindGroupOutputArea = 0x0079;
constexpr uint32_t KindGroupAnalogInArea = 0x1780;
constexpr uint32_t KindGroupAnalogOutArea = 0x1800;

// One module model the system knows.
struct ModuleSpec {
    const char* modelName;    // at most 14 bytes
    uint8_t typeCode;         // the code by which the PLC identifies the module
    uint32_t kind;            // exactly one ModuleKind bit
    int32_t diCount;
    int32_t doCount;
    int32_t aiCount;
    int32_t aoCount;
    const char* description;  // GBK, at most 79 bytes
    bool listed;              // offered in the catalogue tree; unlisted models can still be loaded
};

// The static module catalogue: the CPU modules (rows 0-11), the digital modules
// (rows 12-23) and the analog modules (rows 24-30), in that order.
class ModuleCatalog {
public:
    static constexpr int RowCount = 31;
    static constexpr int FirstCpuRow = 0;
    static constexpr int FirstDigitalRow = 12;
    static constexpr int FirstAnalogRow = 24;

    // The record at a row (0 <= row < RowCount).
    static const ModuleSpec& Row(int row);
    // The first record in table order with this hardware code; null when none.
    static const ModuleSpec* FindByCode(uint8_t typeCode);
};
