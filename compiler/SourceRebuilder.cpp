#include "compiler/SourceRebuilder.h"

#include "compiler/PouBlockHeader.h"
#include "language/CpuClassSource.h"
#include "language/OperandDescriptor.h"
#include "platform/MessageBox.h"
#include "project/AddressCodeText.h"

#include <windows.h>

#include <cstring>
#include <fstream>

namespace {

const uint16_t kOpcodeLdnInBracket = 0x02;

void Fail(const char* text) { AfxMessageBox(text); }

void FailNumbered(const char* format, int number) {
    CString text;
    text.Format(format, number);
    AfxMessageBox(text);
}

bool StartsWith(const CString& text, const char* prefix) {
    return strncmp(text, prefix, strlen(prefix)) == 0;
}

const char* TypeName(uint32_t typeBit) {
    switch (typeBit) {
    case OD_BOOL: return "BOOL";
    case OD_BYTE: return "BYTE";
    case OD_WORD: return "WORD";
    case OD_DWORD: return "DWORD";
    case OD_INT: return "INT";
    case OD_DINT: return "DINT";
    case OD_REAL: return "REAL";
    default: return "";
    }
}

const char* ParamNamePrefix(uint32_t typeBit) {
    switch (typeBit) {
    case OD_BOOL: return "bP";
    case OD_BYTE: return "byP";
    case OD_WORD: return "wP";
    case OD_DWORD: return "dwP";
    case OD_INT: return "iP";
    case OD_DINT: return "diP";
    case OD_REAL: return "fP";
    default: return "";
    }
}

// The last digits of the value in base 2, without leading zeros.
CString BinaryDigits(uint32_t value, int width) {
    CString digits;
    for (int bit = width - 1; bit >= 0; --bit)
        if (!digits.IsEmpty() || ((value >> bit) & 1)) digits += ((value >> bit) & 1) ? '1' : '0';
    return digits.IsEmpty() ? CString("0") : digits;
}

// Pads the first word and its blank to 8 characters.
CString PadFirstWord(const CString& line) {
    const int blank = line.Find(' ');
    if (blank < 0 || line.Find("(* Network") >= 0) return line;
    CString word = line.Left(blank + 1);
    while (word.GetLength() < 8) word += ' ';
    CString rest = line.Mid(blank + 1);
    rest.TrimLeft(' ');
    return word + rest;
}

// Whether the earlier slot takes what the later one takes, a WORD or DWORD memory slot
// standing in for an INT or DINT one.
bool CoversUpToSign(OperandDescriptor earlier, OperandDescriptor later) {
    const OperandDescriptor classBits = OD_CONSTANT | OD_MEMORY;
    const OperandDescriptor a = earlier & OD_TYPE_MASK, b = later & OD_TYPE_MASK;
    if ((earlier & classBits) != (later & classBits)) return false;
    if (a == b) return true;
    return (later & OD_MEMORY) && ((b == OD_INT && a == OD_WORD) || (b == OD_DINT && a == OD_DWORD));
}

bool IsSignedMemorySlot(OperandDescriptor slot) {
    const OperandDescriptor type = slot & OD_TYPE_MASK;
    return (slot & OD_MEMORY) && (type == OD_INT || type == OD_DINT);
}

bool HasSignedMemorySlot(const InstrSpec& spec) {
    for (int i = 0; i < spec.operandCount; ++i)
        if (IsSignedMemorySlot(spec.slots[i])) return true;
    return false;
}

// True when a bare address would compile to an earlier row of the same instruction: one
// that takes WORD or DWORD memory where this row takes INT or DINT memory (the WORD
// move, for one, comes before the INT move).
bool IsShadowedByUnsignedRow(int row) {
    const InstrSpec& spec = InstrSpecTable[row];
    if (!HasSignedMemorySlot(spec)) return false;
    for (int r = 0; r < row; ++r) {
        const InstrSpec& earlier = InstrSpecTable[r];
        if (!earlier.enabled || strcmp(earlier.mnemonic, spec.mnemonic) != 0 ||
            earlier.operandCount != spec.operandCount)
            continue;
        bool covers = true;
        for (int i = 0; i < spec.operandCount && covers; ++i)
            covers = CoversUpToSign(earlier.slots[i], spec.slots[i]);
        if (covers) return true;
    }
    return false;
}

}  // namespace

