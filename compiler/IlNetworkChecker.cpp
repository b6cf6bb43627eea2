#include "compiler/IlNetworkChecker.h"

#include "compiler/CompileMsgTable.h"
#include "compiler/CompileVariables.h"
#include "compiler/PouSymbol.h"
#include "compiler/VarSymbol.h"
#include "language/DelimiterTable.h"
#include "language/DirectAddress.h"
#include "language/KeywordTable.h"
#include "platform/Gbk.h"

#include <cstdlib>
#include <cstring>

namespace {

const int kMsgDeclaration = 25;
const int kMsgUnknownWord = 22;
const int kMsgInstruction = 17;
const int kMsgMissing = 24;
const int kMsgOverflow = 38;
const int kMsgNetwork = 39;

// Keyword ids of the VAR sections.
const int kVarGlobal = 44;
const int kVarInput = 45;
const int kVarInOut = 46;
const int kVarOutput = 47;
const int kVarTemp = 48;
const int kNoSection = 270;

bool IsLdClass(const CString& m) { return m == "LD" || m == "LDN" || m == "LDI" || m == "LDNI"; }

bool IsEndMarker(const CString& m) { return m == "__SPEND" || m == "__INTEND" || m == "__MPEND"; }

bool IsNetworkOrEndMarker(const CString& m) { return m == "__NETWORK" || IsEndMarker(m); }

OperandDescriptor TypeBitsOfKeyword(const CString& type) {
    if (type == "BOOL" || type == "ANY_BIT") return OD_BOOL;
    if (type == "BYTE") return OD_BYTE;
    if (type == "WORD") return OD_WORD;
    if (type == "DWORD") return OD_DWORD;
    if (type == "INT" || type == "ANY_INT") return OD_INT;
    if (type == "DINT") return OD_DINT;
    if (type == "REAL" || type == "ANY_REAL") return OD_REAL;
    return 0;
}

OperandDescriptor FbTypeArea(const CString& fbType) {
    if (fbType == "TON" || fbType == "TOF" || fbType == "TP") return OD_AREA_T;
    if (fbType == "CTU" || fbType == "CTD" || fbType == "CTUD") return OD_AREA_C;
    if (fbType == "RS") return OD_AREA_RS;
    if (fbType == "SR") return OD_AREA_SR;
    return 0;
}

// The splitting delimiters of a statement, in table order.
std::vector<CString> StatementDelimiters() {
    std::vector<CString> delimiters;
    for (int row = 0; row < DELIMITER_COUNT; ++row)
        if (DelimiterTable[row].statementSeparator) delimiters.push_back(DelimiterTable[row].text);
    return delimiters;
}

// The delimiter that starts at byte `at` of the text (the earlier row when several do);
// -1 when none does.
int DelimiterAt(const CString& text, int at, const std::vector<CString>& delimiters) {
    const int room = text.GetLength() - at;
    const char* here = static_cast<const char*>(text) + at;
    for (int i = 0; i < static_cast<int>(delimiters.size()); ++i) {
        const char* delimiter = delimiters[i];
        const int length = delimiters[i].GetLength();
        if (*here == *delimiter && length <= room && std::memcmp(here, delimiter, length) == 0) return i;
    }
    return -1;
}

}  // namespace

void CIlNetworkChecker::SetProgramName(const CString& unitKey) {
    this->unitKey = unitKey;
    CurrentProgramName = unitKey;
}

void CIlNetworkChecker::SetOutputPaths(const CString& objectPath, const CString& hexPath) {
    this->objectPath = objectPath;
    this->hexPath = hexPath;
}

bool CIlNetworkChecker::CheckStatement(const CString& text) {
    if (!text.IsEmpty()) statementText = text;
    emitting = 0;
    messages.Clear();
    SplitStatement();
    Dispatch();
    return messages.GetCount() == 0;
}

bool CIlNetworkChecker::GenerateStatement(uint8_t hexListing) {
    emitting = 1;
    this->hexListing = hexListing;
    messages.Clear();
    SplitStatement();
    Dispatch();
    return messages.GetCount() == 0;
}

