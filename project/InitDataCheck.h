#pragma once

#include "platform/Afx.h"

#include <functional>

// The compile's check of the initial-data table: writes the heading line, then one line
// per row that has an address and no initial value and one per cell the table marked
// invalid, and returns how many problem lines there are. Rows are numbered from 1,
// columns from 1 (the address column); a row's marked cells come in column order. A
// cell whose error flags hold no known reason is not reported.
int CheckInitDataRows(const CObArray& rows, const std::function<void(const CString&)>& addLine);
