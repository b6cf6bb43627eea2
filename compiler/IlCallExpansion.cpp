// Subroutine call expansion of CIlCompiler's pass 1: a call line "CAL SBRnn a, b, ..."
// becomes an enable marker, the statements that move the actuals into the parameters,
// the bare call, the statements that move results back, and a closing marker.
#include "compiler/IlCompiler.h"

#include "compiler/CompileMsgTable.h"
#include "compiler/CompileVariables.h"
#include "compiler/PouSymbol.h"
#include "compiler/VarSymbol.h"
#include "project/FileUtils.h"

#include <algorithm>

namespace {

const int kMsgCall = 37;
const int kMsgMissing = 24;

enum ParamKind { kInput, kInOut, kOutput };

int KnownCount(int count) { return count < 0 ? -1 : count; }

// Statements that move a value from one operand to another: a BOOL through the logic
// accumulator, any other type with MOVE.
void AppendTransfer(std::vector<CString>& lines, OperandDescriptor type, const CString& from,
                    const CString& to) {
    if ((type & OD_TYPE_MASK) == OD_BOOL) {
        lines.push_back("LD " + from);
        lines.push_back("ST " + to);
        lines.push_back("__QLX_CR");
    } else {
        lines.push_back("MOVE " + from + " " + to);
    }
}

}  // namespace

void CIlCompiler::ExpandCall() {
    checker.SetStatementText(statementText);
    checker.SplitStatement();
    if (checker.GetTokenCount() < 2 || checker.GetToken(1).GetUpperText().IsEmpty()) {
        ReportMessage(kMsgCall, kSeverityError, sourcePath, "调用的子程序不存在", lineNumber);
        return;
    }
    const CString name = checker.GetToken(1).GetUpperText();
    if (checker.GetToken(0).GetUpperText() != "CAL" || !IsSubroutineName(name)) {
        ReportMessage(kMsgCall, kSeverityError, sourcePath, "调用的子程序不存在, 或调用指令错误", lineNumber);
        return;
    }
    if (checker.GetTokenCount() == 2)
        ExpandCallWithoutParams(name);
    else
        ExpandCallWithParams(name, 2);
}

void CIlCompiler::ExpandCallWithoutParams(const CString& name) {
    CString ext = GetFileExt(sourcePath);
    ext.MakeUpper();
    if (ext != "ILP" && ext != "CIP") {
        ReportMessage(kMsgCall, kSeverityError, sourcePath,
                      " 子程序调用出现在不应该出现的文件中(内部调试性错误)", lineNumber);
        return;
    }
    const CPouSymbol* pou = FindPou(name);
    int inputs = KnownCount(pou->inputCount), outputs = KnownCount(pou->outputCount),
        inOuts = KnownCount(pou->inOutCount);
    if (inputs == -1 && outputs == -1 && inOuts == -1)
        CountSubroutineParams(name, inputs, outputs, inOuts);
    if (inputs > 0 || outputs > 0 || inOuts > 0)
        ReportMessage(kMsgCall, kSeverityError, sourcePath, " 子程序有参数, 调用时必须带有参数", lineNumber);
    CheckGeneratedLine("__QLX_EN");
    CheckGeneratedLine("CAL " + name);
    CheckGeneratedLine("__QLX_ENO");
}