namespace {

// Cuts the statement into words in one walk over its characters: each delimiter ends
// the word before it and is a word of its own unless it is blank; the last word is kept
// as it stands. Each word goes to `take` as soon as it is cut off.
template <class Take>
void ForEachStatementWord(const CString& statement, Take take) {
    static const std::vector<CString> delimiters = StatementDelimiters();
    CString text = statement;
    text.Trim();
    const int length = text.GetLength();
    const auto takeTrimmed = [&take](CString word) {
        word.Trim();
        if (!word.IsEmpty()) take(word);
    };
    int wordStart = 0;
    for (int at = 0; at < length;) {
        const int which = DelimiterAt(text, at, delimiters);
        if (which < 0) {
            at += GbkCharLength(text, at, length);
            continue;
        }
        takeTrimmed(text.Mid(wordStart, at - wordStart));
        takeTrimmed(delimiters[which]);
        at += delimiters[which].GetLength();
        wordStart = at;
    }
    if (wordStart < length) take(text.Mid(wordStart));
}

}  // namespace

std::vector<CString> CIlNetworkChecker::StatementWords(const CString& statement) {
    std::vector<CString> words;
    ForEachStatementWord(statement, [&words](const CString& word) { words.push_back(word); });
    return words;
}

void CIlNetworkChecker::SplitStatement() {
    tokens.clear();
    ForEachStatementWord(statementText, [this](const CString& word) { AddToken(word); });
    consumed.assign(tokens.size(), false);
    firstUnconsumed = 0;
    statementEnd = -1;
}

void CIlNetworkChecker::AddToken(const CString& word) {
    auto token = std::make_unique<CTokenChecker>(word);
    token->Classify();
    QueueTokenMessages(*token);
    if (!tokens.empty()) tokens.back()->next = token.get();
    tokens.push_back(std::move(token));
}

void CIlNetworkChecker::QueueTokenMessages(CTokenChecker& token) {
    int code = 0, severity = 0;
    CString text;
    while (token.NextMessage(code, severity, text)) messages.Add(code, severity, text);
    token.ClearMessages();
}

void CIlNetworkChecker::Dispatch() {
    while (firstUnconsumed < GetTokenCount()) {
        statementEnd = -1;
        switch (ClassifyStatement()) {
        case kVarSection: HandleVarSection(); break;
        case kEndVar: HandleEndVar(); break;
        case kDeclaration: HandleDeclaration(); break;
        case kFbDeclaration: HandleFbDeclaration(); break;
        case kInstruction: ApplyInstructionRules(); break;
        case kLabelStatement: ApplyLabelRules(); break;
        default: HandleOther(); break;
        }
        if (AdvanceStatement()) break;
    }
}

int CIlNetworkChecker::ClassifyStatement() {
    int kind = kOther;
    for (int i = firstUnconsumed; i < GetTokenCount(); ++i) {
        const CTokenChecker& token = *tokens[i];
        if (i == firstUnconsumed && token.GetTokenClass() == CTokenChecker::kProgramFunction)
            return token.GetKeywordClass();
        if (token.GetTokenClass() != CTokenChecker::kKeyword) continue;
        kind = token.GetKeywordClass();
        if (kind == CTokenChecker::kNoKeywordClass || (kind == KW_COLON && VarSectionOpen)) continue;
        break;
    }
    return kind;
}

void CIlNetworkChecker::MarkStatementEnd(const char* upperText) {
    statementEnd = -1;
    for (int i = firstUnconsumed; i < GetTokenCount(); ++i) {
        consumed[i] = true;
        if (tokens[i]->GetUpperText() == upperText) {
            statementEnd = i;
            return;
        }
    }
}

int CIlNetworkChecker::StatementEndIndex() const {
    return statementEnd >= 0 ? statementEnd : GetTokenCount();
}

int CIlNetworkChecker::FindToken(const char* upperText) const {
    for (int i = firstUnconsumed; i < StatementEndIndex(); ++i)
        if (tokens[i]->GetUpperText() == upperText) return i;
    return -1;
}

