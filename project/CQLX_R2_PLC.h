#pragma once

#include "platform/Afx.h"

struct ModuleSpec;

// Positions in a CPU port's five setting bytes. Except for the station address they
// are indexes into the option lists of SharedConstants.h.
enum PortSetting { PortStation, PortBaud, PortParity, PortDataBits, PortStopBits, PortSettingCount };

// One retentive range of the CPU.
struct RetainRange {
    BYTE area;     // index into RetainAreaNames
    WORD start;
    WORD length;
};

// One slot of the hardware configuration: the CPU or an expansion module, with its
// identity from the module catalogue, its address ranges and its settings.
class CQLX_R2_PLC : public CObject {
    DECLARE_SERIAL(CQLX_R2_PLC)
public:
    static constexpr int HoldGroupCount = 4;   // groups of 8 output channels
    static constexpr int MaxAnalogIn = 4;
    static constexpr int MaxAnalogOut = 2;

    CQLX_R2_PLC() = default;
    // Takes identity and channel counts from a catalogue row and clears the settings
    // of the channels the module has.
    void InitFromSpec(const ModuleSpec& spec);
    // Throws the archive's exception for a record with more outputs than it can hold.
    void Serialize(CArchive& ar) override;

    CString modelName;
    BYTE typeCode = 255;   // 255: no module
    DWORD kindMask = 0;    // one ModuleKind bit
    CString description;
    BYTE port0[PortSettingCount] = {1, 2, 0, 1, 0};
    BYTE port1[PortSettingCount] = {1, 2, 0, 1, 0};
    BYTE cpuParamByte = 10;
    RetainRange retainRanges[4] = {{0, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}};
    DWORD cpuParamWord = 0;
    BYTE cpuParamTables[3][8] = {};
    WORD diCount = 0;
    BYTE iStart = 0, iEnd = 0;
    DWORD cpuOutputStopStates[2][8] = {};   // one word per CPU output
    BYTE inputFilters[2] = {1, 1};          // indexes into InputFilterTimes
    WORD doCount = 0;
    BYTE qStart = 0, qEnd = 0;
    DWORD outputHoldFlags[HoldGroupCount][8] = {};   // one word per output channel
    WORD aiCount = 0;
    BYTE aiStart = 0, aiEnd = 0;
    BYTE aiSettingsA[MaxAnalogIn] = {};   // input type code per channel
    BYTE aiSettingsB[MaxAnalogIn] = {};
    WORD aoCount = 0;
    BYTE aqStart = 0, aqEnd = 0;
    BYTE aoSignalForms[MaxAnalogOut] = {};
    DWORD aoHoldOnStop[MaxAnalogOut] = {};
    LONG aoStopValues[MaxAnalogOut] = {};

private:
    // Number of output-hold groups the record stores for its doCount.
    int StoredHoldGroups() const;
    void SerializeCpuPart(CArchive& ar);
    void SerializeChannels(CArchive& ar);
};