int FindInstrByOpcode(uint16_t opcode, InstrSpec& record) {
    for (int row = 0; row < INSTR_SPEC_COUNT; ++row) {
        if (InstrSpecTable[row].enabled && InstrSpecTable[row].opcode == opcode) {
            record = InstrSpecTable[row];
            return row;
        }
    }
    return -1;
}

int FindPidByOpcode(uint16_t opcode, PidSpec& record) {
    if (!PidInstruction.enabled || PidInstruction.opcode != opcode) return -1;
    record = PidInstruction;
    return 0;
}

float BitsToReal(uint32_t bits) {
    float value;
    memcpy(&value, &bits, sizeof value);
    return value;
}

BOOL CSourceRebuilder::Rebuild(const uint8_t* program, int programLength, int constantRadix,
                               const CString& outputFolder, CStringArray& names) {
    bytes.assign(program, program + (program && programLength > 0 ? programLength : 0));
    length = static_cast<int>(bytes.size());
    radix = constantRadix;
    folder = outputFolder;
    counter = -1;
    units.clear();
    knownCallees.clear();
    if (!ReadHeaders()) return FALSE;
    for (size_t i = 0; i < units.size(); ++i) {
        if (!DecodeUnit(units[i])) {
            FailNumbered("第%d个程序在生成指令文本时处理出错", static_cast<int>(i) + 1);
            return FALSE;
        }
    }
    for (size_t i = 0; i < units.size(); ++i) {
        if (!ResolveUnit(units[i])) {
            FailNumbered("第%d个程序在处理LABEL系列语句时出错", static_cast<int>(i) + 1);
            return FALSE;
        }
    }
    for (size_t i = 0; i < units.size(); ++i) {
        if (!WriteUnit(units[i])) {
            FailNumbered("第%d个程序在写入文件时出错", static_cast<int>(i) + 1);
            return FALSE;
        }
        names.Add(units[i].unitName);
    }
    return TRUE;
}

bool CSourceRebuilder::ReadHeaders() {
    for (int pos = 0, count = 1; pos < length; ++count) {
        const bool roomForHeader = pos + PouBlockHeader::kSize <= length &&
                                   static_cast<int>(units.size()) < kMaxUnits;
        const PouBlockHeader header =
            roomForHeader ? PouBlockHeader::Decode(&bytes[pos]) : PouBlockHeader();
        const bool valid =
            roomForHeader && header.length >= PouBlockHeader::kSize && pos + header.length <= length &&
            ((header.kind == PouBlockHeader::kMain && header.number == PouBlockHeader::kMainNumber) ||
             ((header.kind == PouBlockHeader::kSubroutine || header.kind == PouBlockHeader::kInterrupt) &&
              header.number <= 31));
        if (!valid) {
            if (count == 1)
                Fail("第一次头处理出错");
            else
                FailNumbered("第%d次头处理出错", count);
            return false;
        }
        Unit unit;
        if (header.kind == PouBlockHeader::kMain) {
            unit.unitName = "MAIN";
            unit.ilpName = "MAIN_MAIN.ilp";
            unit.ilvName = "MAIN_MAIN.ilv";
        } else {
            const char* prefix = header.kind == PouBlockHeader::kSubroutine ? "SBR" : "INT";
            unit.unitName.Format("%s%02d", prefix, header.number);
            unit.ilpName.Format("%s_%s_%d%s", (LPCTSTR)unit.unitName, prefix, header.number, ".ilp");
            unit.ilvName.Format("%s_%s_%d%s", (LPCTSTR)unit.unitName, prefix, header.number, ".ilv");
        }
        unit.markerLine.Format("(*%d*)", header.language == 2 ? 2 : 1);
        unit.blockStart = pos;
        unit.blockEnd = pos + header.length;
        units.push_back(unit);
        pos += header.length;
    }
    return true;
}

