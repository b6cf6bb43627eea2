#include "project/CQLXProject.h"

#include "comm/Crc16.h"
#include "hardware/MemAreaTable.h"
#include "hardware/ModuleCatalog.h"
#include "language/OperandDescriptor.h"
#include "project/CQLXInitData.h"
#include "project/CQLX_R2_PLC.h"

#include <new>
#include <vector>

// The target image: six sections, each with a 6-byte header (its 16-bit length, its
// type, 6, its type again, 0). Every length field is 16 bits, so a section or a CRC
// total that does not fit fails the build instead of being cut. Positions that come
// from module fields are checked against their area of the CPU section.

namespace {

const int HeaderSize = 6;
const DWORD MaxSectionSize = 0xFFFF;

// CPU section layout.
const int CpuSectionSize = 143;
const int RetainRangeAt = 6;
const int CpuTableAt = 30;
const int OutputStopAt = 57;
const int OutputStopBytes = 32;
const int InputFilterAt = 89;
const int AnalogInAt = 91;
const int AnalogInBytes = 39;
const int CpuStopStatesAt = 130;
const int CpuParamByteAt = 132;
const int Port0At = 133;
const int Port1At = 138;
const int AnalogOutAt = 143;
const int AnalogOutEntrySize = 3;

const DWORD AnalogInKinds = KindAnalogInCurrentVoltage | KindAnalogInThermocouple | KindAnalogInRtd |
                            KindAnalogInThermistor | KindAnalogInOut;

void Put16(CByteArray& section, int at, DWORD value) {
    section[at] = static_cast<BYTE>(value);
    section[at + 1] = static_cast<BYTE>(value >> 8);
}

void Append16(CByteArray& section, DWORD value) {
    section.Add(static_cast<BYTE>(value));
    section.Add(static_cast<BYTE>(value >> 8));
}

void AppendBytes(CByteArray& section, std::initializer_list<BYTE> bytes) {
    for (BYTE byte : bytes)
        section.Add(byte);
}

// A zero-filled section of the size, header still to be written.
void StartSection(CByteArray& section, int size) {
    section.RemoveAll();
    section.SetSize(size);
}

BOOL FinishSection(CByteArray& section, BYTE type) {
    if (static_cast<DWORD>(section.GetSize()) > MaxSectionSize)
        return FALSE;
    Put16(section, 0, static_cast<DWORD>(section.GetSize()));
    section[2] = type;
    section[3] = HeaderSize;
    section[4] = type;
    section[5] = 0;
    return TRUE;
}

// The four range bytes of a module-table entry; FALSE for a kind without one.
BOOL ModuleRangeBytes(const CQLX_R2_PLC& module, BYTE (&range)[4]) {
    const BYTE none = 255;
    switch (module.kindMask) {
    case KindCpu:
    case KindDigitalInOutTransistor:
    case KindDigitalInOutRelay:
        range[0] = module.iStart, range[1] = module.iEnd, range[2] = module.qStart, range[3] = module.qEnd;
        return TRUE;
    case KindDigitalInAc:
    case KindDigitalInDc:
        range[0] = module.iStart, range[1] = module.iEnd, range[2] = none, range[3] = none;
        return TRUE;
    case KindDigitalOutTransistor:
    case KindDigitalOutRelay:
        range[0] = none, range[1] = none, range[2] = module.qStart, range[3] = module.qEnd;
        return TRUE;
    case KindAnalogInCurrentVoltage:
    case KindAnalogInThermocouple:
    case KindAnalogInRtd:
    case KindAnalogInThermistor:
        range[0] = module.aiStart, range[1] = module.aiEnd, range[2] = none, range[3] = none;
        return TRUE;
    case KindAnalogOut:
        range[0] = none, range[1] = none, range[2] = module.aqStart, range[3] = module.aqEnd;
        return TRUE;
    default:
        return FALSE;
    }
}

// Channels of the CPU section's analog output area for the CPU's type code.
int AnalogOutChannels(BYTE cpuTypeCode) {
    if (cpuTypeCode == 2 || cpuTypeCode == 3 || (cpuTypeCode >= 33 && cpuTypeCode <= 37))
        return 16;
    if (cpuTypeCode == 4 || cpuTypeCode == 5)
        return 32;
    return 0;
}

// Bit n set when word n of the eight is not 0.
BYTE PackFlags(const DWORD (&words)[8]) {
    BYTE packed = 0;
    for (int n = 0; n < 8; ++n)
        if (words[n] != 0)
            packed |= static_cast<BYTE>(1u << n);
    return packed;
}

// The channel byte of an analog input: input type in the high nibble, the second setting
// in the low one; thermocouple types 7 to 10 have codes of their own.
BYTE AnalogInChannelByte(const CQLX_R2_PLC& module, int n) {
    const BYTE type = module.aiSettingsA[n];
    const BYTE setting = module.aiSettingsB[n];
    if (module.kindMask == KindAnalogInThermocouple) {
        switch (type) {
        case 7: return static_cast<BYTE>(0x70 + setting);
        case 8: return static_cast<BYTE>(0x70 + (setting | 8));
        case 9: return static_cast<BYTE>(0x80 + setting);
        case 10: return static_cast<BYTE>(0x80 + (setting | 8));
        default: break;
        }
    }
    return static_cast<BYTE>(type * 16 + setting);
}

void PutPort(CByteArray& section, int at, const BYTE (&port)[PortSettingCount]) {
    int offset = at;
    for (PortSetting setting : {PortStation, PortBaud, PortDataBits, PortParity, PortStopBits})
        section[offset++] = port[setting];
}

struct InitDataLayout {
    int width;
    BYTE typeCode;
};

// Width and type code of an initial-data row by its type bits; FALSE for another type.
BOOL InitDataLayoutOf(DWORD typeFlags, InitDataLayout& layout) {
    if (typeFlags & OD_BYTE)
        layout = {1, 1};
    else if (typeFlags & (OD_WORD | OD_INT))
        layout = {2, 2};
    else if (typeFlags & (OD_DWORD | OD_DINT))
        layout = {4, 3};
    else if (typeFlags & OD_REAL)
        layout = {4, 4};
    else
        return FALSE;
    return TRUE;
}

void ShowProgramFileError(int cause) {
    const bool missing = cause == CFileException::fileNotFound || cause == CFileException::badPath ||
                         cause == CFileException::invalidFile || cause == CFileException::directoryFull;
    if (missing)
        AfxShowMessageBox(nullptr, "编译文件不存在！\r\n请重试编译操作，若错误仍然存在，请与我公司联系。", "错误",
                          MB_ICONSTOP | MB_TASKMODAL);
    else
        AfxShowMessageBox(nullptr, "无法访问编译文件！\r\n请重启计算机后再尝试编译。", "系统错误",
                          MB_ICONSTOP | MB_TASKMODAL);
}

}  // namespace

