#include "compiler/CompileDriver.h"

#include "compiler/AddressUsageMap.h"
#include "compiler/AppendFile.h"
#include "compiler/CompileShell.h"
#include "compiler/CompileVariables.h"
#include "compiler/IlCompiler.h"
#include "compiler/CompileMsg.h"
#include "compiler/CompileMsgTable.h"
#include "compiler/CompilePhaseClock.h"
#include "compiler/CompilerTables.h"
#include "compiler/PouSymbol.h"
#include "compiler/VarSymbol.h"
#include "platform/MessageBox.h"
#include "project/FileContents.h"
#include "project/FileUtils.h"
#include "project/LangMarker.h"
#include "platform/StringCopies.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

namespace {

CString KindOf(const CString& path) { return UpperCased(GetFileExt(path)); }

// The text after the last "\" or, without one, after the last ":".
int NameStart(const CString& path) {
    int separator = path.ReverseFind('\\');
    if (separator < 0) separator = path.ReverseFind(':');
    return separator + 1;
}

bool CloseOutputFile(CAppendFile& file, CompilePhase phase) {
    CompilePhaseScope closing(phase);
    return file.Close();
}

}  // namespace

CCompileDriver::CCompileDriver(CString* fileNames, int fileCount)
    : fileCount(fileNames ? std::min(std::max(fileCount, 0), kMaxFiles) : 0),
      fileNames(this->fileCount > 0 ? fileNames : nullptr) {
    CollectCompileFiles();
}

CCompileDriver::~CCompileDriver() { ResetCompilerTables(); }

void CCompileDriver::CollectCompileFiles() {
    ClearAddressUsage();
    ResetCompilerTables();
    for (int i = 0; i < fileCount; ++i) {
        fileNamesAsPassed.push_back(fileNames[i]);
        fileNames[i].MakeUpper();
    }
    for (int i = 0; i < fileCount; ++i) {
        const CString& path = fileNames[i];
        const CString fileName = path.Mid(NameStart(path));
        const CString ext = KindOf(fileName);
        const CString pouName = GetPouNameFromFileName(GetFileNamePart(fileNamesAsPassed[i]));
        RegisterUnit(fileName, ext, pouName);
        if (ext == "QPR") SetProjectPaths(path, fileName);
    }
}

void CCompileDriver::RegisterUnit(const CString& fileName, const CString& ext,
                                  const CString& pouName) {
    const bool isSubroutine = fileName.Left(3) == "SBR" && (ext == "ILP" || ext == "STP");
    const bool isInterrupt = !isSubroutine && fileName.Left(3) == "INT";
    if (!isSubroutine && !isInterrupt) return;
    CString prefix;
    SplitFilePrefix(fileName, prefix);
    const CString digits = prefix.Mid(3);
    if (!IsAllDigits(digits) || IsPouName(prefix)) return;
    AddPou(prefix, pouName, atoi(digits),
           isSubroutine ? CPouSymbol::kSubroutine : CPouSymbol::kInterrupt);
    if (isSubroutine) DeclareCallVariables(prefix, ext == "ILP");
}

void CCompileDriver::DeclareCallVariables(const CString& unit, bool inDeclaredList) {
    const auto add = inDeclaredList ? AddDeclaredVar : AddSecondaryVar;
    for (const char* member : {".EN", ".ENO"})
        add(unit + member, OD_BOOL, CString(), AreaPrefixSpec{}, 0, LiteralValue{}, false,
            CVarSymbol::kNoParam);
}

void CCompileDriver::SetProjectPaths(const CString& path, const CString& fileName) {
    int separator = path.ReverseFind('\\');
    if (separator < 0) separator = path.ReverseFind(':');
    if (separator <= 0) {
        AfxMessageBox("传入的工程名路径错误(内部调试性错误)");
        projectBasePath.Empty();
        logPath.Empty();
        objectPath.Empty();
        return;
    }
    const CString name = fileName.Left(fileName.ReverseFind('.'));
    projectBasePath = path.Left(separator + 1) + name + "\\" + fileName;
    logPath = ReplaceFileExt(projectBasePath, "COI");
    objectPath = ReplaceFileExt(projectBasePath, "EPL");
}

bool CCompileDriver::AppendPhaseFile(const CString& path) {
    if (static_cast<int>(phaseFiles.size()) >= kMaxPhaseFiles) {
        ReportCompileMsg(38, kSeverityError, "传入的编译文件数目过多");
        return false;
    }
    phaseFiles.push_back(path);
    return true;
}

