#include "platform/CStdioFile.h"

#include <fcntl.h>
#include <io.h>

#include <cstring>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

// The stream mode that matches the open flags of a file already opened by CFile.
const char* StreamMode(UINT openFlags, int& descriptorFlags) {
    const bool binary = (openFlags & CFile::typeBinary) != 0;
    descriptorFlags = binary ? _O_BINARY : _O_TEXT;
    switch (openFlags & 3) {
    case CFile::modeWrite:
        return binary ? "wb" : "wt";
    case CFile::modeReadWrite:
        return binary ? "r+b" : "r+t";
    default:
        descriptorFlags |= _O_RDONLY;
        return binary ? "rb" : "rt";
    }
}

}  // namespace

CStdioFile::CStdioFile(LPCTSTR fileName, UINT openFlags) {
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw new CFileException(error);
}

CStdioFile::~CStdioFile() {
    Abort();
}

BOOL CStdioFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error) {
    if (!CFile::Open(fileName, openFlags & ~(typeText | typeBinary), error))
        return FALSE;
    int descriptorFlags = 0;
    const char* mode = StreamMode(openFlags, descriptorFlags);
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), descriptorFlags);
    m_pStream = descriptor == -1 ? nullptr : _fdopen(descriptor, mode);
    if (m_pStream)
        return TRUE;
    if (descriptor != -1)
        _close(descriptor);
    else
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    if (error) {
        error->m_cause = CFileException::tooManyOpenFiles;
        error->m_lOsError = -1;
        error->m_strFileName = fileName;
    }
    m_strFileName.Empty();
    return FALSE;
}

LPTSTR CStdioFile::ReadString(LPTSTR buffer, UINT maxLength) {
    if (std::fgets(buffer, static_cast<int>(maxLength), m_pStream))
        return buffer;
    if (std::ferror(m_pStream))
        ThrowStreamError(CFileException::genericException);
    return nullptr;
}

BOOL CStdioFile::ReadString(CString& line) {
    line.Empty();
    char chunk[256];
    bool readAny = false;
    while (ReadString(chunk, sizeof chunk)) {
        readAny = true;
        const size_t length = std::strlen(chunk);
        if (length > 0 && chunk[length - 1] == '\n') {
            chunk[length - 1] = '\0';
            line += chunk;
            return TRUE;
        }
        line += chunk;
    }
    return readAny;
}

void CStdioFile::WriteString(LPCTSTR text) {
    if (std::fputs(text, m_pStream) == EOF)
        ThrowStreamError(CFileException::diskFull);
}

UINT CStdioFile::Read(void* buffer, UINT count) {
    const size_t read = std::fread(buffer, 1, count, m_pStream);
    if (read < count && std::ferror(m_pStream))
        ThrowStreamError(CFileException::genericException);
    return static_cast<UINT>(read);
}

void CStdioFile::Write(const void* buffer, UINT count) {
    if (std::fwrite(buffer, 1, count, m_pStream) != count)
        ThrowStreamError(CFileException::diskFull);
}

LONG CStdioFile::Seek(LONG offset, UINT from) {
    const int origin = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
    if (std::fseek(m_pStream, offset, origin) != 0)
        ThrowStreamError(CFileException::badSeek);
    return static_cast<LONG>(GetPosition());
}

DWORD CStdioFile::GetPosition() const {
    const long position = std::ftell(m_pStream);
    if (position < 0)
        ThrowStreamError(CFileException::invalidFile);
    return static_cast<DWORD>(position);
}

DWORD CStdioFile::GetLength() const {
    if (std::fflush(m_pStream) != 0)
        ThrowStreamError(CFileException::diskFull);
    return CFile::GetLength();
}

void CStdioFile::Flush() {
    if (m_pStream && std::fflush(m_pStream) != 0)
        ThrowStreamError(CFileException::diskFull);
}

void CStdioFile::Close() {
    const int result = m_pStream ? std::fclose(m_pStream) : 0;
    const CString fileName = m_strFileName;
    m_pStream = nullptr;
    m_hFile = INVALID_HANDLE_VALUE;
    m_strFileName.Empty();
    if (result != 0)
        AfxThrowFileException(CFileException::diskFull, -1, fileName);
}

void CStdioFile::Abort() {
    if (m_pStream)
        std::fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = INVALID_HANDLE_VALUE;
    m_strFileName.Empty();
}

void CStdioFile::ThrowStreamError(int cause) const {
    AfxThrowFileException(cause, -1, m_strFileName);
}