bool CIlNetworkChecker::AdvanceStatement() {
    while (firstUnconsumed < GetTokenCount() && consumed[firstUnconsumed]) ++firstUnconsumed;
    return firstUnconsumed >= GetTokenCount();
}

CString CIlNetworkChecker::WordAt(int i) const { return tokens[i]->GetUpperText(); }

CString CIlNetworkChecker::TextAt(int i) const { return tokens[i]->GetText(); }

void CIlNetworkChecker::HandleVarSection() {
    int keyword = firstUnconsumed;
    while (keyword < GetTokenCount() && tokens[keyword]->GetKeywordClass() != KW_SECTION) ++keyword;
    const CString word = keyword < GetTokenCount() ? WordAt(keyword) : CString();
    MarkStatementEnd(word);
    if (VarSectionOpen) {
        AddMessage(kMsgDeclaration, kSeverityError, "缺少 END_VAR(内部调试性错误)");
        return;
    }
    if (keyword != firstUnconsumed) {
        AddMessage(kMsgDeclaration, kSeverityError, TextAt(firstUnconsumed) + "(内部调试性错误)");
        return;
    }
    VarSectionOpen = true;
    if (word == "VAR_GLOBAL") sectionKind = kVarGlobal;
    if (word == "VAR_INPUT") sectionKind = kVarInput;
    if (word == "VAR_OUTPUT") sectionKind = kVarOutput;
    if (word == "VAR_IN_OUT") sectionKind = kVarInOut;
    if (word == "VAR_TEMP") sectionKind = kVarTemp;
}

void CIlNetworkChecker::HandleEndVar() {
    const bool first = WordAt(firstUnconsumed) == "END_VAR";
    const CString firstText = TextAt(firstUnconsumed);
    MarkStatementEnd("END_VAR");
    if (!VarSectionOpen) {
        AddMessage(kMsgDeclaration, kSeverityError, "缺少VAR(内部调试性错误)");
        return;
    }
    if (!first) {
        AddMessage(kMsgDeclaration, kSeverityError, firstText + "(内部调试性错误)");
        return;
    }
    VarSectionOpen = false;
    sectionKind = kNoSection;
}

void CIlNetworkChecker::HandleOther() {
    const int first = firstUnconsumed;
    MarkStatementEnd(";");
    if (first >= StatementEndIndex()) return;
    if (VarSectionOpen)
        AddMessage(kMsgDeclaration, kSeverityError, TextAt(first) + "错误的数据定义格式");
    else
        AddMessage(kMsgUnknownWord, kSeverityError, TextAt(first));
}

bool CIlNetworkChecker::CheckDeclarationName(int nameIndex) {
    CTokenChecker name(TextAt(nameIndex));
    if (name.CheckVariableName(TextAt(nameIndex))) return true;
    QueueTokenMessages(name);
    return false;
}

bool CIlNetworkChecker::ParseInitialValue(int typeIndex, int endIndex, OperandDescriptor typeBits,
                                          LiteralValue& value, bool& hasValue) {
    const CString typeText = TextAt(typeIndex);
    const int assign = FindToken(":=");
    hasValue = assign >= 0;
    if (!hasValue) {
        if (typeIndex + 1 == endIndex) return true;
        AddMessage(kMsgDeclaration, kSeverityError, typeText + "类型数据定义初始化错误(内部调试性错误)");
        return false;
    }
    if (assign != typeIndex + 1) {
        AddMessage(kMsgDeclaration, kSeverityError, typeText + "类型数据定义初始化格式错误(内部调试性错误)");
        return false;
    }
    if (assign + 1 >= endIndex) {
        AddMessage(kMsgDeclaration, kSeverityError, typeText + "类型数据定义初始化不完整(内部调试性错误)");
        return false;
    }
    CString literal;
    for (int i = assign + 1; i < endIndex; ++i) literal += WordAt(i);
    static const char* const reasons[] = {nullptr, "不支持的数据类型", "初始值错误", "数值超出范围",
                                          "数据类型不匹配"};
    const int result = ParseLiteral(literal, typeBits, value);
    if (result == LITERAL_OK) return true;
    AddMessage(kMsgDeclaration, kSeverityError,
               typeText + (result >= 1 && result <= 4 ? reasons[result] : reasons[2]));
    return false;
}

