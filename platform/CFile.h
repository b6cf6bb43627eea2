#pragma once

#include "platform/CFileException.h"
#include "platform/CObject.h"
#include "platform/CString.h"

// A file of the file system reached through a Win32 handle. Failures of Read, Write,
// Seek, SetLength, Flush, Close and the static operations throw CFileException*;
// Open reports its failure by result (and in `error` when given).
class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Opens the file or throws CFileException*.
    CFile(LPCTSTR fileName, UINT openFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    virtual BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr);
    // Returns the number of bytes read: fewer than `count` only at the end of the file.
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    // Returns the new position.
    virtual LONG Seek(LONG offset, UINT from);
    void SeekToBegin();
    DWORD SeekToEnd();
    virtual DWORD GetPosition() const;
    virtual DWORD GetLength() const;
    virtual void SetLength(DWORD newLength);
    virtual void Flush();
    virtual void Close();
    // Closes without reporting failures.
    virtual void Abort();

    // The full path of the open file, and its last component.
    CString GetFilePath() const { return m_strFileName; }
    CString GetFileName() const;

    static void Rename(LPCTSTR oldName, LPCTSTR newName);
    static void Remove(LPCTSTR fileName);

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

protected:
    // Throws the CFileException for the calling thread's last Win32 error.
    [[noreturn]] void ThrowLastError() const;

    CString m_strFileName;
};
