#include "project/ShellServices.h"

#include <utility>

namespace {

ProjectZipExporter& CurrentExporter() {
    static ProjectZipExporter exporter;
    return exporter;
}

SubroutineTreeRemover& CurrentRemover() {
    static SubroutineTreeRemover remover;
    return remover;
}

PlcResultReporter& CurrentReporter() {
    static PlcResultReporter reporter;
    return reporter;
}

}  // namespace

void SetPlcResultReporter(PlcResultReporter reporter) {
    CurrentReporter() = std::move(reporter);
}

void SetProjectZipExporter(ProjectZipExporter exporter) {
    CurrentExporter() = std::move(exporter);
}

void SetSubroutineTreeRemover(SubroutineTreeRemover remover) {
    CurrentRemover() = std::move(remover);
}

BOOL ExportProjectToZip(const CString& projectFile, const CString& zipPath, BOOL showMessages) {
    return CurrentExporter() ? CurrentExporter()(projectFile, zipPath, showMessages) : FALSE;
}

void RemoveSubroutineFromInsTrees(const CString& subroutineName) {
    if (CurrentRemover())
        CurrentRemover()(subroutineName);
}

void ReportPlcResult(int code) {
    if (CurrentReporter())
        CurrentReporter()(code);
}
