// The instruction, label and PID rules of CIlNetworkChecker: checking mode counts and
// records each instruction, emitting mode writes it to the compiled program.
#include "compiler/IlNetworkChecker.h"

#include "compiler/AddressUsageMap.h"
#include "compiler/AppendFile.h"
#include "compiler/CompileMsgTable.h"
#include "compiler/CompilePhaseClock.h"
#include "compiler/CompileVariables.h"
#include "compiler/HexListing.h"
#include "compiler/PouBlockHeader.h"
#include "compiler/PouSymbol.h"
#include "compiler/VarSymbol.h"
#include "language/CpuClassSource.h"
#include "language/Identifier.h"
#include "language/IlOperandChecks.h"
#include "language/PidSpec.h"

#include <cstdlib>
#include <cstring>

namespace {

const int kMsgBadLabel = 16;
const int kMsgInstruction = 17;
const int kMsgFormat = 18;
const int kMsgOperand = 19;
const int kMsgMissing = 24;
const int kMsgAccumulator = 28;
const int kMsgCall = 37;
const int kMsgOverflow = 38;
const int kMsgNetwork = 39;
const int kMsgFbReused = 40;

const uint16_t kOpcodeLdnBracket = 0x02, kOpcodeLdn = 0x0C;
const uint16_t kOpcodeLdBracket = 0x01, kOpcodeLd = 0x09;
const uint16_t kOpcodeLdConstBracket = 0x00, kOpcodeLdConst = 0x0B;
const uint16_t kOpcodeMoveIntConst = 0x1B9;
const uint16_t kOpcodeSmw32 = 0x139;
const int kMaxJumps = 128, kMaxLabels = 128, kMaxCalls = 256, kMaxAttaches = 256;

bool IsDigitText(const CString& text, int maxLength) {
    return !text.IsEmpty() && text.GetLength() <= maxLength &&
           text.SpanIncluding("0123456789").GetLength() == text.GetLength();
}

// A decimal argument within [low, high] or, when given, [low2, high2].
bool ArgumentInRange(const CString& text, int maxLength, int low, int high, int low2 = 1,
                     int high2 = 0) {
    if (!IsDigitText(text, maxLength)) return false;
    const long value = strtol(text, nullptr, 10);
    return (value >= low && value <= high) || (value >= low2 && value <= high2);
}

// The range of the constant that MOVE writes to %SMW32, and its offset in the code of
// the "__SMW32" instruction, by CPU class.
bool Smw32Range(int cpuClass, long& low, long& high) {
    if (cpuClass == 0) return low = 0x670, high = 0x6EF, true;
    if (cpuClass == 1) return low = 0xE40, high = 0xF3E, true;
    return false;
}

bool IsSmw32Destination(const CString& upper) {
    if (upper == "%SMW32") return true;
    const CVarSymbol* var = FindDeclaredVar(upper);
    return var && var->isGlobal && var->address == "%SMW32";
}

}  // namespace

std::vector<int> CIlNetworkChecker::OperandIndexes(int firstOperand) const {
    std::vector<int> indexes;
    for (int i = firstOperand; i < StatementEndIndex(); ++i)
        if (WordAt(i) != ",") indexes.push_back(i);
    return indexes;
}

