#include "compiler/CompileFileList.h"

#include "compiler/CompilePhaseClock.h"
#include "compiler/ILPointerExpander.h"
#include "project/FileContents.h"
#include "project/FileUtils.h"

#include <windows.h>

namespace {

CString ProjectFolder(const CString& projectFilePath) {
    const CString fileName = GetFileNamePart(projectFilePath);
    const int dot = fileName.ReverseFind('.');
    return GetFolderPart(projectFilePath) + (dot < 0 ? fileName : fileName.Left(dot));
}

CString UnitFileStem(const CString& folder, const CompileUnit& unit) {
    CString stem;
    if (unit.kind == CompileUnit::kMain) {
        stem.Format("%s%s%s", (LPCTSTR)(folder + "\\"), "MAIN_", (LPCTSTR)unit.name);
    } else {
        const char* prefix = unit.kind == CompileUnit::kSubroutine ? "SBR" : "INT";
        stem.Format("%s%02d%s%s", (LPCTSTR)(folder + "\\" + prefix), unit.number, "_",
                    (LPCTSTR)unit.name);
    }
    return stem;
}

CString TildePath(const CString& path) {
    return GetFolderPart(path) + "~" + GetFileNamePart(path);
}

// The "~" twin of a variable file, which the compiler reads; an unreadable source leaves
// the twin as it was.
void CopyVariableFile(const CString& path) {
    std::string bytes;
    {
        CompilePhaseScope reading(CompilePhase::Reading);
        if (!CFileContentCache::Instance().Read(path, bytes)) return;
    }
    CompilePhaseScope writing(CompilePhase::FileWrites);
    CFileContentCache::Instance().Write(TildePath(path), bytes);
}

}  // namespace

void BuildCompileFileList(const CString& projectFilePath, const std::vector<CompileUnit>& units,
                          bool hasGlobals, CStringArray& files) {
    const CString folder = ProjectFolder(projectFilePath);
    const CILPointerExpander expander;
    for (CompileUnit::Kind kind : {CompileUnit::kSubroutine, CompileUnit::kInterrupt, CompileUnit::kMain}) {
        for (const CompileUnit& unit : units) {
            if (unit.kind != kind) continue;
            const CString stem = UnitFileStem(folder, unit);
            const CString program = stem + ".ilp";
            const CString variables = stem + ".ilv";
            files.Add(program);
            files.Add(variables);
            CopyVariableFile(variables);
            expander.ExpandFile(program, TildePath(program));
        }
    }
    if (hasGlobals) {
        const CString name = GetFileNamePart(folder);
        files.Add(folder + "\\" + name + ".qgv");
    }
    files.Add(projectFilePath);
}
