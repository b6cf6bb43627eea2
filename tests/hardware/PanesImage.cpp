#include "tests/hardware/PanesImage.h"

#include "platform/CWnd.h"
#include "tests/support/TestImage.h"

#include <algorithm>
#include <vector>

namespace {

bool IsGroupBox(HWND window) {
    char className[16] = "";
    ::GetClassNameA(window, className, sizeof(className));
    return lstrcmpiA(className, "Button") == 0 && (::GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

void DrawTree(HWND window, CDC& dc, POINT origin) {
    RECT client;
    ::GetClientRect(window, &client);
    POINT clientOrigin = {0, 0};
    ::ClientToScreen(window, &clientOrigin);
    RECT parent;
    ::GetWindowRect(window, &parent);
    const POINT at = {origin.x + clientOrigin.x - parent.left, origin.y + clientOrigin.y - parent.top};
    if (client.right > 0 && client.bottom > 0) {
        TestImage layer(client.right, client.bottom, ::GetSysColor(COLOR_BTNFACE));
        ::SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(layer.DC().m_hDC), 0);
        ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(layer.DC().m_hDC), PRF_CLIENT);
        dc.BitBlt(at.x, at.y, client.right, client.bottom, &layer.DC(), 0, 0, SRCCOPY);
    }
    ::GetWindowRect(window, &parent);
    // Children bottom of the z-order first, so the top ones end up in front; group
    // boxes before all, as they frame the fields drawn over them.
    std::vector<HWND> children;
    HWND first = ::GetWindow(window, GW_CHILD);
    for (HWND child = first ? ::GetWindow(first, GW_HWNDLAST) : nullptr; child; child = ::GetWindow(child, GW_HWNDPREV))
        if (::IsWindowVisible(child))
            children.push_back(child);
    std::stable_partition(children.begin(), children.end(), IsGroupBox);
    for (HWND child : children) {
        RECT rect;
        ::GetWindowRect(child, &rect);
        DrawTree(child, dc, POINT{origin.x + rect.left - parent.left, origin.y + rect.top - parent.top});
    }
}

}  // namespace

void SavePanesImage(CWnd* window, const std::string& fileName) {
    CRect rect;
    window->GetWindowRect(&rect);
    TestImage image(rect.Width(), rect.Height(), ::GetSysColor(COLOR_BTNFACE));
    DrawTree(window->m_hWnd, image.DC(), POINT{0, 0});
    image.SaveBmp(TestOutputPath(fileName));
}
