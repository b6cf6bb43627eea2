#include "language/NetworkLineRewriter.h"

#include "compiler/CompileVariables.h"

#include <cstring>

namespace {

// Source kinds whose network headers become statements, and the separator between
// the header statement and the rest of its line.
const char* NetworkSeparator(int sourceKind) {
    switch (sourceKind) {
    case 4: case 5: case 7:
        return " ; ";
    case kSourceMainProgram: case kSourceInterruptProgram: case kSourceSubroutineProgram:
        return " ";
    default:
        return nullptr;
    }
}

int SkipBlanks(const CString& text, int at) {
    while (at < text.GetLength() && text[at] == ' ') ++at;
    return at;
}

bool IsDigits(const CString& text) {
    return !text.IsEmpty() && text.SpanIncluding("0123456789").GetLength() == text.GetLength();
}

// The upper-cased line as "(* NETWORK n *) rest": the number and the position after "*)".
bool MatchNetworkHeader(const CString& upper, CString& number, int& afterCloser) {
    if (upper.Left(2) != "(*") return false;
    int at = SkipBlanks(upper, 2);
    if (upper.Mid(at, 7) != "NETWORK") return false;
    at = SkipBlanks(upper, at + 7);
    int end = at;
    while (end < upper.GetLength() && upper[end] != ' ' && upper.Mid(end, 2) != "*)") ++end;
    number = upper.Mid(at, end - at);
    if (!IsDigits(number)) return false;
    at = SkipBlanks(upper, end);
    if (upper.Mid(at, 2) != "*)") return false;
    afterCloser = at + 2;
    return true;
}

void RewriteNetworkHeader(CString& line) {
    const char* separator = NetworkSeparator(CurrentSourceKind);
    if (!separator) return;
    CString upper = line;
    upper.MakeUpper();
    CString number;
    int afterCloser = 0;
    if (MatchNetworkHeader(upper, number, afterCloser))
        line = "__NETWORK " + number + separator + upper.Mid(afterCloser);
}

void BlankSpan(CString& line, int from, int to) {
    for (int i = from; i < to && i < line.GetLength(); ++i) line.SetAt(i, ' ');
}

}  // namespace

bool RewriteNetworkLine(CString& line, bool inComment, const char* opener, const char* closer) {
    line.TrimLeft(' ');
    RewriteNetworkHeader(line);
    const int openerLength = static_cast<int>(strlen(opener));
    const int closerLength = static_cast<int>(strlen(closer));
    for (;;) {
        if (inComment) {
            const int close = line.Find(closer);
            if (close < 0) {
                line.Empty();
                return true;
            }
            BlankSpan(line, 0, close + closerLength);
            inComment = false;
            continue;
        }
        const int open = line.Find(opener);
        if (open < 0) {
            line.Trim();
            return false;
        }
        const int close = line.Find(closer, open + openerLength);
        BlankSpan(line, open, close < 0 ? line.GetLength() : close + closerLength);
        if (close < 0) {
            line.Trim();
            return true;
        }
    }
}
