#pragma once

#include "platform/CString.h"

#include <windows.h>

class CWnd;

// What the system calls a key in the thread's keyboard layout; empty when it gives none.
class IKeyNameSource {
public:
    virtual ~IKeyNameSource() = default;
    virtual CString GetSystemKeyName(UINT virtualKey) const = 0;
};

// The system's names: the key's scan code in the current layout (extended for Page Up
// to Help) through GetKeyNameText.
const IKeyNameSource& GetPlatformKeyNames();

// The name the toolkit gives a key, the same on every system and keyboard layout
// ("Ctrl", "Del", "Page Up", "Num 5"); null for keys it does not name (F13 to F24 and
// the punctuation keys, for some).
LPCSTR GetToolkitKeyName(UINT virtualKey);

// One accelerator entry as shortcut text ("Ctrl+Shift+S") with its rank among the
// entries of the same command.
class CUIAccelKeyNames {
public:
    explicit CUIAccelKeyNames(const ACCEL& accel, const IKeyNameSource* names = nullptr);
    // Modifiers in the order Ctrl, Shift, Alt, each followed by "+", then the key.
    void FormatAccel(CString& text) const;
    // A plain key 4, Ctrl 3, Alt 2, Shift 1: the higher is shown.
    int GetPriority() const;
    // The key's name (the toolkit's; for keys it does not name the system's, made
    // "Capitalised"), and "+" unless it is the last key.
    void AppendKeyName(CString& text, UINT key, BOOL last) const;

private:
    const ACCEL& m_accel;
    const IKeyNameSource& m_names;
};

// The shortcut text of a command from the frame's default accelerator table (the
// frame site, or the thread's main window when null). A text that already spells one
// of the command's accelerators is kept; otherwise the highest-ranked one is given.
// FALSE with the text untouched without a frame or table; FALSE with an empty text when
// the command has no accelerator.
BOOL FindShortcut(UINT id, CString& text, CWnd* frameSite, const IKeyNameSource* names = nullptr);

// The character upper-cased as a one-character string of the current locale; 0 for 0.
char MakeUpperChar(char c);
