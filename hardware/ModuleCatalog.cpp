#include "hardware/ModuleCatalog.h"

#include <cassert>

namespace {

const ModuleSpec Catalog[ModuleCatalog::RowCount] = {
    // CPU modules: their hardware codes are not in row order.
    {"R241-14AT", 31, KindCpu, 8, 6, 0, 0, "CPU241, AC220V供电, DI 8*DC24V, DO 6*DC24V", true},
    {"R241-14AR", 1, KindCpu, 8, 6, 0, 0, "CPU241, AC220V供电, DI 8*DC24V, DO 6*继电器", true},
    {"R241-14AX", 32, KindCpu, 8, 6, 0, 0, "CPU241, AC220V供电, DI 8*DC24V, DO 3*DC24V＋DO 3*继电器", true},
    {"R241Ex-14DT", 33, KindCpu, 8, 6, 0, 0, "CPU241Ex, DC24V供电, DI 8*DC24V, DO 6*DC24V", true},
    {"R241Ex-14AR", 34, KindCpu, 8, 6, 0, 0, "CPU241Ex, AC220V供电, DI 8*DC24V, DO 6*继电器", true},
    {"R243-24DT", 2, KindCpu, 14, 10, 0, 0, "CPU243, DC24V供电, DI 14*DC24V, DO 10*DC24V", true},
    {"R243-24DR", 35, KindCpu, 14, 10, 0, 0, "CPU243, DC24V供电, DI 14*DC24V, DO 10*继电器", true},
    {"R243-24AR", 3, KindCpu, 14, 10, 0, 0, "CPU243, AC220V供电, DI 14*DC24V, DO 10*继电器", true},
    {"R243Ex-24AT", 36, KindCpu, 14, 10, 0, 0, "CPU243Ex, AC220V供电, DI 14*DC24V, DO 10*DC24V", false},
    {"R243Ex-24AR", 37, KindCpu, 14, 10, 0, 0, "CPU243Ex, AC220V供电, DI 14*DC24V, DO 10*继电器", false},
    {"R245-40DT", 4, KindCpu, 24, 16, 0, 0, "CPU245, DC24V供电, DI 24*DC24V, DO 16*DC24V", false},
    {"R245-40AR", 5, KindCpu, 24, 16, 0, 0, "CPU245, AC220V供电, DI 24*DC24V, DO 16*继电器", false},
    // Digital expansion modules.
    {"R251-08DX", 6, KindDigitalInDc, 8, 0, 0, 0, "QM251, DI 8*DC24V", true},
    {"R251-08AX", 7, KindDigitalInAc, 8, 0, 0, 0, "QM251, DI 8*AC220V", false},
    {"R251-16DX", 8, KindDigitalInDc, 16, 0, 0, 0, "QM251, DI 16*DC24V", true},
    {"R252-08DT", 9, KindDigitalOutTransistor, 0, 8, 0, 0, "QM252, DO 8*DC24V", true},
    {"R252-16DT", 10, KindDigitalOutTransistor, 0, 16, 0, 0, "QM252, DO 16*DC24V", true},
    {"R252-08XR", 11, KindDigitalOutRelay, 0, 8, 0, 0, "QM252, DO 8*Relais", true},
    {"R252-16XR", 12, KindDigitalOutRelay, 0, 16, 0, 0, "QM252, DO 16*Relais", true},
    {"R253-08DTX", 13, KindDigitalInOutTransistor, 8, 8, 0, 0, "QM253, DIO 8*DC24V", true},
    {"R253-08DT", 14, KindDigitalInOutTransistor, 4, 4, 0, 0, "QM253, DI 4*DC24V, DO 4*DC24V", true},
    {"R253-08DR", 15, KindDigitalInOutRelay, 4, 4, 0, 0, "QM253, DI 4*DC24V, DO 4*Relais", true},
    {"R253-16DT", 16, KindDigitalInOutTransistor, 8, 8, 0, 0, "QM253, DI 8*DC24V, DO 8*DC24V", true},
    {"R253-16DR", 17, KindDigitalInOutRelay, 8, 8, 0, 0, "QM253, DI 8*DC24V, DO 8*Relais", true},
    // Analog expansion modules.
    {"R261-04IV", 18, KindAnalogInCurrentVoltage, 0, 0, 4, 0, "QM261, AI*4, 4-20mA/0-20mA/1-5V/±10V", true},
    {"R261-02IV", 19, KindAnalogInCurrentVoltage, 0, 0, 2, 0, "QM261, AI*2, 4-20mA/0-20mA/1-5V/±10V", false},
    {"R261-04TC", 20, KindAnalogInThermocouple, 0, 0, 4, 0, "QM261, AI*4, J型/K型热电偶，内/外补偿", true},
    {"R261-04RD", 21, KindAnalogInRtd, 0, 0, 4, 0, "QM261, AI*4, Pt100/Cu50, 两线制/三线制", true},
    {"R261-04NT", 22, KindAnalogInThermistor, 0, 0, 4, 0, "QM261, AI*4, NTC热敏电阻, 两线制", true},
    {"R262-02IV", 23, KindAnalogOut, 0, 0, 0, 2, "QM262, AO*2, 4-20mA/0-20mA/1-5V/±10V", true},
    {"R263-05IV", 24, KindAnalogInOut, 0, 0, 4, 1, "QM263, AI*4, AO*1, 4-20mA/0-20mA/1-5V/±10V", false},
};

}  // namespace

const ModuleSpec& ModuleCatalog::Row(int row) {
    assert(row >= 0 && row < RowCount);
    return Catalog[row];
}

const ModuleSpec* ModuleCatalog::FindByCode(uint8_t typeCode) {
    for (const ModuleSpec& spec : Catalog)
        if (spec.typeCode == typeCode)
            return &spec;
    return nullptr;
}
