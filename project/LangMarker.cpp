#include "project/LangMarker.h"

#include "project/FileContents.h"

CString LangMarkerLine(int language) {
    CString line;
    line.Format("(*%d*)", language);
    return line;
}

BYTE ReadLangMarker(const CString& path) {
    std::string bytes;
    return ReadFileBytes(path, bytes) ? LangMarkerOf(bytes) : 255;
}

BYTE LangMarkerOf(const std::string& bytes) {
    // The first line as a text-mode read gives it: up to the line feed, a carriage
    // return before it dropped.
    size_t end = bytes.find('\n');
    if (end == std::string::npos)
        end = bytes.size();
    else if (end > 0 && bytes[end - 1] == '\r')
        --end;
    if (end == 0)
        return 255;
    const CString firstLine(bytes.data(), static_cast<int>(end));
    for (BYTE language : {2, 1})
        if (firstLine == LangMarkerLine(language))
            return language;
    return 255;
}

BOOL IsIndirectOperand(const CString&) { return FALSE; }
BOOL IsAddressOfOperand(const CString&) { return FALSE; }
BOOL IsPointerOperand(const CString&) { return FALSE; }
