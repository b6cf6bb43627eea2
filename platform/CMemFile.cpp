#include "platform/CMemFile.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT growBytes) : m_nGrowBytes(growBytes) {}

CMemFile::CMemFile(BYTE* buffer, UINT bufferSize, UINT growBytes) : m_nGrowBytes(growBytes) {
    Attach(buffer, bufferSize, growBytes);
}

CMemFile::~CMemFile() {
    Close();
}

void CMemFile::Attach(BYTE* buffer, UINT bufferSize, UINT growBytes) {
    Close();
    m_lpBuffer = buffer;
    m_nBufferSize = bufferSize;
    m_nFileSize = growBytes == 0 ? bufferSize : 0;
    m_nGrowBytes = growBytes;
    m_bOwnsBuffer = false;
}

BYTE* CMemFile::Detach() {
    BYTE* buffer = m_lpBuffer;
    Reset();
    return buffer;
}

UINT CMemFile::Read(void* buffer, UINT count) {
    if (m_nPosition >= m_nFileSize)
        return 0;
    const UINT available = std::min<DWORD>(count, m_nFileSize - m_nPosition);
    std::memcpy(buffer, m_lpBuffer + m_nPosition, available);
    m_nPosition += available;
    return available;
}

void CMemFile::Write(const void* buffer, UINT count) {
    if (count == 0)
        return;
    const DWORD end = m_nPosition + count;
    if (end < m_nPosition)
        AfxThrowFileException(CFileException::diskFull);
    Reserve(end);
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, buffer, count);
    m_nPosition = end;
    m_nFileSize = std::max(m_nFileSize, end);
}

LONG CMemFile::Seek(LONG offset, UINT from) {
    LONGLONG position = offset;
    if (from == current)
        position += m_nPosition;
    else if (from == end)
        position += m_nFileSize;
    if (position < 0 || position > 0x7FFFFFFF)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = static_cast<DWORD>(position);
    return static_cast<LONG>(position);
}

DWORD CMemFile::GetPosition() const {
    return m_nPosition;
}

DWORD CMemFile::GetLength() const {
    return m_nFileSize;
}

void CMemFile::SetLength(DWORD newLength) {
    Reserve(newLength);
    if (newLength > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, newLength - m_nFileSize);
    m_nFileSize = newLength;
    m_nPosition = std::min(m_nPosition, newLength);
}

void CMemFile::Flush() {}

void CMemFile::Close() {
    if (m_bOwnsBuffer)
        std::free(m_lpBuffer);
    Reset();
}

void CMemFile::Abort() {
    Close();
}

void CMemFile::Reserve(DWORD size) {
    if (size <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowFileException(CFileException::diskFull);
    // Doubling keeps a long run of small writes linear; the grow size is the least step.
    const ULONGLONG wanted = std::max<ULONGLONG>(size, 2ull * m_nBufferSize);
    const ULONGLONG rounded = (wanted + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    const DWORD newSize = static_cast<DWORD>(std::min<ULONGLONG>(rounded, 0xFFFFFFFFull));
    BYTE* grown = static_cast<BYTE*>(std::realloc(m_lpBuffer, newSize));
    if (!grown)
        AfxThrowMemoryException();
    m_lpBuffer = grown;
    m_nBufferSize = newSize;
}

void CMemFile::Reset() {
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bOwnsBuffer = true;
}
