#pragma once

#include "platform/CString.h"

#include <windows.h>

// The INI file the UI toolkit's settings name for its profile values; empty (the
// default) keeps them in the registry.
void SetUIProfileIniFile(LPCSTR path);
const CString& GetUIProfileIniFile();

// Writes profile values below the application's key of a registry root
// (root\Software\<registry key>\<profile name>\<section>), or into the toolkit's INI
// file when one is set. The application's names are taken from the application object
// at construction; without one, registry writes fail.
class CUIProfileWriter {
public:
    explicit CUIProfileWriter(HKEY root);

    // Opened or created with read, set-value and create-subkey access; null when any
    // step fails. The caller closes the key.
    HKEY GetAppKey() const;
    HKEY GetSectionKey(LPCSTR section) const;

    // In an INI file the bytes are written as letters, two per byte (low half first).
    BOOL WriteBinary(LPCSTR section, LPCSTR entry, const BYTE* data, UINT bytes) const;
    // A null text deletes the entry; a null entry deletes the whole section.
    BOOL WriteString(LPCSTR section, LPCSTR entry, LPCSTR text) const;

    // The letter form of bytes as an INI entry holds them: "A" + low four bits, then
    // "A" + high four bits, for every byte.
    static CString BinaryAsLetters(const BYTE* data, UINT bytes);

private:
    BOOL UsesIniFile() const { return !m_iniFile.IsEmpty(); }

    HKEY m_root;
    CString m_iniFile;
    CString m_registryKey;
    CString m_profileName;
};
