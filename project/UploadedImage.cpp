#include "project/UploadedImage.h"

#include "comm/Crc16.h"
#include "comm/ReplyTimeouts.h"
#include "compiler/PouBlockHeader.h"
#include "compiler/SourceRebuilder.h"
#include "hardware/MemAreaTable.h"
#include "hardware/ModuleCatalog.h"
#include "project/CProjTreeNode.h"
#include "project/CQLXFunc.h"
#include "project/CQLXInitData.h"
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"
#include "project/FileUtils.h"
#include "project/LangMarker.h"
#include "project/SubroutineDescFile.h"

#include <vector>

namespace {

const int kSectionHeader = 6;
const int kMinDirectory = 18;  // header, five section lengths and the CRC slot
const int kCpuSectionMin = 143;

// A byte range of one section, read with bounds checks.
class SectionReader {
public:
    SectionReader(const std::vector<uint8_t>& bytes, int start, int length)
        : bytes(bytes), start(start), length(length) {}
    bool Has(int offset, int count) const { return offset >= 0 && count >= 0 && offset + count <= length; }
    uint8_t Byte(int offset) const { return bytes[start + offset]; }
    uint16_t Word(int offset) const { return GetLe16(&bytes[start + offset]); }
    uint32_t Dword(int offset) const { return GetLe32(&bytes[start + offset]); }
    const uint8_t* At(int offset) const { return &bytes[start + offset]; }
    SectionReader Part(int offset, int count) const { return SectionReader(bytes, start + offset, count); }

private:
    const std::vector<uint8_t>& bytes;
    int start;
    int length;
};

bool ReadModuleRanges(CQLX_R2_PLC& module, const SectionReader& entry) {
    switch (module.kindMask) {
    case KindCpu: case KindDigitalInOutTransistor: case KindDigitalInOutRelay:
        module.iStart = entry.Byte(2), module.iEnd = entry.Byte(3);
        module.qStart = entry.Byte(4), module.qEnd = entry.Byte(5);
        return true;
    case KindDigitalInAc: case KindDigitalInDc:
        module.iStart = entry.Byte(2), module.iEnd = entry.Byte(3);
        return true;
    case KindDigitalOutTransistor: case KindDigitalOutRelay:
        module.qStart = entry.Byte(4), module.qEnd = entry.Byte(5);
        return true;
    case KindAnalogInCurrentVoltage: case KindAnalogInThermocouple: case KindAnalogInRtd:
    case KindAnalogInThermistor:
        module.aiStart = entry.Byte(2), module.aiEnd = entry.Byte(3);
        return true;
    case KindAnalogOut:
        module.aqStart = entry.Byte(4), module.aqEnd = entry.Byte(5);
        return true;
    default:
        return false;
    }
}

bool RestoreModules(CQLXProject& project, const SectionReader& section) {
    if (!section.Has(6, 1)) return false;
    const int count = section.Byte(6);
    if (count == 0 || !section.Has(7, 6 * count)) return false;
    for (int i = 0; i < count; ++i) {
        const int at = 7 + 6 * i;
        auto* module = new CQLX_R2_PLC;
        module->typeCode = section.Byte(at);
        if (const ModuleSpec* spec = ModuleCatalog::FindByCode(module->typeCode)) module->InitFromSpec(*spec);
        if (!ReadModuleRanges(*module, section.Part(at, 6))) {
            delete module;
            return false;
        }
        project.modules.Add(module);
    }
    return true;
}

void SetCpuClass(CQLXProject& project) {
    const BYTE code = static_cast<CQLX_R2_PLC*>(project.modules[0])->typeCode;
    if (code == 1 || code == 31 || code == 32) {
        project.cpuClass = 0, project.forceCellCount = 5970, g_ReplyTimeout = 8000, g_LinkTestTimeout = 600;
    } else if (code == 4 || code == 5) {
        project.cpuClass = 2, project.forceCellCount = 9290, g_ReplyTimeout = 2000, g_LinkTestTimeout = 300;
    } else {
        project.cpuClass = 1, project.forceCellCount = 5970, g_ReplyTimeout = 2000, g_LinkTestTimeout = 300;
    }
    project.AllocateForceImages(project.forceCellCount);
}

void DecodeAnalogInput(BYTE value, BYTE& a, BYTE& b) {
    a = value / 16;
    b = value % 16;
    if (a == 7 && (b & 8)) a = 8, b &= 7;
    else if (a == 8 && (b & 8)) a = 10, b &= 7;
    else if (a == 8) a = 9;
}

bool RestoreModuleSettings(CQLX_R2_PLC& module, const SectionReader& cpu) {
    if (module.kindMask & (KindCpu | KindDigitalOutTransistor | KindDigitalOutRelay |
                           KindDigitalInOutTransistor | KindDigitalInOutRelay)) {
        const int groups = (module.doCount + 7) / 8;
        for (int g = 0; g < groups; ++g) {
            if (g >= CQLX_R2_PLC::HoldGroupCount || !cpu.Has(57 + module.qStart + g, 1)) return false;
            const BYTE flags = cpu.Byte(57 + module.qStart + g);
            for (int bit = 0; bit < 8; ++bit) module.outputHoldFlags[g][bit] = (flags >> bit) & 1;
        }
    }
    if (module.kindMask & (KindAnalogInCurrentVoltage | KindAnalogInThermocouple | KindAnalogInRtd |
                           KindAnalogInThermistor)) {
        for (int n = 0; n < module.aiCount; ++n) {
            const int at = 91 + module.aiStart / 2 + n;
            if (n >= CQLX_R2_PLC::MaxAnalogIn || !cpu.Has(at, 1)) return false;
            DecodeAnalogInput(cpu.Byte(at), module.aiSettingsA[n], module.aiSettingsB[n]);
        }
    }
    if (module.kindMask & KindAnalogOut) {
        for (int n = 0; n < module.aoCount; ++n) {
            const int a = module.aqStart / 2 + n;
            if (n >= CQLX_R2_PLC::MaxAnalogOut || !cpu.Has(143 + 3 * a, 3)) return false;
            const BYTE form = cpu.Byte(143 + 3 * a);
            module.aoSignalForms[n] = form / 16;
            module.aoHoldOnStop[n] = (form >> 3) & 1;
            module.aoStopValues[n] = static_cast<int16_t>(cpu.Word(144 + 3 * a));  // -10000 for ±10 V
        }
    }
    return true;
}

bool RestoreCpuSettings(CQLXProject& project, const SectionReader& cpu) {
    if (!cpu.Has(0, kCpuSectionMin)) return false;
    auto* cpuModule = static_cast<CQLX_R2_PLC*>(project.modules[0]);
    for (int j = 0; j < 4; ++j) {
        RetainRange& range = cpuModule->retainRanges[j];
        range.area = cpu.Byte(7 + 6 * j);
        const int area = range.area == 0 ? AreaV : AreaC;
        range.start = static_cast<WORD>(cpu.Word(8 + 6 * j) - MemAreaTable::Get(project.cpuClass, area).base);
        range.length = cpu.Word(10 + 6 * j);
    }
    // The image keeps a port's settings as station, baud rate, data bits, parity, stop bits.
    const PortSetting order[] = {PortStation, PortBaud, PortDataBits, PortParity, PortStopBits};
    for (int k = 0; k < PortSettingCount; ++k) {
        cpuModule->port0[order[k]] = cpu.Byte(133 + k);
        cpuModule->port1[order[k]] = cpu.Byte(138 + k);
    }
    for (int i = 0; i < project.modules.GetSize(); ++i)
        if (!RestoreModuleSettings(*static_cast<CQLX_R2_PLC*>(project.modules[i]), cpu)) return false;
    return true;
}

bool FillInitDataRow(CQLXProject& project, CQLXInitData& row, const SectionReader& section, int p,
                     int byteCount, BYTE typeCode) {
    struct RowType {
        BYTE code;
        DWORD typeFlags;
        int width;
    } types[] = {{1, 0x02, 1}, {2, 0x10, 2}, {3, 0x20, 4}, {4, 0x40, 4}};
    const WORD code = section.Word(p);
    for (const RowType& type : types) {
        if (type.code != typeCode) continue;
        row.typeFlags = type.typeFlags;
        row.values.Add(code);
        row.texts.Add(project.AddressCodeToText(code, type.typeFlags));
        for (int v = 0; v + type.width <= byteCount; v += type.width) {
            const int at = p + 3 + v;
            DWORD value = type.width == 1 ? section.Byte(at) : type.width == 2 ? section.Word(at) : section.Dword(at);
            CString text;
            if (typeCode == 1) text.Format("B#%u", static_cast<unsigned>(value));
            if (typeCode == 2) text.Format("%d", static_cast<int>(value));
            if (typeCode == 3) text.Format("DI#%d", static_cast<int>(value));
            if (typeCode == 4) text.Format("%f", static_cast<double>(BitsToReal(value)));
            row.values.Add(value);
            row.texts.Add(text);
        }
    }
    return true;
}

bool RestoreInitData(CQLXProject& project, const SectionReader& section) {
    if (!section.Has(0, 2)) return false;
    const int length = section.Word(0);
    if (!section.Has(0, length)) return false;
    for (int p = 8; p < length;) {
        if (p + 3 > length) return false;
        const int byteCount = section.Byte(p + 2);
        if (p + 3 + byteCount + 1 > length) return false;
        auto* row = new CQLXInitData;
        FillInitDataRow(project, *row, section, p, byteCount, section.Byte(p + 3 + byteCount));
        project.initDataRows.Add(row);
        p += byteCount + 4;
    }
    return true;
}

CString NodeLabel(const char* prefix, int number, const CString& name) {
    CString label;
    label.Format("%s%02d%s%s", prefix, number, ")  ", (LPCTSTR)name);
    return label;
}

}  // namespace