bool CSourceRebuilder::ReadBytes(int pos, int count, const Unit& unit) const {
    return pos >= 0 && count > 0 && pos + count <= unit.blockEnd;
}

bool CSourceRebuilder::AddToList(std::vector<int>& list, int line) const {
    if (static_cast<int>(list.size()) >= kMaxListEntries) {
        Fail("取数组时溢出");
        return false;
    }
    list.push_back(line);
    return true;
}

bool CSourceRebuilder::DecodeOperand(Unit& unit, uint32_t slot, int& pos, CString& text,
                                     bool& isNumber) {
    const uint32_t type = slot & OD_TYPE_MASK & ~(OD_POINTER | OD_ADDRESS);
    isNumber = false;
    if (slot & (OD_LABEL | OD_MEMORY) || (slot & OD_CONSTANT && type != OD_DWORD &&
                                          type != OD_DINT && type != OD_REAL)) {
        if (!ReadBytes(pos, 2, unit)) return false;
        const uint16_t value = GetLe16(&bytes[pos]);
        pos += 2;
        if (slot & OD_LABEL) {
            text.Format("%d", value);
            isNumber = true;
        } else if (slot & OD_MEMORY) {
            text = AddressCodeToText(cpuClass >= 0 ? cpuClass : CurrentCpuClass(), value, type);
        } else {
            text = ConstantText(type, type == OD_INT ? static_cast<uint32_t>(static_cast<int16_t>(value)) : value);
        }
        return !text.IsEmpty();
    }
    if (slot & OD_CONSTANT) {
        if (!ReadBytes(pos, 4, unit)) return false;
        text = ConstantText(type, GetLe32(&bytes[pos]));
        pos += 4;
        return !text.IsEmpty();
    }
    return false;  // pointer and address-of operands: no instruction of the table has them
}

CString CSourceRebuilder::ConstantText(uint32_t typeBit, uint32_t value) const {
    CString text;
    struct Form {
        uint32_t type;
        const char* prefix;
        int width;
        const char* decimal;
    } forms[] = {{OD_BYTE, "B#", 8, "B#%d"},   {OD_WORD, "W#", 16, "W#%d"},
                 {OD_DWORD, "DW#", 32, "DW#%u"}, {OD_INT, "I#", 16, "%d"},
                 {OD_DINT, "DI#", 32, "DI#%d"}};
    if (typeBit == OD_BOOL) return value ? "TRUE" : "FALSE";
    if (typeBit == OD_REAL) return RealText(BitsToReal(value));
    for (const Form& form : forms) {
        if (form.type != typeBit) continue;
        const uint32_t masked = form.width == 32 ? value : value & ((1u << form.width) - 1);
        const int32_t signedValue = typeBit == OD_INT ? static_cast<int16_t>(masked)
                                                      : static_cast<int32_t>(masked);
        if (radix == 2)
            text = CString(form.prefix) + "2#" + BinaryDigits(masked, form.width);
        else if (radix == 8)
            text.Format("%s8#%o", form.prefix, masked);
        else if (radix == 16)
            text.Format("%s16#%X", form.prefix, masked);
        else if (typeBit == OD_DWORD)
            text.Format(form.decimal, masked);
        else
            text.Format(form.decimal, signedValue);
        return text;
    }
    return text;
}

CString CSourceRebuilder::RealText(float value) {
    CString text;
    text.Format("%.6G", static_cast<double>(value));
    if (text.Find('.') < 0) {
        const int exponent = text.Find('E');
        if (exponent >= 0)
            text.Insert(exponent, ".0");
        else
            text += ".0";
    }
    return text;
}

