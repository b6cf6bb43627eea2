#pragma once
#include "platform/Arrays.h"

// A POU's variable file (".ilv") as lines of text.

// Writes the lines, each ended by CR LF, in place of the file's contents. A file that
// cannot be made is reported in a message box and nothing is written; FALSE then.
BOOL WritePouVarFile(const CString& path, const CStringArray& lines);
// The file's lines; none when it does not exist or cannot be read.
void ReadPouVarFile(const CString& path, CStringArray& lines);
