#include "project/LangMarker.h"

#include "project/FileUtils.h"

CString LangMarkerLine(int language) {
    CString line;
    line.Format("(*%d*)", language);
    return line;
}

BYTE ReadLangMarker(const CString& path) {
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeText))
        return 255;
    CString firstLine;
    const BOOL read = file.ReadString(firstLine);
    file.Close();
    if (!read)
        return 255;
    for (BYTE language : {2, 1})
        if (firstLine == LangMarkerLine(language))
            return language;
    return 255;
}

BOOL IsIndirectOperand(const CString&) { return FALSE; }
BOOL IsAddressOfOperand(const CString&) { return FALSE; }
BOOL IsPointerOperand(const CString&) { return FALSE; }