bool CSourceRebuilder::DecodeUnit(Unit& unit) {
    bool blockOpen = false, hasParams = false;
    CallBlock block;
    for (int pos = unit.blockStart + PouBlockHeader::kSize; pos + 2 <= unit.blockEnd;) {
        const uint16_t opcode = GetLe16(&bytes[pos]);
        pos += 2;
        InstrSpec spec{};
        PidSpec pid{};
        const char* mnemonic = nullptr;
        int slotCount = 0;
        const OperandDescriptor* slots = nullptr;
        const int row = FindInstrByOpcode(opcode, spec);
        if (row >= 0) {
            // LDN inside a bracket has an opcode of its own; it must come back as LDN.
            mnemonic = opcode == kOpcodeLdnInBracket ? "__LDN" : spec.mnemonic;
            slotCount = spec.operandCount;
            slots = spec.slots;
        } else if (FindPidByOpcode(opcode, pid) >= 0) {
            mnemonic = pid.mnemonic;
            slotCount = pid.operandCount;
            slots = pid.slots;
        } else {
            return false;
        }
        CString line = CString(mnemonic) + " ";
        if (line == "AND( " || line == "OR( ") ++counter;
        CString operands;
        bool numbered = false;
        int number = 0;
        for (int i = 0; i < slotCount; ++i) {
            CString text;
            bool isNumber = false;
            if (!DecodeOperand(unit, slots[i], pos, text, isNumber)) return false;
            if (isNumber && !numbered) numbered = true, number = atoi(text);
            operands += (i ? ", " : "") + text;
        }
        line += operands;
        if (static_cast<int>(unit.lines.size()) >= kMaxLines) {
            Fail("取数组时溢出");
            return false;
        }
        const int index = static_cast<int>(unit.lines.size());
        if (numbered) {
            if (StartsWith(line, "LBL")) {
                if (number != counter + 2) Fail("error LBL");
                if (static_cast<int>(unit.labels.size()) >= kMaxListEntries) return Fail("取数组时溢出"), false;
                CString name;
                name.Format("LBL%d", static_cast<int>(unit.labels.size()) + 1);
                unit.labels.emplace_back(number, name);
                if (!AddToList(unit.labelLines, index)) return false;
            } else if (StartsWith(line, "CAL")) {
                if (!AddToList(unit.callLines, index)) return false;
            } else if (StartsWith(line, "JMP")) {
                if (!AddToList(unit.jumpLines, index)) return false;
            } else if (StartsWith(line, "ATCH")) {
                if (!AddToList(unit.attachLines, index)) return false;
            }
        }
        unit.lines.push_back(line);
        if (row >= 0 && IsShadowedByUnsignedRow(row)) unit.signedLines[index] = row;
        const bool network = StartsWith(line, "__NETWORK");
        if (!network) ++counter;
        if (index == 0) unit.startNumber = counter + (network ? 1 : 0);
        const uint32_t firstSlotType = slotCount > 0 ? slots[0] & OD_TYPE_MASK : 0;
        if (!TrackCallBlock(unit, line, index, firstSlotType, blockOpen, block, hasParams))
            return false;
    }
    return !blockOpen;
}

bool CSourceRebuilder::TrackCallBlock(Unit& unit, const CString& line, int index,
                                      uint32_t firstSlotType, bool& blockOpen, CallBlock& block,
                                      bool& hasParams) {
    if (StartsWith(line, "__QLX_EN ")) {
        if (blockOpen) return false;
        blockOpen = true;
        hasParams = false;
        block = CallBlock();
        block.enLine = index;
        return true;
    }
    if (!blockOpen) return !StartsWith(line, "__QLX_ENO");
    if (StartsWith(line, "__QLX_ENO")) {
        blockOpen = false;
        if (!hasParams) return true;
        if (static_cast<int>(unit.callBlocks.size()) >= kMaxListEntries) return Fail("取数组时溢出"), false;
        block.enoLine = index;
        unit.callBlocks.push_back(block);
        return true;
    }
    if (StartsWith(line, "MOVE ")) {
        if (static_cast<int>(block.moves.size()) >= kMaxListEntries) return Fail("取数组时溢出"), false;
        block.moves.emplace_back(index, firstSlotType);
        hasParams = true;
    } else if (StartsWith(line, "CAL ")) {
        block.calLine = index;
    } else {
        hasParams = true;
    }
    return true;
}

