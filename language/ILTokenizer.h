#pragma once

#include "language/ILLineParser.h"

// The IL-to-LD converter's line operations: those of CILLineParser, with a placeholder
// operand for a load written without one, and the output and operand tests of the
// converter.
class CILTokenizer : public CILLineParser {
public:
    static constexpr const char* kMissingOperand = "????";

    // As CILLineParser::SplitTokens, then appends "????" when the last word is LD or LDN.
    bool SplitTokens(const CString& line, CStringArray& words) const;
    // The first operand of a comma- or blank-separated operand list.
    CString FirstOperand(const CString& operands) const;
    // Whether the word ends a rung: a label definition ("NAME:"), ST, STN, STI, or an
    // instruction shown as a coil in the workspace's catalogue (S, R, JMP, RETC, ...).
    bool IsOutputInstruction(const CString& word) const;
};
