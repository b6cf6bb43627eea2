#include "compiler/ILPointerExpander.h"

#include "compiler/CompilePhaseClock.h"
#include "language/ILLineParser.h"
#include "project/FileContents.h"
#include "project/LangMarker.h"

#include <windows.h>

#include <string>

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
    std::string bytes;
    if (!CFileContentCache::Instance().Read(path, bytes)) return false;
    // A line ends at a line feed; a last line without one is still a line.
    for (size_t start = 0; start < bytes.size();) {
        size_t feed = bytes.find('\n', start);
        if (feed == std::string::npos) feed = bytes.size();
        size_t end = feed;
        if (end > start && bytes[end - 1] == '\r') --end;
        lines.Add(CString(bytes.data() + start, static_cast<int>(end - start)));
        start = feed + 1;
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
    std::string bytes;
    for (int i = 0; i < lines.GetSize(); ++i) bytes.append(lines[i].GetString(), lines[i].GetLength()).append("\r\n");
    return CFileContentCache::Instance().Write(path, bytes) != FALSE;
}