void CCompileDriver::PreprocessFiles(const char* copyKind, const char* directKind,
                                     const char* intermediateKind) {
    for (int i = 0; i < fileCount; ++i) {
        const CString& path = fileNames[i];
        const CString kind = KindOf(path);
        if (kind == copyKind) {
            if (!FileExists(path)) {
                ReportCompileMsg(10, kSeverityError, path + ": 无法找到指定的文件");
                continue;
            }
            if (static_cast<int>(phaseFiles.size()) >= kMaxPhaseFiles) {
                AppendPhaseFile(path);  // reports the overflow
                continue;
            }
            const CString copy = ReplaceFileExt(path, intermediateKind);
            CompilePhaseScope writing(CompilePhase::FileWrites);
            if (!CopyFileA(path, copy, FALSE)) {
                ReportCompileMsg(8, kSeverityError, "预处理文件时失败");
                continue;
            }
            AppendPhaseFile(copy);
        } else if (kind == directKind) {
            AppendPhaseFile(path);
        }
    }
}

void CCompileDriver::DeleteIntermediateFiles() {
    CompilePhaseScope writing(CompilePhase::FileWrites);
    for (const CString& path : phaseFiles) {
        const CString kind = KindOf(path);
        if ((kind == "CIV" || kind == "CIP" || kind == "CGV") && FileExists(path))
            DeleteFileA(path);
    }
    phaseFiles.clear();
}

void CCompileDriver::ReportCompileMsg(int code, int severity, const CString& detail) {
    CompileMsgArgs args;
    args.code = code;
    args.severity = severity;
    args.line = kLineProject;
    args.detail = detail;
    CCompileMsg(args, logPath).Write();
    if (severity == kSeverityError) ++errorCount;
    if (severity == kSeverityWarning) ++warningCount;
}

void CCompileDriver::CheckCallTrees() {
    for (const CPouSymbol* pou = GetFirstPou(); pou; pou = pou->next) {
        if (pou->kind != CPouSymbol::kSubroutine) continue;
        callDepth = 0;
        nestingChain.Empty();
        nestingReported = false;
        std::vector<CString> path;
        CString chain;
        if (CheckCallTree(path, 0, *pou, chain))
            ReportCompileMsg(42, kSeverityWarning,
                             "子程序存在递归调用, 子程序调用序列为: 调用者" + chain);
        if (nestingReported)
            ReportCompileMsg(38, kSeverityError,
                             "子程序嵌套调用不能超过三层, 子程序调用序列为:" + nestingChain);
    }
}

bool CCompileDriver::CheckCallTree(std::vector<CString>& path, int n, const CPouSymbol& pou,
                                   CString& chain) {
    ++callDepth;
    if (callDepth > kMaxNesting && !nestingReported) {
        nestingChain = "调用者->(" + path[0] + ")->(" + path[1] + ")->(" + path[2] + ")->(" +
                       pou.name + ")";
        nestingReported = true;
    }
    path.resize(n + 1);
    path[n] = pou.name;
    for (int i = 0; i < pou.GetCallCount(); ++i) {
        const CPouSymbol* callee = FindPou(pou.GetCall(i));
        if (!callee) continue;
        if (IsOnCallPath(callee->name, path, n + 1)) {
            chain = "->(" + pou.displayName + ")->(" + callee->displayName + ")";
            --callDepth;
            return true;
        }
        if (n + 1 < kMaxPhaseFiles && CheckCallTree(path, n + 1, *callee, chain)) {
            chain = "->(" + pou.displayName + ")" + chain;
            --callDepth;
            return true;
        }
    }
    --callDepth;
    return false;
}

bool CCompileDriver::IsOnCallPath(const CString& name, const std::vector<CString>& path,
                                  int count) {
    return std::find(path.begin(), path.begin() + count, name) != path.begin() + count;
}

bool CCompileDriver::Compile(bool hexListing) {
    HexListingFlag = hexListing;
    if (projectBasePath.IsEmpty()) {
        AfxMessageBox("缺少或没有正确生成工程名，不能继续编译!");
        return false;
    }
    errorCount = warningCount = 0;
    ObjectByteCount = 0;
    if (!OpenOutputFiles()) return false;

    ICompileShell* shell = GetCompileShell();
    const int initDataProblems = shell ? shell->CheckInitDataTable() : 0;
    errorCount += initDataProblems;

    ReportCompileMsg(2, kSeverityInfo, "");
    PreprocessFiles("QGV", "", "CGV");
    CompileFileKind("", "CGV", false);
    DeleteIntermediateFiles();

    PreprocessFiles("LDV", "ILV", "CIV");
    CompileFileKind("ILV", "CIV", false);
    DeleteIntermediateFiles();

    if (errorCount > initDataProblems) {
        ReportCompileMsg(12, kSeverityInfo,
                         "工程的变量文件中有错误, 不进行工程的程序文件的编译(内部调试性错误)");
    } else {
        ReportCompileMsg(3, kSeverityInfo, "");
        PreprocessFiles("STP", "ILP", "CIP");
        ReportCompileMsg(4, kSeverityInfo, "");
        CompileFileKind("ILP", "CIP", hexListing);
    }
    DeleteIntermediateFiles();
    ReportCompileMsg(5, kSeverityInfo, "");
    if (!CloseOutputFile(GetObjectFile(), CompilePhase::FileWrites))
        ReportCompileMsg(8, kSeverityError, objectPath + " 写入失败");
    RunEndChecks();

    CString summary;
    summary.Format(" %d 错误, %d 警告。总共%d条指令。", errorCount, warningCount,
                   LastInstructionIndex + 1);
    const bool compiled = errorCount == 0;
    ReportCompileMsg(compiled ? 11 : 12, kSeverityInfo, summary);
    if (!compiled && FileExists(objectPath)) DeleteFileA(objectPath);
    CloseOutputFile(GetCompileLog(), CompilePhase::MessageLog);
    return compiled;
}

