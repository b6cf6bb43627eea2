#pragma once

#include "platform/CString.h"

#include <windows.h>

// The compile log: one text file that the compile driver opens for the length of a
// compile (for reading and writing, other writers excluded) and into which every
// compile message line is appended without a separator.
class CCompileLog {
public:
    CCompileLog() = default;
    CCompileLog(const CCompileLog&) = delete;
    CCompileLog& operator=(const CCompileLog&) = delete;
    ~CCompileLog();

    // Opens an existing file; false when it cannot be opened.
    bool Open(const CString& path);
    void Close();
    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }
    // Appends the bytes of the text at the end of the file; false when the log is not
    // open or the write fails.
    bool Append(const CString& text);

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

// The log of the running compile.
CCompileLog& GetCompileLog();
