// Where a toolbar goes and how big it is: docked in a row (buttons that do not fit
// hidden behind the options button), floating in its own captioned window, or as a
// plain bar placed by its parent's layout.
#include "ui/commandbars/UIToolBar.h"

#include "ui/commandbars/UIBarDragTracker.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIToolbarLayout.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CControlBar.h"
#include "platform/CMiniFrameWnd.h"
#include "res/resource.h"

#include <algorithm>

namespace {

const int kCaptionBorder = 3;
const int kLongLength = 32000;

// The bar's client DC with the bar font selected.
class BarDC : public CDC {
public:
    explicit BarDC(CUICommandBar* bar) : m_window(bar->m_hWnd) {
        Attach(::GetDC(m_window));
        CUICommandBarsTheme* paintManager = bar->GetPaintManager();
        CFont* font = paintManager ? paintManager->GetBarFont(bar, FALSE) : nullptr;
        m_previous = ::SelectObject(m_hDC, font ? font->GetSafeHandle() : ::GetStockObject(DEFAULT_GUI_FONT));
    }
    ~BarDC() override {
        ::SelectObject(m_hDC, m_previous);
        ::ReleaseDC(m_window, Detach());
    }

private:
    HWND m_window;
    HGDIOBJ m_previous;
};

}  // namespace

CRect CUIToolBar::GetLayoutBorders(CDC* dc, BOOL docked) {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    if (!docked) {
        const int caption = paintManager ? paintManager->DrawBarGripper(dc, this, FALSE).cy : 0;
        return CRect(kCaptionBorder, caption + 4, kCaptionBorder, kCaptionBorder);
    }
    CRect borders = paintManager ? paintManager->GetBarBorders(this) : CRect(2, 2, 2, 2);
    if ((m_barStyle & CBRS_GRIPPER) && paintManager) {
        const CSize gripper = paintManager->DrawBarGripper(dc, this, FALSE);
        borders.left += gripper.cx;
        borders.top += gripper.cy;
    }
    return borders;
}

BOOL CUIToolBar::AnyControlHidesForRoom() const {
    for (int i = 0; i < GetControlCount(); ++i) {
        if (GetControl(i)->GetHideFlags() == uiHideWrap)
            return TRUE;
    }
    return FALSE;
}

// Placed in the frame's layout, the bar needs no layout of its own at idle time (each
// docked bar asking for one would lay the whole frame out again).
CSize CUIToolBar::CalcDockedLayout(int length, DWORD mode, int thickness) {
    const CSize size = ArrangeDocked(length, mode, thickness);
    if (mode & uiLayoutCommit)
        m_idleFlags &= ~idleLayout;
    return size;
}

CSize CUIToolBar::ArrangeDocked(int length, DWORD mode, int thickness) {
    BarDC dc(this);
    CRect borders = GetLayoutBorders(&dc, TRUE);
    if (CUIControl* close = GetSpecialControl(ID_TOOLBAR_CLOSE, FALSE))
        close->SetHideFlags(uiHideExpanded);
    if (m_barType == uiBarTypeMenuBar || m_dragTracker == nullptr)
        return m_controls->CalcDynamicSize(&dc, length, mode, borders, thickness);

    CUIControl* options = GetSpecialControl(ID_TOOLBAR_OPTIONS, TRUE);
    options->SetHideFlags(uiHideExpanded);
    CUICommandBars* commandBars = GetCommandBars();
    const BOOL showOptions = commandBars == nullptr || commandBars->GetCommandBarsOptions()->m_alwaysShowOptionsButton;
    const BOOL vertical = (mode & uiLayoutVerticalDock) != 0;
    if (!showOptions) {
        CSize size = m_controls->CalcDynamicSize(&dc, length, mode, borders, thickness);
        if (!(mode & uiLayoutCommit)) {
            // Measuring: at least the narrowest arrangement and the options button.
            const CSize narrowest = m_controls->CalcDynamicSize(&dc, 1, mode, borders, thickness);
            if (vertical)
                size.cy = std::max<int>(size.cy, narrowest.cy + OptionsWidth);
            else
                size.cx = std::max<int>(size.cx, narrowest.cx + OptionsWidth);
            return size;
        }
        if (!AnyControlHidesForRoom())
            return size;
    }
    (vertical ? borders.bottom : borders.right) += OptionsWidth;
    const CSize size = m_controls->CalcDynamicSize(&dc, length, mode, borders, thickness);
    options->SetHideFlags(0);
    // The options button fills the reserved strip at the end of the bar.
    CRect rect = vertical ? CRect(2, size.cy - 2 - OptionsWidth, size.cx - 2, size.cy - 2)
                          : CRect(size.cx - 2 - OptionsWidth, 2, size.cx - 2, size.cy - 2);
    options->SetRect(rect);
    return size;
}

