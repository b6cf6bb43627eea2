#include "compiler/CompilerTables.h"

#include "compiler/CompileVariables.h"
#include "compiler/PouSymbol.h"

void ResetCompilerTables() {
    ClearPouAndLabelLists();
    ResetCompileVariables();
}
