#include "ladder/LadderILReader.h"

#include <vector>

#include "ladder/Block.h"
#include "ladder/LadderEnvironment.h"
#include "language/InstrDesc.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"

namespace {
// A line of the range split into words (the first upper-cased), with the lines after it.
struct Line {
    const CStringArray* lines = nullptr;
    int index = 0;
    int lastLine = -1;
    std::vector<CString> words;
    const CILTokenizer* tokenizer = nullptr;

    BOOL Exists() const { return lines != nullptr; }
    CString Word(int i) const { return HasWord(i) ? words[i] : CString(); }
    BOOL HasWord(int i) const { return i < static_cast<int>(words.size()); }
    CString LastWord() const { return words.empty() ? CString() : words.back(); }
    CString Text() const { return (*lines)[index]; }
    // The line `offset` lines further on; one that does not exist past the range.
    Line Next(int offset) const {
        Line next;
        if (index + offset > lastLine) return next;
        next = *this;
        next.index = index + offset;
        CStringArray split;
        tokenizer->SplitTokens((*lines)[next.index], split);
        next.words.assign(split.GetData(), split.GetData() + split.GetSize());
        if (!next.words.empty()) next.words[0].MakeUpper();
        return next;
    }
};

void SetInput(CBlock* box, int pin, const CString& text) {
    if (CQLXFBPara* param = box->InputPin(pin)) param->textA = text;
}

void SetOutput(CBlock* box, int pin, const CString& text) {
    if (CQLXFBPara* param = box->OutputPin(pin)) param->textA = text;
}

CBlock* FunctionBox(const CString& name) {
    CQLXFunc* function = LadderEnvironment().NewFunctionDef(name);
    if (!function) return nullptr;
    CBlock* box = new CBlock;
    box->SetFunction(function);
    return box;
}

CBlock* FunctionBlockBox(const CString& type, const CString& instance) {
    CQLXFB* block = LadderEnvironment().NewFunctionBlockDef(type);
    if (!block) return nullptr;
    block->instanceName = instance;
    CBlock* box = new CBlock;
    box->SetFunctionBlock(block);
    return box;
}

int GroupOf(const CString& name) {
    const InstrDesc* record = LadderEnvironment().FindInstruction(name);
    return record ? record->group : -1;
}

// Inputs from pin 1 take the words from `firstInputWord` on, outputs from pin 1 the
// words after them; a pin without a word keeps its text.
void FillPins(CBlock* box, const Line& line, int firstInputWord) {
    int inputs = box->GetInputCount();
    for (int i = 1; i < inputs; ++i)
        if (line.HasWord(firstInputWord + i - 1)) SetInput(box, i, line.Word(firstInputWord + i - 1));
    int firstOutputWord = firstInputWord + inputs - 1;
    for (int j = 1; j < box->GetOutputCount(); ++j)
        if (line.HasWord(firstOutputWord + j - 1))
            SetOutput(box, j, line.Word(firstOutputWord + j - 1));
}

// A SUB written as the lines that negate its subtrahend in place: the box and the
// number of further lines it takes; 0 when the lines are no such pattern.
int SubtractPattern(const Line& line, CBlock*& box) {
    Line next = line.Next(1);
    if (!next.Exists()) return 0;
    CString minuend, subtrahend;
    int used = 0;
    if (line.Word(0) == "MUL" && line.Word(1) == "-1.0" && next.Word(0) == "ADD" &&
        next.Word(2) == line.Word(2)) {
        minuend = next.Word(1);
        subtrahend = next.Word(2);
        used = 1;
    } else {
        Line after = line.Next(2);
        if (line.Word(0) != "NOT" || next.Word(0) != "INC" || next.Word(1) != line.Word(1) ||
            !after.Exists() || after.Word(0) != "ADD" || after.Word(2) != line.Word(1))
            return 0;
        minuend = after.Word(1);
        subtrahend = line.Word(1);
        used = 2;
    }
    if ((box = FunctionBox("SUB"))) {
        SetInput(box, 1, minuend);
        SetInput(box, 2, subtrahend);
        SetOutput(box, 1, subtrahend);
    }
    return used;
}

BOOL StartsSubtractPattern(const Line& line) {
    CBlock* box = nullptr;
    BOOL found = SubtractPattern(line, box) > 0;
    delete box;
    return found;
}

CBlock* Arithmetic(const Line& line, int& used) {
    CBlock* box = nullptr;
    if ((used = SubtractPattern(line, box)) > 0) return box;
    if (!(box = FunctionBox(line.Word(0)))) return nullptr;
    SetOutput(box, 1, line.LastWord());
    SetInput(box, 1, line.LastWord());
    if (box->GetInputCount() > 2) SetInput(box, 2, line.Word(1));
    return box;
}

// A MOVE line, or the MOVE in front of an arithmetic or shift line that the writer made
// of one box whose first input differs from its output.
CBlock* Move(const Line& line, int& used) {
    Line next = line.Next(1);
    CBlock* combined = nullptr;
    if (next.Exists() && !StartsSubtractPattern(next)) {
        int group = GroupOf(next.Word(0));
        BOOL sameTarget = line.LastWord() == next.LastWord();
        if (sameTarget && (group == GROUP_BITWISE || group == GROUP_ARITHMETIC)) {
            if ((combined = FunctionBox(next.Word(0))) && combined->GetInputCount() > 2)
                SetInput(combined, 2, next.Word(1));
        } else if (!sameTarget && group == GROUP_SHIFT && line.Word(2) == next.Word(1)) {
            if ((combined = FunctionBox(next.Word(0)))) SetInput(combined, 2, next.Word(2));
        }
    }
    CBlock* box = combined ? combined : FunctionBox("MOVE");
    if (!box) return nullptr;
    SetInput(box, 1, line.Word(1));
    SetOutput(box, 1, line.Word(2));
    used = combined ? 1 : 0;
    return box;
}

CBlock* TimerOrCounter(const Line& line, BOOL timer, int& used) {
    CString type = line.Word(0);
    type.Trim();
    CBlock* box = FunctionBlockBox(type, line.Word(1));
    if (!box) return nullptr;
    int inputs = box->GetInputCount(), lastOutput = box->GetOutputCount() - 1;
    if (timer) {
        SetInput(box, 1, line.Word(2));
    } else {
        for (int i = 1; i < inputs; ++i)
            if (line.HasWord(i + 1)) SetInput(box, i, line.Word(i + 1));
        for (int j = 1; j < lastOutput; ++j)
            if (line.HasWord(inputs + j)) SetOutput(box, j, line.Word(inputs + j));
    }
    Line marker = line.Next(1);
    Line copy = line.Next(2);
    if (marker.Exists() && copy.Exists() && marker.Text() == "__CR_EQ_1" && lastOutput >= 1) {
        SetOutput(box, lastOutput, copy.Word(2));
        used = 3;
    }
    return box;
}

CBlock* Interrupt(const Line& line) {
    CBlock* box = FunctionBox(line.Word(0));
    if (!box) return nullptr;
    FillPins(box, line, 1);
    CString routine;
    if (line.Word(0) == "ATCH" && LadderEnvironment().TranslateInterruptName(line.Word(1), routine))
        SetInput(box, 1, routine);
    return box;
}

CBlock* General(const Line& line, int kind) {
    if (kind == INSTR_FUNCTION_BLOCK) {
        CBlock* box = FunctionBlockBox(line.Word(0), line.Word(1));
        if (box) SetInput(box, 1, line.Word(2));
        return box;
    }
    if (line.Word(0) != "CAL") {
        CBlock* box = FunctionBox(line.Word(0));
        if (box) FillPins(box, line, 1);
        return box;
    }
    CBlock* box = new CBlock;
    CQLXFunc* subroutine = LadderEnvironment().NewSubroutineDesc(line.Word(1));
    if (subroutine) {
        box->SetFunction(subroutine);
        FillPins(box, line, 2);
    } else {
        subroutine = new CQLXFunc;
        subroutine->SetName(line.Word(1));
        box->SetFunction(subroutine);
    }
    return box;
}
}  // namespace

