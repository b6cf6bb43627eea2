#pragma once
#include "platform/CString.h"

class CBlock;

// Writes one ladder box as IL lines, in the forms that the box reader recognises again.
// The power flow in front of the box is already the current result (the box's enable).
class CLadderILWriter {
public:
    virtual ~CLadderILWriter() = default;
    CString Write(const CBlock& box) const;

private:
    CString GeneralForm(const CBlock& box, BOOL inCatalogue) const;
    CString MoveForm(const CBlock& box) const;
    CString ArithmeticForm(const CBlock& box) const;
    CString SubtractIntoSubtrahend(const CBlock& box) const;
    CString ShiftForm(const CBlock& box) const;
    CString TimerCounterForm(const CBlock& box) const;
    CString InterruptForm(const CBlock& box) const;
    // The operands of the pins from 1: `first` before the first input and ", " before
    // the others; outputs after ", ", or after `first` when there is no input.
    CString PinList(const CBlock& box, const char* first) const;
    // Whether the operand is a REAL value: a REAL constant, or a variable or address
    // of type REAL.
    BOOL IsRealOperand(const CString& operand) const;
};
