#pragma once
#include "platform/CString.h"

// Moves every file of the project folder named after the POU's old base name ("SBR03_A"
// with any extension) to the new base name, keeping the last four characters of each
// (".ilp", ".ilv"). When one move fails, those already made are moved back and FALSE is
// given: the files then still carry the old name.
BOOL MovePouFiles(const CString& folder, int kind, int number, const CString& oldName, const CString& newName);