const CSourceRebuilder::Unit* CSourceRebuilder::FindUnitByStart(int startNumber) const {
    for (const Unit& unit : units)
        if (unit.startNumber == startNumber && unit.unitName != "MAIN") return &unit;
    return nullptr;
}

CSourceRebuilder::Unit* CSourceRebuilder::FindUnitByName(const CString& name) {
    for (Unit& unit : units)
        if (unit.unitName == name) return &unit;
    return nullptr;
}

const CString* CSourceRebuilder::FindLabelName(const Unit& unit, int number) const {
    for (const auto& label : unit.labels)
        if (label.first == number) return &label.second;
    return nullptr;
}

// Labels, jumps, calls and attachments get names instead of numbers; every item is
// processed before a failure is reported.
bool CSourceRebuilder::ResolveUnit(Unit& unit) {
    bool resolved = true;
    auto operandOf = [](const CString& line) { return line.Mid(line.Find(' ') + 1); };
    for (int index : unit.labelLines) {
        const CString* name = FindLabelName(unit, atoi(operandOf(unit.lines[index])));
        if (name) unit.lines[index] = "LBL " + *name;
        resolved = resolved && name;
    }
    for (int index : unit.jumpLines) {
        CString& line = unit.lines[index];
        const CString* name = FindLabelName(unit, atoi(operandOf(line)));
        if (name) line = line.Left(line.Find(' ') + 1) + *name;
        resolved = resolved && name;
    }
    for (int index : unit.callLines) {
        const Unit* callee = FindUnitByStart(atoi(operandOf(unit.lines[index])));
        if (callee) unit.lines[index] = "CAL " + callee->unitName;
        resolved = resolved && callee;
    }
    for (int index : unit.attachLines) {
        CString& line = unit.lines[index];
        const int comma = line.Find(',');
        const Unit* routine = comma < 0 ? nullptr : FindUnitByStart(atoi(operandOf(line.Left(comma))));
        if (routine) line = "ATCH " + routine->unitName + ", " + line.Mid(comma + 1);
        resolved = resolved && routine;
    }
    for (CallBlock& block : unit.callBlocks) resolved = RebuildCallBlock(unit, block) && resolved;
    return resolved;
}

bool CSourceRebuilder::AddParam(Unit& callee, const CString& address, uint32_t typeBits,
                                int paramClass) {
    if (static_cast<int>(callee.params.size()) >= kMaxParams) return Fail("取数组时溢出"), false;
    Param param;
    param.address = address;
    param.name.Format("%s%02d", ParamNamePrefix(typeBits), static_cast<int>(callee.params.size()));
    param.typeBits = typeBits;
    param.typeName = TypeName(typeBits);
    param.paramClass = paramClass;
    callee.params.push_back(param);
    return true;
}

