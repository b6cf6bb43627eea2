#include "language/ILTokenizer.h"

bool CILTokenizer::SplitTokens(const CString& line, CStringArray& words) const {
    if (!CILLineParser::SplitTokens(line, words)) return false;
    const CString& last = words[words.GetSize() - 1];
    if (last == "LD" || last == "LDN") words.Add(kMissingOperand);
    return true;
}

CString CILTokenizer::FirstOperand(const CString& operands) const {
    CString text = operands;
    text.Replace(',', ' ');
    const int blank = text.Find(' ');
    return blank < 0 ? text : text.Left(blank);
}
