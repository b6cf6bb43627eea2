#include "compiler/AppendFile.h"

CAppendFile::~CAppendFile() { Close(); }

bool CAppendFile::Open(const CString& path) {
    Close();
    m_file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

void CAppendFile::Close() {
    if (!IsOpen()) return;
    CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

bool CAppendFile::Append(const void* bytes, uint32_t length) {
    if (!IsOpen()) return false;
    if (SetFilePointer(m_file, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR)
        return false;
    DWORD written = 0;
    return WriteFile(m_file, bytes, length, &written, nullptr) && written == length;
}

CAppendFile& GetCompileLog() {
    static CAppendFile log;
    return log;
}

CAppendFile& GetObjectFile() {
    static CAppendFile object;
    return object;
}
