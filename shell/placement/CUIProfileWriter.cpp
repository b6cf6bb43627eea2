#include "shell/placement/CUIProfileWriter.h"

#include "platform/CWinApp.h"

namespace {

const REGSAM kKeyAccess = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

CString& IniFileSetting() {
    static CString path;
    return path;
}

HKEY CreateKey(HKEY parent, LPCSTR name) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, kKeyAccess, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

void SetUIProfileIniFile(LPCSTR path) { IniFileSetting() = path ? path : ""; }

const CString& GetUIProfileIniFile() { return IniFileSetting(); }

CUIProfileWriter::CUIProfileWriter(HKEY root) : m_root(root), m_iniFile(GetUIProfileIniFile()) {
    if (CWinApp* app = AfxGetApp()) {
        m_registryKey = app->m_strRegistryKey;
        m_profileName = app->m_strProfileName;
    }
}

HKEY CUIProfileWriter::GetAppKey() const {
    HKEY software = CreateKey(m_root, "Software");
    if (!software)
        return nullptr;
    HKEY company = CreateKey(software, m_registryKey);
    ::RegCloseKey(software);
    if (!company)
        return nullptr;
    HKEY app = CreateKey(company, m_profileName);
    ::RegCloseKey(company);
    return app;
}

HKEY CUIProfileWriter::GetSectionKey(LPCSTR section) const {
    HKEY app = GetAppKey();
    if (!app)
        return nullptr;
    HKEY key = CreateKey(app, section);
    ::RegCloseKey(app);
    return key;
}

CString CUIProfileWriter::BinaryAsLetters(const BYTE* data, UINT bytes) {
    CString letters;
    for (UINT i = 0; i < bytes; ++i) {
        letters += static_cast<char>('A' + (data[i] & 0x0F));
        letters += static_cast<char>('A' + (data[i] >> 4));
    }
    return letters;
}

BOOL CUIProfileWriter::WriteBinary(LPCSTR section, LPCSTR entry, const BYTE* data, UINT bytes) const {
    if (UsesIniFile())
        return WriteString(section, entry, BinaryAsLetters(data, bytes));
    if (m_registryKey.IsEmpty())
        return FALSE;
    HKEY key = GetSectionKey(section);
    if (!key)
        return FALSE;
    LONG result = ::RegSetValueExA(key, entry, 0, REG_BINARY, data, bytes);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

BOOL CUIProfileWriter::WriteString(LPCSTR section, LPCSTR entry, LPCSTR text) const {
    if (UsesIniFile())
        return ::WritePrivateProfileStringA(section, entry, text, m_iniFile);
    if (m_registryKey.IsEmpty())
        return FALSE;
    if (!entry) {
        HKEY app = GetAppKey();
        if (!app)
            return FALSE;
        LONG result = ::RegDeleteKeyA(app, section);
        ::RegCloseKey(app);
        return result == ERROR_SUCCESS;
    }
    HKEY key = GetSectionKey(section);
    if (!key)
        return FALSE;
    LONG result = text ? ::RegSetValueExA(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                          static_cast<DWORD>(lstrlenA(text) + 1))
                       : ::RegDeleteValueA(key, entry);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
