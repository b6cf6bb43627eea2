#include "compiler/CompilerTables.h"

#include "compiler/CompileVariables.h"
#include "compiler/PouSymbol.h"
#include "compiler/VarSymbol.h"

void ResetCompilerTables() {
    ClearPouAndLabelLists();
    ClearVariableLists();
    ResetCompileVariables();
}
