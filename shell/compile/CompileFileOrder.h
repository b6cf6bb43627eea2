#pragma once
#include "platform/Afx.h"

// Puts the compile command's file names into the order the compiler expects: the
// project file, the global variable file, MAIN's variable file, MAIN's program file,
// the variable files of SBR00-SBR15 and then of INT00-INT15, the program files of
// SBR00-SBR15 and then of INT00-INT15. Names are matched without case on their file
// name (after the last "\" or ":") and extension. The result has as many entries as
// the input; entries not filled stay empty. False when a project, global, MAIN
// variable or MAIN program file comes twice, when a name fits no place, or when MAIN's
// variable or program file is missing; the ordered names are valid all the same.
BOOL OrderCompileFiles(const CStringArray& names, CStringArray& ordered);
