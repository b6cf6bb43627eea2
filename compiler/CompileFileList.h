#pragma once

#include "platform/CString.h"
#include "platform/Arrays.h"

#include <vector>

// One program unit of the project as the compile command lists it.
struct CompileUnit {
    enum Kind { kMain, kSubroutine, kInterrupt };
    Kind kind;
    int number;    // 0-15; not used for MAIN
    CString name;  // the POU name as the user wrote it
};

// Builds the compile command's file list and prepares the "~" twins that the compiler
// reads: for every subroutine, then every interrupt routine, then MAIN, the program
// file <folder>\SBRnn_<name>.ilp (INTnn_, MAIN_) and its variable file ".ilv"; each
// variable file is copied to its "~" name and each program file goes through the
// pre-compile pass to its "~" name. Then the global variable file <folder>\<project>.qgv
// when the project has global symbols or FB instances, and last the project file.
// The folder is the project folder beside the project file, named after the project.
// The compile driver takes the files in any order; it compiles MAIN's program first.
void BuildCompileFileList(const CString& projectFilePath, const std::vector<CompileUnit>& units,
                          bool hasGlobals, CStringArray& files);
