#pragma once

#include "platform/CFile.h"

// A file held in memory. Its memory either belongs to the file (allocated with
// malloc, grown in steps of at least the grow size, freed by Close) or is attached by
// the caller: an attached block with a grow size of 0 is a fixed-size file whose
// content is the block, one with a grow size above 0 starts empty and is grown with
// realloc, so it must come from malloc. Detach hands the memory to the caller, who
// frees it with free().
class CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT growBytes = 1024);
    CMemFile(BYTE* buffer, UINT bufferSize, UINT growBytes = 0);
    ~CMemFile() override;

    void Attach(BYTE* buffer, UINT bufferSize, UINT growBytes = 0);
    BYTE* Detach();

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    LONG Seek(LONG offset, UINT from) override;
    DWORD GetPosition() const override;
    DWORD GetLength() const override;
    void SetLength(DWORD newLength) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    // Makes room for at least `size` bytes; throws CFileException* (diskFull) when the
    // memory cannot grow.
    void Reserve(DWORD size);
    void Reset();

    UINT m_nGrowBytes;
    DWORD m_nPosition = 0;
    DWORD m_nFileSize = 0;
    DWORD m_nBufferSize = 0;
    BYTE* m_lpBuffer = nullptr;
    bool m_bOwnsBuffer = true;
};
