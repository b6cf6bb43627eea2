#pragma once
#include "language/ILTokenizer.h"
#include "platform/Arrays.h"

class CLadderElement;

// Rebuilds a ladder box from an IL line and, for the multi-line forms that the box
// writer produces, from the lines after it: the inverse of CLadderILWriter.
class CLadderILReader {
public:
    virtual ~CLadderILReader() = default;

    // lines: the cleaned lines of a network range; lineIndex: the current line on entry,
    // the number of further lines the box used on success; words: the current line's
    // words, the first upper-cased. FALSE when no box can be built from the line.
    BOOL Recognise(const CStringArray& lines, int& lineIndex, int lastLine, CStringArray& words,
                   CLadderElement*& box);

private:
    CILTokenizer m_tokenizer;
};
