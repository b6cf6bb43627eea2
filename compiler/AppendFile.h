#pragma once

#include "platform/CString.h"

#include <windows.h>

#include <cstdint>
#include <string>

// A file that the compile driver opens for the length of a compile (for reading and
// writing, other writers excluded) and to whose end every write goes: the compile log
// and the compiled program. Appended bytes are held in memory and written in large
// pieces (a compile appends thousands of small pieces), at the latest by Close.
class CAppendFile {
public:
    CAppendFile() = default;
    CAppendFile(const CAppendFile&) = delete;
    CAppendFile& operator=(const CAppendFile&) = delete;
    ~CAppendFile();

    // Opens an existing file; false when it cannot be opened.
    bool Open(const CString& path);
    // Writes what is held and closes the file; false when that write fails.
    bool Close();
    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }
    // Appends the bytes at the end of the file; false when the file is not open or a
    // write has failed.
    bool Append(const void* bytes, uint32_t length);
    bool Append(const CString& text) { return Append(text.GetString(), text.GetLength()); }

private:
    static constexpr size_t kHeldBytes = 64 * 1024;
    bool WriteHeld();

    HANDLE m_file = INVALID_HANDLE_VALUE;
    std::string m_held;
    bool m_failed = false;
};

// The log of the running compile.
CAppendFile& GetCompileLog();
// The compiled program of the running compile.
CAppendFile& GetObjectFile();
