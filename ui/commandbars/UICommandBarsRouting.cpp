// How the frame's keys and window messages reach the bars, and the modal loop of
// popup bars opened on their own (context menus).
#include "ui/commandbars/UICommandBars.h"

#include "ui/commandbars/UIBarFactory.h"
#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControlDragContext.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIEdit.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/UIWndProcHookTable.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CFrameWnd.h"
#include "platform/CMenu.h"
#include "platform/CWinThread.h"

namespace {

const LPARAM ContextCodeBit = 1 << 29;

// Keys typed into an edit window of a bar, which go to it before the frame's accelerators
// see them; Enter, Tab and Esc stay with the bar.
BOOL IsEditKey(const MSG* msg) {
    if (msg->message == WM_CHAR)
        return TRUE;
    if (msg->message != WM_KEYDOWN && msg->message != WM_KEYUP)
        return FALSE;
    return msg->wParam != VK_RETURN && msg->wParam != VK_TAB && msg->wParam != VK_ESCAPE;
}

BOOL OfferToKeyboardHooks(UINT message, WPARAM wParam, LPARAM lParam) {
    return CUIWndProcHookTable::Instance().NotifyKeyboardHooks(message, wParam, lParam);
}

}  // namespace

BOOL CUICommandBars::OfferMnemonicToMenuBar(const MSG* msg) {
    const char character = static_cast<char>(LOBYTE(::MapVirtualKeyA(static_cast<UINT>(msg->wParam), 2)));
    if (character == 0)
        return FALSE;
    BOOL ambiguous = FALSE;
    const int index = m_menuBar->FindAccel(character, &ambiguous);
    if (index < 0)
        return FALSE;
    if (ambiguous) {
        m_menuBar->SetTrackingMode(uiTracking, FALSE, FALSE);
        m_menuBar->SetSelected(index, TRUE);
    } else {
        m_menuBar->SetOpenPopup(index, TRUE);
    }
    return TRUE;
}

BOOL CUICommandBars::PreTranslateFrameMessage(MSG* msg) {
    CUIMouseTrackHook& hook = CUIMouseTrackHook::Get();
    CUIWndProcHookTable& table = CUIWndProcHookTable::Instance();
    if (hook.m_suspendCount == 0 && !hook.IsTracking() && m_menuBar && msg->message == WM_SYSKEYDOWN &&
        (msg->lParam & ContextCodeBit) && OfferMnemonicToMenuBar(msg))
        return TRUE;
    if (IsEditKey(msg) && CUIEdit::GetFocusEdit()) {
        ::TranslateMessage(msg);
        ::DispatchMessageA(msg);
        return TRUE;
    }
    if (msg->message == WM_MOUSEWHEEL && table.HasKeyboardHooks()) {
        OfferToKeyboardHooks(msg->message, msg->wParam, msg->lParam);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN && table.HasKeyboardHooks())
        return OfferToKeyboardHooks(WM_KEYDOWN, msg->wParam, 0);
    if (msg->message == WM_SYSKEYDOWN && hook.IsTracking() && hook.m_suspendCount == 0) {
        if (msg->wParam == VK_MENU) {
            hook.EndTracking();
            return TRUE;
        }
        return OfferToKeyboardHooks(WM_KEYDOWN, msg->wParam, 0);
    }
    return FALSE;
}

BOOL CUICommandBars::OnFrameWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_IDLEUPDATECMDUI:
        for (CUICommandBar* bar : m_bars) {
            if (bar->GetPosition() == uiBarFloating && bar->GetSafeHwnd()) {
                bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
                KeepAboveSite(bar);
            }
        }
        break;
    case WM_SYSCOLORCHANGE:
        GetUISystemPalette().RefreshColors(FALSE);
        GetImageManager()->RefreshAll();
        [[fallthrough]];
    case WM_SETTINGCHANGE:
        if (CUICommandBarsTheme* paintManager = GetPaintManager())
            paintManager->RefreshMetrics();
        RecalcFrameLayout(FALSE);
        if (m_site && m_site->GetSafeHwnd())
            m_site->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        break;
    case WM_COMMAND:
        if (CUIEdit* edit = CUIEdit::GetFocusEdit()) {
            if (edit->OnCommand(wParam, lParam)) {
                if (result)
                    *result = 1;
                return TRUE;
            }
        }
        break;
    case WM_CLOSE:
        // The frame stays while the customize window is open.
        if (m_dragContext->GetCustomizeWindow()) {
            if (result)
                *result = 0;
            return TRUE;
        }
        break;
    default:
        break;
    }
    EndTrackingFor(message, wParam);
    return FALSE;
}

