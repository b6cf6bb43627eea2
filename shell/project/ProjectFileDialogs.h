#pragma once
#include "platform/CString.h"

// The file dialogs of the project commands.
enum class ProjectDialog { New, Open, SaveAs, Upload };

// Asks for a project file; FALSE when the user cancelled. Each dialog starts in the
// folder of the last project chosen ("PrevProj"), else in its folder below the
// program's.
BOOL AskProjectPath(ProjectDialog kind, CString& path);

// Remembers the folder of a chosen project file ("PrevProj") for the next dialog.
void RememberProjectFolder(const CString& path);
