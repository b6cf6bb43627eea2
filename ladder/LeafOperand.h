#pragma once
#include "ladder/LadderElement.h"

// Operand handling shared by the one-cell elements, contacts and coils.

// The stored form of a typed operand: trimmed, "????" when empty, a direct address
// upper-cased.
CString StoredLeafOperand(const CString& text);
// The operand as IL: its resolved form, else as typed, else "????".
CString LeafOperandIL(const CLadderElement& element, const CString& operand);
// The operand as the in-place editor opens it: a global variable by its name when
// global names are shown.
CString LeafOperandForEditing(const CString& operand);
// The operand kept after it was drawn in its display form: a global variable's address
// written with "%" stays as it is, anything else takes the form it was shown in.
CString OperandKeptAfterDrawing(const CString& operand, const CString& shown);
// Whether a document point lies in the operand zone at the top of the element's cell,
// whose bottom edge lies `bottomInset` pixels above the middle of the cell.
BOOL InLeafOperandZone(const CCellRect& cell, int x, int y, int cellWidth, int cellHeight,
                       int bottomInset);
// The caret position of a one-cell element: a small inset from the cell's corner.
POINT LeafCaretPoint(const CCellRect& cell, int cellWidth, int cellHeight, double yInset);