bool CSourceRebuilder::RebuildCallBlock(Unit& unit, CallBlock& block) {
    if (block.calLine < 0) return false;
    const CString& calLine = unit.lines[block.calLine];
    Unit* callee = FindUnitByName(calLine.Right(5));
    if (!callee) return false;
    bool known = false;
    for (const CString& name : knownCallees) known = known || name == callee->unitName;
    if (!known && static_cast<int>(knownCallees.size()) >= kMaxKnownCallees) return Fail("取数组时溢出"), false;
    auto moveType = [&](int index) {
        for (const auto& move : block.moves)
            if (move.first == index) return move.second;
        return 0u;
    };
    auto findParam = [&](const CString& address) -> Param* {
        for (Param& param : callee->params)
            if (param.address == address && (!known || param.paramClass == 2)) return &param;
        return nullptr;
    };
    std::vector<CString> actuals;
    bool afterCall = false;
    for (int i = block.enLine + 1; i < block.enoLine; ++i) {
        const CString& line = unit.lines[i];
        if (i == block.calLine) {
            afterCall = true;
            continue;
        }
        const int comma = line.Find(", ");
        if (StartsWith(line, "LD ") || StartsWith(line, "__LD ")) {
            const CString operand = line.Mid(line.Find(' ') + 1);
            if (!afterCall) {
                actuals.push_back(operand);
            } else if (Param* param = findParam(operand)) {
                param->paramClass = 2;
                ++i;  // the ST that copies the in-out back
            } else {
                if (!known && !AddParam(*callee, operand, OD_BOOL, 3)) return false;
                if (i + 1 < block.enoLine && StartsWith(unit.lines[i + 1], "ST "))
                    actuals.push_back(unit.lines[++i].Mid(3));
            }
        } else if (StartsWith(line, "ST ") && !afterCall) {
            if (!known && !AddParam(*callee, line.Mid(3), OD_BOOL, 1)) return false;
        } else if (StartsWith(line, "MOVE ") && comma > 0) {
            const CString first = line.Mid(5, comma - 5);
            const CString second = line.Mid(comma + 2);
            if (!afterCall) {
                actuals.push_back(first);
                if (!known && !AddParam(*callee, second, moveType(i), 1)) return false;
            } else if (Param* param = findParam(first)) {
                param->paramClass = 2;
            } else {
                if (!known && !AddParam(*callee, first, moveType(i), 3)) return false;
                actuals.push_back(second);
            }
        }
    }
    if (!known) knownCallees.push_back(callee->unitName);
    block.text = calLine;
    for (size_t a = 0; a < actuals.size(); ++a) block.text += (a ? ", " : " ") + actuals[a];
    return true;
}

// The function-block instances that the unit's timer and counter instructions start,
// with their types: the rebuilt program declares them, so that it compiles again.
std::vector<std::pair<CString, CString>> CSourceRebuilder::FbInstancesOf(const Unit& unit) {
    std::vector<std::pair<CString, CString>> instances;
    for (const CString& line : unit.lines) {
        const CString type = line.SpanExcluding(" ");
        if (type != "TON" && type != "TOF" && type != "TP" && type != "CTU" && type != "CTD") continue;
        const CString instance = line.Mid(type.GetLength() + 1).SpanExcluding(",");
        bool known = false;
        for (const auto& held : instances) known = known || held.first == instance;
        if (!known && !instance.IsEmpty()) instances.emplace_back(instance, type);
    }
    return instances;
}