BOOL CLadderILReader::Recognise(const CStringArray& lines, int& lineIndex, int lastLine,
                                CStringArray& words, CLadderElement*& box) {
    if (words.IsEmpty()) return FALSE;
    words[0].MakeUpper();
    Line line;
    line.lines = &lines;
    line.index = lineIndex;
    line.lastLine = lastLine;
    line.words.assign(words.GetData(), words.GetData() + words.GetSize());
    line.tokenizer = &m_tokenizer;
    const CString name = line.Word(0);
    const InstrDesc* record = LadderEnvironment().FindInstruction(name);
    int used = 0;
    CBlock* built = nullptr;
    switch (record ? record->group : -1) {
    case GROUP_MOVE_FILL:
        if ((built = FunctionBox(name))) {
            SetInput(built, 1, line.Word(1));
            SetOutput(built, 1, line.Word(2));
            SetInput(built, 2, line.Word(3));
        }
        break;
    case GROUP_BITWISE:
    case GROUP_ARITHMETIC: built = Arithmetic(line, used); break;
    case GROUP_SHIFT:
        if ((built = FunctionBox(name))) {
            SetInput(built, 1, line.Word(1));
            SetOutput(built, 1, line.Word(1));
            SetInput(built, 2, line.Word(2));
        }
        break;
    case GROUP_COUNTER: built = TimerOrCounter(line, FALSE, used); break;
    case GROUP_TIMER: built = TimerOrCounter(line, TRUE, used); break;
    case GROUP_INTERRUPT: built = Interrupt(line); break;
    case GROUP_MOVE: built = Move(line, used); break;
    default: built = General(line, record ? record->kind : -1); break;
    }
    if (!built) return FALSE;
    lineIndex = used;
    box = built;
    return TRUE;
}
