#pragma once
#include "language/OperandDescriptor.h"

#include <windows.h>

// Checks on names and operands that the editors, tables and project tree ask about the
// open project. Limits are those of the project's CPU class.

// The instruction-tree group of the first function or function-block record of the
// ladder catalogue with the name (trimmed, upper-cased); -1 when there is none.
int GetInstrGroupByName(const char* name);

// Whether the text may name a variable: an identifier that is no direct address,
// constant or reserved word. Unless existing names are allowed, a global variable of that
// name (in any case) refuses it too.
BOOL CheckVariableName(const char* text, BOOL allowExisting);

// Whether the text names a timer, counter, RS or SR element of the CPU class: "T", "C",
// "RS" or "SR" in any case followed by an element number within the area.
BOOL IsTimerCounterOperand(const char* text);

// Whether the instance name fits its FB type: "T" and a timer number for TON, TOF and TP,
// "C" and a counter number for CTU, CTD and CTUD, "RS" or "SR" and a number for those.
BOOL CheckFBInstanceName(const char* instanceName, const char* typeName);

// Whether the operand, a direct address or a global variable's name, can be forced; the
// descriptor of its address either way.
BOOL IsForceableOperand(const char* operand, OperandDescriptor& descriptor);
