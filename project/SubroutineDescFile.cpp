#include "project/SubroutineDescFile.h"

#include "language/OperandDescriptor.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFunc.h"
#include "project/FileUtils.h"

namespace {

// Section flags: readable or writable area, with the direction of the section.
const DWORD kInputSection = 0xA000;
const DWORD kInOutSection = 0x1E000;
const DWORD kOutputSection = 0x1C000;
const DWORD kEnFlags = 0x2001;
const DWORD kEnoFlags = 0x4001;

CQLXFBPara* NewParam(const CString& name, DWORD flags, const CString& comment = CString()) {
    auto* param = new CQLXFBPara;
    param->SetNameAndFlags(name, flags);
    param->textB = comment;  // the declaration's comment
    return param;
}

CString TrimmedMid(const CString& text, int from, int to) {
    CString part = text.Mid(from, to - from);
    part.Trim();
    return part;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The position of the first "AT" that stands as a word of its own; -1 without one, so
// that a name such as DATA is not split at its letters.
int FindAtSeparator(const CString& line) {
    for (int at = line.Find("AT"); at >= 0; at = line.Find("AT", at + 1))
        if (at > 0 && IsBlank(line[at - 1]) && at + 2 < line.GetLength() && IsBlank(line[at + 2])) return at;
    return -1;
}

// Adds the parameter a declaration line gives; lines of other forms and unknown data
// types add nothing.
void AddDeclaredParam(CQLXFunc& descriptor, const CString& line, DWORD sectionFlags) {
    const int at = FindAtSeparator(line);
    const int colon = at < 0 ? -1 : line.Find(':', at);
    const int semicolon = colon < 0 ? -1 : line.Find(';', colon);
    if (semicolon < 0) return;
    DWORD typeBit = 0;
    if (!CPlcWorkspace::ParseDataTypeName(TrimmedMid(line, colon + 1, semicolon), typeBit)) return;
    CString comment;
    const int open = line.Find("(*");
    const int close = open < 0 ? -1 : line.Find("*)", open + 2);
    if (close >= 0) comment = TrimmedMid(line, open + 2, close);
    const DWORD flags = typeBit | sectionFlags | SubroutineParamOperandBits(typeBit, sectionFlags);
    CQLXFBPara* param = NewParam(TrimmedMid(line, 0, at), flags, comment);
    if (!descriptor.AddParamByFlags(param, sectionFlags)) delete param;
}

void ReadDeclarations(CQLXFunc& descriptor, CStdioFile& file) {
    DWORD sectionFlags = 0;
    CString line;
    while (file.ReadString(line)) {
        line.Trim();
        if (line.IsEmpty()) continue;
        if (line == "VAR_INPUT") sectionFlags = kInputSection;
        else if (line == "VAR_IN_OUT") sectionFlags = kInOutSection;
        else if (line == "VAR_OUTPUT") sectionFlags = kOutputSection;
        else if (line == "VAR" || line == "END_VAR") sectionFlags = 0;  // local variables are no parameters
        else if (sectionFlags != 0) AddDeclaredParam(descriptor, line, sectionFlags);
    }
}

}  // namespace

DWORD SubroutineParamOperandBits(DWORD typeBit, DWORD sectionFlags) {
    struct TypeBits {
        DWORD types;
        DWORD inputOnly;
        DWORD inOutOrOutput;
    };
    static const TypeBits table[] = {
        {OD_BOOL, 0x61FE1000, 0x18C0000},
        {OD_BYTE | OD_WORD | OD_DWORD, 0x19E1000, 0x18C0000},
        {OD_INT, 0x19FE1000, 0x118C0000},
        {OD_DINT, 0x59E1000, 0x18C0000},
        {OD_REAL, 0x1800000, 0x1800000},
    };
    for (const TypeBits& row : table)
        if (row.types & typeBit) return (sectionFlags & OD_WRITE) ? row.inOutOrOutput : row.inputOnly;
    return 0;
}

CQLXFunc* ReadSubroutineDesc(const CString& variablePath, const CString& name, WORD number) {
    auto* descriptor = new CQLXFunc;
    descriptor->name = name;
    descriptor->number = number;  // subroutine 0 is a number too
    descriptor->AddInput(NewParam("EN", kEnFlags));
    descriptor->AddOutput(NewParam("ENO", kEnoFlags));
    CStdioFile file;
    const UINT mode = CFile::modeRead | CFile::shareDenyNone | CFile::typeText;
    if (FileExists(variablePath) && file.Open(variablePath, mode)) {
        ReadDeclarations(*descriptor, file);
        file.Close();
    }
    return descriptor;
}
