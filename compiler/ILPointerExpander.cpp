#include "compiler/ILPointerExpander.h"

#include "compiler/CompilePhaseClock.h"
#include "language/ILLineParser.h"
#include "project/LangMarker.h"

#include <windows.h>

#include <fstream>

bool CILPointerExpander::ExpandFile(const CString& sourcePath,
                                    const CString& destinationPath) const {
    CStringArray lines;
    if (!ReadLines(sourcePath, lines)) {
        DeleteFileA(destinationPath);
        return false;
    }
    ExpandLines(lines);
    return WriteLines(destinationPath, lines);
}

bool CILPointerExpander::ReadLines(const CString& path, CStringArray& lines) const {
    CompilePhaseScope reading(CompilePhase::Reading);
    std::ifstream file(path.GetString(), std::ios::binary);
    if (!file) return false;
    char buffer[4096];
    file.rdbuf()->pubsetbuf(buffer, sizeof buffer);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.Add(CString(line.c_str(), static_cast<int>(line.size())));
    }
    return true;
}

void CILPointerExpander::ExpandLines(const CStringArray& lines) const {
    CompilePhaseScope checking(CompilePhase::Checking);
    const CILLineParser parser;
    for (int i = 0; i < lines.GetSize(); ++i) {
        CString code = parser.StripComments(lines[i]);
        if (code.IsEmpty()) continue;
        code.Replace(',', ' ');
        CStringArray words;
        parser.SplitTokens(code, words);
        for (int w = 1; w < words.GetSize(); ++w) IsPointerOperand(words[w]);
    }
}

bool CILPointerExpander::WriteLines(const CString& path, const CStringArray& lines) const {
    CompilePhaseScope writing(CompilePhase::FileWrites);
    std::ofstream file(path.GetString(), std::ios::binary | std::ios::trunc);
    if (!file) return false;
    char buffer[4096];
    file.rdbuf()->pubsetbuf(buffer, sizeof buffer);
    for (int i = 0; i < lines.GetSize(); ++i)
        file.write(lines[i].GetString(), lines[i].GetLength()).write("\r\n", 2);
    file.close();
    return !file.fail();
}
