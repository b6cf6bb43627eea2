#include "editors/EditorShell.h"

namespace {
IEditorShell* currentShell = nullptr;
}

void SetEditorShell(IEditorShell* shell) { currentShell = shell; }

IEditorShell* GetEditorShell() { return currentShell; }
