#pragma once
#include "platform/CString.h"

// Where a compile line of the output window points, and the jump there.

// The cell an initial-data problem line names ("初始化数据表  第  3行第  2列：  ...",
// leading blanks removed): the numbers after the first and the second "第". FALSE for
// any other line.
BOOL ParseInitDataLine(const CString& line, int& row, int& column);

// A double-clicked compile line: an initial-data line opens the initial-data window
// with that cell active; a compile message naming one of the project's IL or LD POUs
// opens its editor at the line or network. Other lines do nothing.
void JumpToOutputSource(const CString& line);