CSize CUIToolBar::CalcDynamicLayout(int length, DWORD mode) {
    BarDC dc(this);
    CRect borders = GetLayoutBorders(&dc, FALSE);
    const int caption = borders.top - 4;
    CUIControl* close = nullptr;
    CUIControl* options = nullptr;
    if (m_barType != uiBarTypeMenuBar) {
        close = GetSpecialControl(ID_TOOLBAR_CLOSE, TRUE);
        options = GetSpecialControl(ID_TOOLBAR_OPTIONS, TRUE);
        close->SetHideFlags(uiHideExpanded);
        options->SetHideFlags(uiHideExpanded);
    }
    const CSize size = m_controls->CalcDynamicSize(&dc, length, mode, borders, 0);
    if (close) {
        // The caption holds the close button at its right, the options button before it.
        int right = size.cx - kCaptionBorder;
        close->SetHideFlags(0);
        close->SetRect(CRect(right - caption, kCaptionBorder, right, caption + kCaptionBorder));
        right -= caption;
        options->m_startsRow = TRUE;
        CUICommandBars* commandBars = GetCommandBars();
        const BOOL showOptions = commandBars == nullptr || commandBars->GetCommandBarsOptions()->m_alwaysShowOptionsButton;
        if (showOptions && right - caption > 0) {
            options->SetHideFlags(0);
            options->SetRect(CRect(right - caption, kCaptionBorder, right, caption + kCaptionBorder));
        }
    }
    return size;
}

LRESULT CUIToolBar::OnSizeParent(WPARAM, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    // The window's own visibility: a frame lays its bars out before it is first shown.
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    DWORD mode = uiLayoutCommit | uiLayoutHorizontalDock | uiLayoutHorizontal;
    if (m_dockingFlags & Stretch)
        mode |= uiLayoutStretch;
    if (m_dockingFlags & HideOverflow)
        mode |= uiLayoutOneRow;
    if (layout->hDWP == nullptr)
        mode &= ~static_cast<DWORD>(uiLayoutCommit);
    CRect remaining(layout->rect);
    CSize size = CalcDockedLayout(kLongLength, mode, 0);
    size.cx = std::min<int>(size.cx, remaining.Width());
    size.cy = std::min<int>(size.cy, remaining.Height());
    layout->sizeTotal.cy += size.cy;
    layout->sizeTotal.cx = std::max<int>(layout->sizeTotal.cx, size.cx);
    const CRect rect(remaining.left, remaining.top, remaining.left + size.cx, remaining.top + size.cy);
    layout->rect.top += size.cy;
    if (layout->hDWP)
        AfxRepositionWindow(layout, m_hWnd, &rect);
    return 0;
}

BOOL CUIToolBar::SetFloatingMode(CWnd* frame, BOOL floating) {
    if (m_hWnd == nullptr) {
        LPCSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
        const CPoint corner = m_dragTracker ? m_dragTracker->m_mruFloatPosition : CPoint(100, 100);
        const CRect rect(corner, corner);
        if (!CreateEx(0, windowClass, m_title, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | MFS_SYNCACTIVE, rect, frame, 0))
            return FALSE;
        ShowWindow(SW_SHOWNA);
    }
    const DWORD style = GetStyle();
    if (floating) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, 0);
        ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>((style & ~WS_CHILD) | WS_POPUP | MFS_SYNCACTIVE));
        ::SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(frame ? frame->m_hWnd : nullptr));
    } else {
        ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>((style & ~WS_POPUP) | WS_CHILD));
    }
    return TRUE;
}
