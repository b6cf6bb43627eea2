#include "language/ILTokenizer.h"

#include "project/CPlcWorkspace.h"

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

bool CILTokenizer::IsOutputInstruction(const CString& word) const {
    if (word.IsEmpty()) return false;
    if (word[word.GetLength() - 1] == ':') return true;
    CString upper = word;
    upper.MakeUpper();
    if (upper == "ST" || upper == "STN" || upper == "STI") return true;
    void* coil = nullptr;
    return theWorkspace && theWorkspace->coilByName.Lookup("-(" + word + ")", coil);
}