BOOL ReadUploadedImageLayout(const uint8_t* data, int size, UploadedImageLayout& layout) {
    if (!data || size < 2) return FALSE;
    const int d = GetLe16(data);
    if (d < kMinDirectory || d >= size) return FALSE;
    layout.directoryLength = d;
    layout.storedCrc = GetLe16(data + d - 2);
    const int lengths[4] = {GetLe16(data + 6), GetLe16(data + 8), GetLe16(data + 10), GetLe16(data + 12)};
    int start = d;
    int* starts[4] = {&layout.moduleStart, &layout.cpuStart, &layout.programStart, &layout.initDataStart};
    int* sizes[4] = {&layout.moduleLength, &layout.cpuLength, &layout.programLength, &layout.initDataLength};
    for (int i = 0; i < 4; ++i) {
        if (lengths[i] < kSectionHeader || start + lengths[i] > size) return FALSE;
        *starts[i] = start;
        *sizes[i] = lengths[i];
        start += lengths[i];
    }
    return TRUE;
}

BOOL ParseUploadedImage(CQLXProject& project) {
    const std::vector<uint8_t> bytes(project.transferBytes.GetData(),
                                     project.transferBytes.GetData() + project.transferBytes.GetSize());
    UploadedImageLayout layout;
    if (!ReadUploadedImageLayout(bytes.data(), static_cast<int>(bytes.size()), layout)) return FALSE;
    const uint32_t checked = static_cast<uint32_t>(layout.moduleLength + layout.cpuLength +
                                                   layout.programLength + layout.initDataLength);
    if (Crc16(&bytes[layout.directoryLength], checked) != layout.storedCrc) {
        AfxShowMessageBox(nullptr, "该文件CRC校验错误！请重新尝试上载操作。", "错误",
                          MB_ICONSTOP | MB_TASKMODAL);
        return FALSE;
    }
    if (!RestoreModules(project, SectionReader(bytes, layout.moduleStart, layout.moduleLength))) return FALSE;
    SetCpuClass(project);
    if (!RestoreCpuSettings(project, SectionReader(bytes, layout.cpuStart, layout.cpuLength))) return FALSE;

    const SectionReader program(bytes, layout.programStart, layout.programLength);
    const int programLength = program.Word(0);
    if (programLength < kSectionHeader || !program.Has(0, programLength)) return FALSE;
    RestorePous(project, program.At(kSectionHeader), programLength - kSectionHeader);

    return RestoreInitData(project, SectionReader(bytes, layout.initDataStart, layout.initDataLength)) ? TRUE
                                                                                                     : FALSE;
}

