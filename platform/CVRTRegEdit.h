#pragma once
#include "platform/CString.h"

#include <windows.h>

// One registry key under a fixed root, opened or created by path, whose default value
// (the one without a name) is read and written as text. The key stays open until the
// next VerifyKey or CreateKey, or the object goes.
class CVRTRegEdit {
public:
    explicit CVRTRegEdit(HKEY root) : m_root(root) {}
    ~CVRTRegEdit() { Close(); }
    CVRTRegEdit(const CVRTRegEdit&) = delete;
    CVRTRegEdit& operator=(const CVRTRegEdit&) = delete;

    // Opens an existing key; FALSE, with no key open, when it does not exist.
    BOOL VerifyKey(LPCSTR path);
    // Opens the key, creating it and any missing parents; FALSE when that fails.
    BOOL CreateKey(LPCSTR path);
    // The open key's default value; FALSE, value untouched, without a key or a text value.
    BOOL Read(CString& value) const;
    // Sets the open key's default value; FALSE without a key or when refused.
    BOOL Write(LPCSTR value);

private:
    void Close();

    HKEY m_root;
    HKEY m_key = nullptr;
};
