#include "shell/placement/CUIFramePlacement.h"

#include "platform/CString.h"
#include "platform/CWnd.h"
#include "res/resource.h"
#include "shell/placement/CUIProfileWriter.h"

namespace {

void PutWord(BYTE*& out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        *out++ = static_cast<BYTE>(value >> (8 * i));
}

}  // namespace

CUIFramePlacement::CUIFramePlacement() : length(kRecordBytes), showCmd(SW_SHOW) {}

BOOL CUIFramePlacement::ReadFrom(HWND window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!window || !::IsWindow(window) || !::GetWindowPlacement(window, &placement))
        return FALSE;
    flags = placement.flags;
    showCmd = placement.showCmd;
    minPosition[0] = placement.ptMinPosition.x;
    minPosition[1] = placement.ptMinPosition.y;
    maxPosition[0] = placement.ptMaxPosition.x;
    maxPosition[1] = placement.ptMaxPosition.y;
    normalPosition[0] = placement.rcNormalPosition.left;
    normalPosition[1] = placement.rcNormalPosition.top;
    normalPosition[2] = placement.rcNormalPosition.right;
    normalPosition[3] = placement.rcNormalPosition.bottom;
    return TRUE;
}

void CUIFramePlacement::ToBytes(BYTE (&bytes)[kRecordBytes]) const {
    BYTE* out = bytes;
    for (uint32_t word : {reserved, length, flags, showCmd})
        PutWord(out, word);
    for (int32_t value : minPosition)
        PutWord(out, static_cast<uint32_t>(value));
    for (int32_t value : maxPosition)
        PutWord(out, static_cast<uint32_t>(value));
    for (int32_t value : normalPosition)
        PutWord(out, static_cast<uint32_t>(value));
}

BOOL CUIFramePlacement::Save(CWnd* window, LPCSTR entry) {
    if (!ReadFrom(window ? window->m_hWnd : nullptr))
        return FALSE;
    CString section;
    section.LoadString(IDS_PROFILE_SETTINGS);
    CString entryName;
    if (entry) {
        entryName = entry;
    } else {
        entryName.LoadString(IDS_PROFILE_WINDOW_POSITION);
        // Started again, the window comes back normal or maximised, never minimised.
        if (showCmd != SW_SHOWMAXIMIZED)
            showCmd = SW_SHOWNORMAL;
    }
    BYTE bytes[kRecordBytes];
    ToBytes(bytes);
    CUIProfileWriter(HKEY_CURRENT_USER).WriteBinary(section, entryName, bytes, kRecordBytes);
    return TRUE;
}
