#pragma once

#include "platform/CString.h"

#include <cstdint>

// Values shared by the compile driver, the compiler passes, the statement and token
// checkers, the line utilities, the diagnostics and the address-usage map. One compile
// runs at a time; ResetCompilerTables (CompilerSymbols.h) resets all of them but
// NumberingMode, CurrentLineNumber and HexListingFlag.

// Kinds of the file being compiled.
enum SourceKind {
    kSourceGlobalVars = 2,
    kSourceMainVars = 9,
    kSourceMainProgram = 10,
    kSourceInterruptProgram = 11,
    kSourceInterruptVars = 12,
    kSourceSubroutineProgram = 13,
    kSourceSubroutineVars = 14,
    kSourceUnknown = 15,
};

// Message positions of the program being compiled.
enum NumberingModeValue : uint16_t {
    kNumberByNetwork = 1,  // a ladder program: positions are network numbers
    kNumberByLine = 2,     // instruction list: positions are line numbers
};

extern int CurrentSourceKind;
extern CString CurrentProgramName;  // "MAIN", or SBRnn / INTnn of the current file
extern int CurrentLineNumber;
extern int CurrentNetworkNumber;
extern uint16_t NumberingMode;
extern uint8_t NewSourceLineFlag;
extern uint8_t AfterPointerReadFlag;
extern bool VarSectionOpen;
extern int FileErrorCount;
extern int FileWarningCount;
extern bool HexListingFlag;
extern uint32_t ObjectByteCount;
extern int LastInstructionIndex;  // -1 before the first instruction

bool IsProgramSourceKind(int kind);

// Resets the values that belong to one compile (all but NumberingMode,
// CurrentLineNumber and HexListingFlag).
void ResetCompileVariables();
