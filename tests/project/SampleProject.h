#pragma once
#include "project/CQLXProject.h"

// A project with something in every part of the project file: MAIN, a subroutine with
// a call descriptor, an interrupt routine, a CPU and an output module with an empty slot
// between them, a status row, three global variables, an FB instance with parameters,
// an initial-data row (and an empty one, which is not saved) and both CPU blocks.
void FillSampleProject(CQLXProject& project);

// Records as the sample holds them, for composing expected bytes.
class CQLXFBPara;
CQLXFBPara* NewSampleParam(const char* name, DWORD flags, const char* textA = "");
