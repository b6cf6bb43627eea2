#include "ui/commandbars/UIShortcutText.h"

#include "platform/CFrameWnd.h"
#include "platform/CWinThread.h"

#include <vector>

namespace {

struct KeyName {
    UINT key;
    LPCSTR name;
};

// The toolkit's names of keys (digits and letters are their own characters): the
// spelling of the menus' own shortcut texts ("Ctrl+Del").
const KeyName kKeyNames[] = {
    {0x01, "Left Button"}, {0x02, "Right Button"}, {0x03, "Cancel"}, {0x04, "Middle Button"}, {0x08, "Back"},
    {0x09, "Tab"}, {0x0C, "Clear"}, {0x0D, "Enter"}, {0x10, "Shift"}, {0x11, "Ctrl"}, {0x12, "Alt"},
    {0x13, "Pause"}, {0x14, "Caps Lock"}, {0x1B, "Esc"}, {0x20, "Space"}, {0x21, "Page Up"}, {0x22, "Page Down"},
    {0x23, "End"}, {0x24, "Home"}, {0x25, "Left Arrow"}, {0x26, "Up Arrow"}, {0x27, "Right Arrow"},
    {0x28, "Down Arrow"}, {0x29, "Select"}, {0x2A, "Print"}, {0x2B, "Execute"}, {0x2C, "Snapshot"}, {0x2D, "Ins"},
    {0x2E, "Del"}, {0x2F, "Help"}, {0x5B, "Left Windows"}, {0x5C, "Right Windows"}, {0x5D, "Application"},
    {0x6A, "Num *"}, {0x6B, "Num +"}, {0x6C, "Separator"}, {0x6D, "Num -"}, {0x6E, "Num ."}, {0x6F, "Num /"},
    {0x70, "F1"}, {0x71, "F2"}, {0x72, "F3"}, {0x73, "F4"}, {0x74, "F5"}, {0x75, "F6"}, {0x76, "F7"}, {0x77, "F8"},
    {0x78, "F9"}, {0x79, "F10"}, {0x7A, "F11"}, {0x7B, "F12"}, {0x60, "Num 0"}, {0x61, "Num 1"}, {0x62, "Num 2"},
    {0x63, "Num 3"}, {0x64, "Num 4"}, {0x65, "Num 5"}, {0x66, "Num 6"}, {0x67, "Num 7"}, {0x68, "Num 8"},
    {0x69, "Num 9"}, {0x90, "Num Lock"}, {0x91, "Scrl Lock"}, {0xF6, "Attn"}, {0xF7, "Crsel"}, {0xF8, "Exsel"},
    {0xF9, "Ereof"}, {0xFA, "Play"}, {0xFB, "Zoom"}, {0xFC, "No Name"}, {0xFD, "Pa1"}, {0xFE, "Oem Clear"},
};
const char* const kDigitAndLetterNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D",
                                            "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                            "S", "T", "U", "V", "W", "X", "Y", "Z"};

class PlatformKeyNames : public IKeyNameSource {
public:
    CString GetSystemKeyName(UINT key) const override {
        LONG code = static_cast<LONG>(::MapVirtualKeyExA(key, 0, ::GetKeyboardLayout(0)) << 16) | 1;
        if (key >= 0x21 && key <= 0x2F) code |= 1 << 24;  // the extended keys of that block
        char name[51] = "";
        ::GetKeyNameTextA(code, name, 50);
        return name;
    }
};

// "NUM 5" and "num 5" become "Num 5".
void Capitalise(CString& name) {
    name.MakeLower();
    for (int i = 0; i < name.GetLength(); ++i) {
        if (name[i] >= 'a' && name[i] <= 'z') {
            name.SetAt(i, static_cast<char>(name[i] - 'a' + 'A'));
            return;
        }
    }
}

}  // namespace

const IKeyNameSource& GetPlatformKeyNames() {
    static const PlatformKeyNames names;
    return names;
}

LPCSTR GetToolkitKeyName(UINT key) {
    if (key >= '0' && key <= '9') return kDigitAndLetterNames[key - '0'];
    if (key >= 'A' && key <= 'Z') return kDigitAndLetterNames[10 + key - 'A'];
    for (const KeyName& entry : kKeyNames) {
        if (entry.key == key) return entry.name;
    }
    return nullptr;
}

CUIAccelKeyNames::CUIAccelKeyNames(const ACCEL& accel, const IKeyNameSource* names)
    : m_accel(accel), m_names(names ? *names : GetPlatformKeyNames()) {}

int CUIAccelKeyNames::GetPriority() const {
    if (m_accel.fVirt & FCONTROL) return 3;
    if (m_accel.fVirt & FALT) return 2;
    if (m_accel.fVirt & FSHIFT) return 1;
    return 4;
}

// The toolkit's name comes first: the system's names differ between systems and
// displays ("Control", "Prior" and "Return" where the menus spell "Ctrl", "Page Up" and
// "Enter"), so a shortcut would read differently from the menu texts beside it.
void CUIAccelKeyNames::AppendKeyName(CString& text, UINT key, BOOL last) const {
    CString name;
    if (LPCSTR known = GetToolkitKeyName(key)) {
        name = known;
    } else {
        name = m_names.GetSystemKeyName(key);
        Capitalise(name);
    }
    if (name.IsEmpty()) return;
    text += name;
    if (!last) text += "+";
}

void CUIAccelKeyNames::FormatAccel(CString& text) const {
    text.Empty();
    if (m_accel.fVirt & FCONTROL) AppendKeyName(text, VK_CONTROL, FALSE);
    if (m_accel.fVirt & FSHIFT) AppendKeyName(text, VK_SHIFT, FALSE);
    if (m_accel.fVirt & FALT) AppendKeyName(text, VK_MENU, FALSE);
    if (m_accel.key == 0) {
        if (!text.IsEmpty()) text = text.Left(text.GetLength() - 1);
    } else if (m_accel.fVirt & FVIRTKEY) {
        AppendKeyName(text, m_accel.key, TRUE);
    } else if (m_accel.key != 27) {
        text += static_cast<char>(m_accel.key);
    }
}

BOOL FindShortcut(UINT id, CString& text, CWnd* frameSite, const IKeyNameSource* names) {
    CFrameWnd* frame = dynamic_cast<CFrameWnd*>(frameSite ? frameSite : AfxGetMainWnd());
    if (!frame) return FALSE;
    HACCEL table = frame->GetDefaultAccelerator();
    if (!table) return FALSE;
    std::vector<ACCEL> entries(static_cast<size_t>(::CopyAcceleratorTableA(table, nullptr, 0)));
    if (!entries.empty()) ::CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));

    CString best;
    int bestPriority = 0;
    bool found = false, matched = false;
    for (const ACCEL& entry : entries) {
        if (entry.cmd != id) continue;
        CUIAccelKeyNames accel(entry, names);
        CString formatted;
        accel.FormatAccel(formatted);
        matched = matched || formatted == text;
        if (!found || accel.GetPriority() > bestPriority) {
            best = formatted;
            bestPriority = accel.GetPriority();
        }
        found = true;
    }
    if (!found) {
        text.Empty();
        return FALSE;
    }
    if (!matched) text = best;
    return TRUE;
}

char MakeUpperChar(char c) {
    if (c == 0) return 0;
    CString one(c, 1);
    one.MakeUpper();
    return one[0];
}
