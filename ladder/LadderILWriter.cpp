#include "ladder/LadderILWriter.h"

#include "editors/POUEditorDoc.h"
#include "ladder/Block.h"
#include "ladder/LadderEnvironment.h"
#include "language/DirectAddress.h"
#include "language/InstrDesc.h"
#include "language/LiteralParser.h"
#include "project/CQLXFBPara.h"

namespace {
const OperandDescriptor kRealBit = 0x40;
const OperandDescriptor kIntegerBits = 0x3E;
}  // namespace

CString CLadderILWriter::Write(const CBlock& box) const {
    const InstrDesc* record = LadderEnvironment().FindInstruction(box.GetName());
    switch (record ? record->group : -1) {
    case GROUP_MOVE_FILL: return MoveForm(box);
    case GROUP_BITWISE:
    case GROUP_ARITHMETIC: return ArithmeticForm(box);
    case GROUP_SHIFT: return ShiftForm(box);
    case GROUP_COUNTER:
    case GROUP_TIMER: return TimerCounterForm(box);
    case GROUP_INTERRUPT: return InterruptForm(box);
    default: return GeneralForm(box, record != nullptr);
    }
}

CString CLadderILWriter::PinList(const CBlock& box, const char* first) const {
    CString list;
    for (int i = 1; i < box.GetInputCount(); ++i) list += (i == 1 ? first : ", ") + box.InputOperand(i);
    BOOL noInputs = box.GetInputCount() <= 1;
    for (int j = 1; j < box.GetOutputCount(); ++j)
        list += (j == 1 && noInputs ? first : ", ") + box.OutputOperand(j);
    return list;
}

CString CLadderILWriter::GeneralForm(const CBlock& box, BOOL inCatalogue) const {
    CString name = box.GetName();
    if (box.GetBoxType() == CBlock::FUNCTION_BLOCK)
        return name + "   " + box.GetOperand() + PinList(box, "   ") + "\r\n";
    if (inCatalogue) return name + PinList(box, "    ") + "\r\n";
    CString target;
    if (LadderEnvironment().ResolveCallTarget(name, target))
        return "CAL    " + target + PinList(box, "    ") + "\r\n";
    return "CAL  " + name + "\r\n";
}

CString CLadderILWriter::MoveForm(const CBlock& box) const {
    return box.GetName() + "  " + box.InputOperand(1) + ", " + box.OutputOperand(1) + ", " +
           box.InputOperand(2) + "\r\n";
}

CString CLadderILWriter::ArithmeticForm(const CBlock& box) const {
    CString name = box.GetName();
    CString in1 = box.InputOperand(1), in2 = box.InputOperand(2), out = box.OutputOperand(1);
    CString tail = name + (box.GetInputCount() > 2 ? "    " + in2 + ", " : CString("    "));
    for (int j = 1; j < box.GetOutputCount(); ++j) tail += box.OutputOperand(j);
    tail += "\r\n";
    if (in1 == out) return tail;
    if (in2 != out) return "MOVE    " + in1 + ", " + out + "\r\n" + tail;
    if (name == "SUB") return SubtractIntoSubtrahend(box);
    if (name == "DIV" || name == "MOD") return name + "\r\n";
    return name + "    " + in1 + ", " + in2 + "\r\n";
}

// OUT = IN1 - IN2 with OUT being IN2: IN2 is negated in place, then IN1 added.
CString CLadderILWriter::SubtractIntoSubtrahend(const CBlock& box) const {
    CString in1 = box.InputOperand(1), in2 = box.InputOperand(2);
    CString add = "ADD    " + in1 + ", " + in2 + "\r\n";
    if (IsRealOperand(in1) || IsRealOperand(in2)) return "MUL     -1.0, " + in2 + "\r\n" + add;
    return "NOT    " + in2 + "\r\n" + "INC    " + in2 + "\r\n" + add;
}

BOOL CLadderILWriter::IsRealOperand(const CString& operand) const {
    OperandDescriptor type = 0;
    if (ClassifyConstant(operand, type)) return (type & kRealBit) != 0;
    CLadderEnvironment& environment = LadderEnvironment();
    CPOUEditorDoc* document = environment.GetActivePOUDocument();
    if (document && document->LookupLocalVar(operand, type))
        return (type & kRealBit) && !(type & kIntegerBits);
    CString address = operand, name;
    CString key = operand;
    key.MakeUpper();
    if (!PouVarNameMap.Lookup(key, address)) {
        if (environment.FindGlobalDescriptor(operand, type))
            return (type & kRealBit) && !(type & kIntegerBits);
        environment.FindGlobalSymbol(operand, name, address);
    }
    address.TrimLeft('%');
    return ParseDirectAddress(address, type) && (type & kRealBit);
}

CString CLadderILWriter::ShiftForm(const CBlock& box) const {
    CString in1 = box.InputOperand(1), out = box.OutputOperand(1);
    CString il = out != in1 ? "MOVE   " + in1 + ", " + out + "\r\n" : CString();
    return il + box.GetName() + "  " + out + ", " + box.InputOperand(2) + "\r\n";
}

CString CLadderILWriter::TimerCounterForm(const CBlock& box) const {
    CString instance = box.GetOperand();
    CString il = box.GetName() + "   " + instance;
    for (int i = 1; i < box.GetInputCount(); ++i) il += ", " + box.InputOperand(i);
    int lastOutput = box.GetOutputCount() - 1;
    for (int j = 1; j < lastOutput; ++j) il += ", " + box.OutputOperand(j);
    il += "\r\n";
    CString copyTarget = lastOutput >= 1 ? box.OutputOperand(lastOutput) : CString();
    if (copyTarget.IsEmpty()) return il;
    return il + "__CR_EQ_1\r\nMOVE    " + instance + ", " + copyTarget + "\r\n__CR_RESTORE\r\n";
}

CString CLadderILWriter::InterruptForm(const CBlock& box) const {
    CString il = box.GetName();
    for (int i = 1; i < box.GetInputCount(); ++i) {
        CString operand = box.InputOperand(i), other;
        if (i == 1 && box.GetName() == "ATCH" &&
            LadderEnvironment().ToggleInterruptName(operand, other))
            operand = other;
        il += (i == 1 ? "    " : ", ") + operand;
    }
    for (int j = 1; j < box.GetOutputCount(); ++j) il += ", " + box.OutputOperand(j);
    return il + "\r\n";
}
