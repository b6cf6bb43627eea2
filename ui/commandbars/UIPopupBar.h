#pragma once

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"

// The expand entry at the foot of a popup that hides rarely used commands: clicking it
// (or resting on it, with the option to show full menus after a delay) shows them.
class CUIControlExpandButton : public CUIControlButton {
public:
    static const UINT ExpandId = 9402;
    CSize GetSize(CDC* dc) override;
    void Draw(CDC* dc) override;
    void OnExecute() override;
    void OnMouseHover() override;
};

// The popup menu window: its controls stand in one column. Opened by a popup control
// of a parent bar or at a screen point (context menus); placed against the work area
// beside its opener, scrolled when taller than the work area, with rarely used
// commands behind an expand entry.
class CUIPopupBar : public CUICommandBar {
    DECLARE_SERIAL(CUIPopupBar)

public:
    static const UINT_PTR ScrollDownTimerId = 5001;
    static const UINT_PTR ScrollUpTimerId = 5002;
    static const UINT_PTR TearOffTimerId = 5003;
    // How far the pointer may leave the tear-off strip before the popup is torn off.
    static const int TearOffDistance = 10;
    static const UINT ScrollElapse = 80;
    static const int ScrollButtonHeight = 16;
    static const int MinimumSide = 22;

    CUIPopupBar();
    // A popup bar bound to the command bars, with one reference for the caller.
    static CUIPopupBar* CreatePopupBarFor(CUICommandBars* commandBars);

    BOOL DestroyWindow() override;
    void DelayRedraw() override;
    BOOL SetTrackingMode(int mode, BOOL selectFirst, BOOL keyboard) override;
    BOOL SetSelected(int index, BOOL keyboard) override;
    BOOL Popup(CUIControlPopup* opener, BOOL selectFirst) override;
    void DelayLayout() override { OnRecalcLayout(); }
    CUICommandBar* GetParentCommandBar() const override;
    int OnKeyDown(UINT key) override;
    CSize CalcDynamicLayout(int length, DWORD mode) override;
    void DrawCommandBar(CDC* dc) override;
    void OnRecalcLayout() override;
    void Copy(CUICommandBar* source, BOOL recursive) override;
    void Serialize(CArchive& ar) override;
    // Refreshes the shortcut texts from the site frame's accelerators.
    void Reset() override;

    // Opens the popup at a screen point, clear of the rectangle when one is given.
    BOOL PopupAt(int x, int y, LPCRECT exclude);
    // Shows the rarely used commands, and keeps later popups expanded until menu mode ends.
    void ExpandBar();
    // The first visible default entry: its index when byPosition, else its id; -1 when none.
    int GetDefaultItem(BOOL byPosition) const;
    // Gives the popup a tear-off strip; torn off it becomes a floating toolbar with the
    // caption, id and width limit (or the command bars' toolbar of that id).
    void SetTearOff(LPCSTR caption, UINT barId, int width);
    BOOL IsTearOffEnabled() const { return m_tearOffEnabled; }
    CRect GetTearOffStrip() const { return m_tearOffStrip; }
    BOOL IsTearOffHot() const { return m_tearOffHot; }
    // The kind of animation the popup opens with (none when it hosts a window).
    int GetAnimationKind() const;

    DWORD GetDirection() const { return m_direction; }
    CUIControlPopup* GetOpener() const { return m_opener; }
    BOOL IsScrolling() const { return m_scrolling; }
    BOOL HasHiddenCommands() const { return m_hasHiddenCommands; }
    int GetFirstVisible() const { return m_firstVisible; }
    int GetEndVisible() const { return m_endVisible; }
    CRect GetScrollButton(BOOL bottom) const { return bottom ? m_scrollDown : m_scrollUp; }

    BOOL m_shadow = TRUE;
    CRect m_toolBarBorders = CRect(2, 4, 2, 4);

protected:
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    int OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

    // Direction and anchor from the opener and its bar.
    void ComputeDirection();
    // Measures, places against the work area and shows the window.
    void PlaceAndShow();
    CSize CalcColumnLayout();
    void UpdateRarelyUsed();
    CUIControl* GetExpandButton(BOOL create);
    // Places the controls of a scrolling popup from the first visible index down, or
    // from the end visible index up.
    void LayoutScrolling(BOOL downwards, CSize size, BOOL invalidate);
    void TrackScrollButtons(CPoint point);
    void ScrollOneStep(BOOL down);
    BOOL HasChildWindow() const;
    void AddShadow();
    void AnimateFirstAppearance();
    void AnimateGrowth();
    // The strip's height (0 without a strip) and its place above the first entry.
    int TearOffStripHeight(CDC* dc) const;
    void TrackTearOffHover(CPoint point);
    void OnTearOffTimer();
    void TearOffLoop(CPoint start);
    void OnTearOffInsideChanged(BOOL inside, CPoint screenPoint);
    void MoveTornOffBar(CPoint screenPoint);

    CUIControlPopup* m_opener = nullptr;
    CPoint m_anchor;
    CRect m_exclude;
    DWORD m_direction = 0;
    BOOL m_scrolling = FALSE;
    int m_firstVisible = 0;
    int m_endVisible = 0;
    CRect m_scrollDown, m_scrollUp;
    BOOL m_layoutGuard = FALSE;
    BOOL m_hasHiddenCommands = FALSE;
    BOOL m_showFull = FALSE;
    BOOL m_expansionPending = FALSE;
    DWORD m_scrollTimers = 0;  // 1 scrolling down, 2 up
    BOOL m_tearOffEnabled = FALSE;
    CRect m_tearOffStrip;
    BOOL m_tearOffHot = FALSE;
    BOOL m_tearOffTimer = FALSE;
    BOOL m_tearOffDragging = FALSE;
    CSize m_tornOffSize;
    class CUIToolBar* m_tornOffBar = nullptr;
    CString m_tearOffCaption;
    UINT m_tearOffBarId = 0;
    int m_tearOffWidth = 0;

    DECLARE_MESSAGE_MAP()
};

// The popup whose controls wrap in rows like a toolbar's (the toolbar options popup).
class CUIPopupToolBar : public CUIPopupBar {
    DECLARE_SERIAL(CUIPopupToolBar)

public:
    CUIPopupToolBar() { m_barType = uiBarTypeToolBar; }
    static CUIPopupToolBar* CreatePopupToolBarFor(CUICommandBars* commandBars);
    CSize CalcDynamicLayout(int length, DWORD mode) override;
};
