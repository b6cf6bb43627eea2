#pragma once
#include "ladder/LadderElement.h"

// Painting shared by the one-cell elements, contacts and coils.

// Paints an operand centred at height y of the element's cell and gives the operand the
// stored form drawing settles on. A missing operand shows as a red "????"; while
// monitoring the operand is drawn in blue; an operand being edited in place is not
// drawn; one that fails its check (against mask) is drawn in red. A label operand
// (mask PIN_LABEL) is shown and kept as typed; any other takes its display form, unless
// it is a global variable's address written with "%".
void PaintLeafOperand(CLadderElement& element, CString& operand, int y, OperandDescriptor mask,
                      LadderPass& pass);

// The live state of a one-cell element: the bar in the middle of its symbol filled blue
// when power passes and white otherwise, with the symbol's middle text over it.
void PaintPowerFlow(const CLadderElement& element, const CString& middle, BOOL powered,
                    LadderPass& pass);

// The live value of a bit operand: "1" or "0", the status of a timer or counter; ""
// when there is none.
CString LiveBit(const CLadderElement& element, const CString& operand);
