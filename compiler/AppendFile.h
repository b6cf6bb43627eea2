#pragma once

#include "platform/CString.h"

#include <windows.h>

#include <cstdint>

// A file that the compile driver opens for the length of a compile (for reading and
// writing, other writers excluded) and to whose end every write goes: the compile log
// and the compiled program.
class CAppendFile {
public:
    CAppendFile() = default;
    CAppendFile(const CAppendFile&) = delete;
    CAppendFile& operator=(const CAppendFile&) = delete;
    ~CAppendFile();

    // Opens an existing file; false when it cannot be opened.
    bool Open(const CString& path);
    void Close();
    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }
    // Appends the bytes at the end of the file; false when the file is not open or the
    // write fails.
    bool Append(const void* bytes, uint32_t length);
    bool Append(const CString& text) { return Append(text.GetString(), text.GetLength()); }

private:
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

// The log of the running compile.
CAppendFile& GetCompileLog();
// The compiled program of the running compile.
CAppendFile& GetObjectFile();