bool CIlNetworkChecker::BeginDeclaration(int& first, int& end) {
    first = firstUnconsumed;
    MarkStatementEnd(";");
    end = StatementEndIndex();
    if (VarSectionOpen) return true;
    AddMessage(kMsgDeclaration, kSeverityError, "变量声明不正确(内部调试性错误)");
    return false;
}

void CIlNetworkChecker::HandleDeclaration() {
    int first = 0, end = 0;
    if (!BeginDeclaration(first, end)) return;
    const int colon = FindToken(":");
    if (colon == first) {
        AddMessage(kMsgDeclaration, kSeverityError, TextAt(first) + "定义格式错误(内部调试性错误)");
        return;
    }
    if (colon < 0 || colon + 1 >= end) {
        AddMessage(kMsgDeclaration, kSeverityError, "定义格式错误(内部调试性错误)");
        return;
    }
    const int typeIndex = colon + 1;
    if (tokens[typeIndex]->GetKeywordClass() != KW_DATA_TYPE) {
        AddMessage(kMsgDeclaration, kSeverityError, "变量声明不正确(内部调试性错误)");
        return;
    }
    const OperandDescriptor typeBits = TypeBitsOfKeyword(WordAt(typeIndex));
    LiteralValue value{};
    bool hasValue = false;
    if (!ParseInitialValue(typeIndex, end, typeBits, value, hasValue)) return;

    for (int nameIndex = first; nameIndex < colon;) {
        if (!CheckDeclarationName(nameIndex)) return;
        int separator = nameIndex + 1;
        while (separator < colon && WordAt(separator) != ",") ++separator;
        if (separator == nameIndex + 1) {
            AddMessage(kMsgDeclaration, kSeverityError, TextAt(nameIndex) + "缺少地址定义(内部调试性错误)");
            return;
        }
        CString joined;
        for (int i = nameIndex + 1; i < separator; ++i) joined += WordAt(i);
        CTokenChecker address(joined);
        if (!address.CheckAtAddress(joined, typeBits, true)) {
            QueueTokenMessages(address);
            return;
        }
        AreaPrefixSpec area;
        const uint16_t addressCode = address.GetAreaRecord(area);
        CString addressText = joined.Mid(2);
        addressText.Trim();
        if (hasValue && (area.areaWord & OD_AREA_READABLE) && !(area.areaWord & OD_AREA_WRITABLE)) {
            AddMessage(kMsgDeclaration, kSeverityError, addressText + "只读内存区, 不能赋值");
            return;
        }
        if (!emitting) {
            const CString name = WordAt(nameIndex);
            if (IsPouName(name))
                AddMessage(kMsgDeclaration, kSeverityError, TextAt(nameIndex) + "变量名不能与子程序的编号同名");
            CString scoped = name;
            JoinScopedName(unitKey, scoped);
            if (IsDeclaredVar(scoped)) {
                AddMessage(kMsgDeclaration, kSeverityError, TextAt(nameIndex) + "变量名已被使用");
                return;
            }
            OperandDescriptor direction = 0;
            int paramClass = CVarSymbol::kNoParam;
            if (sectionKind == kVarInput) direction = OD_READ, paramClass = CVarSymbol::kInputParam;
            if (sectionKind == kVarOutput) direction = OD_DIRECTION_MASK, paramClass = CVarSymbol::kOutputParam;
            if (sectionKind == kVarInOut) direction = OD_DIRECTION_MASK, paramClass = CVarSymbol::kInOutParam;
            AddDeclaredVar(scoped, typeBits | direction, addressText, area, addressCode, value,
                           sectionKind == kVarGlobal, paramClass);
        }
        nameIndex = separator + 1;
    }
}

