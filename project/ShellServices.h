#pragma once

#include "platform/Afx.h"

#include <functional>

// What the project needs of the main frame: the main frame installs these when it is
// created. Until then a backup export fails and the instruction trees are left alone.

// Packs the project file and its folder into the zip archive; TRUE on success.
using ProjectZipExporter = std::function<BOOL(const CString& projectFile, const CString& zipPath, BOOL showMessages)>;
// Removes the subroutine's entry from the instruction trees.
using SubroutineTreeRemover = std::function<void(const CString& subroutineName)>;

void SetProjectZipExporter(ProjectZipExporter exporter);
void SetSubroutineTreeRemover(SubroutineTreeRemover remover);

BOOL ExportProjectToZip(const CString& projectFile, const CString& zipPath, BOOL showMessages);
void RemoveSubroutineFromInsTrees(const CString& subroutineName);
