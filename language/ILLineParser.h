#pragma once

#include "platform/CString.h"
#include "platform/Arrays.h"

// Text operations on single IL lines, shared by the IL editor model, the pre-compile
// pass and the ladder export: comments, network header comments and word splitting.
class CILLineParser {
public:
    virtual ~CILLineParser() = default;

    // Replaces every closed "(* ... *)" span by one blank and trims the line; an "(*"
    // without a later "*)" stays, with everything after it.
    CString StripComments(const CString& line) const;
    // A network header comment "(* NETWORK n *)" (any case): its number text. False,
    // number unchanged, for any other line.
    bool ParseNetworkHeader(const CString& line, CString& number) const;
    bool IsDigitText(const CString& text) const;
    // Appends the blank-separated words of the line (a tab stays inside a word); false
    // for an empty line.
    bool SplitTokens(const CString& line, CStringArray& words) const;
    // Cuts the text after each occurrence of the separator; the pieces before the last
    // keep the separator at their end. False when the text or the separator is empty.
    bool SplitBySeparator(const CString& text, const CString& separator,
                          CStringArray& pieces) const;
};
