#include "platform/CFile.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {

DWORD DesiredAccess(UINT openFlags) {
    switch (openFlags & 3) {
    case CFile::modeWrite:
        return GENERIC_WRITE;
    case CFile::modeReadWrite:
        return GENERIC_READ | GENERIC_WRITE;
    default:
        return GENERIC_READ;
    }
}

DWORD ShareMode(UINT openFlags) {
    switch (openFlags & 0x70) {
    case CFile::shareDenyWrite:
        return FILE_SHARE_READ;
    case CFile::shareDenyRead:
        return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
        return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:
        return 0;
    }
}

DWORD CreationDisposition(UINT openFlags) {
    if (!(openFlags & CFile::modeCreate))
        return OPEN_EXISTING;
    return (openFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
}

CString FullPath(LPCTSTR fileName) {
    char path[MAX_PATH];
    char* namePart = nullptr;
    const DWORD length = GetFullPathNameA(fileName, MAX_PATH, path, &namePart);
    return length > 0 && length < MAX_PATH ? CString(path) : CString(fileName);
}

}  // namespace

CFile::CFile(LPCTSTR fileName, UINT openFlags) {
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw new CFileException(error);
}

CFile::~CFile() {
    if (m_hFile != INVALID_HANDLE_VALUE)
        Abort();
}

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error) {
    m_strFileName = FullPath(fileName);
    SECURITY_ATTRIBUTES security = {sizeof(security), nullptr, !(openFlags & modeNoInherit)};
    m_hFile = CreateFileA(fileName, DesiredAccess(openFlags), ShareMode(openFlags), &security,
                          CreationDisposition(openFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_hFile != INVALID_HANDLE_VALUE)
        return TRUE;
    const LONG osError = static_cast<LONG>(GetLastError());
    if (error) {
        error->m_cause = CFileException::OsErrorToException(osError);
        error->m_lOsError = osError;
        error->m_strFileName = fileName;
    }
    m_strFileName.Empty();
    return FALSE;
}

UINT CFile::Read(void* buffer, UINT count) {
    DWORD read = 0;
    if (count > 0 && !ReadFile(m_hFile, buffer, count, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Write(const void* buffer, UINT count) {
    DWORD written = 0;
    if (count > 0 && !WriteFile(m_hFile, buffer, count, &written, nullptr))
        ThrowLastError();
    if (written != count)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

LONG CFile::Seek(LONG offset, UINT from) {
    const DWORD position = SetFilePointer(m_hFile, offset, nullptr, from);
    if (position == INVALID_SET_FILE_POINTER)
        ThrowLastError();
    return static_cast<LONG>(position);
}

void CFile::SeekToBegin() {
    Seek(0, begin);
}

DWORD CFile::SeekToEnd() {
    return static_cast<DWORD>(Seek(0, end));
}

DWORD CFile::GetPosition() const {
    const DWORD position = SetFilePointer(m_hFile, 0, nullptr, FILE_CURRENT);
    if (position == INVALID_SET_FILE_POINTER)
        ThrowLastError();
    return position;
}

DWORD CFile::GetLength() const {
    const DWORD length = GetFileSize(m_hFile, nullptr);
    if (length == INVALID_FILE_SIZE)
        ThrowLastError();
    return length;
}

void CFile::SetLength(DWORD newLength) {
    Seek(static_cast<LONG>(newLength), begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError();
}

void CFile::Flush() {
    if (m_hFile != INVALID_HANDLE_VALUE && !FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close() {
    const BOOL closed = m_hFile == INVALID_HANDLE_VALUE || CloseHandle(m_hFile);
    const LONG osError = static_cast<LONG>(GetLastError());
    const CString fileName = m_strFileName;
    m_hFile = INVALID_HANDLE_VALUE;
    m_strFileName.Empty();
    if (!closed)
        CFileException::ThrowOsError(osError, fileName);
}

void CFile::Abort() {
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_strFileName.Empty();
}

CString CFile::GetFileName() const {
    CString path = m_strFileName;
    path.Replace('/', '\\');
    return path.Mid(path.ReverseFind('\\') + 1);
}

void CFile::Rename(LPCTSTR oldName, LPCTSTR newName) {
    if (!MoveFileA(oldName, newName))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), oldName);
}

void CFile::Remove(LPCTSTR fileName) {
    if (!DeleteFileA(fileName))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), fileName);
}

void CFile::ThrowLastError() const {
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}