void CIlNetworkChecker::ApplyInstructionRules() {
    const int first = firstUnconsumed;
    CString m = WordAt(first);
    if (!ApplyStructureRules(m)) return;
    operand = OperandRecord();
    lookedUpSpec = InstrSpec{};
    resolvedSpec = InstrSpec{};
    if (m == "__NETWORK")
        MarkNetworkStatement(first);
    else
        MarkStatementEnd(";");
    const CString written = TextAt(first);
    const int firstOperand = first + 1;
    if (m == "PID") {
        ApplyPidRules(firstOperand, m);
        return;
    }
    if (!CheckBeforeLookup(m, firstOperand)) return;
    if (!FindInstrSpec(m, lookedUpSpec)) {
        AddMessage(kMsgInstruction, kSeverityError, written);
        return;
    }
    uint8_t buffer[100] = {};
    int length = 2;
    if (lookedUpSpec.operandCount == 0) {
        if (firstOperand < StatementEndIndex() && m != "__NETWORK") {
            AddMessage(kMsgFormat, kSeverityError, written);
            return;
        }
        if (!ResolveILInstruction(m, lookedUpSpec, resolvedSpec)) {
            AddMessage(kMsgInstruction, kSeverityError, written);
            return;
        }
    } else {
        if (!CheckOperands(m, firstOperand, lookedUpSpec, buffer, length)) return;
        if (!ResolveILInstruction(m, lookedUpSpec, resolvedSpec)) {
            AddMessage(kMsgInstruction, kSeverityError,
                       written + "指令操作数数据类型不匹配或当前CPU模块不支持此指令");
            return;
        }
    }
    uint16_t opcode = resolvedSpec.opcode;
    if (bracketDepth >= 0) {
        if (opcode == kOpcodeLdn) opcode = kOpcodeLdnBracket;
        if (!inCallBlock && opcode == kOpcodeLd) opcode = kOpcodeLdBracket;
        if (!inCallBlock && opcode == kOpcodeLdConst) opcode = kOpcodeLdConstBracket;
    }
    const CString resolvedName = resolvedSpec.mnemonic;
    if (resolvedName == "LD" || resolvedName == "LDI" || resolvedName == "LDN" || resolvedName == "LDNI") {
        accumulatorType = resolvedSpec.slots[0] & OD_TYPE_MASK;
    } else if (resolvedSpec.flag && (resolvedSpec.slots[0] & OD_TYPE_MASK) != accumulatorType) {
        AddMessage(kMsgAccumulator, kSeverityError, written);
        return;
    }
    bool smw32 = false;
    uint16_t smw32Code = 0;
    if (!CheckArguments(m, firstOperand, opcode, smw32, smw32Code)) return;
    PutLe16(buffer, opcode);
    int instructions = 1;
    if (smw32) {
        PutLe16(buffer + length, kOpcodeSmw32);
        PutLe16(buffer + length + 2, smw32Code);
        length += 4;
        ++instructions;
    }
    CountAndWrite(m, buffer, length, instructions);
}

// A network marker is its word and its number; what follows on the line (a header
// comment rewritten in front of the network's first instruction) is a statement of
// its own.
void CIlNetworkChecker::MarkNetworkStatement(int first) {
    int end = first + 1;
    if (end < GetTokenCount() && WordAt(end) != ";") ++end;
    for (int i = first; i < end; ++i) consumed[i] = true;
    if (end < GetTokenCount() && WordAt(end) == ";") consumed[end] = true;
    statementEnd = end < GetTokenCount() ? end : -1;
}

bool CIlNetworkChecker::CheckBeforeLookup(const CString& m, int firstOperand) {
    const int end = StatementEndIndex();
    if (m == "JMP" || m == "JMPC" || m == "JMPCN") {
        if (++unitJumpCount > kMaxJumps)
            AddMessage(kMsgOverflow, kSeverityError, "同一程序中存在过多的JMP, JMPC, JMPCN指令");
        if (forTop >= 0 || bracketDepth >= 0)
            AddMessage(kMsgInstruction, kSeverityError,
                       "JMP系列指令, 不能出现在FOR NEXT内部, 也不能出现在 AND( OR(  等的括号对内部");
    } else if (m == "READ_RTC" || m == "SET_RTC") {
        if (firstOperand >= end) {
            AddMessage(kMsgFormat, kSeverityError, TextAt(firstOperand - 1));
            return false;
        }
        if (!CheckRtcBufferOperand(tokens[firstOperand].get())) {
            AddMessage(kMsgOperand, kSeverityError,
                       TextAt(firstOperand) + "不能表示(或承载)一个日期时间类型的数据");
            return false;
        }
    } else if (m == "CAL") {
        if (++unitCallCount > kMaxCalls)
            AddMessage(kMsgOverflow, kSeverityError, "同一程序中存在过多的子程序调用");
        if (firstOperand < end) {
            const CString callee = WordAt(firstOperand);
            if (!CurrentProgramName.IsEmpty() && callee == CurrentProgramName) {
                AddMessage(kMsgCall, kSeverityError, "子程序不能调用自身");
                return false;
            }
            CPouSymbol* caller = FindPou(CurrentProgramName);
            if (CurrentSourceKind == kSourceSubroutineProgram && caller && !caller->AddCall(callee))
                AddMessage(kMsgOverflow, kSeverityWarning, "可能导致子程序的递归调用的判别不完整");
        }
    } else if (m == "__QLX_EN") {
        inCallBlock = true;
    } else if (m == "__QLX_ENO") {
        inCallBlock = false;
    }
    return true;
}

