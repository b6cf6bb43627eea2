// Layout of popup bars: the column of entries, rarely used commands behind the expand
// entry, the scrolling layout of a popup shorter than its content, and the wrapped
// rows of a popup toolbar.
#include "ui/commandbars/UIPopupBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIToolbarLayout.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include <algorithm>

namespace {

const int kSpecialExpand = 1;

// A device context for measuring: the window's, or the screen's without a window.
class MeasureDC : public CDC {
public:
    explicit MeasureDC(CWnd* window) : m_window(window && window->m_hWnd ? window->m_hWnd : nullptr) {
        Attach(::GetDC(m_window));
    }
    ~MeasureDC() override { ::ReleaseDC(m_window, Detach()); }

private:
    HWND m_window;
};

int SeparatorHeight(CUICommandBarsTheme* paintManager, CDC* dc, CUICommandBar* bar) {
    return paintManager->DrawControlSeparator(dc, bar, nullptr, FALSE).cy;
}

}  // namespace

CUIControl* CUIPopupBar::GetExpandButton(BOOL create) {
    CUIControl* expand = m_controls->FindControl(CUIControlExpandButton::ExpandId);
    if (expand == nullptr && create) {
        expand = m_controls->InsertControl(new CUIControlExpandButton, CUIControlExpandButton::ExpandId, "", -1, TRUE);
        expand->SetFlags(expand->GetFlags() | 0x1A);
        expand->SetCaption("");
    }
    return expand;
}

void CUIPopupBar::UpdateRarelyUsed() {
    CUICommandBars* commandBars = GetCommandBars();
    if (commandBars == nullptr)
        return;
    if (commandBars->GetCommandBarsOptions()->m_alwaysShowFullMenus) {
        for (int i = 0; i < GetControlCount(); ++i)
            GetControl(i)->SetRarelyUsed(FALSE);
        m_showFull = TRUE;
        return;
    }
    m_hasHiddenCommands = FALSE;
    const CUIControl* expand = GetExpandButton(FALSE);
    BOOL frequentEntry = FALSE;
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        control->SetRarelyUsed(commandBars->IsCommandHidden(control->GetID()));
        const DWORD otherHideFlags = control->GetHideFlags() & ~static_cast<DWORD>(uiHideScroll | uiHideRarelyUsed);
        if (control != expand && !control->m_rarelyUsed && otherHideFlags == 0)
            frequentEntry = TRUE;
    }
    // A popup whose every entry is rarely used shows them all.
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        DWORD flags = control->GetHideFlags() & ~static_cast<DWORD>(uiHideRarelyUsed);
        if (control->m_rarelyUsed && !m_showFull && frequentEntry) {
            flags |= uiHideRarelyUsed;
            m_hasHiddenCommands = TRUE;
        }
        control->SetHideFlags(flags);
    }
}

CSize CUIPopupBar::CalcDynamicLayout(int, DWORD) { return CalcColumnLayout(); }

CSize CUIPopupBar::CalcColumnLayout() {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    if (paintManager == nullptr)
        return CSize(MinimumSide, MinimumSide);
    m_layoutGuard = TRUE;
    MeasureDC dc(this);
    CRect work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    CRect borders = paintManager->GetBarBorders(this);
    const int separator = SeparatorHeight(paintManager, &dc, this);
    const int strip = TearOffStripHeight(&dc);
    borders.top += strip;
    for (int i = 0; i < GetControlCount(); ++i)
        GetControl(i)->OnCalcDynamicSize(0);
    UpdateRarelyUsed();
    int expandHeight = 0;
    if (m_hasHiddenCommands) {
        expandHeight = paintManager->DrawSpecialControl(&dc, kSpecialExpand, GetExpandButton(TRUE), this, FALSE, nullptr).cy;
        borders.bottom += expandHeight;
    }
    CUIControl* expand = GetExpandButton(FALSE);
    if (expand)
        expand->SetHideFlags(uiHideExpanded);
    Reset();

    int y = borders.top, width = 0;
    BOOL first = TRUE;
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        control->SetHideFlags(control->GetHideFlags() & ~static_cast<DWORD>(uiHideScroll));
        if (!control->IsVisible())
            continue;
        if (control->GetBeginGroup() && !first)
            y += separator;
        first = FALSE;
        CFont* font = paintManager->GetBarFont(this, control->GetDefaultItem());
        CUIGdiSelector selectFont(dc.m_hDC, font ? font->GetSafeHandle() : ::GetStockObject(DEFAULT_GUI_FONT));
        CSize size = control->GetSize(&dc);
        size.cx = std::min<int>(size.cx, work.right / 3);
        control->SetRect(CRect(borders.left, y, borders.left + size.cx, y + size.cy));
        control->m_startsRow = FALSE;
        y += size.cy;
        width = std::max<int>(width, size.cx);
    }
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        if (control->IsVisible()) {
            CRect rect = control->GetRect();
            control->SetRect(CRect(borders.left, rect.top, borders.left + width, rect.bottom));
        }
    }
    if (m_hasHiddenCommands && expand) {
        expand->SetHideFlags(0);
        expand->SetRect(CRect(borders.left, y, borders.left + width, y + expandHeight));
    }
    m_tearOffStrip = CRect(borders.left, borders.top - strip, borders.left + width, borders.top);
    width = std::max(width, static_cast<int>(MinimumSide));
    if (y == borders.top)
        y = MinimumSide;
    m_layoutGuard = FALSE;
    return CSize(borders.left + borders.right + width, y + borders.bottom);
}

