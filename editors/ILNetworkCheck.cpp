// The line-by-line check of an IL program: every line that would not compile gets the
// error state; labels, FB instances declared by timer and counter lines, and the
// pairing of parentheses per network are kept on the way.
#include "editors/ILEditEngine.h"
#include "editors/ILModel.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUVarView.h"
#include "language/DirectAddress.h"
#include "language/Identifier.h"
#include "language/LiteralParser.h"
#include "language/PidSpec.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFunc.h"
#include "project/CQLXSymbol.h"

namespace {
struct ConstantRange {
    const char* name;
    int operandCount;
    int ranges[5][2];  // (-1, -1): free
};

const ConstantRange kConstantRanges[] = {
    {"HDEF", 2, {{0, 24}, {0, 30}}},
    {"HSC", 1, {{0, 24}}},
    {"PLS", 1, {{0, 1}}},
    {"RCV", 2, {{-1, -1}, {0, 1}}},
    {"XMT", 2, {{-1, -1}, {0, 1}}},
};

const int kMaxMnemonicLength = 12;
const int kMaxOperands = 6;
const int kAttachEventLimit = 32;

BOOL IsDigits(const CString& text) {
    if (text.IsEmpty()) return FALSE;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] < '0' || text[i] > '9') return FALSE;
    }
    return TRUE;
}

BOOL StartsWithDigits(const CString& text, const char* prefix) {
    int length = lstrlenA(prefix);
    return text.Left(length) == prefix && IsDigits(text.Mid(length));
}
}  // namespace

void CILEditEngine::CheckNetwork(BOOL allLines) {
    if (IsOnline()) return;
    CollectLabels();
    const CStringArray& lines = m_pModel->GetLines();
    int lineCount = static_cast<int>(lines.GetSize());
    int first = 0, last = lineCount - 1;
    if (allLines) {
        m_lineStates.clear();
        RemoveFBRecords(-1, -1);
    } else {
        first = std::min(FirstVisibleLine(), std::max(0, lineCount - 1));
        last = std::min(first + kCheckedVisibleLines - 1, lineCount - 1);
        RemoveFBRecords(first, last);
    }
    m_brackets.RemoveRange(first, 0, last, INT_MAX);
    GrowLineStates(lineCount);
    CString pouName = m_pDocument ? m_pDocument->GetPOUName() : CString();
    CString number;
    int network = m_pModel->FindPrevHeader(first, number) ? atoi(number) : 0;
    for (int line = first; line <= last; ++line) {
        if (line > first && m_pModel->IsHeaderLine(line) && m_pModel->FindPrevHeader(line, number))
            network = atoi(number);
        SetLineState(line, CheckLine(line, lines[line], network, pouName) ? kLineOk : kLineError);
    }
    CheckBracketPairs();
}

void CILEditEngine::CollectLabels() {
    m_labels.RemoveAll();
    const CStringArray& lines = m_pModel->GetLines();
    for (int line = 0; line < lines.GetSize(); ++line) {
        CString label;
        if (ParseLabelLine(lines[line], label) == 1) {
            label.MakeUpper();
            CString known;
            if (!m_labels.Lookup(label, known)) {
                CString index;
                index.Format("%d", line);
                m_labels.SetAt(label, index);
            }
        }
    }
}

BOOL CILEditEngine::RegisterLabel(const CString& label, int line) {
    CString key = label, known, index;
    key.MakeUpper();
    index.Format("%d", line);
    if (!m_labels.IsEmpty() && m_labels.Lookup(key, known) && known != index) return FALSE;
    m_labels.SetAt(key, index);
    return TRUE;
}

BOOL CILEditEngine::CheckLine(int line, const CString& text, int network, const CString& pouName) {
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty()) return TRUE;
    m_brackets.ScanLine(text, line, network);
    CString code = m_parser.StripComments(trimmed);
    code.Trim();
    if (code.IsEmpty() || code == "AND(") return TRUE;
    int label = CheckLabelLine(code, line);
    if (label != -1) return label == 1;
    CStringArray tokens;
    if (code == "CAL") return FALSE;
    SplitOperands(code, tokens);
    if (tokens.GetSize() == 0) return TRUE;
    const CString& word = tokens[0];
    if (word == "PID") return CheckPidLine(tokens);
    if (word == "ATCH") return CheckAttachLine(tokens);
    int jump = CheckJumpLine(tokens);
    if (jump != -1) return jump == 1;
    int instruction = CheckInstructionLine(tokens, line, pouName);
    if (instruction != -1) return instruction == 1;
    return CheckCallLine(tokens, pouName) == 1;
}

int CILEditEngine::CheckLabelLine(const CString& text, int line) {
    CString label;
    int parsed = ParseLabelLine(text, label);
    if (parsed == -1) return -1;
    if (parsed == 0) return 0;
    label.MakeUpper();
    CString known, index;
    index.Format("%d", line);
    return !m_labels.Lookup(label, known) || known == index ? 1 : 0;
}