BOOL CQLXProject::BuildTargetImage() {
    if (modules.GetSize() == 0)
        return FALSE;
    if (!BuildModuleSection() || !BuildCpuSection() || !BuildProgramSection() || !BuildInitDataSection() ||
        !BuildMonitorSection() || !BuildDirectorySection())
        return FALSE;
    // The CRC covers sections 4 to 7 in one run whose length must fit 16 bits.
    const DWORD covered = static_cast<DWORD>(imageSection4.GetSize() + imageSection5.GetSize() +
                                             imageSection6.GetSize() + imageSection7.GetSize());
    return covered <= MaxSectionSize;
}

BOOL CQLXProject::BuildModuleSection() {
    CByteArray& section = imageSection4;
    StartSection(section, HeaderSize);
    section.Add(static_cast<BYTE>(modules.GetSize()));
    for (INT_PTR i = 0; i < modules.GetSize(); ++i) {
        const CQLX_R2_PLC* module = static_cast<const CQLX_R2_PLC*>(modules[i]);
        BYTE range[4];
        if (module == nullptr || !ModuleRangeBytes(*module, range))
            return FALSE;
        AppendBytes(section, {module->typeCode, static_cast<BYTE>(i), range[0], range[1], range[2], range[3]});
    }
    return FinishSection(section, 4);
}

