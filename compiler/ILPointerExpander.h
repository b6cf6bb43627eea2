#pragma once

#include "platform/CString.h"
#include "platform/Arrays.h"

// The pre-compile pass: writes a program file again, line by line, as the "~" twin that
// the compiler's passes read. Pointer operands do not exist in this language, so every
// line is written unchanged.
class CILPointerExpander {
public:
    virtual ~CILPointerExpander() = default;

    // Reads the source, expands and writes the destination. The destination always
    // ends up matching the source: an empty source gives an empty destination, and a
    // source that cannot be read removes the destination, so that no text of an
    // earlier compile is left behind for the compiler to read.
    bool ExpandFile(const CString& sourcePath, const CString& destinationPath) const;
    // Appends the file's lines without line ends (CR before LF dropped); false when the
    // file cannot be opened.
    bool ReadLines(const CString& path, CStringArray& lines) const;
    // Offers the operands of every line to the pointer-operand tests; the lines stay.
    void ExpandLines(const CStringArray& lines) const;
    // Makes the file hold every line with CR LF (a file that already does is left
    // alone); false when the file cannot be written.
    bool WriteLines(const CString& path, const CStringArray& lines) const;
};
