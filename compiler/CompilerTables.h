#pragma once

// Empties the POU, label and variable lists of the compiler and resets the compile
// variables (CompileVariables.h); the address-usage map is kept.
void ResetCompilerTables();
