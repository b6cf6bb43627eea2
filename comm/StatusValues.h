#pragma once
#include "platform/CString.h"
#include "project/CStatusInput.h"

#include <cstdint>

// The value side of a status-table row. The row's fields: rowState 1 when the address
// is valid, rowTextA the format name, displayFormat the format, rowTextB the forced value
// as typed and normalised, rowValue the value to force (a REAL as its bit pattern),
// rowWordB that value as a single-precision number's bits, rowWordC 1 when the forced
// value is valid.

// The width class of an address, tested in this order; timers and counters count as words.
enum class StatusWidth { None, Byte, Word, DoubleWord };
StatusWidth StatusWidthOf(DWORD typeFlags);

// The display format's name, empty for none; and the format of a name, 0 for none.
const char* StatusFormatName(DWORD format);
DWORD StatusFormatOf(const CString& name);

// An integer in a display format at an address width: "W#16#ff", "-1", "DI#-5", ...;
// empty for a format or width that has no such form.
CString FormatStatusInteger(DWORD value, StatusWidth width, DWORD format);

// The current-value text of a valid row from its live value: the monitor's text and raw
// value in the row's format.
CString StatusLiveValueText(const CStatusInput& row, const CString& monitorText, DWORD raw);
// The same from the project's monitor cells; a single blank when the address has none.
CString StatusCurrentValueText(const CStatusInput& row);

// A REAL truncated toward zero into the 32-bit signed range; beyond it the nearest end
// of the range, NaN 0.
int32_t TruncateToInt32(float value);

// Converts the row's forced value text under its format into the forced value fields.
void ConvertForcedValue(CStatusInput& row);
// Empties the row's forced value: text, value and validity.
void ClearForcedValue(CStatusInput& row);
