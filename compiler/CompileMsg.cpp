#include "compiler/CompileMsg.h"

#include "compiler/AppendFile.h"
#include "compiler/CompileMsgTable.h"
#include "compiler/CompilePhaseClock.h"
#include "compiler/CompileShell.h"
#include "compiler/CompileVariables.h"
#include "compiler/PouSymbol.h"
#include "project/CPlcWorkspace.h"
#include "project/FileUtils.h"

#include <cstdlib>
#include <cstring>

namespace {

const char kIndent[] = "        ";

CString UpperKind(const CString& path) {
    CString kind = GetFileExt(path);
    kind.MakeUpper();
    return kind;
}

// The decimal number that follows the marker in text, up to the end marker.
bool ReadNumberBetween(const CString& text, int from, const char* endMarker, int& number) {
    const int end = text.Find(endMarker, from);
    if (end < 0) return false;
    CString digits = text.Mid(from, end - from);
    digits.Trim();
    if (digits.IsEmpty() || digits.SpanIncluding("0123456789").GetLength() != digits.GetLength())
        return false;
    number = atoi(digits);
    return true;
}

}  // namespace

CCompileMsg::CCompileMsg(const CompileMsgArgs& args, const CString& logPath)
    : logPath(logPath),
      code(args.code),
      severity(args.severity),
      line(args.line),
      detail(args.detail),
      programName(GetPouDisplayName(GetPouNameFromFileName(GetFileNamePart(args.filePath)))),
      fileKind(UpperKind(args.filePath)) {
    this->logPath.Trim();
    if (this->logPath.IsEmpty()) this->logPath = "cpInfo.txt";
}

const char* CCompileMsg::GetText() const { return GetCompileMsgText(code); }

CCompileMsg::FileKindGroup CCompileMsg::GetKindGroup() const {
    if (fileKind == "QGV" || fileKind == "CGV") return kGlobalVarKind;
    if (fileKind == "ILV" || fileKind == "LDV" || fileKind == "CIV") return kPouVarKind;
    return kProgramKind;
}

CString CCompileMsg::FormatProblem(const char* label) const {
    CString tail;
    tail.Format("[%s %03d]%s:%s.", label, code, GetText(), (LPCTSTR)detail);
    CString head;
    if (line == kLineProject)
        head = "$$$ ";
    else if (GetKindGroup() == kGlobalVarKind)
        head.Format("%s全局变量:", kIndent);
    else if (GetKindGroup() == kPouVarKind)
        head.Format("%s程序: %s 的变量:", kIndent, (LPCTSTR)programName);
    else if (line < 0)
        head.Format("%s程序: %s :", kIndent, (LPCTSTR)programName);
    else if (NumberingMode == kNumberByNetwork)
        head.Format("%s程序: %s (NetWork: %d):", kIndent, (LPCTSTR)programName,
                    CurrentNetworkNumber);
    else
        head.Format("%s程序: %s (第 %d 行):", kIndent, (LPCTSTR)programName, line);
    return head + tail;
}

CString CCompileMsg::FormatError() const { return FormatProblem("Error"); }

CString CCompileMsg::FormatWarning() const { return FormatProblem("Warning"); }

CString CCompileMsg::FormatInfo() const {
    CString text;
    switch (code) {
    case 2: case 3: case 4: case 5:
        return GetText();
    case 11: case 12:
        text.Format("$$$ %s: %s", GetText(), (LPCTSTR)detail);
        return text;
    case 7:
        text.Format("$$$ %s %s", (LPCTSTR)(programName + detail), GetText());
        return text;
    default:
        break;
    }
    CString about;
    switch (GetKindGroup()) {
    case kGlobalVarKind: about = "全局变量 ..." + detail; break;
    case kPouVarKind: about = "程序 " + programName + " 的变量 ..." + detail; break;
    case kProgramKind: about = "程序 " + programName + " ..." + detail; break;
    }
    text.Format("$$$ %s: %s", GetText(), (LPCTSTR)about);
    return text;
}

void CCompileMsg::Write() const {
    CompilePhaseScope logging(CompilePhase::MessageLog);
    CString text;
    switch (severity) {
    case kSeverityError:
        text = FormatError();
        ++FileErrorCount;
        break;
    case kSeverityWarning:
        text = FormatWarning();
        ++FileWarningCount;
        break;
    case kSeverityInfo:
        text = FormatInfo();
        break;
    default:
        return;
    }
    if (text.IsEmpty()) return;
    GetCompileLog().Append(text);
    if (ICompileShell* shell = GetCompileShell()) shell->AddOutputLine(ICompileShell::kCompileTab, text);
}

bool LocateMsgSource(const CString& line, CString& programName, int& number,
                     const std::function<bool(const CString&)>& pouExists) {
    static const char kProgramPrefix[] = "程序: ";
    static const char kLineMarker[] = "(第 ";
    static const char kNetworkMarker[] = "(NetWork: ";
    CString rest = line;
    rest.TrimLeft(' ');
    if (rest.IsEmpty() || rest.Find(kProgramPrefix) != 0) return false;
    rest = rest.Mid(static_cast<int>(sizeof kProgramPrefix) - 1);
    rest.TrimLeft(' ');
    if (rest.IsEmpty()) return false;

    const int p = rest.Find(kLineMarker);
    const int q = rest.Find(kNetworkMarker);
    int at;
    const char* marker;
    const char* endMarker;
    if (p > 0 && (q <= 0 || q > p)) {
        at = p, marker = kLineMarker, endMarker = " 行):";
    } else if (q > 0 && (p <= 0 || p > q)) {
        at = q, marker = kNetworkMarker, endMarker = "):[";
    } else {
        return false;
    }
    programName = rest.Left(at);
    programName.TrimLeft(' ');
    programName.TrimRight(' ');
    if (programName.IsEmpty() || !pouExists(programName)) return false;
    return ReadNumberBetween(rest, at + static_cast<int>(strlen(marker)), endMarker, number);
}

bool LocateMsgSource(const CString& line, CString& programName, int& number) {
    return LocateMsgSource(line, programName, number, [](const CString& name) {
        if (!theWorkspace) return false;
        const CQLXProject& project = theWorkspace->project;
        CObject* node = nullptr;
        return (project.hasMain && project.mainPou.name == name) ||
               project.sbrByName.Lookup(name, node) || project.intByName.Lookup(name, node);
    });
}