int CILEditEngine::ParseLabelLine(const CString& text, CString& label) const {
    CString code = m_parser.StripComments(text);
    code.Trim();
    if (code.IsEmpty() || code[code.GetLength() - 1] != ':') return -1;
    label = code.Left(code.GetLength() - 1);
    label.Trim();
    return IsValidLabelName(label) ? 1 : 0;
}

BOOL CILEditEngine::IsValidLabelName(const CString& name) const {
    OperandDescriptor descriptor = 0;
    if (name.IsEmpty() || ParseDirectAddress(name, descriptor) || ClassifyConstant(name, descriptor)) return FALSE;
    if (IsReservedWord(name) || !IsValidIdentifier(name)) return FALSE;
    return !(theWorkspace && theWorkspace->project.IsSubroutineName(name));
}

void CILEditEngine::SplitOperands(const CString& text, CStringArray& tokens) const {
    CString code = text;
    code.Trim();
    if (code.Left(3) == "CAL") code = code.Mid(3);
    code = m_parser.StripComments(code);
    code.Replace(":=", "  ");
    code.Replace("=>", "  ");
    int start = -1;
    for (int i = 0; i <= code.GetLength(); ++i) {
        bool separator = i == code.GetLength() || code[i] == ' ' || code[i] == '\t' || code[i] == ',';
        if (separator && start >= 0) {
            tokens.Add(code.Mid(start, i - start));
            start = -1;
        } else if (!separator && start < 0) {
            start = i;
        }
    }
}

BOOL CILEditEngine::ClassifyOperand(const CString& text, OperandDescriptor& descriptor) const {
    OperandDescriptor d = 0;
    if (ParseDirectAddress(text, d) || ClassifyConstant(text, d)) {
        descriptor = d | AccessFromAreaFlags(d);
        return TRUE;
    }
    CQLXSymbol* symbol = nullptr;
    if (theWorkspace && theWorkspace->FindGlobalSymbol(text, symbol) && symbol) {
        if (!ParseDirectAddress(symbol->address, d)) return FALSE;
        DWORD typeBits = 0;
        CPlcWorkspace::ParseDataTypeName(symbol->dataType, typeBits);
        descriptor = AccessFromAreaFlags(d) | (d & (typeBits | 0xFFFF8800)) | 0x800;
        return TRUE;
    }
    return m_pDocument && m_pDocument->LookupLocalVar(text, descriptor);
}

// A PID line names its fourteen operands; more than the record holds fails the line.
BOOL CILEditEngine::CheckPidLine(const CStringArray& tokens) {
    int operandCount = static_cast<int>(tokens.GetSize()) - 1;
    if (operandCount > PID_OPERAND_COUNT) return FALSE;
    PidSpec query = {};
    query.operandCount = operandCount;
    for (int i = 1; i <= operandCount; ++i) {
        if (!ClassifyOperand(tokens[i], query.slots[i - 1])) return FALSE;
    }
    int result = -1;
    if (!CheckPidOperands(tokens[0], query, result) || result != 0) return FALSE;
    return CheckConstantRanges(tokens);
}

BOOL CILEditEngine::CheckAttachLine(const CStringArray& tokens) const {
    if (tokens.GetSize() != 3 || !theWorkspace) return FALSE;
    CString other;
    if (!theWorkspace->project.ToggleInterruptName(tokens[1], other)) return FALSE;
    return IsDigits(tokens[2]) && atoi(tokens[2]) <= kAttachEventLimit;
}

int CILEditEngine::CheckJumpLine(const CStringArray& tokens) const {
    const CString& word = tokens[0];
    if (word == "JMP" || word == "JMPC" || word == "JMPCN") {
        if (tokens.GetSize() != 2 || !IsValidLabelName(tokens[1])) return 0;
        CString label = tokens[1], line;
        label.MakeUpper();
        return m_labels.Lookup(label, line) ? 1 : 0;
    }
    if (word == "RET" || word == "RETC" || word == "RETCN") return tokens.GetSize() == 1 ? 1 : 0;
    return -1;
}

int CILEditEngine::CheckInstructionLine(const CStringArray& tokens, int line, const CString& pouName) {
    const CString& word = tokens[0];
    int operandCount = static_cast<int>(tokens.GetSize()) - 1;
    m_resolved = InstrSpec{};
    if (word.GetLength() > kMaxMnemonicLength || !IsReservedWord(word) || operandCount > kMaxOperands) return -1;
    InstrSpec record = {};
    record.operandCount = operandCount;
    for (int i = 1; i <= operandCount; ++i) {
        if (!ClassifyOperand(tokens[i], record.slots[i - 1])) return -1;
    }
    int errorIndex = -1;
    if (!ResolveInstruction(word, record, errorIndex) || !CheckConstantRanges(tokens)) return -1;
    m_resolved = record;
    return RegisterFBInstance(tokens, line, pouName);
}

