#include "compiler/IlCompiler.h"

#include "compiler/AppendFile.h"
#include "compiler/CompileMsg.h"
#include "compiler/CompileMsgTable.h"
#include "compiler/CompilePhaseClock.h"
#include "compiler/CompileVariables.h"
#include "compiler/HexListing.h"
#include "compiler/PouBlockHeader.h"
#include "compiler/PouSymbol.h"
#include "compiler/VarSymbol.h"
#include "language/IlOperandChecks.h"
#include "language/NetworkLineRewriter.h"
#include "platform/MessageBox.h"
#include "project/FileContents.h"
#include "project/FileUtils.h"
#include "platform/StringCopies.h"

#include <cstdlib>
#include <string>

namespace {

const int kMsgMissing = 24;
const int kMsgDeclaration = 25;
const int kMsgLineTooLong = 14;
const int kMsgFile = 8;
const int kMsgMissingFile = 10;
const int kMsgOverflow = 38;

bool IsVariableKind(int kind) {
    return kind == kSourceGlobalVars || kind == kSourceMainVars || kind == kSourceSubroutineVars ||
           kind == kSourceInterruptVars;
}

// The statement a source line holds once its network marker and comments are rewritten;
// false for a line that holds none.
bool SourceStatement(const CString& source, bool& inComment, CString& line) {
    line = source;
    inComment = RewriteNetworkLine(line, inComment);
    line.Trim();
    return !line.IsEmpty();
}

// The source kind of a file name by its extension (compared exactly) and its prefix.
int ClassifySource(const CString& fileName, CString& pouName) {
    const CString ext = GetFileExt(fileName);
    const bool variables = ext == "ILV" || ext == "CIV";
    const bool program = ext == "ILP" || ext == "CIP";
    if (ext == "CGV") return kSourceGlobalVars;
    if (!variables && !program) return kSourceUnknown;
    if (fileName.Left(4) == "MAIN") {
        pouName = "MAIN";
        return variables ? kSourceMainVars : kSourceMainProgram;
    }
    const bool subroutine = fileName.Left(3) == "SBR";
    if (!subroutine && fileName.Left(3) != "INT") return kSourceUnknown;
    SplitFilePrefix(fileName, pouName);
    if (subroutine) return variables ? kSourceSubroutineVars : kSourceSubroutineProgram;
    return variables ? kSourceInterruptVars : kSourceInterruptProgram;
}

}  // namespace

bool CIlCompiler::LineCounter::Count(const CString& line) {
    const CString upper = UpperCased(Trimmed(line).Left(6));
    bool afterRead = false;
    if (pending) {
        countNext = true;
        pending = false;
    }
    if (upper.Left(6) == "PTR_R ") {
        ++depth;
        inRead = true;
        countNext = false;
    } else if (upper.Left(6) == "PTR_W ") {
        --depth;
        inRead = countNext = false;
        if (depth == 0) pending = true;
    } else if (inRead) {
        inRead = countNext = false;
        afterRead = true;
    }
    if ((depth == 0 && countNext) || (depth == 1 && inRead)) ++count;
    return afterRead;
}

CIlCompiler::CIlCompiler(const CString& sourcePath, const CString& basePath)
    : paramCallTable(kCallRows) {
    SetSourceFile(sourcePath, basePath);
}

void CIlCompiler::SetSourceFile(const CString& source, const CString& base, const CString& disk) {
    sourcePath = Trimmed(source);
    sourceDiskPath = disk.IsEmpty() ? sourcePath : Trimmed(disk);
    basePath = Trimmed(base);
    CurrentSourceKind = kSourceUnknown;
    status = kUsable;
    if (sourcePath.IsEmpty() || basePath.IsEmpty()) {
        status = kPathMissing;
        return;
    }
    pouName.Empty();
    CurrentProgramName.Empty();
    CurrentSourceKind = ClassifySource(GetFileNamePart(sourcePath), pouName);
    checker.SetProgramName(pouName);
    if (CurrentSourceKind == kSourceUnknown) status = kKindUnknown;
    objectPath = ReplaceFileExt(base, "EPL");
    hexPath = ReplaceFileExt(sourcePath, "HEX");
    logPath = ReplaceFileExt(basePath, "COI");
    if (objectPath.IsEmpty() || hexPath.IsEmpty() || logPath.IsEmpty()) status = kPathMissing;
}

void CIlCompiler::ReportMessage(int code, int severity, const CString& file, const CString& detail,
                                int line) {
    CompileMsgArgs args;
    args.code = code;
    args.severity = severity;
    args.line = line;
    args.detail = detail;
    args.filePath = file;
    CCompileMsg(args, logPath).Write();
}

