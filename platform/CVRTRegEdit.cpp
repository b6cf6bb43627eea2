#include "platform/CVRTRegEdit.h"

#include <vector>

void CVRTRegEdit::Close() {
    if (m_key != nullptr)
        ::RegCloseKey(m_key);
    m_key = nullptr;
}

BOOL CVRTRegEdit::VerifyKey(LPCSTR path) {
    Close();
    if (::RegOpenKeyExA(m_root, path, 0, KEY_READ | KEY_WRITE, &m_key) == ERROR_SUCCESS)
        return TRUE;
    m_key = nullptr;
    return FALSE;
}

BOOL CVRTRegEdit::CreateKey(LPCSTR path) {
    Close();
    LONG result = ::RegCreateKeyExA(m_root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                                    nullptr, &m_key, nullptr);
    if (result != ERROR_SUCCESS)
        m_key = nullptr;
    return result == ERROR_SUCCESS;
}

BOOL CVRTRegEdit::Read(CString& value) const {
    if (m_key == nullptr)
        return FALSE;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(m_key, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return FALSE;
    std::vector<char> bytes(size + 1, '\0');
    if (::RegQueryValueExA(m_key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(bytes.data()), &size) !=
        ERROR_SUCCESS)
        return FALSE;
    value = bytes.data();  // a stored text need not end in a NUL: the extra byte ends it
    return TRUE;
}

BOOL CVRTRegEdit::Write(LPCSTR value) {
    if (m_key == nullptr)
        return FALSE;
    return ::RegSetValueExA(m_key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                            static_cast<DWORD>(strlen(value) + 1)) == ERROR_SUCCESS;
}