void CIlNetworkChecker::HandleFbDeclaration() {
    int first = 0, end = 0;
    if (!BeginDeclaration(first, end)) return;
    int typeIndex = first;
    while (typeIndex < end && tokens[typeIndex]->GetKeywordClass() != KW_FUNCTION_BLOCK) ++typeIndex;
    if (typeIndex + 1 != end) {
        AddMessage(kMsgDeclaration, kSeverityError,
                   (typeIndex < end ? TextAt(typeIndex) : CString()) + "变量声明不正确(内部调试性错误)");
        return;
    }
    const int colon = typeIndex - 1;
    if (colon <= first || WordAt(colon) != ":") {
        AddMessage(kMsgDeclaration, kSeverityError, "变量声明不正确(内部调试性错误)");
        return;
    }
    const CString fbType = WordAt(typeIndex);
    for (int nameIndex = first; nameIndex < colon; nameIndex += 2) {
        if (!CheckDeclarationName(nameIndex)) return;
        const CString name = WordAt(nameIndex);
        if (!emitting) {
            OperandDescriptor descriptor = 0;
            if (!ParseDirectAddress(name, descriptor) || !(descriptor & FbTypeArea(fbType))) {
                AddMessage(kMsgDeclaration, kSeverityError, TextAt(nameIndex) + "无效的功能块实例名称(内部调试性错误)");
            } else if (IsDeclaredVar(name)) {
                AddMessage(kMsgDeclaration, kSeverityError, TextAt(nameIndex) + "变量名已被使用");
            } else {
                AddFbInstanceVar(name, fbType);
            }
        }
        if (nameIndex + 1 < colon && WordAt(nameIndex + 1) != ",") {
            AddMessage(kMsgDeclaration, kSeverityError, "变量名之间必须用逗号分开(内部调试性错误)");
            return;
        }
    }
}

void CIlNetworkChecker::ResetNetworkState() {
    expectLdFirst = expectLdAfterBracket = networkClosed = expectLdAfterLabel = inCallBlock = false;
    bracketDepth = -1;
    networkNumber = -1;
    instructionsInNetwork = 0;
}

void CIlNetworkChecker::PushBracket() {
    if (bracketDepth >= kMaxBrackets - 1)
        AddMessage(kMsgOverflow, kSeverityError, "AND( 或 OR(指令嵌套层数过多(最多16层)");
    else
        ++bracketDepth;
}

void CIlNetworkChecker::PopBracket() {
    if (bracketDepth < 0)
        AddMessage(kMsgMissing, kSeverityError, "当前的 ) 指令缺少与之对应的AND( 或 OR( ");
    else
        --bracketDepth;
}

void CIlNetworkChecker::PushFor() {
    if (forTop >= kMaxFor - 1)
        AddMessage(kMsgOverflow, kSeverityError, "FOR 指令嵌套层数过多(最多8层)");
    else
        forStack[++forTop] = instructionIndex + 1;
}

void CIlNetworkChecker::CountExtraInstruction() {
    if (emitting)
        ++instructionIndex;
    else
        ++LastInstructionIndex;
}

