#include "compiler/CompileLog.h"

CCompileLog::~CCompileLog() { Close(); }

bool CCompileLog::Open(const CString& path) {
    Close();
    m_file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

void CCompileLog::Close() {
    if (!IsOpen()) return;
    CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

bool CCompileLog::Append(const CString& text) {
    if (!IsOpen()) return false;
    if (SetFilePointer(m_file, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR)
        return false;
    DWORD written = 0;
    const DWORD length = static_cast<DWORD>(text.GetLength());
    return WriteFile(m_file, text.GetString(), length, &written, nullptr) && written == length;
}

CCompileLog& GetCompileLog() {
    static CCompileLog log;
    return log;
}