BOOL CQLXProject::BuildCpuSection() {
    const CQLX_R2_PLC* cpu = static_cast<const CQLX_R2_PLC*>(modules[0]);
    if (cpu == nullptr)
        return FALSE;
    const int analogOutChannels = AnalogOutChannels(cpu->typeCode);
    CByteArray& section = imageSection5;
    StartSection(section, CpuSectionSize + AnalogOutEntrySize * analogOutChannels);

    for (int j = 0; j < 4; ++j) {
        const RetainRange& range = cpu->retainRanges[j];
        const MemArea area = range.area == 0 ? AreaV : AreaC;
        const int at = RetainRangeAt + 6 * j;
        section[at] = static_cast<BYTE>(j);
        section[at + 1] = range.area;
        Put16(section, at + 2, MemAreaTable::Get(cpuClass, area).base + range.start);
        Put16(section, at + 4, range.length);
    }
    for (int k = 0; k < 3; ++k) {
        section[CpuTableAt + 9 * k] = static_cast<BYTE>(k);
        for (int b = 0; b < 8; ++b)
            section[CpuTableAt + 9 * k + 1 + b] = cpu->cpuParamTables[k][b];
    }
    for (INT_PTR i = 0; i < modules.GetSize(); ++i) {
        const CQLX_R2_PLC& module = *static_cast<const CQLX_R2_PLC*>(modules[i]);
        if (!(module.kindMask & KindGroupOutputArea))
            continue;
        const int groups = module.doCount > 8 ? 2 : 1;
        for (int g = 0; g < groups; ++g) {
            const int q = module.qStart + g;
            if (q >= OutputStopBytes)
                return FALSE;
            section[OutputStopAt + q] |= PackFlags(module.outputHoldFlags[g]);
        }
    }
    section[InputFilterAt] = cpu->inputFilters[0];
    section[InputFilterAt + 1] = cpu->inputFilters[1];
    for (INT_PTR i = 1; i < modules.GetSize(); ++i) {
        const CQLX_R2_PLC& module = *static_cast<const CQLX_R2_PLC*>(modules[i]);
        if (!(module.kindMask & AnalogInKinds))
            continue;
        for (int n = 0; n < module.aiCount; ++n) {
            const int channel = module.aiStart / 2 + n;
            if (n >= CQLX_R2_PLC::MaxAnalogIn || channel >= AnalogInBytes)
                return FALSE;
            section[AnalogInAt + channel] = AnalogInChannelByte(module, n);
        }
    }
    section[CpuStopStatesAt] = PackFlags(cpu->cpuOutputStopStates[0]);
    section[CpuStopStatesAt + 1] = PackFlags(cpu->cpuOutputStopStates[1]);
    section[CpuParamByteAt] = cpu->cpuParamByte;
    PutPort(section, Port0At, cpu->port0);
    PutPort(section, Port1At, cpu->port1);
    for (INT_PTR i = 1; analogOutChannels > 0 && i < modules.GetSize(); ++i) {
        const CQLX_R2_PLC& module = *static_cast<const CQLX_R2_PLC*>(modules[i]);
        if (!(module.kindMask & KindGroupAnalogOutArea))
            continue;
        for (int n = 0; n < module.aoCount; ++n) {
            const int a = module.aqStart / 2 + n;
            if (n >= CQLX_R2_PLC::MaxAnalogOut || a >= analogOutChannels)
                return FALSE;
            const int at = AnalogOutAt + AnalogOutEntrySize * a;
            section[at] = static_cast<BYTE>(module.aoSignalForms[n] * 16 + (module.aoHoldOnStop[n] != 0 ? 8 : 0));
            Put16(section, at + 1, static_cast<DWORD>(module.aoStopValues[n]));
        }
    }
    return FinishSection(section, 5);
}

BOOL CQLXProject::BuildProgramSection() {
    CByteArray& section = imageSection6;
    StartSection(section, HeaderSize);
    CFile program;
    CFileException error;
    if (!program.Open(folder + "\\" + name + ".epl", CFile::modeRead | CFile::shareDenyWrite, &error)) {
        ShowProgramFileError(error.m_cause);
        return FALSE;
    }
    try {
        const DWORD length = program.GetLength();
        if (length > MaxSectionSize - HeaderSize)
            return FALSE;
        section.SetSize(HeaderSize + length);
        if (length > 0 && program.Read(section.GetData() + HeaderSize, length) != length)
            return FALSE;
    } catch (CFileException* e) {
        ShowProgramFileError(e->m_cause);
        e->Delete();
        return FALSE;
    }
    return FinishSection(section, 6);
}

