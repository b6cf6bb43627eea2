#pragma once
#include "language/OperandDescriptor.h"
#include "platform/CString.h"

// Whether an operand fits the place it is written in, for drawing wrong operands in
// red. The place's mask is an operand descriptor: the data types and memory areas it
// accepts, and the constant bit when it reads constants.

// The operand descriptor of a contact's or coil's symbol in the instruction catalogue;
// 0 (nothing fits) for a symbol the catalogue lacks.
OperandDescriptor LeafOperandMask(const CString& symbol);

// A contact's or coil's operand: a missing one ("????") is not reported here, it is
// shown as missing.
BOOL CheckLeafOperand(OperandDescriptor mask, const CString& operand);

// An operand of the POU being edited, matched against the mask: a variable of the POU
// by its declared type (and, with localNeedsArea, its area), a global variable or a
// direct address by its address, else a constant where the mask allows one. Nothing
// fits without a POU document to look the POU's variables up in.
BOOL OperandFitsMask(const CString& operand, OperandDescriptor mask, BOOL localNeedsArea);