BOOL RestorePous(CQLXProject& project, const uint8_t* program, int length) {
    CStringArray names;
    CSourceRebuilder rebuilder(project.cpuClass);
    rebuilder.Rebuild(program, length, 10, project.folder + "\\", names);
    for (int i = 0; i < names.GetSize(); ++i) {
        const CString& listName = names[i];
        if (listName == "MAIN") {
            project.hasMain = 1;
            CProjTreeNode& main = project.mainPou;
            main.kind = PouMain;
            main.name = "MAIN";
            main.label = "(MAIN)  " + main.name;
            main.language = ReadLangMarker(project.folder + "\\MAIN_MAIN.ilp") == 2 ? 2 : 1;
            main.scratchText.Empty();
            main.author.Empty();
            continue;
        }
        const bool interrupt = listName.Left(3) == "INT";
        if (!interrupt && listName.Left(3) != "SBR") continue;
        const int number = atoi(listName.Right(2));
        auto* node = new CProjTreeNode(interrupt ? PouInterrupt : PouSubroutine, 1, static_cast<WORD>(number));
        node->name.Format(interrupt ? "INT_%d" : "SBR_%d", number);
        node->label = NodeLabel(interrupt ? "(INT" : "(SBR", number, node->name);
        if (ReadLangMarker(project.folder + "\\" + listName + "_" + node->name + ".ilp") == 2) node->language = 2;
        if (interrupt) {
            CString upper = node->name;
            upper.MakeUpper();
            project.intByName.SetAt(node->name, node);
            project.intByNumber.SetAt(static_cast<WORD>(number), node);
            project.intByUpperName.SetAt(upper, node);
        } else {
            project.sbrByName.SetAt(node->name, node);
            RestoreSubroutineDesc(project, *node);
        }
    }
    return TRUE;
}

void RestoreSubroutineDesc(CQLXProject& project, const CProjTreeNode& node) {
    CString fileName;
    fileName.Format("SBR%02d_%s.ilv", static_cast<int>(node.number), static_cast<LPCSTR>(node.name));
    project.AddSubroutineDesc(ReadSubroutineDesc(JoinPath(project.folder, fileName), node.name, node.number));
}
