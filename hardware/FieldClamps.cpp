#include "hardware/FieldClamps.h"

#include "hardware/ModuleCatalog.h"
#include "project/SharedConstants.h"

#include <cctype>
#include <climits>
#include <iterator>

int ParseFieldNumber(const char* text) {
    if (text == nullptr)
        return 0;
    while (*text == ' ' || *text == '\t')
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    long long value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
        value = value * 10 + (*text - '0');
        if (value > INT_MAX) {
            value = static_cast<long long>(INT_MAX) + 1;
            break;
        }
    }
    if (negative)
        return value > INT_MAX ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

int ClampToRange(int value, const SpinRange& range) {
    if (value > range.high)
        value = range.high;
    if (value < range.low)
        value = range.low;
    return value;
}

SpinRange StartSpinRange(int cpuClass, ModuleArea area, int byteLength) {
    const MemAreaSpec& spec = MemAreaTable::Get(cpuClass, AreaField(area).memArea);
    const bool analog = area == ModuleAreaAI || area == ModuleAreaAQ;
    return {spec.low, spec.high - byteLength + 1, analog ? 2 : 1};
}

int ClampStartField(const char* text, const SpinRange& range) {
    return ClampToRange(ParseFieldNumber(text), range);
}

RetainAreaLimits RetainLimits(int cpuClass, int retainArea) {
    const MemAreaSpec& spec = MemAreaTable::Get(cpuClass, retainArea == 1 ? AreaC : AreaV);
    return {spec.low, spec.high, spec.size};
}

SpinRange RetainStartSpin(const RetainAreaLimits& limits) {
    return {limits.low, limits.high, 1};
}

SpinRange RetainLengthSpin(const RetainAreaLimits& limits, int start) {
    return {0, limits.size - start, 1};
}

int ClampRetainStart(int value, const RetainAreaLimits& limits) {
    if (value >= limits.high)
        return limits.high;
    return value <= 0 ? 0 : value;
}

bool RetainRangeFits(const RetainAreaLimits& limits, int start, int length) {
    return static_cast<long long>(start) + length - 1 <= limits.high;
}

CString RetainRangeMessage(int rangeNumber) {
    CString message;
    message.Format("%s %d %s", "保持区域", rangeNumber, "的配置超过该内存区的高限!");
    return message;
}

namespace {

const StopValueRange StopValueRanges[] = {
    {4000, 4000, 20000},
    {0, 0, 20000},
    {1000, 1000, 5000},
    {-10000, -10000, 10000},
};

}  // namespace

const StopValueRange& AoStopValueRange(int signalForm) {
    const bool known = signalForm >= 0 && signalForm < static_cast<int>(std::size(StopValueRanges));
    return StopValueRanges[known ? signalForm : 0];
}

int ClampStopValue(int value, int signalForm) {
    const StopValueRange& range = AoStopValueRange(signalForm);
    return ClampToRange(value, {range.low, range.high, 1});
}

AiTypeSlice AiTypesOf(DWORD kind) {
    switch (kind) {
    case KindAnalogInCurrentVoltage: return {0, static_cast<int>(std::size(AiSignalRanges)), AiSignalRanges};
    case KindAnalogInThermistor: return {4, static_cast<int>(std::size(NtcSensorNames)), NtcSensorNames};
    case KindAnalogInRtd: return {5, static_cast<int>(std::size(RtdSensorNames)), RtdSensorNames};
    case KindAnalogInThermocouple: return {7, static_cast<int>(std::size(TcSensorNames)), TcSensorNames};
    default: return {0, 0, nullptr};
    }
}

int AiTypeListPosition(DWORD kind, int storedCode) {
    const AiTypeSlice slice = AiTypesOf(kind);
    const int position = storedCode - slice.firstCode;
    return position >= 0 && position < slice.count ? position : -1;
}

BYTE AiTypeFromList(DWORD kind, int listPosition, BYTE storedCode) {
    const AiTypeSlice slice = AiTypesOf(kind);
    if (listPosition < 0 || listPosition >= slice.count)
        return storedCode;
    return static_cast<BYTE>(slice.firstCode + listPosition);
}