int CILEditEngine::CheckCallLine(const CStringArray& tokens, const CString& pouName) {
    CString name = tokens[0];
    name.MakeUpper();
    CString own = pouName;
    own.MakeUpper();
    if (!theWorkspace || name == own) return 0;
    CQLXFunc descriptor;
    if (!theWorkspace->project.GetSubroutineDesc(name, &descriptor)) return 0;
    int inputs = static_cast<int>(descriptor.inputs.GetSize()) - 1;
    int outputs = static_cast<int>(descriptor.outputs.GetSize()) - 1;
    int operandCount = static_cast<int>(tokens.GetSize()) - 1;
    if (operandCount != inputs + outputs) return 0;
    m_resolved = InstrSpec{};
    for (int i = 1; i <= operandCount; ++i) {
        CQLXFBPara* parameter = i <= inputs ? descriptor.GetInput(i) : descriptor.GetOutput(i - inputs);
        OperandDescriptor operand = 0;
        if (!parameter || !ClassifyOperand(tokens[i], operand)) return 0;
        OperandDescriptor wanted = parameter->GetFlags();
        bool compatible = (operand & wanted & 0x18000) && (operand & wanted & 0xFFFE1000) && (operand & wanted & 0x1FF);
        if (!compatible) return 0;
        StoreOperandType(i, wanted & 0x1FF);
    }
    return 1;
}

void CILEditEngine::StoreOperandType(int operand, OperandDescriptor type) {
    if (operand >= 1 && operand <= 5) m_resolved.slots[operand - 1] = type;
}

BOOL CILEditEngine::CheckConstantRanges(const CStringArray& tokens) const {
    for (const ConstantRange& row : kConstantRanges) {
        if (tokens[0] != row.name || tokens.GetSize() != row.operandCount + 1) continue;
        for (int i = 0; i < row.operandCount; ++i) {
            if (row.ranges[i][0] == -1 && row.ranges[i][1] == -1) continue;
            const CString& operand = tokens[i + 1];
            if (!IsDigits(operand)) return FALSE;
            int value = atoi(operand);
            if (value < row.ranges[i][0] || value > row.ranges[i][1]) return FALSE;
        }
    }
    return TRUE;
}

int CILEditEngine::RegisterFBInstance(const CStringArray& tokens, int line, const CString& pouName) {
    if (tokens.GetSize() < 2) return 1;
    const CString& word = tokens[0];
    CString instance = tokens[1];
    if (instance.Left(1) == "%") instance = instance.Mid(1);
    bool timer = StartsWithDigits(instance, "T") && (word == "TON" || word == "TOF" || word == "TP");
    bool counter = StartsWithDigits(instance, "C") && (word == "CTU" || word == "CTD" || word == "CTUD");
    bool rs = StartsWithDigits(instance, "RS") && word == "RS";
    bool sr = StartsWithDigits(instance, "SR") && word == "SR";
    if (!timer && !counter && !rs && !sr) return 1;
    if (!theWorkspace || !theWorkspace->project.AddFBInstance(instance, word, pouName)) return 0;
    m_fbRecords.insert(m_fbRecords.begin(), FBRecord{instance, word, line});
    return 1;
}

void CILEditEngine::RemoveFBRecords(int first, int last) {
    bool all = first == -1 && last == -1;
    std::vector<FBRecord> kept;
    for (const FBRecord& record : m_fbRecords) {
        if (all || (record.line >= first && record.line <= last)) {
            if (theWorkspace) theWorkspace->project.DeleteFBInstance(record.name);
        } else {
            kept.push_back(record);
        }
    }
    m_fbRecords.swap(kept);
}

void CILEditEngine::ShiftFBRecords(int line, int delta) {
    for (FBRecord& record : m_fbRecords) {
        if (record.line >= line) record.line += delta;
    }
}

void CILEditEngine::BuildFBRecords() {
    m_fbRecords.clear();
    if (!theWorkspace || !m_pDocument) return;
    CStringArray names, types;
    theWorkspace->project.GetFBInstancesOf(m_pDocument->GetPOUName(), names, types);
    for (int i = 0; i < names.GetSize() && i < types.GetSize(); ++i) m_fbRecords.push_back(FBRecord{names[i], types[i], -1});
}

void CILEditEngine::CheckBracketPairs() {
    for (int line : m_brackets.UnpairedLines()) SetLineState(line, kLineError);
}

BOOL CILEditEngine::ResolveToAddress(const CString& word, CString& address) const {
    CPOUVarView* variables = m_pDocument ? m_pDocument->GetVarView() : nullptr;
    if (variables) {
        CStringArray names, addresses;
        variables->GetDeclaredVariables(names, addresses);
        for (int i = 0; i < names.GetSize() && i < addresses.GetSize(); ++i) {
            if (names[i].CompareNoCase(word) == 0) {
                address = addresses[i];
                return TRUE;
            }
        }
    }
    CQLXSymbol* symbol = nullptr;
    if (!theWorkspace || !theWorkspace->FindGlobalSymbol(word, symbol) || !symbol) return FALSE;
    address = symbol->address;
    return TRUE;
}
