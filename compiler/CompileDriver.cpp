#include "compiler/CompileDriver.h"

#include "compiler/AddressUsageMap.h"
#include "compiler/CompileMsg.h"
#include "compiler/CompileMsgTable.h"
#include "compiler/CompilerTables.h"
#include "compiler/PouSymbol.h"
#include "compiler/VarSymbol.h"
#include "platform/MessageBox.h"
#include "project/FileUtils.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

namespace {

CString UpperCased(const CString& text) {
    CString upper = text;
    upper.MakeUpper();
    return upper;
}

CString KindOf(const CString& path) { return UpperCased(GetFileExt(path)); }

// The text after the last "\" or, without one, after the last ":".
int NameStart(const CString& path) {
    int separator = path.ReverseFind('\\');
    if (separator < 0) separator = path.ReverseFind(':');
    return separator + 1;
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