bool CIlCompiler::PrepareFile() {
    FileWarningCount = FileErrorCount = 0;
    if (status == kPathMissing || status == kKindUnknown) {
        ReportMessage(status, kSeverityError, sourcePath, "", kLineWholeFile);
        return false;
    }
    if (HexListingFlag) CreateEmptyFile(hexPath);
    VarSectionOpen = false;
    return true;
}

int CIlCompiler::CompileFile(int* errors, int* warnings, bool hexListing) {
    // Listings go only into files that PrepareFile truncated, never onto an old one.
    this->hexListing = hexListing && HexListingFlag ? 1 : 0;
    if (PrepareFile()) {
        // Program files are announced, variable files never.
        if (IsProgramSourceKind(CurrentSourceKind) && !skipPass1)
            ReportMessage(1, kSeverityInfo, sourcePath, "", kLineWholeFile);
        if (!SourceFileExists()) {
            ReportMessage(kMsgMissingFile, kSeverityError, sourcePath, "", kLineWholeFile);
        } else {
            if (!skipPass1) {
                RunPass1();
                if (static_cast<int>(fileTable.size()) < kMaxFiles)
                    fileTable.push_back({sourcePath, FileErrorCount, FileWarningCount});
                else
                    ReportMessage(kMsgOverflow, kSeverityError, sourcePath, "传入的编译文件数目过多",
                                  kLineWholeFile);
            }
            if (GetFileErrorCount(sourcePath) == 0 && !skipPass2) {
                checker.SetOutputPaths(objectPath, hexPath);
                RunPass2();
            }
        }
    }
    if (GetFileErrorCount(sourcePath) > 0 && FileExists(hexPath)) DeleteFileA(hexPath);
    if (errors) *errors = FileErrorCount;
    if (warnings) *warnings = FileWarningCount;
    return FileErrorCount;
}

int CIlCompiler::GetFileErrorCount(const CString& path) const {
    if (path.IsEmpty()) return 0;
    for (const CompiledFileRecord& record : fileTable)
        if (record.path == path) return record.errors;
    return 0;
}

void CIlCompiler::CheckGeneratedLine(const CString& text) {
    statementText = text;
    checker.SetStatementText(text);
    if (checker.CheckStatement(CString())) return;
    int code = 0, severity = 0;
    CString detail;
    while (checker.NextMessage(code, severity, detail))
        if (code != 0) ReportMessage(code, severity, sourcePath, detail, lineNumber);
}

void CIlCompiler::EmitStatement() {
    checker.SetStatementText(statementText);
    checker.GenerateStatement(hexListing);
}

bool CIlCompiler::IsCallLine(const CString& line) {
    CString first = Trimmed(line).SpanExcluding(" \t");
    first.MakeUpper();
    return first == "CAL";
}

CString CIlCompiler::UnitEndMarker() const {
    switch (CurrentSourceKind) {
    case kSourceMainProgram: return "__MPEND";
    case kSourceSubroutineProgram: return "__SPEND";
    default: return "__INTEND";
    }
}