void CUIPopupBar::LayoutScrolling(BOOL downwards, CSize size, BOOL invalidate) {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    if (paintManager == nullptr)
        return;
    if (size.cx == 0 && size.cy == 0 && m_hWnd) {
        CRect client;
        GetClientRect(&client);
        size = client.Size();
    }
    m_scrollDown.SetRectEmpty();
    m_scrollUp.SetRectEmpty();
    MeasureDC dc(this);
    CRect borders = paintManager->GetBarBorders(this);
    const int separator = SeparatorHeight(paintManager, &dc, this);
    const int strip = TearOffStripHeight(&dc);
    borders.top += strip;
    int expandHeight = 0;
    if (m_hasHiddenCommands) {
        expandHeight = paintManager->DrawSpecialControl(nullptr, kSpecialExpand, GetExpandButton(TRUE), this, FALSE, nullptr).cy;
        borders.bottom += expandHeight;
    }
    CUIControl* expand = GetExpandButton(FALSE);
    if (expand)
        expand->SetHideFlags(uiHideExpanded);
    const int count = GetControlCount();
    const int left = borders.left, right = size.cx - borders.right;
    auto clearScrolled = [](CUIControl* control) {
        control->SetHideFlags(control->GetHideFlags() & ~static_cast<DWORD>(uiHideScroll));
    };
    auto scrollOut = [](CUIControl* control) { control->SetHideFlags(control->GetHideFlags() | uiHideScroll); };

    if (downwards) {
        if (m_firstVisible == 1)
            m_firstVisible = 0;
        int y = borders.top;
        if (m_firstVisible != 0) {
            m_scrollUp = CRect(left, y, right, y + ScrollButtonHeight);
            y += ScrollButtonHeight;
        }
        int index = m_firstVisible;
        BOOL first = TRUE;
        for (; index < count; ++index) {
            CUIControl* control = GetControl(index);
            clearScrolled(control);
            if (!control->IsVisible())
                continue;
            const int height = control->GetRect().Height();
            const int gap = control->GetBeginGroup() && !first ? separator : 0;
            if (size.cy - height - gap - y < borders.bottom + ScrollButtonHeight)
                break;
            y += gap;
            first = FALSE;
            control->SetRect(CRect(left, y, right, y + height));
            y += height;
        }
        for (int rest = index; rest < count; ++rest)
            scrollOut(GetControl(rest));
        m_endVisible = index;
        if (index != count)
            m_scrollDown = CRect(left, size.cy - borders.bottom - ScrollButtonHeight, right, size.cy - borders.bottom);
    } else {
        if (m_endVisible == count - 1)
            m_endVisible = count;
        int y = size.cy - borders.bottom;
        if (m_endVisible != count) {
            m_scrollDown = CRect(left, y - ScrollButtonHeight, right, y);
            y -= ScrollButtonHeight;
        }
        int index = m_endVisible - 1;
        for (; index >= 0; --index) {
            CUIControl* control = GetControl(index);
            clearScrolled(control);
            if (!control->IsVisible())
                continue;
            const int height = control->GetRect().Height();
            y -= height;
            if (y < borders.top + ScrollButtonHeight)
                break;
            control->SetRect(CRect(left, y, right, y + height));
            if (control->GetBeginGroup())
                y -= separator;
        }
        for (int rest = index; rest >= 0; --rest)
            scrollOut(GetControl(rest));
        m_firstVisible = index + 1;
        if (index >= 0)
            m_scrollUp = CRect(left, borders.top, right, borders.top + ScrollButtonHeight);
    }
    if (m_hasHiddenCommands && expand) {
        expand->SetHideFlags(0);
        expand->SetRect(CRect(left, size.cy - borders.bottom, right, size.cy - borders.bottom + expandHeight));
    }
    m_tearOffStrip = CRect(left, borders.top - strip, right, borders.top);
    if (invalidate && m_hWnd)
        Invalidate(FALSE);
}

CSize CUIPopupToolBar::CalcDynamicLayout(int, DWORD) {
    MeasureDC dc(this);
    CRect borders = m_toolBarBorders;
    const int strip = TearOffStripHeight(&dc);
    borders.top += strip;
    Reset();
    const DWORD mode = uiLayoutHorizontal | uiLayoutCommit | uiLayoutWrapAtLimit;
    const CSize size = m_controls->CalcDynamicSize(&dc, 0, mode, borders, 0);
    m_tearOffStrip = CRect(borders.left, borders.top - strip, size.cx - borders.left, borders.top);
    return size;
}

int CUIPopupBar::TearOffStripHeight(CDC* dc) const {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    return m_tearOffEnabled && paintManager ? paintManager->DrawTearOffGripper(dc, CRect(), FALSE, FALSE).cy : 0;
}
