#include "ui/commandbars/UIDockState.h"

#include "platform/CWinApp.h"

#include <climits>

namespace {

// No saved value is this: a profile value read back as it is missing.
const int kMissing = INT_MIN;

int ReadInt(LPCSTR section, LPCSTR entry, int defaultValue) {
    int value = defaultValue;
    ReadProfileIntIfPresent(section, entry, &value);
    return value;
}

void WriteInt(LPCSTR section, LPCSTR entry, int value) {
    if (CWinApp* app = AfxGetApp())
        app->WriteProfileInt(section, entry, value);
}

}  // namespace

BOOL ReadProfileIntIfPresent(LPCSTR section, LPCSTR entry, int* value) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return FALSE;
    const int read = static_cast<int>(app->GetProfileInt(section, entry, kMissing));
    if (read == kMissing)
        return FALSE;
    *value = read;
    return TRUE;
}

CUIDockState::CUIDockState() {
    SetScreen(CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)),
              CSize(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)));
}

void CUIDockState::SetScreen(CSize screen, CSize icon) {
    m_screen = CRect(0, 0, screen.cx, screen.cy);
    m_clip = m_screen;
    m_clip.right -= icon.cx;
    m_clip.bottom -= icon.cy;
}

void CUIDockState::SaveState(LPCSTR profileName) const {
    CString section;
    for (size_t i = 0; i < m_bars.size(); ++i) {
        section.Format("%s-Bar%d", profileName, static_cast<int>(i));
        SaveBar(section, m_bars[i]);
    }
    section.Format("%s-Summary", profileName);
    WriteInt(section, "Bars", static_cast<int>(m_bars.size()));
    WriteInt(section, "ScreenCX", m_screen.Width());
    WriteInt(section, "ScreenCY", m_screen.Height());
}

void CUIDockState::SaveBar(const CString& section, const CUIBarInfo& info) const {
    if (CWinApp* app = AfxGetApp())
        app->WriteProfileString(section, nullptr, nullptr);
    WriteInt(section, "BarID", static_cast<int>(info.m_barId));
    if (!info.m_visible)
        WriteInt(section, "Visible", 0);
    if (info.m_floating)
        WriteInt(section, "Floating", info.m_floating);
    if (info.m_position.x != CUIBarInfo::NoPosition)
        WriteInt(section, "XPos", info.m_position.x);
    if (info.m_position.y != CUIBarInfo::NoPosition)
        WriteInt(section, "YPos", info.m_position.y);
    if (info.m_widthLimit != CUIBarInfo::NoWidthLimit)
        WriteInt(section, "MRUWidth", info.m_widthLimit);
    WriteInt(section, "MRUDockID", info.m_mruDockPosition);
    WriteInt(section, "MRUDockLeftPos", info.m_mruDockRect.left);
    WriteInt(section, "MRUDockTopPos", info.m_mruDockRect.top);
    WriteInt(section, "MRUDockRightPos", info.m_mruDockRect.right);
    WriteInt(section, "MRUDockBottomPos", info.m_mruDockRect.bottom);
    WriteInt(section, "MRUFloatXPos", info.m_mruFloatPosition.x);
    WriteInt(section, "MRUFloatYPos", info.m_mruFloatPosition.y);
}

void CUIDockState::LoadState(LPCSTR profileName) {
    m_bars.clear();
    CString section;
    section.Format("%s-Summary", profileName);
    const int count = ReadInt(section, "Bars", 0);
    m_savedScreen = CSize(ReadInt(section, "ScreenCX", 0), ReadInt(section, "ScreenCY", 0));
    // A damaged saved size cannot scale anything.
    m_scaling = m_savedScreen.cx > 0 && m_savedScreen.cy > 0 &&
                (m_savedScreen.cx != m_screen.Width() || m_savedScreen.cy != m_screen.Height());
    for (int i = 0; i < count; ++i) {
        section.Format("%s-Bar%d", profileName, i);
        CUIBarInfo info;
        if (!LoadBar(section, &info))
            break;
        m_bars.push_back(info);
    }
}

BOOL CUIDockState::LoadBar(const CString& section, CUIBarInfo* info) const {
    int id = 0;
    if (!ReadProfileIntIfPresent(section, "BarID", &id))
        return FALSE;
    info->m_barId = static_cast<UINT>(id);
    info->m_visible = ReadInt(section, "Visible", TRUE);
    info->m_floating = ReadInt(section, "Floating", FALSE);
    info->m_position = ScalePoint(CPoint(ReadInt(section, "XPos", CUIBarInfo::NoPosition),
                                         ReadInt(section, "YPos", CUIBarInfo::NoPosition)));
    info->m_widthLimit = ReadInt(section, "MRUWidth", CUIBarInfo::NoWidthLimit);
    info->m_mruDockPosition = ReadInt(section, "MRUDockID", 0);
    info->m_mruDockRect = ScaleRect(CRect(ReadInt(section, "MRUDockLeftPos", 0), ReadInt(section, "MRUDockTopPos", 0),
                                          ReadInt(section, "MRUDockRightPos", 0), ReadInt(section, "MRUDockBottomPos", 0)));
    info->m_mruFloatPosition =
        ScalePoint(CPoint(ReadInt(section, "MRUFloatXPos", 0), ReadInt(section, "MRUFloatYPos", 0)));
    return TRUE;
}

CPoint CUIDockState::ScalePoint(CPoint point) const {
    if (m_scaling) {
        point.x = ::MulDiv(point.x, m_screen.Width(), m_savedScreen.cx);
        point.y = ::MulDiv(point.y, m_screen.Height(), m_savedScreen.cy);
    }
    if (point.x > m_clip.right)
        point.x = m_clip.right;
    if (point.y > m_clip.bottom)
        point.y = m_clip.bottom;
    return point;
}

CRect CUIDockState::ScaleRect(CRect rect) const {
    if (m_scaling) {
        rect.MoveToXY(::MulDiv(rect.left, m_screen.Width(), m_savedScreen.cx),
                      ::MulDiv(rect.top, m_screen.Height(), m_savedScreen.cy));
    }
    if (rect.left > m_clip.right)
        rect.OffsetRect(m_clip.right - rect.left, 0);
    if (rect.top > m_clip.bottom)
        rect.OffsetRect(0, m_clip.bottom - rect.top);
    return rect;
}