// A file that pass 1 read is known to exist in pass 2; otherwise its attributes tell,
// which costs less than opening it.
bool CIlCompiler::SourceFileExists() const {
    if (sourceLines.count(sourcePath.GetString()) > 0) return true;
    const DWORD attributes = GetFileAttributesA(sourceDiskPath);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The lines of the file's twin, read in one piece and kept for the second pass.
const std::vector<CString>* CIlCompiler::SourceLines() {
    const auto kept = sourceLines.find(sourcePath.GetString());
    if (kept != sourceLines.end()) return &kept->second;
    CompilePhaseScope reading(CompilePhase::Reading);
    std::string bytes;
    if (!CFileContentCache::Instance().Read(TildeIlpPath(sourceDiskPath), bytes)) {
        ReportMessage(kMsgFile, kSeverityError, sourcePath, "文件打开失败(内部调试性错误)", kLineWholeFile);
        return nullptr;
    }
    std::vector<CString>& lines = sourceLines[sourcePath.GetString()];
    // The first line of a program file is its language marker.
    bool skip = UpperCased(GetFileExt(sourcePath)) == "ILP";
    for (size_t start = 0; start < bytes.size();) {
        size_t feed = bytes.find('\n', start);
        if (feed == std::string::npos) feed = bytes.size();
        size_t end = feed;
        if (end > start && bytes[end - 1] == '\r') --end;
        if (!skip) lines.emplace_back(bytes.data() + start, static_cast<int>(end - start));
        skip = false;
        start = feed + 1;
    }
    return &lines;
}

void CIlCompiler::RunPass1() {
    CompilePhaseScope checking(CompilePhase::Checking);
    const std::vector<CString>* source = SourceLines();
    if (!source) return;
    const std::vector<CString>& lines = *source;
    const bool program = IsProgramSourceKind(CurrentSourceKind);
    if (program) ScanLabels(lines);

    lineNumber = 0;
    VarSectionOpen = false;
    bool inComment = false;
    LineCounter counter;
    int codeStart = 0;
    if (program) {
        codeStart = checker.GetCodeSize();
        checker.AddCodeSize(PouBlockHeader::kSize);
    }
    if (CurrentSourceKind == kSourceSubroutineProgram || CurrentSourceKind == kSourceInterruptProgram) {
        if (CPouSymbol* pou = FindPou(pouName)) {
            if (LastInstructionIndex + 1 != 0) pou->startIndex = LastInstructionIndex + 1;
        } else {
            AfxMessageBox("Debug Infomation: Can NOT set Current SP's Address. UNKNOWN SP(内部调试性错误)");
            ReportMessage(kMsgFile, kSeverityError, sourcePath,
                          "Debug Infomation: Can NOT set Current SP's Address. UNKNOWN SP(内部调试性错误)",
                          kLineWholeFile);
        }
    }
    for (const CString& source : lines) {
        AfterPointerReadFlag = counter.Count(source) ? 1 : 0;
        lineNumber = counter.count;
        NewSourceLineFlag = counter.countNext ? 1 : 0;
        CurrentLineNumber = lineNumber;
        CString line;
        if (!SourceStatement(source, inComment, line)) continue;
        LimitLineLength(line);
        statementText = line;
        if (IsCallLine(line))
            ExpandCall();
        else
            CheckLine(line);
    }
    FinishPass1(codeStart, inComment);
}

void CIlCompiler::LimitLineLength(CString& line) {
    if (line.GetLength() <= kMaxLineLength) return;
    ReportMessage(kMsgLineTooLong, kSeverityError, sourcePath, line, lineNumber);
    line = line.Left(kMaxLineLength);
}

void CIlCompiler::CheckLine(const CString& line) {
    checker.SetStatementText(line);
    if (checker.CheckStatement(CString())) return;
    int code = 0, severity = 0;
    CString detail;
    while (checker.NextMessage(code, severity, detail))
        if (code != 0) ReportMessage(code, severity, sourcePath, detail, lineNumber);
}

void CIlCompiler::FinishPass1(int codeStart, bool inComment) {
    if (IsProgramSourceKind(CurrentSourceKind)) {
        CheckGeneratedLine(UnitEndMarker());
        const int size = checker.GetCodeSize() - codeStart;
        if (CurrentSourceKind == kSourceMainProgram)
            mainCodeSize = size;
        else if (CPouSymbol* pou = FindPou(pouName))
            pou->codeLength = size;
    }
    CheckEndOfVariableFile(inComment, "缺少 END_VAR(内部调试性错误)");
}

// An unclosed comment, and a variable file that leaves a VAR section open, are errors
// at the end of the file.
void CIlCompiler::CheckEndOfVariableFile(bool inComment, const char* missingEndVar) {
    if (inComment)
        ReportMessage(kMsgMissing, kSeverityError, sourcePath, "*)  (内部调试性错误)", lineNumber);
    if (IsVariableKind(CurrentSourceKind) && VarSectionOpen) {
        VarSectionOpen = false;
        ReportMessage(kMsgDeclaration, kSeverityError, sourcePath, missingEndVar, lineNumber);
    }
}

// Labels and network numbers need only the words of a line, not their classes.
void CIlCompiler::ScanLabels(const std::vector<CString>& lines) {
    LineCounter counter;
    bool inComment = false;
    for (const CString& source : lines) {
        counter.Count(source);
        CString line;
        if (!SourceStatement(source, inComment, line)) continue;
        const std::vector<CString> words = CIlNetworkChecker::StatementWords(line);
        if (words.size() != 2) continue;
        const CString second = UpperCased(words[1]);
        if (UpperCased(words[0]) == "__NETWORK" && !second.IsEmpty() &&
            second.SpanIncluding("0123456789").GetLength() == second.GetLength())
            CurrentNetworkNumber = atoi(second);
        else if (second == ":")
            RegisterLabel(words[0], counter.count);
    }
}

void CIlCompiler::RegisterLabel(const CString& written, int line) {
    const CString name = UpperCased(written);
    const CString prefix = "Label名:" + written;
    if (!ValidateIdentifierToken(name)) {
        ReportMessage(16, kSeverityError, sourcePath,
                      prefix + "不合法(可能的情况包括: 名称已经被使用 语法错误 或不允许使用的关键字)", line);
        return;
    }
    if (IsPouName(name)) ReportMessage(15, kSeverityError, sourcePath, prefix + "不能与子程序的编号相同", line);
    if (IsDeclaredVar(name)) ReportMessage(15, kSeverityError, sourcePath, prefix + "不能与全局变量名相同", line);
    CString scoped = name;
    JoinScopedName(CurrentProgramName, scoped);
    if (IsDeclaredVar(scoped))
        ReportMessage(15, kSeverityError, sourcePath, prefix + "不能与当前文件中的局部变量名相同", line);
    if (IsLabelName(scoped))
        ReportMessage(15, kSeverityError, sourcePath, prefix + "在当前文件中已经定义", line);
    else
        AddLabel(scoped);
}

void CIlCompiler::RunPass2() {
    CompilePhaseScope emitting(CompilePhase::Emitting);
    const std::vector<CString>* source = SourceLines();
    if (!source) return;
    const std::vector<CString>& lines = *source;
    lineNumber = 0;
    VarSectionOpen = false;
    if (IsProgramSourceKind(CurrentSourceKind) && !WriteBlockHeader()) return;
    bool inComment = false;
    for (const CString& source : lines) {
        CurrentLineNumber = ++lineNumber;
        CString line;
        if (!SourceStatement(source, inComment, line)) continue;
        // The same limit as pass 1: a line that pass 1 accepted is written without a
        // message of its own, so pass 2 cannot fail a file that pass 1 passed.
        LimitLineLength(line);
        if (IsCallLine(line)) {
            EmitCallLine(line);
        } else {
            statementText = line;
            EmitStatement();
        }
        if (checker.HasWriteFailed()) {
            ReportMessage(kMsgFile, kSeverityError, sourcePath, "", kLineWholeFile);
            return;
        }
    }
    if (IsProgramSourceKind(CurrentSourceKind)) EmitGenerated(UnitEndMarker());
    if (checker.HasWriteFailed()) ReportMessage(kMsgFile, kSeverityError, sourcePath, "", kLineWholeFile);
    CheckEndOfVariableFile(inComment, "缺少 END_VAR (内部调试性错误)");
}

// Writes the unit's block header; a unit without its record has no known length, which
// fails the compile rather than writing a header the PLC cannot use.
bool CIlCompiler::WriteBlockHeader() {
    PouBlockHeader header;
    header.language = NumberingMode == kNumberByNetwork ? 2 : 1;
    if (CurrentSourceKind == kSourceMainProgram) {
        header.length = static_cast<uint16_t>(mainCodeSize);
        header.kind = PouBlockHeader::kMain;
        header.number = PouBlockHeader::kMainNumber;
    } else {
        const CPouSymbol* pou = FindPou(pouName);
        if (!pou) {
            const char* text = "Debug Infomation: Can NOT get Current SP's segment length. UNKNOWN SP(内部调试性错误)";
            AfxMessageBox(text);
            ReportMessage(kMsgFile, kSeverityError, sourcePath, text, kLineWholeFile);
            return false;
        }
        header.length = static_cast<uint16_t>(pou->codeLength);
        header.kind = CurrentSourceKind == kSourceSubroutineProgram ? PouBlockHeader::kSubroutine
                                                                    : PouBlockHeader::kInterrupt;
        header.number = static_cast<uint8_t>(atoi(pouName.Mid(3)));
    }
    uint8_t bytes[PouBlockHeader::kSize];
    header.Encode(bytes);
    CompilePhaseScope writing(CompilePhase::FileWrites);
    if (!GetObjectFile().Append(bytes, sizeof bytes)) {
        ReportMessage(kMsgFile, kSeverityError, sourcePath, "", kLineWholeFile);
        return false;
    }
    ObjectByteCount += sizeof bytes;
    if (hexListing) HexListing::AppendLine(hexPath, HexListing::HeaderLine(bytes, sizeof bytes));
    return true;
}

void CIlCompiler::EmitGenerated(const CString& text) {
    statementText = text;
    EmitStatement();
}

void CIlCompiler::EmitCallLine(const CString& line) {
    checker.SetStatementText(line);
    checker.SplitStatement();
    if (checker.GetTokenCount() < 2 || checker.GetToken(0).GetUpperText() != "CAL") return;
    const CString name = checker.GetToken(1).GetUpperText();
    if (!IsSubroutineName(name)) return;
    if (checker.GetTokenCount() > 2) {
        const int row = paramCallCount++;
        if (row >= kCallRows) return;
        EmitGenerated("__QLX_EN");
        for (const CString& generated : paramCallTable[row]) {
            if (generated.IsEmpty()) break;
            EmitGenerated(generated);
        }
        EmitGenerated("__QLX_ENO");
        return;
    }
    const CString ext = UpperCased(GetFileExt(sourcePath));
    if (ext != "ILP" && ext != "CIP") return;
    EmitGenerated("__QLX_EN");
    EmitGenerated("CAL " + name);
    EmitGenerated("__QLX_ENO");
}
