#pragma once

#include "platform/Afx.h"

#include <functional>

// What the project and the PLC dialogs need of the main frame: the main frame installs
// these when it is created. Until then a backup export fails and the instruction trees
// and the output window are left alone.

// Packs the project file and its folder into the zip archive; TRUE on success.
using ProjectZipExporter = std::function<BOOL(const CString& projectFile, const CString& zipPath, BOOL showMessages)>;
// Removes the subroutine's entry from the instruction trees.
using SubroutineTreeRemover = std::function<void(const CString& subroutineName)>;
// Adds the time-stamped output line of a PLC result code (2: a download succeeded).
using PlcResultReporter = std::function<void(int code)>;

enum : int { kPlcResultDownloadDone = 2 };

void SetProjectZipExporter(ProjectZipExporter exporter);
void SetSubroutineTreeRemover(SubroutineTreeRemover remover);
void SetPlcResultReporter(PlcResultReporter reporter);

BOOL ExportProjectToZip(const CString& projectFile, const CString& zipPath, BOOL showMessages);
void RemoveSubroutineFromInsTrees(const CString& subroutineName);
void ReportPlcResult(int code);
