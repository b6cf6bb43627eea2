// The maximised MDI child's system menu on the menu bar.
#include "ui/commandbars/UIMenuBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIPopupBar.h"

#include "platform/CMenu.h"

#include <vector>

namespace {

const UINT kSystemCommandFirst = 0xF000;
const UINT kSystemCommandEnd = 0xF1F0;
const UINT kSystemPromptBase = 0xEF00;
const int kIconSide = 16;

// The system menu's popup: its entries are the child's, never customized.
class CUISystemMenuPopupBar : public CUIPopupBar {
public:
    CUISystemMenuPopupBar() { m_customizable = FALSE; }
    void Reset() override {}
};

HICON ChildIcon(CWnd* child) {
    HWND window = child->GetSafeHwnd();
    HICON icon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
    if (icon == nullptr)
        icon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_BIG, 0));
    if (icon == nullptr)
        icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICONSM));
    return icon ? icon : ::LoadIconA(nullptr, MAKEINTRESOURCEA(32517));  // IDI_WINLOGO
}

// A copy of the icon 16 pixels wide, its height in proportion.
HICON CopySixteenWide(HICON icon) {
    ICONINFO info = {};
    CSize size(kIconSide, kIconSide);
    if (::GetIconInfo(icon, &info)) {
        BITMAP bitmap = {};
        if (info.hbmColor && ::GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap))
            size = CSize(bitmap.bmWidth, bitmap.bmHeight);
        else if (info.hbmMask && ::GetObjectA(info.hbmMask, sizeof(bitmap), &bitmap))
            size = CSize(bitmap.bmWidth, bitmap.bmHeight / 2);
        if (info.hbmColor)
            ::DeleteObject(info.hbmColor);
        if (info.hbmMask)
            ::DeleteObject(info.hbmMask);
    }
    const int height = size.cx > 0 ? ::MulDiv(size.cy, kIconSide, size.cx) : kIconSide;
    return static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, kIconSide, height, 0));
}

}  // namespace

CUIControlMDISysMenuPopup::CUIControlMDISysMenuPopup() { m_flags |= uiFlagNoUpdate | uiFlagNoCustomize; }

CUIControlMDISysMenuPopup::~CUIControlMDISysMenuPopup() {
    if (m_icon)
        ::DestroyIcon(m_icon);
}

void CUIControlMDISysMenuPopup::Draw(CDC* dc) {
    if (m_icon)
        ::DrawIconEx(dc->GetSafeHdc(), m_rect.left, m_rect.top, m_icon, kIconSide, kIconSide, 0, nullptr, DI_NORMAL);
}

void CUIControlMDISysMenuPopup::Build(CWnd* child, HMENU systemMenu) {
    m_systemMenu = systemMenu;
    if (m_icon)
        ::DestroyIcon(m_icon);
    m_icon = CopySixteenWide(ChildIcon(child));
    CUICommandBar* popup = GetCommandBar();
    if (popup == nullptr) {
        popup = new CUISystemMenuPopupBar;
        popup->SetCommandBars(GetCommandBars());
        SetCommandBar(popup);
        popup->InternalRelease();
    }
    CUIControls* controls = popup->GetControls();
    controls->RemoveAll();
    CMenu* menu = CMenu::FromHandle(systemMenu);
    const UINT defaultItem = ::GetMenuDefaultItem(systemMenu, TRUE, GMDI_USEDISABLED);
    BOOL beginGroup = FALSE;
    const int count = ::GetMenuItemCount(systemMenu);
    for (int position = 0; position < count; ++position) {
        const UINT id = ::GetMenuItemID(systemMenu, position);
        const UINT state = ::GetMenuState(systemMenu, static_cast<UINT>(position), MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            beginGroup = TRUE;
            continue;
        }
        CUIControl* control = nullptr;
        if (id >= kSystemCommandFirst && id < kSystemCommandEnd) {
            control = controls->Add(uiControlButton, id);
            control->SetFlags(control->GetFlags() | uiFlagNoUpdate);
            CString text;
            CUIMenuBar::GetMenuItemText(menu, static_cast<UINT>(position), text, MF_BYPOSITION);
            control->SetCaption(text);
            control->m_description.LoadString(((id - kSystemCommandFirst) >> 4) + kSystemPromptBase);
            control->SetDefaultItem(defaultItem == static_cast<UINT>(position));
            control->SetEnabled(!(state & MF_DISABLED));
        } else {
            control = controls->AddMenuItem(menu, position);
        }
        if (control && beginGroup)
            control->SetBeginGroup(TRUE);
        beginGroup = FALSE;
    }
}

int CUIMenuBar::GetMenuItemText(CMenu* menu, UINT position, CString& text, UINT flags) {
    text.Empty();
    const int length = ::GetMenuStringA(menu->GetSafeHmenu(), position, nullptr, 0, flags);
    if (length <= 0)
        return 0;
    std::vector<char> buffer(static_cast<size_t>(length) * 2 + 2);
    ::GetMenuStringA(menu->GetSafeHmenu(), position, buffer.data(), static_cast<int>(buffer.size()), flags);
    text = buffer.data();
    return text.GetLength();
}

void CUIMenuBar::UpdateSystemMenu(CWnd* child, BOOL maximized) {
    CUIControlMDISysMenuPopup* existing =
        dynamic_cast<CUIControlMDISysMenuPopup*>(m_controls->FindControl(static_cast<int>(SystemMenuId)));
    HMENU systemMenu = child && maximized && (m_dockingFlags & ShowSystemMenu) ? ::GetSystemMenu(child->m_hWnd, FALSE)
                                                                              : nullptr;
    if (systemMenu == nullptr || !::IsMenu(systemMenu)) {
        if (existing) {
            m_controls->Remove(existing);
            DelayLayout();
        }
        return;
    }
    if (existing && existing->GetSystemMenu() == systemMenu)
        return;
    if (existing) {
        existing->Build(child, systemMenu);
        DelayRedraw();
        return;
    }
    CUIControlMDISysMenuPopup* popup = new CUIControlMDISysMenuPopup;
    m_controls->InsertControl(popup, SystemMenuId, "-", 0, TRUE);
    popup->SetCaption("-");
    popup->Build(child, systemMenu);
    DelayLayout();
}
