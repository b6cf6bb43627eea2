#include "compiler/CompileVariables.h"

int CurrentSourceKind = 0;
CString CurrentProgramName;
int CurrentLineNumber = 0;
int CurrentNetworkNumber = 0;
uint16_t NumberingMode = kNumberByLine;
uint8_t NewSourceLineFlag = 0;
uint8_t AfterPointerReadFlag = 0;
bool VarSectionOpen = false;
int FileErrorCount = 0;
int FileWarningCount = 0;
bool HexListingFlag = false;
uint32_t ObjectByteCount = 0;
int LastInstructionIndex = -1;

bool IsProgramSourceKind(int kind) {
    return kind == kSourceMainProgram || kind == kSourceSubroutineProgram ||
           kind == kSourceInterruptProgram;
}

void ResetCompileVariables() {
    VarSectionOpen = false;
    ObjectByteCount = 0;
    CurrentSourceKind = 0;
    FileErrorCount = 0;
    FileWarningCount = 0;
    CurrentProgramName.Empty();
    CurrentNetworkNumber = 0;
    LastInstructionIndex = -1;
}
