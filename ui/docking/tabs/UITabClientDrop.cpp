#include "platform/CDC.h"
#include "platform/CMDIFrameWnd.h"
#include "res/resource.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/docking/tabs/UITabClientWnd.h"

namespace {
const int SplitZone = 30;  // a drop closer than this above a bottom or left of a right edge splits

enum DropCursor { CursorDropAllowed = 2, CursorDropRefused = 3 };

BOOL InSplitZone(int distance) { return distance >= 1 && distance < SplitZone; }
}  // namespace

void CUITabClientWnd::BeginDropFeedback() {
    // Windows waiting to repaint do it now, so that none paints over the frame later.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE)) {
        if (!::GetMessageA(&msg, nullptr, WM_PAINT, WM_PAINT)) break;
        ::DispatchMessageA(&msg);
    }
    m_dropRect.SetRectEmpty();
    m_lastDropRect.SetRectEmpty();
    m_lastDropSize = CSize(0, 0);
    m_dropTarget = nullptr;
    m_dropAction = TabDropNone;
    HWND desktop = ::GetDesktopWindow();
    m_desktopLocked = ::LockWindowUpdate(desktop);
    m_desktopDC = ::GetDCEx(desktop, nullptr, DCX_WINDOW | DCX_CACHE | (m_desktopLocked ? DCX_LOCKWINDOWUPDATE : 0));
}

void CUITabClientWnd::EndDropFeedback() {
    DrawDropFrame(TRUE);
    if (m_desktopLocked) ::LockWindowUpdate(nullptr);
    m_desktopLocked = FALSE;
    if (m_desktopDC) ::ReleaseDC(::GetDesktopWindow(), m_desktopDC);
    m_desktopDC = nullptr;
}

void CUITabClientWnd::DrawDropFrame(BOOL remove) {
    CRect rect = m_dropRect;
    ClientToScreen(&rect);
    CSize size = remove ? CSize(0, 0) : CSize(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
    if (m_desktopDC) {
        CDC* dc = CDC::FromHandle(m_desktopDC);
        dc->DrawDragRect(&rect, size, &m_lastDropRect, m_lastDropSize, CDC::GetHalftoneBrush(),
                         CDC::GetHalftoneBrush());
    }
    m_lastDropRect = rect;
    m_lastDropSize = size;
}

void CUITabClientWnd::TrackDrop(CPoint point, CUITabStripItem* item) {
    CRect target;
    m_dropTarget = nullptr;
    m_dropAction = TabDropNone;
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        ::SetCursor(m_cursors[CursorDropRefused]);
    } else {
        m_dropAction = TabDropMenu;
        ::SetCursor(m_cursors[CursorDropAllowed]);
        const BOOL single = GetWorkspaceCount() == 1;
        for (CUITabWorkspace* workspace : m_workspaces) {
            const BOOL canSplit = !(item->GetStrip() == workspace && workspace->GetItemCount() <= 1);
            const CRect& control = workspace->controlRect;
            if (workspace->headerRect.PtInRect(point)) {
                m_dropAction = TabDropIntoGroup;
                target = workspace->clientRect;
            } else if ((single || m_stacked) && canSplit && InSplitZone(control.bottom - point.y)) {
                m_dropAction = TabDropNewBelow;
                target = CRect(control.left, (control.top + control.bottom) / 2, control.right, control.bottom);
            } else if ((single || !m_stacked) && canSplit && InSplitZone(control.right - point.x)) {
                m_dropAction = TabDropNewRight;
                target = CRect((control.left + control.right) / 2, control.top, control.right, control.bottom);
            } else {
                continue;
            }
            m_dropTarget = workspace;
            break;
        }
    }
    if (target == m_dropRect) return;
    m_dropRect = target;
    DrawDropFrame(FALSE);
}

void CUITabClientWnd::ShowWorkspaceActionsPopup(CPoint point) {
    CUICommandBars* commandBars = GetCommandBars();
    if (commandBars == nullptr)
        return;
    ClientToScreen(&point);
    CUIPopupBar* popup = CUIPopupBar::CreatePopupBarFor(commandBars);
    CUIControls* controls = popup->GetControls();
    controls->InsertControl(new CUIControlWorkspaceActions, 0, "", -1, FALSE);
    CUIControl* cancel = controls->Add(uiControlButton, ID_TAB_GROUP_CANCEL, "", -1, FALSE);
    cancel->SetBeginGroup(TRUE);
    cancel->SetFlags(uiFlagNoUpdate);
    commandBars->TrackPopupBar(popup, 0, point.x, point.y, m_frame, nullptr, m_frame);
    popup->InternalRelease();
}