void CIlCompiler::ExpandCallWithParams(const CString& name, int firstActual) {
    CPouSymbol* pou = FindPou(name);
    if (!pou) {
        ReportMessage(kMsgCall, kSeverityError, sourcePath, "调用的子程序不存在", lineNumber);
        return;
    }
    if (KnownCount(pou->inputCount) == -1 && KnownCount(pou->outputCount) == -1 &&
        KnownCount(pou->inOutCount) == -1) {
        int inputs, outputs, inOuts;
        CountSubroutineParams(name, inputs, outputs, inOuts);
        pou->inputCount = inputs;
        pou->outputCount = outputs;
        pou->inOutCount = inOuts;
    }
    const int inputCount = pou->inputCount, outputCount = pou->outputCount,
              inOutCount = pou->inOutCount;
    if (inputCount == 0 && outputCount == 0 && inOutCount == 0) {
        ReportMessage(kMsgCall, kSeverityError, sourcePath, " 本子程序不允许有参数", lineNumber);
        return;
    }
    const int row = paramCallCount++;
    if (row >= kCallRows) {
        // The table has no row for it: the call is refused and the file gets no pass 2.
        ReportMessage(kMsgCall, kSeverityError, sourcePath, " 同一个文件中, 带参数的子程序调用过多", lineNumber);
        return;
    }
    std::vector<CString> generated;
    std::vector<CString> copyBack;
    int k = 0, i = 0, j = 0;
    CVarSymbol* previous = nullptr;
    CVarSymbol* previousOutput = nullptr;
    bool emitted = false;
    auto appendCall = [&]() {
        emitted = true;
        generated.push_back("CAL " + name);
        generated.insert(generated.end(), copyBack.begin(), copyBack.end());
    };
    for (int a = firstActual; a < checker.GetTokenCount(); a += 2) {
        const CTokenChecker& actual = checker.GetToken(a);
        if (k >= inputCount && i >= inOutCount && j >= outputCount) {
            ReportMessage(kMsgCall, kSeverityError, sourcePath, actual.GetText() + ", 输入的子程序实参过多",
                          lineNumber);
            break;
        }
        CVarSymbol* param = nullptr;
        ParamKind kind;
        if (inputCount > k) {
            kind = kInput;
            param = previous ? FindNextInputParam(name, previous->next) : FindFirstInputParam(name);
            previous = param;
        } else if (inOutCount > 0 && inOutCount > i) {
            kind = kInOut;
            if (!previous) copyBack.clear();
            param = previous ? FindNextInOutParam(name, previous->next) : FindFirstInOutParam(name);
            previous = param;
        } else {
            kind = kOutput;
            if (j == 0) appendCall();
            param = previousOutput ? FindNextOutputParam(name, previousOutput->next)
                                   : FindFirstOutputParam(name);
            previousOutput = param;
        }
        if (!param) continue;
        int& bound = kind == kInput ? k : kind == kInOut ? i : j;
        ++bound;
        const OperandDescriptor paramType = param->descriptor & OD_TYPE_MASK;
        if (paramType & ~actual.GetOperandFlags()) {
            static const char* const forms[] = {"子程序的第 %d 个输入参数的类型与形参不匹配",
                                                "子程序的第 %d 个输入输出参数的类型与形参不匹配",
                                                "子程序的第 %d 个输出参数的类型与形参不匹配"};
            CString detail;
            detail.Format(forms[kind], bound);
            ReportMessage(kMsgCall, kSeverityError, sourcePath, detail, lineNumber);
            continue;
        }
        const CString& formal = param->name;
        const CString actualText = actual.GetUpperText();
        if (kind == kOutput) {
            AppendTransfer(generated, paramType, formal, actualText);
        } else {
            AppendTransfer(generated, paramType, actualText, formal);
            if (kind == kInOut && copyBack.size() < kCallRowLines)
                AppendTransfer(copyBack, paramType, formal, actualText);
        }
    }
    if (k < inputCount || i < inOutCount || j < outputCount)
        ReportMessage(kMsgMissing, kSeverityError, sourcePath, " 子程序输入的实参不够", lineNumber);
    else if (!emitted)
        appendCall();
    if (copyBack.size() > kCallRowLines) copyBack.resize(kCallRowLines);

    std::vector<CString>& lines = paramCallTable[row];
    lines.assign(generated.begin(),
                 generated.begin() + std::min<size_t>(generated.size(), kCallRowLines));
    paramLineIndex = static_cast<int>(lines.size());
    CheckGeneratedLine("__QLX_EN");
    if (generated.size() > kCallRowLines)
        ReportMessage(kMsgCall, kSeverityError, sourcePath, " 子程序的参数过多, 部分参数将被丢弃", lineNumber);
    for (const CString& line : lines) CheckGeneratedLine(line);
    CheckGeneratedLine("__QLX_ENO");
}
