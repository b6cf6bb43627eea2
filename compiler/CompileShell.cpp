#include "compiler/CompileShell.h"

namespace {
ICompileShell* currentShell = nullptr;
}

void SetCompileShell(ICompileShell* shell) { currentShell = shell; }

ICompileShell* GetCompileShell() { return currentShell; }