bool CCompileDriver::OpenOutputFiles() {
    CompilePhaseScope writing(CompilePhase::FileWrites);
    if (!CreateEmptyFile(logPath) || !CreateEmptyFile(objectPath)) return false;
    for (const CString* path : {&objectPath, &logPath}) {
        CAppendFile& file = path == &objectPath ? GetObjectFile() : GetCompileLog();
        if (file.Open(*path)) continue;
        GetObjectFile().Close();
        GetCompileLog().Close();
        CString text;
        text.Format("文件 %s 打开失败, 导致编译失败", (LPCTSTR)*path);
        AfxMessageBox(text, MB_ICONSTOP);
        return false;
    }
    return true;
}

void CCompileDriver::RunEndChecks() {
    if (ObjectByteCount > kMaxObjectBytes) ReportCompileMsg(30, kSeverityError, "");
    const int total = LastInstructionIndex + 1;
    ICompileShell* shell = GetCompileShell();
    const int capacity = shell ? shell->GetProgramMemorySize() : 0;
    CString detail;
    if (total < 1) {
        ReportCompileMsg(24, kSeverityError, "指令总数不正确(过少)");
    } else if (total > capacity) {
        detail.Format("工程中指令过多, 当前CPU模块支持最多 %d 条指令", capacity);
        ReportCompileMsg(38, kSeverityError, detail);
    }
}

void CCompileDriver::CompileFileKind(const char* kindA, const char* kindB, bool hexListing) {
    CIlCompiler compiler("", "");
    if (CString(kindB) == "CIP") {
        CompileProgramFiles(compiler, hexListing);
        return;
    }
    for (const CString& path : phaseFiles) {
        const CString kind = KindOf(path);
        if ((*kindA && kind == kindA) || kind == kindB) CompileOneFile(compiler, path, false, hexListing);
    }
}

// Programs are compiled in two runs over one compiler, MAIN first in each: pass 1 of
// all, the call-tree check, then pass 2 of all.
void CCompileDriver::CompileProgramFiles(CIlCompiler& compiler, bool hexListing) {
    std::vector<CString> order;
    for (const CString& path : phaseFiles) {
        const CString kind = KindOf(path);
        if (kind != "ILP" && kind != "CIP") continue;
        const bool isMain = path.Mid(NameStart(path)).Left(5) == "MAIN_";
        if (isMain && (order.empty() || order.front().Mid(NameStart(order.front())).Left(5) != "MAIN_"))
            order.insert(order.begin(), path);
        else
            order.push_back(path);
    }
    compiler.skipPass1 = false;
    compiler.skipPass2 = true;
    for (const CString& path : order) CompileOneFile(compiler, path, true, hexListing);
    CheckCallTrees();
    compiler.skipPass1 = true;
    compiler.skipPass2 = false;
    compiler.paramCallCount = 0;
    for (const CString& path : order) CompileOneFile(compiler, path, true, hexListing);
}

void CCompileDriver::CompileOneFile(CIlCompiler& compiler, const CString& path, bool programPhase,
                                    bool hexListing) {
    const CString& diskPath = DiskPathOf(path);
    if (programPhase) NumberingMode = LanguageOf(diskPath) == 2 ? kNumberByNetwork : kNumberByLine;
    compiler.SetSourceFile(path, projectBasePath, diskPath);
    int errors = 0, warnings = 0;
    compiler.CompileFile(&errors, &warnings, hexListing);
    compiler.SetProgramName("");
    errorCount += errors;
    warningCount += warnings;
}

// The language marker of a program file, read once for both runs.
int CCompileDriver::LanguageOf(const CString& path) {
    const auto known = fileLanguages.find(path.GetString());
    if (known != fileLanguages.end()) return known->second;
    CompilePhaseScope reading(CompilePhase::Reading);
    std::string bytes;
    const BYTE language = CFileContentCache::Instance().Read(path, bytes) ? LangMarkerOf(bytes) : 255;
    return fileLanguages[path.GetString()] = language;
}

// The caller's spelling of one of its files (the compile works on upper-cased paths);
// intermediate copies are on disk as the compile named them.
const CString& CCompileDriver::DiskPathOf(const CString& path) const {
    for (int i = 0; i < fileCount; ++i)
        if (fileNames[i] == path) return fileNamesAsPassed[i];
    return path;
}
