#include "compiler/AppendFile.h"

CAppendFile::~CAppendFile() { Close(); }

bool CAppendFile::Open(const CString& path) {
    Close();
    m_file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_failed = false;
    return IsOpen();
}

bool CAppendFile::Close() {
    if (!IsOpen()) return true;
    const bool written = WriteHeld();
    CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
    return written;
}

bool CAppendFile::Append(const void* bytes, uint32_t length) {
    if (!IsOpen() || m_failed) return false;
    m_held.append(static_cast<const char*>(bytes), length);
    return m_held.size() < kHeldBytes || WriteHeld();
}

bool CAppendFile::WriteHeld() {
    if (m_held.empty() || m_failed) return !m_failed;
    DWORD written = 0;
    const bool atEnd = SetFilePointer(m_file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER ||
                       GetLastError() == NO_ERROR;
    m_failed = !atEnd || !WriteFile(m_file, m_held.data(), static_cast<DWORD>(m_held.size()), &written, nullptr) ||
               written != m_held.size();
    m_held.clear();
    return !m_failed;
}

CAppendFile& GetCompileLog() {
    static CAppendFile log;
    return log;
}

CAppendFile& GetObjectFile() {
    static CAppendFile object;
    return object;
}
