#include "ui/commandbars/UIDrawHelpers.h"

BOOL IsLowColorDC(HDC dc) {
    HWND desktop = dc ? nullptr : ::GetDesktopWindow();
    HDC probe = dc ? dc : ::GetDC(desktop);
    if (!probe) return FALSE;
    const int bits = ::GetDeviceCaps(probe, BITSPIXEL);
    if (!dc) ::ReleaseDC(desktop, probe);
    return bits >= 1 && bits <= 8;
}
