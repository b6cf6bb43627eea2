#include "platform/MessageBox.h"

#include "platform/CString.h"

#include <string>

namespace {

MessageBoxHandler& InstalledHandler() {
    static MessageBoxHandler handler;
    return handler;
}

std::string& AppTitle() {
    static std::string title;
    return title;
}

std::string ExecutableBaseName() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path);
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

UINT WithDefaultIcon(UINT type) {
    if ((type & MB_ICONMASK) != 0)
        return type;
    switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
        return type | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return type | MB_ICONQUESTION;
    default:
        return type;
    }
}

} // namespace

int AfxShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    const MessageBoxHandler& handler = InstalledHandler();
    if (handler)
        return handler(owner, text, caption, type);
    return ::MessageBoxA(owner, text, caption, type);
}

MessageBoxHandler AfxSetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}

void AfxSetAppTitle(LPCSTR title) {
    AppTitle() = title != nullptr ? title : "";
}

LPCSTR AfxGetAppTitle() {
    std::string& title = AppTitle();
    if (title.empty())
        title = ExecutableBaseName();
    return title.c_str();
}

int AfxMessageBox(LPCSTR text, UINT type, UINT helpId) {
    return AfxShowMessageBox(::GetActiveWindow(), text, AfxGetAppTitle(), WithDefaultIcon(type));
}

int AfxMessageBox(UINT stringId, UINT type, UINT helpId) {
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text, type, helpId);
}
