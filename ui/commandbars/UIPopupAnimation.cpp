// Whether and how a popup bar animates when it opens and when it grows.
#include "ui/commandbars/UIPopupAnimation.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include <cstdlib>
#include <vector>

namespace {

const DWORD kMenuAnimation = 0x2;
const DWORD kMenuFade = 0x200;

BOOL AnimatesVisibly(int kind) { return kind >= uiAnimateUnfold && kind <= uiAnimateFade; }

}  // namespace

int PopupAnimationKind(int option, DWORD userPreferencesMask, int randomValue) {
    if (option == uiAnimateNoneBySystem) {
        if (!(userPreferencesMask & kMenuAnimation))
            return uiAnimateNoneBySystem;
        return (userPreferencesMask & kMenuFade) ? uiAnimateFade : uiAnimateSlide;
    }
    if (option == uiAnimateRandom) {
        const int kinds[] = {uiAnimateFade, uiAnimateSlide, uiAnimateUnfold};
        return kinds[randomValue % 3];
    }
    return option;
}

DWORD ReadUserPreferencesMask() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    DWORD size = 0;
    DWORD mask = 0;
    if (::RegQueryValueExA(key, "UserPreferencesMask", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS &&
        size >= sizeof(DWORD)) {
        std::vector<BYTE> value(size);
        if (::RegQueryValueExA(key, "UserPreferencesMask", nullptr, nullptr, value.data(), &size) == ERROR_SUCCESS &&
            size >= sizeof(DWORD))
            mask = *reinterpret_cast<const DWORD*>(value.data());
    }
    ::RegCloseKey(key);
    return mask;
}

int CUIPopupBar::GetAnimationKind() const {
    CUICommandBars* commandBars = GetCommandBars();
    if (commandBars == nullptr || HasChildWindow())
        return uiAnimateNone;
    const int option = commandBars->GetCommandBarsOptions()->m_animation;
    return PopupAnimationKind(option, option == uiAnimateNoneBySystem ? ReadUserPreferencesMask() : 0, std::rand());
}

BOOL CUIPopupBar::HasChildWindow() const { return m_hWnd && ::GetWindow(m_hWnd, GW_CHILD) != nullptr; }

void CUIPopupBar::AnimateFirstAppearance() {
    CUICommandBar* parent = GetParentCommandBar();
    const BOOL wanted = parent == nullptr || parent->m_trackingByMouse;
    if (parent)
        parent->m_trackingByMouse = FALSE;
    CUICommandBarsTheme* paintManager = GetPaintManager();
    if (!wanted || paintManager == nullptr || IsCustomizeMode() || HasChildWindow())
        return;
    const int kind = GetAnimationKind();
    if (!AnimatesVisibly(kind))
        return;
    if (m_opener && parent) {
        m_opener->InvalidateParent();
        if (parent->m_hWnd)
            parent->UpdateWindow();
    }
    if (CWnd* site = GetSite())
        site->UpdateWindow();
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CUIMemDC buffer(&paint, client, ::GetSysColor(COLOR_MENU));
    if (!buffer.IsValid())
        return;
    DrawCommandBar(&buffer);
    paintManager->AnimatePopup(&paint, &buffer, client, kind);
}

void CUIPopupBar::AnimateGrowth() {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    if (paintManager && AnimatesVisibly(GetAnimationKind())) {
        CClientDC window(this);
        CRect client;
        GetClientRect(&client);
        CUIMemDC buffer(&window, client, ::GetSysColor(COLOR_MENU));
        if (buffer.IsValid()) {
            DrawCommandBar(&buffer);
            paintManager->AnimateExpand(this, &window, &buffer);
        }
    }
}