bool CIlNetworkChecker::CheckOperands(const CString& m, int firstOperand, InstrSpec& spec,
                                      uint8_t* buffer, int& length) {
    const CString written = TextAt(firstOperand - 1);
    const std::vector<int> indexes = OperandIndexes(firstOperand);
    const int count = spec.operandCount;
    CString text;
    if (indexes.empty()) {
        text.Format("%s 指令需要 %d 个操作数", (LPCTSTR)m, count);
        AddMessage(kMsgFormat, kSeverityError, text);
        return false;
    }
    const int given = static_cast<int>(indexes.size());
    for (int i = 0; i < given && i < count; ++i) {
        if ((m == "CTU" || m == "CTD") && i >= 1) statusBitOperands = 1;
        CTokenChecker& token = *tokens[indexes[i]];
        int width = 0;
        if (!token.CheckInstrOperand(i, spec, operand, width, statusBitOperands != 0)) {
            QueueTokenMessages(token);
            return false;
        }
        if (emitting) {
            if (operand.isConstant)
                GetConstantBytes(buffer + length, width);
            else
                PutLe16(buffer + length, operand.code);
        } else {
            RecordAddressUse(token, operand);
        }
        length += width;
    }
    if (given > count) {
        AddMessage(kMsgFormat, kSeverityError, written);
        return false;
    }
    if (given < count) {
        AddMessage(kMsgMissing, kSeverityError, written + "指令缺少操作数");
        return false;
    }
    return true;
}

void CIlNetworkChecker::GetConstantBytes(uint8_t* destination, int length) const {
    const LiteralValue& v = operand.value;
    uint32_t bits = 0;
    switch (operand.descriptor & OD_TYPE_MASK & ~OD_POINTER & ~OD_ADDRESS) {
    case OD_BOOL: bits = v.boolValue ? 1 : 0; break;
    case OD_BYTE: bits = v.byteValue; break;
    case OD_WORD: bits = v.wordValue; break;
    case OD_INT: bits = static_cast<uint16_t>(v.intValue); break;
    case OD_DWORD: bits = v.dwordValue; break;
    case OD_DINT: bits = static_cast<uint32_t>(v.dintValue); break;
    case OD_REAL: bits = RealToBits(v.realValue); break;
    default: break;
    }
    if (length >= 4)
        PutLe32(destination, bits);
    else
        PutLe16(destination, static_cast<uint16_t>(bits));
}

void CIlNetworkChecker::RecordAddressUse(const CTokenChecker& token, const OperandRecord& record) {
    const uint32_t access = AccessFromDirection(record.descriptor);
    const bool pointerSequenceLine = !NewSourceLineFlag && !AfterPointerReadFlag;
    switch (token.GetTokenClass()) {
    case CTokenChecker::kDirectAddress: {
        CString address = token.GetUpperText();
        if (address.Left(2) == "AT") address = address.Mid(2);
        MarkAddressUse(access, pointerSequenceLine ? CString() : address);
        break;
    }
    case CTokenChecker::kVariable: {
        CString scoped = token.GetUpperText();
        const CVarSymbol* var = nullptr;
        if (JoinScopedName(CurrentProgramName, scoped)) var = FindDeclaredVar(scoped);
        if (!var) var = FindDeclaredVar(token.GetUpperText());
        MarkAddressUse(access, var && !pointerSequenceLine ? var->address : CString());
        break;
    }
    case CTokenChecker::kFbInstance:
        MarkFbInstanceUse(access, pointerSequenceLine ? CString() : token.GetUpperText());
        break;
    default:
        break;
    }
}

