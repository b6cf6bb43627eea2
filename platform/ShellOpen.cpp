#include "platform/ShellOpen.h"

#include <shellapi.h>

namespace {

ShellOpenHandler& InstalledHandler() {
    static ShellOpenHandler handler;
    return handler;
}

}  // namespace

HINSTANCE AfxShellOpen(HWND owner, LPCSTR target, int showCommand) {
    const ShellOpenHandler& handler = InstalledHandler();
    if (handler)
        return handler(owner, target, showCommand);
    return ::ShellExecuteA(owner, "open", target, nullptr, nullptr, showCommand);
}

ShellOpenHandler AfxSetShellOpenHandler(ShellOpenHandler handler) {
    ShellOpenHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}
