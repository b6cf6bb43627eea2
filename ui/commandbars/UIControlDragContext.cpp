#include "ui/commandbars/UIControlDragContext.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIMouseCaptureLoop.h"

#include "platform/CFrameWnd.h"
#include "res/resource.h"

#include <algorithm>
#include <windowsx.h>

namespace {

HCURSOR LoadDragCursor(UINT id) {
    return static_cast<HCURSOR>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_CURSOR, 0, 0,
                                             LR_DEFAULTSIZE));
}

CPoint ClientPointOf(CWnd* window, CPoint screen) {
    window->ScreenToClient(&screen);
    return screen;
}

}  // namespace

CUIControlDragContext::CUIControlDragContext(CUICommandBars* commandBars)
    : m_commandBars(commandBars),
      m_noDropCursor(LoadDragCursor(IDC_CURSOR_CUSTOMIZE_NO_DROP)),
      m_moveCursor(LoadDragCursor(IDC_CURSOR_CUSTOMIZE_MOVE)),
      m_copyCursor(LoadDragCursor(IDC_CURSOR_CUSTOMIZE_COPY)) {}

CUIControlDragContext::~CUIControlDragContext() {
    for (CUICommandBar* bar : m_dropTargets)
        bar->ForgetDropContext();
    for (HCURSOR cursor : {m_noDropCursor, m_moveCursor, m_copyCursor}) {
        if (cursor)
            ::DestroyCursor(cursor);
    }
}

void CUIControlDragContext::RemoveDropTarget(CUICommandBar* bar) {
    m_dropTargets.erase(std::remove(m_dropTargets.begin(), m_dropTargets.end(), bar), m_dropTargets.end());
    if (m_target == bar)
        m_target = nullptr;
}

int CUIControlDragContext::DoDragDrop(CUIControl* control, BOOL copyOnly) {
    CWnd* window = m_customizeWindow ? m_customizeWindow : m_commandBars->GetSite();
    if (control == nullptr || window == nullptr || window->GetSafeHwnd() == nullptr)
        return uiDropCancel;
    m_captureWindow = window->GetSafeHwnd();
    m_control = control;
    m_move = FALSE;
    m_target = nullptr;
    m_copyOnly = copyOnly;
    ::GetCursorPos(&m_start);
    ::SetCapture(m_captureWindow);
    int result = uiDropCancel;
    RunLoop(m_captureWindow, &result);
    LeaveTarget();
    if (::GetCapture() == m_captureWindow)
        ::ReleaseCapture();
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    m_control = nullptr;
    m_captureWindow = nullptr;
    return result;
}

void CUIControlDragContext::RunLoop(HWND captureWindow, int* result) {
    BOOL moved = FALSE;
    CPoint last = m_start;
    while (::GetCapture() == captureWindow) {
        CUIMouseCaptureLoop::DispatchPendingPaints();
        MSG msg;
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (!got || got == -1) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            *result = uiDropCancel;
            return;
        }
        if (::GetCapture() != captureWindow) {
            *result = uiDropCancel;
            return;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) {
                *result = uiDropCancel;
                return;
            }
            if (msg.wParam == VK_CONTROL && m_move) {
                m_move = FALSE;
                UpdateCursor();
            }
            break;
        case WM_KEYUP:
            if (msg.wParam == VK_CONTROL && !m_move) {
                m_move = TRUE;
                UpdateCursor();
            }
            break;
        case WM_MOUSEMOVE:
            last = CUIMouseCaptureLoop::ScreenPointOf(msg);
            if (!moved) {
                moved = TRUE;
                OnFirstMove(last);
            }
            m_move = !(msg.wParam & MK_CONTROL);
            UpdateTarget(last);
            *result = uiDropOff;
            if (!(msg.wParam & MK_LBUTTON)) {
                *result = moved ? Drop(last) : uiDropCancel;
                return;
            }
            break;
        case WM_LBUTTONUP:
            *result = moved ? Drop(last) : uiDropCancel;
            return;
        case WM_RBUTTONDOWN:
            *result = uiDropCancel;
            return;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    *result = uiDropCancel;
}

void CUIControlDragContext::OnFirstMove(CPoint screen) {
    if (CUICommandBar* parent = m_control->GetParent()) {
        if (parent->GetSafeHwnd())
            m_control->OnCustomizeDragOver(m_control, ClientPointOf(parent, screen));
    }
}

CUICommandBar* CUIControlDragContext::DropTargetAt(CPoint screen) const {
    for (auto it = m_dropTargets.rbegin(); it != m_dropTargets.rend(); ++it) {
        CUICommandBar* bar = *it;
        CRect rect;
        if (bar->GetSafeHwnd() == nullptr || !bar->IsWindowVisible())
            continue;
        bar->GetWindowRect(&rect);
        if (rect.PtInRect(screen))
            return bar;
    }
    return nullptr;
}

void CUIControlDragContext::UpdateTarget(CPoint screen) {
    CUICommandBar* bar = DropTargetAt(screen);
    if (bar && bar == m_target) {
        m_target->OnCustomizeDragOver(m_control, ClientPointOf(bar, screen));
    } else {
        LeaveTarget();
        if (bar && bar->OnCustomizeDragEnter(m_control, ClientPointOf(bar, screen)))
            m_target = bar;
    }
    UpdateCursor();
}

void CUIControlDragContext::LeaveTarget() {
    if (m_target)
        m_target->OnCustomizeDragLeave();
    m_target = nullptr;
}

void CUIControlDragContext::UpdateCursor() {
    if (m_target == nullptr)
        ::SetCursor(m_noDropCursor);
    else
        ::SetCursor(m_move && !m_copyOnly ? m_moveCursor : m_copyCursor);
}

int CUIControlDragContext::Drop(CPoint screen) {
    if (m_target == nullptr)
        return uiDropOff;
    // A command taken from the customize window is always a copy.
    int result = m_move && !m_copyOnly ? uiDropMove : uiDropCopy;
    CUICommandBar* target = m_target;
    m_target = nullptr;
    target->OnCustomizeDrop(m_control, &result, ClientPointOf(target, screen), ClientPointOf(target, m_start));
    return result;
}