bool CIlNetworkChecker::CheckArguments(const CString& m, int firstOperand, uint16_t resolvedOpcode,
                                       bool& smw32, uint16_t& smw32Code) {
    const std::vector<int> args = OperandIndexes(firstOperand);
    auto arg = [&](size_t i) { return i < args.size() ? WordAt(args[i]) : CString(); };
    const int cpuClass = CurrentCpuClass();
    if (resolvedOpcode == kOpcodeMoveIntConst && args.size() == 2 && IsSmw32Destination(arg(1))) {
        smw32 = true;
        OperandDescriptor descriptor = 0;
        DWORD value = 0;
        float real = 0;
        long low = 0, high = 0;
        const bool parsed = ParseConstantValue(arg(0), descriptor, value, real);
        const long constant = static_cast<int16_t>(value);
        if (!emitting && !parsed) {
            AddMessage(kMsgOperand, kSeverityError, TextAt(args[0]) + "实参错误");
            return false;
        }
        if (Smw32Range(cpuClass, low, high)) {
            if (!emitting && (constant < low || constant > high)) {
                AddMessage(kMsgOperand, kSeverityError, TextAt(args[0]) + "实参错误, 数值超出范围");
                return false;
            }
            smw32Code = static_cast<uint16_t>(constant - (low - 1));
        }
    }
    if (emitting) return true;
    if (m == "ATCH" && ++unitAttachCount > kMaxAttaches)
        AddMessage(kMsgOverflow, kSeverityError, "同一程序中存在过多的ATCH指令");
    if (cpuClass == 0 || cpuClass == 1) {
        const bool c0 = cpuClass == 0;
        struct ArgumentRule {
            const char* mnemonic;
            size_t index;
            bool valid;
        } rules[] = {
            {"ATCH", 1, c0 ? ArgumentInRange(arg(1), 100, 0, 4, 13, 30) : ArgumentInRange(arg(1), 100, 0, 32)},
            {"DTCH", 0, c0 ? ArgumentInRange(arg(0), 100, 0, 4, 13, 30) : ArgumentInRange(arg(0), 100, 0, 32)},
            {"HDEF", 0, ArgumentInRange(arg(0), 1, 0, c0 ? 1 : 5)},
            {"HDEF", 1, ArgumentInRange(arg(1), 2, 0, 11)},
            {"HSC", 0, ArgumentInRange(arg(0), 1, 0, c0 ? 1 : 5)},
            {"PLS", 0, ArgumentInRange(arg(0), 1, 0, 1)},
            {"XMT", 1, ArgumentInRange(arg(1), 1, 0, c0 ? 0 : 1)},
            {"RCV", 1, ArgumentInRange(arg(1), 1, 0, c0 ? 0 : 1)},
        };
        for (const ArgumentRule& rule : rules) {
            if (m != rule.mnemonic || rule.valid) continue;
            AddMessage(kMsgOperand, kSeverityError,
                       (rule.index < args.size() ? TextAt(args[rule.index]) : CString()) + "实参错误");
            return false;
        }
    }
    return CheckFbInstanceUse(m, firstOperand);
}

bool CIlNetworkChecker::CheckFbInstanceUse(const CString& m, int firstOperand) {
    if (m != "TON" && m != "TOF" && m != "TP" && m != "CTU" && m != "CTD") return true;
    const std::vector<int> args = OperandIndexes(firstOperand);
    const CString name = args.empty() ? CString() : WordAt(args[0]);
    if (name.IsEmpty()) {
        AddMessage(kMsgOperand, kSeverityError, "未分类的错误");
        return false;
    }
    const CVarSymbol* instance = FindDeclaredVar(name);
    if (instance && instance->entryKind == CVarSymbol::kFbInstance && instance->fbType != m)
        AddMessage(kMsgOperand, kSeverityError, "功能块变量" + name + "定义的不是" + m + "类型");
    for (const CString& used : fbInstanceUses) {
        if (used == name) {
            AddMessage(kMsgFbReused, kSeverityError, name + " 已经被初始化");
            return false;
        }
    }
    if (static_cast<int>(fbInstanceUses.size()) >= kMaxFbInstanceUses - 1) {
        AddMessage(kMsgOverflow, kSeverityError, name + "功能块实例过多");
        return false;
    }
    fbInstanceUses.push_back(name);
    return true;
}

void CIlNetworkChecker::CountAndWrite(const CString& m, const uint8_t* buffer, int length,
                                      int instructions) {
    const bool counted = m != "__NETWORK";
    if (!emitting) {
        codeSize += length;
        if (counted) LastInstructionIndex += instructions;
        return;
    }
    ObjectByteCount += length;
    if (counted) instructionIndex += instructions;
    CompilePhaseScope writing(CompilePhase::FileWrites);
    if (!GetObjectFile().Append(buffer, length)) writeFailed = true;
    if (hexListing) HexListing::AppendLine(hexPath, HexListing::StatementLine(StatementWords(), buffer, length));
}

CString CIlNetworkChecker::StatementWords() const {
    CString words;
    for (int i = firstUnconsumed; i < StatementEndIndex(); ++i) words += (words.IsEmpty() ? "" : " ") + TextAt(i);
    return words;
}

