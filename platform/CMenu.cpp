#include "platform/CMenu.h"

#include "platform/CHandleMap.h"
#include "platform/CWnd.h"
#include "platform/NullSafe.h"

namespace {

using MenuHandleMap = CHandleMap<CMenu, HMENU>;

MenuHandleMap& MenuMap() {
    static thread_local MenuHandleMap map([](CMenu* menu) { menu->m_hMenu = nullptr; });
    return map;
}

CMenu* MakeTemporary(HMENU handle) {
    CMenu* menu = new CMenu;
    menu->m_hMenu = handle;
    return menu;
}

}  // namespace

CMenu* AfxMenuFromHandle(HMENU menu) { return CMenu::FromHandle(menu); }

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU handle) { return MenuMap().FromHandle(handle, MakeTemporary); }

void CMenu::DeleteTempMap() { CHandleMapBase::DeleteAllTemporaries(); }

HMENU CMenu::GetSafeHmenu() const {
    const CMenu* self = AfxOpaquePointer(this);
    return self ? self->m_hMenu : nullptr;
}

BOOL CMenu::Attach(HMENU handle) {
    if (!handle)
        return FALSE;
    MenuMap().RemoveHandle(handle);
    m_hMenu = handle;
    MenuMap().SetPermanent(handle, this);
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU handle = m_hMenu;
    if (handle)
        MenuMap().RemoveHandle(handle);
    m_hMenu = nullptr;
    return handle;
}

BOOL CMenu::LoadMenu(LPCSTR resourceName) { return Attach(::LoadMenuA(::GetModuleHandleA(nullptr), resourceName)); }

BOOL CMenu::DestroyMenu() {
    HMENU handle = Detach();
    return handle ? ::DestroyMenu(handle) : FALSE;
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
    int length = ::GetMenuStringA(m_hMenu, item, nullptr, 0, flags);
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    ::GetMenuStringA(m_hMenu, item, &buffer[0], length + 1, flags);
    text = buffer.c_str();
    return length;
}

CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner->GetSafeHwnd(), rect);
}
