#include "project/CQLX_R2_PLC.h"

#include "hardware/ModuleCatalog.h"

#include <algorithm>

IMPLEMENT_SERIAL(CQLX_R2_PLC, CObject, 1)

namespace {

template <typename T>
void Exchange(CArchive& ar, T& value) {
    if (ar.IsStoring())
        ar << value;
    else
        ar >> value;
}

template <typename T, size_t N>
void ExchangeAll(CArchive& ar, T (&values)[N]) {
    for (T& value : values)
        Exchange(ar, value);
}

// The file keeps the data bits before the parity.
void ExchangePort(CArchive& ar, BYTE (&port)[PortSettingCount]) {
    for (PortSetting setting : {PortStation, PortBaud, PortDataBits, PortParity, PortStopBits})
        Exchange(ar, port[setting]);
}

}  // namespace

void CQLX_R2_PLC::InitFromSpec(const ModuleSpec& spec) {
    modelName = spec.modelName;
    typeCode = spec.typeCode;
    kindMask = spec.kind;
    description = spec.description;
    diCount = static_cast<WORD>(spec.diCount);
    doCount = static_cast<WORD>(spec.doCount);
    aiCount = static_cast<WORD>(spec.aiCount);
    aoCount = static_cast<WORD>(spec.aoCount);

    const int analogIn = std::min<int>(aiCount, MaxAnalogIn);
    std::fill(aiSettingsA, aiSettingsA + analogIn, 0);
    std::fill(aiSettingsB, aiSettingsB + analogIn, 0);
    const int analogOut = std::min<int>(aoCount, MaxAnalogOut);
    std::fill(aoSignalForms, aoSignalForms + analogOut, 0);
    std::fill(aoHoldOnStop, aoHoldOnStop + analogOut, 0);
    std::fill(&cpuOutputStopStates[0][0], &cpuOutputStopStates[0][0] + 16, 0);
    inputFilters[0] = inputFilters[1] = 1;
    const int holdGroups = std::min((doCount + 7) / 8, HoldGroupCount);
    std::fill(&outputHoldFlags[0][0], &outputHoldFlags[0][0] + holdGroups * 8, 0);
}

int CQLX_R2_PLC::StoredHoldGroups() const {
    const int groups = (doCount + 7) / 8;
    if (groups > HoldGroupCount)
        AfxThrowArchiveException(CArchiveException::badIndex);
    return groups;
}

void CQLX_R2_PLC::Serialize(CArchive& ar) {
    Exchange(ar, modelName);
    Exchange(ar, typeCode);
    Exchange(ar, kindMask);
    Exchange(ar, description);
    SerializeCpuPart(ar);
    SerializeChannels(ar);
}

void CQLX_R2_PLC::SerializeCpuPart(CArchive& ar) {
    ExchangePort(ar, port0);
    ExchangePort(ar, port1);
    Exchange(ar, cpuParamByte);
    for (RetainRange& range : retainRanges) {
        Exchange(ar, range.area);
        Exchange(ar, range.start);
        Exchange(ar, range.length);
    }
    Exchange(ar, cpuParamWord);
    for (auto& table : cpuParamTables)
        ExchangeAll(ar, table);
}

void CQLX_R2_PLC::SerializeChannels(CArchive& ar) {
    Exchange(ar, diCount);
    Exchange(ar, iStart);
    Exchange(ar, iEnd);
    for (auto& group : cpuOutputStopStates)
        ExchangeAll(ar, group);
    ExchangeAll(ar, inputFilters);

    Exchange(ar, doCount);
    Exchange(ar, qStart);
    Exchange(ar, qEnd);
    // When loading, the count just read decides how many groups follow.
    const int holdGroups = StoredHoldGroups();
    for (int group = 0; group < holdGroups; ++group)
        ExchangeAll(ar, outputHoldFlags[group]);

    Exchange(ar, aiCount);
    Exchange(ar, aiStart);
    Exchange(ar, aiEnd);
    for (int channel = 0; channel < MaxAnalogIn; ++channel) {
        Exchange(ar, aiSettingsA[channel]);
        Exchange(ar, aiSettingsB[channel]);
    }

    Exchange(ar, aoCount);
    Exchange(ar, aqStart);
    Exchange(ar, aqEnd);
    for (int channel = 0; channel < MaxAnalogOut; ++channel) {
        Exchange(ar, aoSignalForms[channel]);
        Exchange(ar, aoHoldOnStop[channel]);
        Exchange(ar, aoStopValues[channel]);
    }
}
