#include "platform/CommonControls.h"

#include <atomic>

void AfxEnsureCommonControls(DWORD classes) {
    static std::atomic<DWORD> registered{0};
    DWORD missing = classes & ~registered.load();
    if (!missing)
        return;
    INITCOMMONCONTROLSEX init = {sizeof(init), missing};
    if (::InitCommonControlsEx(&init))
        registered |= missing;
}
