#include "language/TokenChecker.h"

#include "compiler/CompileVariables.h"
#include "compiler/MonitorRegistration.h"
#include "compiler/PouSymbol.h"
#include "compiler/VarSymbol.h"
#include "language/CpuClassSource.h"
#include "language/DelimiterTable.h"
#include "language/AddressCode.h"
#include "language/AreaLimits.h"
#include "language/DirectAddress.h"
#include "language/Identifier.h"
#include "language/KeywordTable.h"
#include "platform/StringCopies.h"

namespace {

const int kCheckError = 0;
const int kMsgBadOperand = 19;
const int kMsgBadName = 26;
const int kMsgBadAddress = 41;

bool IsOneOf(int value, std::initializer_list<int> set) {
    for (int v : set)
        if (v == value) return true;
    return false;
}

bool IsProgramFileKind() {
    return IsOneOf(CurrentSourceKind, {kSourceMainProgram, kSourceInterruptProgram,
                                       kSourceSubroutineProgram});
}

CString WithoutLeadingAt(const CString& upper) {
    return upper.Left(2) == "AT" ? upper.Mid(2) : upper;
}

// A decimal number of at most 100 digits, saturated well above every area's bounds.
long long ParseIndex(const CString& digits) {
    long long value = 0;
    bool negative = false;
    for (int i = 0; i < digits.GetLength(); ++i) {
        const char c = digits[i];
        if (i == 0 && (c == '+' || c == '-')) {
            negative = c == '-';
            continue;
        }
        if (value < 100000000) value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

bool IsDecimal(const CString& text) { return IsValidDigits(text, 10, false); }

bool TypeMatchesPrefix(OperandDescriptor prefixTypes, OperandDescriptor declared) {
    switch (prefixTypes & 0x0F) {
    case OD_BOOL: return declared == OD_BOOL;
    case OD_BYTE: return declared == OD_BYTE;
    case OD_WORD: return declared == OD_WORD || declared == OD_INT;
    case OD_DWORD: return declared == OD_DWORD || declared == OD_DINT || declared == OD_REAL;
    default: return false;
    }
}

// Double words of V at and above this byte may be declared with any type; the classes
// without a rule of their own take the rule of class 1.
int VdAnyTypeThreshold() { return CurrentCpuClass() == 0 ? 1740 : 3840; }

bool TypeMismatchAccepted(const CString& address) {
    if (address.Left(3) == "%HC" || address.Left(3) == "%VR") return true;
    if (address.Left(3) != "%VD") return false;
    const int cpuClass = CurrentCpuClass();
    if (cpuClass < 0 || cpuClass > 2) return false;
    const CString number = address.Mid(3);
    return IsDecimal(number) && ParseIndex(number) >= VdAnyTypeThreshold();
}

int WidthOfConstant(OperandDescriptor type) {
    return (type & (OD_DWORD | OD_DINT | OD_REAL)) ? 4 : 2;
}

const CVarSymbol* FindVariable(const CString& upperName, bool& qualified) {
    CString scoped = upperName;
    qualified = JoinScopedName(CurrentProgramName, scoped);
    if (qualified)
        if (const CVarSymbol* var = FindDeclaredVar(scoped)) return var;
    qualified = false;
    return FindDeclaredVar(upperName);
}

bool IsReadOnlyArea(OperandDescriptor areaWord) {
    return (areaWord & OD_AREA_READABLE) && !(areaWord & OD_AREA_WRITABLE);
}

}  // namespace

CTokenChecker::CTokenChecker(const CString& text) : text(text), upperText(UpperCased(text)) {}

void CTokenChecker::Classify() {
    if (ClaimAsDelimiter() || ClaimAsKeyword() || ClaimAsInstruction() || ClaimAsConstant() ||
        ClaimAsAddress(true))
        return;
    ClaimAsSymbol();
}

bool CTokenChecker::ClaimAsDelimiter() {
    if (!IsStatementDelimiter(upperText)) return false;
    tokenClass = kDelimiter;
    if (upperText == ";") {
        tokenClass = kKeyword;
        keywordClass = KW_SEMICOLON;
    } else if (upperText == ":") {
        tokenClass = kKeyword;
        keywordClass = KW_COLON;
    } else if (upperText == ":=") {
        return ClaimAsKeyword();
    }
    return true;
}

// A keyword may still be given on to the later tests (constants, data types outside a
// VAR section, ...); answers whether the keyword test claimed the word.
bool CTokenChecker::ClaimAsKeyword() {
    KeywordSpec keyword;
    if (LookupKeyword(upperText, keyword) == KEYWORD_NOT_FOUND) return false;
    tokenClass = kKeyword;
    keywordClass = keyword.keywordClass;
    const bool typeKeyword = keywordClass == KW_DATA_TYPE || keywordClass == KW_FUNCTION_BLOCK;
    const bool sectionOrType = typeKeyword || keywordClass == KW_SECTION ||
                               keywordClass == KW_SECTION_END;
    if (upperText == "TRUE" || upperText == "FALSE" || (!VarSectionOpen && typeKeyword) ||
        (IsOneOf(CurrentSourceKind, {4, 5, 7}) && sectionOrType)) {
        tokenClass = kUnclassified;
        return false;
    }
    if (!VarSectionOpen && keywordClass == KW_ASSIGNMENT) {
        tokenClass = kUnclassified;
        keywordClass = kNoKeywordClass;
    }
    if (IsProgramFileKind()) {
        if (keywordClass == KW_FUNCTION) {
            tokenClass = kProgramFunction;
            keywordClass = 9;
        } else if (sectionOrType || keywordClass == KW_ASSIGNMENT) {
            tokenClass = kUnclassified;
            keywordClass = kNoKeywordClass;
        }
    }
    if (!VarSectionOpen) ClaimAsInstruction();
    return true;
}

bool CTokenChecker::ClaimAsInstruction() {
    if (tokenClass == kProgramFunction || !IsInstructionName(upperText)) return false;
    tokenClass = kKeyword;
    keywordClass = 9;
    return true;
}

bool CTokenChecker::ClaimAsConstant() {
    OperandDescriptor type = 0;
    if (upperText == "TRUE" || upperText == "FALSE") {
        type = OD_BOOL;
    } else {
        OperandDescriptor classified = 0;
        if (ClassifyConstant(upperText, classified))
            type = classified & OD_TYPE_MASK;
        else if (classified != static_cast<OperandDescriptor>(-1))
            type = classified & OD_TYPE_MASK;
    }
    if (!type) return false;
    tokenClass = kConstant;
    dataType = type;
    area.types = type;
    return true;
}

bool CTokenChecker::ClaimAsAddress(bool registerForMonitoring) {
    const CString address = WithoutLeadingAt(upperText);
    short row = 0;
    AreaPrefixSpec prefix;
    if (!FindAreaPrefix(address, row) || !GetAreaPrefixRecord(row, prefix)) return false;
    area = prefix;
    if (registerForMonitoring) RegisterMonitorCells(address);
    if (!VarSectionOpen && !CheckAtAddress(address, prefix.types & 0x0F, false)) return false;
    tokenClass = kDirectAddress;
    return true;
}

bool CTokenChecker::ClaimAsSymbol() {
    const int dot = upperText.Find('.');
    if (dot > 0) {
        const CString owner = upperText.Left(dot);
        const CVarSymbol* instance = FindSecondaryVar(owner);
        if (instance && instance->entryKind == CVarSymbol::kFbInstance) {
            tokenClass = kFbMember;
            keywordClass = 6;
            memberText = instance->fbType + "." + upperText.Mid(dot + 1);
            return true;
        }
        if (IsFunctionKeyword(owner)) {
            tokenClass = kFunctionOwner;
            keywordClass = KW_FUNCTION;
            return true;
        }
    }
    if (IsPouName(upperText)) {
        tokenClass = kProgramUnit;
        dataType = OD_LABEL;
        return true;
    }
    CString scoped = upperText;
    const bool qualified = JoinScopedName(CurrentProgramName, scoped);
    if (qualified && IsLabelName(scoped)) {
        tokenClass = kLabel;
        dataType = OD_LABEL;
        return true;
    }
    const CVarSymbol* local = qualified ? FindDeclaredVar(scoped) : nullptr;
    if (local && local->entryKind == CVarSymbol::kVariable) {
        tokenClass = kVariable;
        area.types = local->descriptor;
        return true;
    }
    const CVarSymbol* var = FindDeclaredVar(upperText);
    if (!var) return false;
    if (var->entryKind == CVarSymbol::kFbInstance) {
        tokenClass = kFbInstance;
        keywordClass = 9;
        fbType = var->fbType;
    } else {
        tokenClass = kVariable;
        area.types = var->descriptor;
    }
    return true;
}

bool CTokenChecker::CheckVariableName(const CString& name) {
    ClearMessages();
    CTokenChecker probe(name);
    const CString& upper = probe.upperText;
    if (upper.IsEmpty()) {
        messages.Add(kMsgBadName, kCheckError, "");
        return false;
    }
    const char* reason = nullptr;
    if (probe.ClaimAsDelimiter())
        reason = ": 是分界符，不能用作变量名";
    else if (probe.ClaimAsKeyword())
        reason = ": 是关键字，不能用作变量名";
    else if (probe.ClaimAsInstruction())
        reason = ": 是指令，不能用作变量名";
    else if (probe.ClaimAsConstant())
        reason = ": 是常量，不能用作变量名";
    else if (probe.ClaimAsAddress(false))
        reason = ": 是内存地址，不能用作变量名";
    if (reason) {
        messages.Add(kMsgBadName, kCheckError, upper + reason);
        return false;
    }
    if (probe.ClaimAsSymbol() || IsValidIdentifier(upper)) return true;
    messages.Add(kMsgBadName, kCheckError, upper);
    return false;
}

bool CTokenChecker::RefuseAddress(const CString& address, const char* reason) {
    if (reason) messages.Add(kMsgBadAddress, kCheckError, address + reason);
    return false;
}

bool CTokenChecker::CheckAtAddress(const CString& addressText, OperandDescriptor declaredType,
                                   bool atRequired) {
    ClearMessages();
    CString address = addressText;
    if (atRequired) {
        if (address.Left(2) != "AT")
            return RefuseAddress(addressText, ": 变量字义中，地址部分之前，要加上AT");
        address = address.Mid(2);
        address.Trim();
    }
    short row = 0;
    if (!FindAreaPrefix(address, row) || !GetAreaPrefixRecord(row, area))
        return RefuseAddress(addressText, ": 地址字串的打头字符错误");
    if (!CheckAddressAlignment(address))
        return RefuseAddress(addressText, ": 字、双字内存的起始应该为偶数");
    if (!TypeMatchesPrefix(area.types, declaredType & OD_TYPE_MASK) &&
        !TypeMismatchAccepted(address))
        return RefuseAddress(addressText, ": 地址类型与数据类型不匹配");
    const CString prefixText = address.Left(area.length);
    const CString number = address.Mid(area.length);
    if (number.Left(1) == "0" && number.GetLength() > 1 && number.Left(2) != "0.")
        return RefuseAddress(addressText, ": 地址字串的数字部分错误");
    return CheckAddressNumber(addressText, prefixText, number);
}

bool CTokenChecker::CheckAddressNumber(const CString& address, const CString& prefixText,
                                       const CString& number) {
    const long long lastIndex = GetAreaLastIndex(prefixText);
    const int dot = number.Find('.');
    if ((area.types & 0x0F) == OD_BOOL) {
        if (prefixText == "%RS" || prefixText == "%SR") return RefuseAddress(address, nullptr);
        if (dot <= 0) return RefuseAddress(address, ": 地址字串的数字部分错误");
        const CString bytePart = number.Left(dot);
        const CString bitPart = number.Mid(dot + 1);
        if (bitPart.GetLength() != 1) return RefuseAddress(address, nullptr);
        if (!IsDecimal(bytePart) || !IsDecimal(bitPart))
            return RefuseAddress(address, ": 地址字串的数字部分错误");
        const long long byte = ParseIndex(bytePart);
        const long long bit = ParseIndex(bitPart);
        if (byte < 0 || byte > lastIndex || bit < 0 || bit > 7)
            return RefuseAddress(address, ": 地址定义超出范围");
        addressCode = static_cast<uint16_t>(GetAreaCodeBase(prefixText, FALSE) +
                                            byte + bit * 8192);
        bitNumber = static_cast<uint16_t>(bit);
        return true;
    }
    if (dot >= 0 || !IsDecimal(number)) return RefuseAddress(address, ": 地址字串的数字部分错误");
    const long long n = ParseIndex(number);
    if (n < 0 || n > lastIndex) return RefuseAddress(address, ": 地址定义超出范围");
    addressCode = static_cast<uint16_t>(GetAreaCodeBase(prefixText, FALSE) + n);
    bitNumber = 0;
    return true;
}

OperandDescriptor CTokenChecker::GetOperandFlags() const {
    switch (tokenClass) {
    case kConstant:
        return dataType | OD_CONSTANT;
    case kDirectAddress: {
        OperandDescriptor global = 0;
        const OperandDescriptor types = FindGlobalAtAddress(WithoutLeadingAt(upperText), global)
                                            ? (global & OD_TYPE_MASK)
                                            : area.types;
        return area.areaWord | OD_MEMORY | types;
    }
    case kLabel:
    case kProgramUnit:
        return OD_LABEL | OD_CONSTANT;
    case kVariable: {
        bool qualified = false;
        const CVarSymbol* var = FindVariable(upperText, qualified);
        return var ? var->descriptor | OD_MEMORY : 0;
    }
    case kFbInstance:
        if (fbType == "TON" || fbType == "TOF" || fbType == "TP") return 0x200811;
        if (fbType == "CTU" || fbType == "CTD" || fbType == "CTUD") return 0x400811;
        if (fbType == "RS") return 0x20000801;
        if (fbType == "SR") return 0x40000801;
        return dataType | OD_CONSTANT;
    default:
        return 0;
    }
}

bool CTokenChecker::RefuseOperand(const CString& reason, int code) {
    messages.Add(code, kCheckError, reason);
    return false;
}

bool CTokenChecker::CheckOperand(OperandDescriptor direction, OperandRecord& record,
                                 bool statusBit) {
    ClearMessages();
    const OperandDescriptor d = GetOperandFlags() | direction;
    record = OperandRecord();
    switch (tokenClass) {
    case kConstant: {
        record.isConstant = 1;
        switch (ParseLiteral(upperText, dataType, record.value)) {
        case LITERAL_OK: break;
        case LITERAL_UNKNOWN_TYPE: return RefuseOperand(text + "不支持的数据类型");
        case LITERAL_BAD_FORM: return RefuseOperand(text + ": 常量值错误");
        default: return RefuseOperand(text + ": 数值超出范围");
        }
        if (!CheckLiteralRange(dataType, record.value))
            return RefuseOperand(text + ": 常量值越界", 29);
        if (d & OD_WRITE) return RefuseOperand(text + ": 常量不能做输出");
        record.descriptor = d;
        return true;
    }
    case kDirectAddress: {
        const CString address = WithoutLeadingAt(upperText);
        OperandDescriptor global = 0;
        if (FindGlobalAtAddress(address, global)) {
            record.descriptor = (global & OD_TYPE_MASK) | (d & ~OD_TYPE_MASK);
        } else {
            if (!CheckAtAddress(address, d & 0x0F, false)) return false;
            record.descriptor = d;
        }
        if (IsReadOnlyArea(area.areaWord) && (d & OD_WRITE))
            return RefuseOperand(text + ": 只读内存区,不能作输出");
        record.code = addressCode;
        return true;
    }
    case kLabel: {
        CString scoped = upperText;
        JoinScopedName(CurrentProgramName, scoped);
        const CPouSymbol* label = FindLabel(scoped);
        if (!label) return RefuseOperand("Label名:" + text + "在当前文件中未定义");
        record.descriptor = d;
        record.code = static_cast<uint16_t>(label->startIndex);
        return true;
    }
    case kProgramUnit: {
        const CPouSymbol* pou = FindPou(upperText);
        if (!pou) return RefuseOperand(text + ": 未定义的子程序名");
        record.descriptor = d;
        record.code = static_cast<uint16_t>(pou->startIndex);
        return true;
    }
    case kVariable:
        return CheckVariableOperand(d, record);
    case kFbInstance:
        record.descriptor = d;
        return CheckFbInstanceOperand(record, statusBit);
    default:
        return RefuseOperand(text + ": 操作数格式错");
    }
}

bool CTokenChecker::CheckVariableOperand(OperandDescriptor d, OperandRecord& record) {
    bool qualified = false;
    const CVarSymbol* var = FindVariable(upperText, qualified);
    if (!var) return RefuseOperand(text + ": 未定义的变量名");
    const OperandDescriptor varDirection = var->descriptor & OD_DIRECTION_MASK;
    if (d & OD_WRITE) {
        if (IsReadOnlyArea(var->areaRecord.areaWord))
            return RefuseOperand(text + ": 是只读内存,不能做输出");
        if (qualified && varDirection == OD_READ)
            return RefuseOperand(text + ": 子程序的输入参数, 不能写入(只能读取其值)");
    } else if ((d & OD_READ) && qualified && varDirection == OD_WRITE) {
        return RefuseOperand(text + ": 子程序的输出参数, 不能读取(只能写入数值)");
    }
    record.descriptor = (var->descriptor & OD_TYPE_MASK) | var->areaRecord.areaWord | OD_MEMORY |
                        (d & OD_DIRECTION_MASK);
    record.code = var->addressCode;
    return true;
}

bool CTokenChecker::CheckFbInstanceOperand(OperandRecord& record, bool statusBit) {
    const bool flipFlop = upperText.Left(2) == "SR" || upperText.Left(2) == "RS";
    const CString prefix = "%" + upperText.Left(flipFlop ? 2 : 1);
    const CString number = upperText.Mid(flipFlop ? 2 : 1);
    const bool timerOrCounter = prefix == "%T" || prefix == "%C";
    if ((!timerOrCounter && !flipFlop) || !IsDecimal(number) || number.Left(1) == "+" ||
        number.Left(1) == "-")
        return RefuseOperand(text + ": 不是正确的功能块实例");
    const long long n = ParseIndex(number);
    if (n < 0 || n > GetAreaLastIndex(prefix))
        return RefuseOperand(text + ": 不是正确的功能块实例");
    long long code;
    if (timerOrCounter && !statusBit)
        code = GetAreaCodeBase(prefix, FALSE) + 2 * n;
    else
        code = GetAreaCodeBase(prefix, timerOrCounter ? TRUE : FALSE) + n / 8 +
               n * 8192;
    record.code = static_cast<uint16_t>(code);
    return true;
}

bool CTokenChecker::CheckInstrOperand(int slot, InstrSpec& spec, OperandRecord& record,
                                      int& width, bool statusBit) {
    const bool validSlot = slot >= 0 && slot < INSTR_MAX_OPERANDS;
    const OperandDescriptor direction =
        validSlot ? spec.slots[slot] & OD_DIRECTION_MASK : OD_DIRECTION_MASK;
    width = 0;
    if (!CheckOperand(direction, record, statusBit)) return false;
    if (record.isConstant)
        width = WidthOfConstant(dataType);
    else
        width = record.isAddressOf ? 4 : 2;
    if (validSlot) spec.slots[slot] = record.descriptor;
    return true;
}

uint16_t CTokenChecker::GetAreaRecord(AreaPrefixSpec& record) const {
    record = area;
    return addressCode;
}

bool CTokenChecker::FindGlobalAtAddress(const CString& address, OperandDescriptor& descriptor) {
    const CVarSymbol* var = FindDeclaredGlobalAt(address);
    descriptor = var ? var->descriptor : 0;
    return var != nullptr;
}
