#pragma once

#include "platform/CFile.h"

#include <cstdio>

// A file read and written through the C runtime's buffered stream. Opened without
// typeBinary it is in text mode: CR LF becomes LF on reading and LF becomes CR LF on
// writing.
class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile() = default;
    // Opens the file or throws CFileException*.
    CStdioFile(LPCTSTR fileName, UINT openFlags);
    ~CStdioFile() override;

    BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr) override;

    // The next line into `buffer` (at most maxLength - 1 bytes, the line end kept as
    // LF), or null at the end of the file.
    LPTSTR ReadString(LPTSTR buffer, UINT maxLength);
    // The next line without its line end; FALSE at the end of the file.
    BOOL ReadString(CString& line);
    void WriteString(LPCTSTR text);

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    LONG Seek(LONG offset, UINT from) override;
    DWORD GetPosition() const override;
    DWORD GetLength() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    FILE* m_pStream = nullptr;

private:
    // Throws the CFileException for a failed stream operation.
    [[noreturn]] void ThrowStreamError(int cause) const;
};
