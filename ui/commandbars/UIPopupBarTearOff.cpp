// The tear-off strip of a popup: it lights while the pointer is over it, and dragging
// it away makes the popup a floating toolbar that follows the pointer.
#include "ui/commandbars/UIPopupBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseCaptureLoop.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIToolBar.h"
#include "ui/commandbars/UIToolbarLayout.h"

#include "platform/CFrameWnd.h"
#include "platform/MessageMap.h"

namespace {

const UINT kTearOffElapse = 80;
const DWORD kFloatingSizeMode = uiLayoutHorizontal | uiLayoutLengthIsLimit | uiLayoutCommit;

}  // namespace

void CUIPopupBar::SetTearOff(LPCSTR caption, UINT barId, int width) {
    m_tearOffEnabled = TRUE;
    m_tearOffCaption = caption;
    m_tearOffBarId = barId;
    m_tearOffWidth = width;
}

void CUIPopupBar::TrackTearOffHover(CPoint point) {
    if (!m_tearOffEnabled || IsCustomizeMode() || m_tearOffHot || !m_tearOffStrip.PtInRect(point))
        return;
    SetSelected(-1, FALSE);
    SetOpenPopup(-1, FALSE);
    if (!m_tearOffTimer) {
        SetTimer(TearOffTimerId, kTearOffElapse);
        m_tearOffTimer = TRUE;
    }
}

void CUIPopupBar::OnTearOffTimer() {
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    const BOOL over = m_tearOffStrip.PtInRect(cursor);
    if (over && !m_tearOffHot) {
        m_tearOffHot = TRUE;
        Invalidate(FALSE);
    } else if (m_tearOffHot && !over && !m_tearOffDragging) {
        m_tearOffHot = FALSE;
        Invalidate(FALSE);
        KillTimer(TearOffTimerId);
        m_tearOffTimer = FALSE;
    }
}

void CUIPopupBar::OnLButtonDown(UINT flags, CPoint point) {
    if (m_tearOffEnabled && !IsCustomizeMode() && m_tearOffStrip.PtInRect(point)) {
        ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)));  // IDC_SIZEALL
        CUIMouseTrackHook& hook = CUIMouseTrackHook::Get();
        ++hook.m_suspendCount;
        m_tearOffDragging = TRUE;
        CPoint screen = point;
        ClientToScreen(&screen);
        TearOffLoop(screen);
        m_tearOffDragging = FALSE;
        --hook.m_suspendCount;
    }
    if (m_hWnd)
        CUICommandBar::OnLButtonDown(flags, point);
}

void CUIPopupBar::TearOffLoop(CPoint start) {
    CRect reach = m_tearOffStrip;
    ClientToScreen(&reach);
    reach.InflateRect(TearOffDistance, TearOffDistance);
    BOOL inside = TRUE;
    HWND window = m_hWnd;
    CUIMouseCaptureLoop::Run(window, start, [&](CPoint point) {
        const BOOL now = reach.PtInRect(point);
        if (now != inside) {
            inside = now;
            OnTearOffInsideChanged(inside, point);
            if (::IsWindow(window) && ::GetCapture() != window)
                ::SetCapture(window);  // hiding the popup must not end the drag
        }
        MoveTornOffBar(point);
    });
    if (m_tornOffBar) {
        m_tornOffBar = nullptr;
        CUIMouseTrackHook::Get().EndTracking();
    }
}

void CUIPopupBar::MoveTornOffBar(CPoint point) {
    if (m_tornOffBar && m_tornOffBar->m_hWnd)
        m_tornOffBar->SetWindowPos(nullptr, point.x - m_tornOffSize.cx / 2, point.y - TearOffDistance, m_tornOffSize.cx,
                                   m_tornOffSize.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CUIPopupBar::OnTearOffInsideChanged(BOOL inside, CPoint point) {
    ShowWindow(inside ? SW_SHOWNA : SW_HIDE);
    if (inside) {
        if (m_tornOffBar) {
            CUIToolBar* bar = m_tornOffBar;
            m_tornOffBar = nullptr;
            bar->SetVisible(FALSE);
        }
        return;
    }
    CUICommandBars* commandBars = GetCommandBars();
    if (m_tornOffBar || commandBars == nullptr)
        return;
    CUIToolBar* bar = dynamic_cast<CUIToolBar*>(commandBars->GetToolBar(m_tearOffBarId));
    if (bar) {
        bar->Create(uiBarFloating);
        bar->SetVisible(TRUE);
        commandBars->RecalcFrameLayout(FALSE);
    } else {
        bar = dynamic_cast<CUIToolBar*>(commandBars->CreateToolBar(m_tearOffCaption, m_tearOffBarId, TRUE));
        if (bar == nullptr)
            return;
        bar->SetWidthLimit(m_tearOffWidth);
        for (int i = 0; i < GetControlCount(); ++i) {
            CUIControl* control = GetControl(i);
            if (control->GetID() == CUIControlExpandButton::ExpandId)
                continue;
            CUIControl* copy = bar->GetControls()->AddCopy(control);
            copy->SetHideFlags(copy->GetHideFlags() & ~static_cast<DWORD>(uiHideRarelyUsed | uiHideScroll));
        }
    }
    m_tornOffBar = bar;
    m_tornOffSize = bar->CalcDynamicLayout(-1, kFloatingSizeMode);
    MoveTornOffBar(point);
    if (bar->m_hWnd) {
        bar->SendMessage(WM_INITIALUPDATE);
        bar->Invalidate(FALSE);
    }
}
