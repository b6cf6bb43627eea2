#pragma once

#include "platform/Afx.h"

#include <vector>

// Online monitoring reads PLC memory as cells: one byte of an area with bits and bytes
// ("%VB10"), or one element monitored whole (a timer, counter, analog or high-speed
// counter element, or any byte operand, by its own text). The cells live in the open
// project's MonitorOperandMap.

// Width classes of a cell text.
enum MonitorCellKind { CellNone = -1, CellByte = 1, CellWord = 2, CellTimerCounter = 3, CellDword = 4 };

// The cell texts an operand (upper case, with its "%") of that descriptor covers, lowest
// byte first; empty for a type that has no cells.
std::vector<CString> MonitorCellTexts(const CString& operand, DWORD descriptor);

// Registers the cells of an operand in the open project; FALSE when it is no direct
// address or of no type that is monitored.
BOOL AddMonitorCells(const char* operand);

// The width class of a cell text, with its address code and number.
int ParseCellAddress(const char* text, WORD& code, WORD& number);

// The live value of an operand from its cells, and its text in the workspace's online
// format. FALSE, nothing written, when a cell is missing.
BOOL FormatMonitorValue(const char* operand, CString& text, DWORD& value, CString& bitText, DWORD descriptor);