bool CSourceRebuilder::WriteUnit(Unit& unit) {
    const DWORD attributes = GetFileAttributesA(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        Fail("反编译时的文件写入路径不可用");
        return false;
    }
    std::vector<CString> text = {unit.markerLine};
    size_t nextBlock = 0;
    const int count = static_cast<int>(unit.lines.size());
    for (int i = 0; i < count; ++i) {
        const CString& line = unit.lines[i];
        CString out;
        if (StartsWith(line, "__NETWORK ")) {
            out.Format("(* Network %d *)", unit.networkCounter++);
        } else if (StartsWith(line, "__LD ")) {
            out = "LD " + line.Mid(5);
        } else if (StartsWith(line, "__LDN ")) {
            out = "LDN " + line.Mid(6);
        } else if (StartsWith(line, "__RETCI ")) {
            out = "RETC";
        } else if (StartsWith(line, "__RETCNI ")) {
            out = "RETCN";
        } else if (StartsWith(line, "LBL ")) {
            out = line.Mid(4) + ":";
        } else if (StartsWith(line, "__INTEND ") || StartsWith(line, "__SPEND ") ||
                   StartsWith(line, "__MPEND ") || StartsWith(line, "__SMW32 ")) {
            continue;
        } else if (StartsWith(line, "__QLX_EN ")) {
            if (i + 2 < count && StartsWith(unit.lines[i + 1], "CAL ") &&
                StartsWith(unit.lines[i + 2], "__QLX_ENO ")) {
                out = unit.lines[i + 1];
                i += 2;
            } else {
                if (nextBlock >= unit.callBlocks.size()) return false;
                const CallBlock& block = unit.callBlocks[nextBlock++];
                out = block.text;
                i = block.enoLine;
            }
        } else {
            out = NameSignedOperands(unit, i, line);
        }
        out.TrimRight(' ');
        if (!out.IsEmpty()) text.push_back(PadFirstWord(out));
    }
    std::ofstream program((folder + unit.ilpName).GetString(), std::ios::binary | std::ios::trunc);
    if (!program) return Fail("反编译时建立程序文件失败"), false;
    for (const CString& line : text) program << line.GetString() << "\r\n";
    program.close();
    if (program.fail()) return Fail("反编译时建立程序文件失败"), false;

    std::ofstream variables((folder + unit.ilvName).GetString(), std::ios::binary | std::ios::trunc);
    if (!variables) return Fail("反编译时建立变量文件失败"), false;
    auto declare = [&variables](const Param& variable) {
        variables << variable.name.GetString() << " AT " << variable.address.GetString() << " : "
                  << variable.typeName.GetString() << " ;\r\n";
    };
    for (int paramClass : {1, 3, 2}) {
        variables << (paramClass == 1 ? "VAR_INPUT" : paramClass == 3 ? "VAR_OUTPUT" : "VAR_IN_OUT")
                  << "\r\n";
        for (const Param& param : unit.params)
            if (param.paramClass == paramClass) declare(param);
        variables << "END_VAR\r\n";
    }
    variables << "VAR\r\n";
    for (const auto& instance : FbInstancesOf(unit))
        variables << instance.first.GetString() << " : " << instance.second.GetString() << " ;\r\n";
    for (const Param& local : unit.signedLocals) declare(local);
    variables << "END_VAR\r\n";
    variables.close();
    if (variables.fail()) return Fail("反编译时建立变量文件失败"), false;
    return true;
}

// A bare %VW or %VD address compiles to the WORD or DWORD form of an instruction that
// has one; the INT and DINT forms come back with their memory named through local
// variables of those types, declared in the unit's VAR section.
CString CSourceRebuilder::NameSignedOperands(Unit& unit, int index, const CString& line) {
    const auto found = unit.signedLines.find(index);
    if (found == unit.signedLines.end()) return line;
    const InstrSpec& spec = InstrSpecTable[found->second];
    const int blank = line.Find(' ');
    CString rest = line.Mid(blank + 1);
    CString named = line.Left(blank + 1);
    for (int i = 0; i < spec.operandCount; ++i) {
        CString operand = rest.SpanExcluding(",");
        rest = rest.Mid(operand.GetLength() + 2);  // past ", "
        if (IsSignedMemorySlot(spec.slots[i]))
            operand = DeclareSignedLocal(unit, operand, spec.slots[i] & OD_TYPE_MASK);
        named += (i ? ", " : "") + operand;
    }
    return named;
}

CString CSourceRebuilder::DeclareSignedLocal(Unit& unit, const CString& address, uint32_t typeBit) {
    const CString name = CString(typeBit == OD_INT ? "i" : "di") + address.Mid(1);
    for (const Param& local : unit.signedLocals)
        if (local.name == name) return name;
    Param local;
    local.address = address;
    local.name = name;
    local.typeBits = typeBit;
    local.typeName = TypeName(typeBit);
    local.paramClass = 0;
    unit.signedLocals.push_back(local);
    return name;
}