BOOL CQLXProject::BuildInitDataSection() {
    CByteArray& section = imageSection7;
    StartSection(section, HeaderSize + 2);
    for (INT_PTR i = 0; i < initDataRows.GetSize(); ++i) {
        const CQLXInitData* row = static_cast<const CQLXInitData*>(initDataRows[i]);
        if (row == nullptr || row->texts.GetSize() <= 1)
            continue;
        InitDataLayout layout;
        const INT_PTR count = row->texts.GetSize() - 1;
        if (!InitDataLayoutOf(row->typeFlags, layout) || row->values.GetSize() <= count ||
            count * layout.width > 255)
            return FALSE;
        Append16(section, row->values[0]);
        section.Add(static_cast<BYTE>(count * layout.width));
        for (INT_PTR v = 1; v <= count; ++v)
            for (int b = 0; b < layout.width; ++b)
                section.Add(static_cast<BYTE>(row->values[v] >> (8 * b)));
        section.Add(layout.typeCode);
    }
    if (!FinishSection(section, 7))
        return FALSE;
    Put16(section, HeaderSize, static_cast<DWORD>(section.GetSize() - HeaderSize));
    return TRUE;
}

BOOL CQLXProject::BuildMonitorSection() {
    BuildMonitorLists();
    const CWordArray* lists[] = {&monitorByteCodes, &monitorWordCodes, &monitorTimerCounterCodes,
                                 &monitorDwordCodes};
    CByteArray& section = imageSection8;
    StartSection(section, HeaderSize);
    DWORD count = 0;
    DWORD dataSize = 0;
    for (int kind = 0; kind < 4; ++kind) {
        count += static_cast<DWORD>(lists[kind]->GetSize());
        dataSize += static_cast<DWORD>(lists[kind]->GetSize()) * (kind + 1);
    }
    Append16(section, count);
    for (const CWordArray* list : lists)
        for (INT_PTR i = 0; i < list->GetSize(); ++i)
            Append16(section, (*list)[i]);
    Append16(section, dataSize);
    return count <= MaxSectionSize && dataSize <= MaxSectionSize && FinishSection(section, 8);
}

BOOL CQLXProject::BuildDirectorySection() {
    CByteArray& section = imageSection3;
    StartSection(section, HeaderSize);
    for (const CByteArray* described : {&imageSection4, &imageSection5, &imageSection6, &imageSection7, &imageSection8})
        Append16(section, static_cast<DWORD>(described->GetSize()));
    section.Add(static_cast<BYTE>(sbrFuncByNumber.GetCount() + intByNumber.GetCount() + 1));
    AppendBytes(section, {1, 0, 0, 0, 0});
    for (INT_PTR unit = 0; unit < sbrFuncByNumber.GetCount() + intByNumber.GetCount(); ++unit)
        AppendBytes(section, {2, 0, 0, 0, 0});
    AppendBytes(section, {0, 0});
    return FinishSection(section, 3);
}

WORD CQLXProject::ComputeProjectCrc() const {
    const CByteArray* covered[] = {&imageSection4, &imageSection5, &imageSection6, &imageSection7};
    DWORD total = 0;
    for (const CByteArray* section : covered)
        total += static_cast<DWORD>(section->GetSize());
    if (total > MaxSectionSize)
        return 0xFFFF;
    std::vector<uint8_t> buffer;
    try {
        buffer.reserve(total);
    } catch (const std::bad_alloc&) {
        return 0xFFFF;
    }
    for (const CByteArray* section : covered)
        buffer.insert(buffer.end(), section->GetData(), section->GetData() + section->GetSize());
    return Crc16(buffer.data(), total);
}

void CQLXProject::StoreProjectCrc(WORD crc) {
    projectCrc = crc;
    const INT_PTR size = imageSection3.GetSize();
    if (size < HeaderSize + 2)
        return;
    imageSection3[size - 2] = static_cast<BYTE>(crc);
    imageSection3[size - 1] = static_cast<BYTE>(crc >> 8);
}

BOOL CQLXProject::WriteTargetFile() const {
    CFile target;
    if (!target.Open(folder + "\\" + name + ".obj", CFile::modeCreate | CFile::modeWrite))
        return FALSE;
    try {
        for (const CByteArray* section : {&imageSection3, &imageSection4, &imageSection5, &imageSection6,
                                          &imageSection7, &imageSection8})
            if (section->GetSize() > 0)
                target.Write(section->GetData(), static_cast<UINT>(section->GetSize()));
        target.Close();
    } catch (CFileException* e) {
        e->Delete();
        target.Abort();
        return FALSE;
    }
    return TRUE;
}