// A floating bar floats above its frame. The system keeps owned windows above their
// owner, but a frame activated after its floating bars were restored (at start-up, under
// Wine) can still end up over them; the idle pass puts them back on top.
void CUICommandBars::KeepAboveSite(CUICommandBar* bar) const {
    if (m_site == nullptr || m_site->GetSafeHwnd() == nullptr || !bar->IsWindowVisible())
        return;
    for (HWND above = ::GetWindow(bar->m_hWnd, GW_HWNDPREV); above; above = ::GetWindow(above, GW_HWNDPREV)) {
        if (above == m_site->m_hWnd) {
            ::SetWindowPos(bar->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            return;
        }
    }
}

void CUICommandBars::EndTrackingFor(UINT message, WPARAM wParam) {
    CUIMouseTrackHook& hook = CUIMouseTrackHook::Get();
    if (!hook.IsTracking())
        return;
    const BOOL ends = (message == WM_ACTIVATEAPP && !wParam) ||
                      (message == WM_COMMAND && (wParam == 0 || (LOWORD(wParam) != 0 && HIWORD(wParam) == 0))) ||
                      (message == WM_SYSCOMMAND && (wParam == 0 || LOWORD(wParam) != 0));
    if (ends)
        hook.EndTracking();
}

int CUICommandBars::TrackPopupBar(CUICommandBar* popupBar, UINT flags, int x, int y, CWnd* site, LPCRECT exclude,
                                  CWnd* owner) {
    popupBar->m_site = site;
    popupBar->m_commandOwner = owner;
    int result = 1;
    if (flags & ReturnCommand) {
        result = 0;
        popupBar->m_returnCommand = &result;
    }
    popupBar->m_rightButtonChoice = (flags & RightButtonChooses) != 0;
    ::ReleaseCapture();
    CUIBarFactory* factory = GetBarFactory();
    if (factory == nullptr || !factory->PopupAt(popupBar, x, y, exclude)) {
        popupBar->m_returnCommand = nullptr;
        return 0;
    }
    PumpTrackingMessages(popupBar);
    popupBar->m_returnCommand = nullptr;
    return result;
}

void CUICommandBars::PumpTrackingMessages(CUICommandBar* popupBar) {
    popupBar->InternalAddRef();
    CWinThread* thread = AfxGetThread();
    MSG msg;
    while (popupBar->GetTrackingMode() != uiNotTracking) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // The application's own loop must still see the quit request.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            popupBar->EndTrackingMode();
            break;
        }
        if (popupBar->GetTrackingMode() == uiNotTracking) {
            ::PostMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            break;
        }
        if (msg.message == WM_KICKIDLE)
            continue;
        if (thread && thread->PreTranslateMessage(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    popupBar->InternalRelease();
}

int CUICommandBars::TrackContextMenu(CMenu* menu, UINT flags, int x, int y, CWnd* site, LPCRECT exclude,
                                     CWnd* owner) {
    CUIBarFactory* factory = GetBarFactory();
    CUICommandBar* popupBar = factory ? factory->CreatePopupBar() : nullptr;
    if (popupBar == nullptr)
        return 0;
    popupBar->m_site = site;
    popupBar->m_commandOwner = owner;
    popupBar->SetCommandBars(this);
    int result = 0;
    if (popupBar->LoadMenu(menu, TRUE))
        result = TrackPopupBar(popupBar, flags, x, y, site, exclude, owner);
    popupBar->InternalRelease();
    return result;
}