void CIlNetworkChecker::ApplyLabelRules() {
    const int first = firstUnconsumed;
    MarkStatementEnd(":");
    const int colon = StatementEndIndex();
    if (++unitLabelCount > kMaxLabels)
        AddMessage(kMsgOverflow, kSeverityError, "同一程序中存在过多的Label定义");
    ++instructionsInNetwork;
    const CString name = colon > first ? WordAt(first) : CString();
    CString scoped = name;
    JoinScopedName(CurrentProgramName, scoped);
    if (expectLdAfterLabel) {
        AddMessage(kMsgInstruction, kSeverityError,
                   "NetWork的首个可执行指令应该是LD类指令; NetWork的首语句为标号, 则下一条语句应该是LD类指令");
        expectLdAfterLabel = false;
    }
    if (expectLdFirst) {
        if (IsLabelName(scoped))
            expectLdAfterLabel = true;
        else
            AddMessage(kMsgInstruction, kSeverityError, "NetWork的首语句应该是LD类指令, 或一个有效标号");
        expectLdFirst = false;
    }
    if (expectLdAfterBracket) {
        AddMessage(kMsgInstruction, kSeverityError, "AND( 或 OR( 指令之后的首语句应该是LD类指令");
        expectLdAfterBracket = false;
    }
    networkClosed = true;
    if (networkNumber == -1) AddMessage(kMsgNetwork, kSeverityError, "程序必须注明network(内部调试性错误)");
    if (forTop >= 0 || bracketDepth >= 0)
        AddMessage(kMsgInstruction, kSeverityError,
                   "标号的声明, 不能出现在FOR NEXT内部, 也不能出现在 AND( OR(  等的括号对内部");
    if (colon == first) {
        AddMessage(kMsgBadLabel, kSeverityError, "标号不能为空(内部调试性错误)");
        return;
    }
    if (colon - first > 1) {
        AddMessage(kMsgBadLabel, kSeverityError, "");
        return;
    }
    CPouSymbol* label = FindLabel(scoped);
    if (!emitting) {
        if (!IsValidIdentifier(name)) {
            AddMessage(kMsgOperand, kSeverityError, "Label名:" + TextAt(first) + "语法错误");
        } else if (!label) {
            AddMessage(kMsgOperand, kSeverityError, "标号名:" + TextAt(first) + "在当前文件中未定义, 或无效");
        } else {
            if (LastInstructionIndex + 2 != 0) label->startIndex = LastInstructionIndex + 2;
            codeSize += 4;
            ++LastInstructionIndex;
        }
        return;
    }
    InstrSpec lbl{};
    if (!label || !FindInstrSpec("LBL", lbl)) {
        AddMessage(kMsgOperand, kSeverityError,
                   "标号名:" + TextAt(first) + "在当前文件中未定义, 或无效(内部调试性错误)");
        return;
    }
    uint8_t buffer[4];
    PutLe16(buffer, lbl.opcode);
    PutLe16(buffer + 2, static_cast<uint16_t>(label->startIndex));
    CountAndWrite("LBL", buffer, 4, 1);
}

void CIlNetworkChecker::ApplyPidRules(int firstOperand, const CString& m) {
    const std::vector<int> args = OperandIndexes(firstOperand);
    CString text;
    if (args.empty()) {
        text.Format("%s 指令需要 %d 个操作数", (LPCTSTR)m, PID_OPERAND_COUNT);
        AddMessage(kMsgFormat, kSeverityError, text);
        return;
    }
    if (static_cast<int>(args.size()) > PID_OPERAND_COUNT) {
        AddMessage(kMsgFormat, kSeverityError, "参数过多");
        return;
    }
    uint8_t buffer[2 + 2 * PID_OPERAND_COUNT] = {};
    int length = 2;
    for (int i = 0; i < static_cast<int>(args.size()); ++i) {
        const OperandDescriptor slot = PidInstruction.slots[i];
        CTokenChecker& token = *tokens[args[i]];
        if (!token.CheckOperand(slot & OD_DIRECTION_MASK, operand, false)) {
            QueueTokenMessages(token);
            return;
        }
        const OperandDescriptor d = operand.descriptor;
        const char* reason = nullptr;
        if ((slot & OD_TYPE_MASK) & ~(d & OD_TYPE_MASK))
            reason = "参数数据类型错误";
        else if ((d & OD_CONSTANT) && !(slot & OD_CONSTANT))
            reason = "参数不允许为常量";
        else if ((d & OD_MEMORY) && !(slot & OD_MEMORY))
            reason = "参数不允许为内存地址";
        else if ((d & OD_AREA_MASK) & ~slot)
            reason = "参数使用了不允许使用的内存区";
        if (reason) {
            AddMessage(kMsgOperand, kSeverityError, TextAt(args[i]) + reason);
            return;
        }
        if (emitting) {
            if (operand.isConstant)
                GetConstantBytes(buffer + length, 2);
            else
                PutLe16(buffer + length, operand.code);
        } else {
            RecordAddressUse(token, operand);
        }
        length += 2;
    }
    if (static_cast<int>(args.size()) < PID_OPERAND_COUNT) {
        AddMessage(kMsgMissing, kSeverityError, TextAt(firstOperand - 1) + "指令缺少操作数");
        return;
    }
    PutLe16(buffer, PidInstruction.opcode);
    CountAndWrite(m, buffer, length, 1);
}