bool CIlNetworkChecker::ApplyStructureRules(CString& m) {
    const int first = firstUnconsumed;
    if (VarSectionOpen) {
        MarkStatementEnd(";");
        AddMessage(kMsgDeclaration, kSeverityError, TextAt(first) + "程序中有错误的变量定义起始(内部调试性错误)");
        return false;
    }
    int end = first;
    while (end < GetTokenCount() && WordAt(end) != ";") ++end;
    const int following = end - first - 1;
    const bool interrupt = CurrentSourceKind == kSourceInterruptProgram;
    if ((m == "AND" || m == "ANDN" || m == "OR" || m == "ORN" || m == "XOR") && following > 1)
        m += "_2";
    else if (m == "NOT" && following > 0)
        m = "NOT_2";
    if (interrupt && (m == "RETC" || m == "RETCN")) {
        if (following > 0) {
            MarkStatementEnd(";");
            AddMessage(18, kSeverityError, TextAt(first));
            return false;
        }
        m = m == "RETC" ? "__RETCI" : "__RETCNI";
    }
    if (interrupt && (m == "ENI" || m == "DISI"))
        AddMessage(kMsgInstruction, kSeverityError, "中断子程序中不允许如下指令: ENI, DISI");
    if (CurrentSourceKind == kSourceMainProgram && (m == "RETC" || m == "RETCN"))
        AddMessage(kMsgInstruction, kSeverityError, "主程序中不允许如下指令: RETC, RETCN");
    statusBitOperands = (m == "LD" || m == "LDN" || m == "OR" || m == "ORN" || m == "SR" ||
                         m == "RS" || m == "AND" || m == "ANDN") ? 1 : 0;
    if (expectLdAfterLabel) {
        if (IsNetworkOrEndMarker(m))
            networkClosed = true;
        else if (!IsLdClass(m))
            AddMessage(kMsgInstruction, kSeverityError, "NetWork的首个可执行指令应该是LD类指令");
        expectLdAfterLabel = false;
    }
    if (expectLdFirst) {
        if (!IsLdClass(m)) AddMessage(kMsgInstruction, kSeverityError, "NetWork的首语句应该是LD类指令, 或一个标号");
        expectLdFirst = false;
    }
    if (expectLdAfterBracket) {
        if (!IsLdClass(m)) AddMessage(kMsgInstruction, kSeverityError, "AND( 或 OR( 指令之后的首语句应该是LD类指令");
        expectLdAfterBracket = false;
    }
    if (!IsNetworkOrEndMarker(m)) {
        if (networkNumber == -1) AddMessage(kMsgNetwork, kSeverityError, "程序必须注明network(内部调试性错误)");
        ++instructionsInNetwork;
        networkClosed = IsNonLogicInstruction(m);
    }
    if (m == "LBL") {
        MarkStatementEnd(";");
        AddMessage(kMsgInstruction, kSeverityError, "");
        return false;
    }
    CString text;
    if (IsEndMarker(m)) {
        unitCallCount = unitAttachCount = unitJumpCount = unitLabelCount = 0;
        if (forTop >= 0) {
            text.Format("缺少 %d 个NEXT指令与前面的FOR对应", forTop + 1);
            AddMessage(kMsgMissing, kSeverityError, text);
            forTop = -1;
        }
        if (!networkClosed && networkNumber != -1) {
            AddMessage(kMsgNetwork, kSeverityError, "最后一个NetWork中没有正确的结尾语句");
        } else if (bracketDepth >= 0) {
            text.Format("在最后一个NetWork中, 缺少 %d 个 ) 指令与前面的AND( 或 OR( 指令对应", bracketDepth + 1);
            AddMessage(kMsgMissing, kSeverityError, text);
        }
        ResetNetworkState();
    } else if (m == "FOR") {
        PushFor();
        if (instructionsInNetwork != 2)
            AddMessage(kMsgInstruction, kSeverityError, "FOR指令只能是一个NetWork中的第二条指令");
    } else if (m == "__NETWORK" && first + 1 < end) {
        const int number = atoi(WordAt(first + 1));
        CurrentNetworkNumber = number;
        const int expected = networkNumber + 1;
        if (number != expected) {
            text.Format("当前的NetWork的编号不对(内部调试性错误), 应该为 %d", expected);
            AddMessage(kMsgNetwork, kSeverityWarning, text);
        }
        if (!networkClosed && networkNumber != -1)
            AddMessage(kMsgNetwork, kSeverityError, "上一个NetWork中没有正确的结尾语句");
        if (bracketDepth >= 0) {
            text.Format("在上一个NetWork中, 缺少 %d 个 ) 指令与前面的AND( 或 OR( 指令对应", bracketDepth + 1);
            AddMessage(kMsgMissing, kSeverityError, text);
        }
        ResetNetworkState();
        networkNumber = expected;
        expectLdFirst = true;
    } else if (m == "AND(" || m == "OR(") {
        CountExtraInstruction();
        PushBracket();
        expectLdAfterBracket = true;
    } else if (m == ")") {
        PopBracket();
    }
    return true;
}
