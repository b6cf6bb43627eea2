#pragma once

#include "ui/commandbars/UIHookClient.h"

#include "platform/CCmdUI.h"
#include "platform/CWnd.h"

class CFrameWnd;
class CMenu;
class CUICommandBars;
class CUICommandBarsTheme;
class CUIControl;
class CUICommandBarList;
class CUIControlPopup;
class CUIControls;
class CUIControlDragContext;

// Bar positions (CommandBarPosition).
enum UIBarPosition {
    uiBarTop = 0,
    uiBarBottom = 1,
    uiBarLeft = 2,
    uiBarRight = 3,
    uiBarFloating = 4,
    uiBarPopup = 5,
    uiBarList = 6,
    uiBarNone = 7,
};

// Bar types.
enum UIBarType { uiBarTypeMenuBar = 0, uiBarTypeToolBar = 1, uiBarTypePopup = 2 };

// Tracking modes.
enum UITrackingMode { uiNotTracking = 0, uiTracking = 1, uiTrackingPopupOpen = 2 };

// Key codes of ProcessSpecialKey.
enum UISpecialKey {
    uiKeyNext = 0,
    uiKeyPrevious = 1,
    uiKeyClosePopup = 2,
    uiKeyOpenPopup = 3,
    uiKeyEscape = 4,
    uiKeyReturn = 5,
    uiKeyFirst = 6,
    uiKeyLast = 7,
};

// The window every command bar derives from. It owns the bar's controls and carries
// what bars share: the hot control and the open popup, the tracking (menu) mode with
// its keyboard navigation and mnemonics, hot-tracking with hover timers, painting
// through the paint manager, the idle update of the controls' command states and
// tooltips. Subclasses (toolbar, menu bar, popup bar) supply layout and creation.
class CUICommandBar : public CWnd, public CUIHookClient {
    DECLARE_SERIAL(CUICommandBar)

public:
    static const UINT_PTR HoverTimerId = 112223;
    static const UINT HoverTimerElapse = 300;
    static const UINT_PTR ShowFullTimerId = 112224;
    static const UINT ShowFullTimerElapse = 800;
    // Idle flags.
    static const DWORD idleLayout = 0x01;
    static const DWORD idleRedraw = 0x02;

    CUICommandBar();
    ~CUICommandBar() override;

    virtual void DelayRedraw() { m_idleFlags |= idleRedraw; }
    virtual BOOL SetTrackingMode(int mode, BOOL selectFirst, BOOL keyboard);
    virtual BOOL SetSelected(int index, BOOL keyboard);
    virtual BOOL LoadToolBar(UINT resourceId, BOOL loadImages) { return FALSE; }
    virtual BOOL Popup(CUIControlPopup* opener, BOOL selectFirst) { return FALSE; }
    virtual void SetVisible(BOOL visible) {}
    virtual BOOL IsVisible() const { return FALSE; }
    virtual BOOL Create(int position) { return FALSE; }
    virtual BOOL IsCustomizable() const { return m_customizable; }
    virtual void DelayLayout() {}
    virtual CUICommandBar* GetParentCommandBar() const { return nullptr; }
    // 0 not handled, 1 handled, 2 not handled and not to be asked further.
    virtual int OnKeyDown(UINT key);
    virtual CSize CalcDynamicLayout(int length, DWORD mode) { return CSize(0, 0); }
    virtual BOOL ProcessSpecialKey(int code);
    virtual void DrawCommandBar(CDC* dc);
    virtual void OnRecalcLayout();
    virtual void Copy(CUICommandBar* source, BOOL recursive);
    virtual CUICommandBar* Clone(BOOL recursive);
    virtual void Reset() {}
    // Enters the bar and the popup bars of its controls into the list of a controls
    // archive; popup bars get their ids there.
    virtual void GenerateCommandBarList(CUICommandBarList* list);
    // Gives the loaded popup controls the list's popup bars their ids name.
    virtual void RestoreCommandBarList(CUICommandBarList* list);
    void Serialize(CArchive& ar) override;

    int OnHookMessage(HWND hwnd, UINT message, WPARAM& wParam, LPARAM& lParam, LRESULT& result) override;
    // Holds a reference while a message is handled, so that a handler that makes the
    // collection let the bar go still runs on a live object.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const override;
    void OnFinalRelease() override;

    CUIControls* GetControls() const { return m_controls; }
    CUIControl* GetControl(int index) const;
    int GetControlCount() const;
    CString GetTitle() const { return m_title; }
    void SetTitle(LPCSTR title);
    BOOL SetOpenPopup(int index, BOOL keyboard);
    // The control whose mnemonic (or, failing that, first letter) is the character,
    // searched from after the selection; ambiguous tells that another one shares it.
    int FindAccel(char character, BOOL* ambiguous) const;
    CUICommandBars* GetCommandBars() const;
    void SetCommandBars(CUICommandBars* commandBars) { m_commandBars = commandBars; }
    CUICommandBar* GetRootParent() const;
    CWnd* GetSite() const;
    CWnd* GetOwnerSite() const;
    CFrameWnd* GetSiteFrame() const;
    CUICommandBarsTheme* GetPaintManager() const;
    void SetPaintManager(CUICommandBarsTheme* paintManager);
    BOOL IsCustomizeMode() const;
    void SetFocusedControl(CUIControl* control) { m_focusedControl = control; }
    void SetWidthLimit(int width) { m_widthLimit = width; }
    BOOL LoadMenu(CMenu* menu, BOOL removeAll);
    void OnUpdateCmdUI(CWnd* target, BOOL disableIfNoHandler);
    void UpdateDocTemplateControls();
    void SetStatusText(int state, CUIControl* control);
    void InvalidateParents();
    void EndTrackingMode() { SetTrackingMode(uiNotTracking, TRUE, FALSE); }
    void ClearSelection() { SetSelected(-1, FALSE); }
    // The mouse-move handling at a client point (also for moves the mouse hook sees
    // outside the bar while it tracks).
    void HandleMouseMove(CPoint point);

    // The drop side of a control's customize drag, at client points: whether the bar
    // takes the control (the drop mark then shows where), the mark taken away, and the
    // drop, which inserts a copy of the control at the mark (the result may become
    // uiDropCancel: dropped at its own place).
    virtual BOOL OnCustomizeDragEnter(CUIControl* control, CPoint point);
    virtual BOOL OnCustomizeDragOver(CUIControl* control, CPoint point);
    virtual void OnCustomizeDragLeave();
    virtual void OnCustomizeDrop(CUIControl* control, int* result, CPoint point, CPoint start);
    CRect GetDropIndicator() const { return m_dropIndicator; }
    // The drag context this bar registered with is going away.
    void ForgetDropContext() { m_dropContext = nullptr; }

    int GetSelectedIndex() const { return m_selected; }
    int GetOpenPopupIndex() const { return m_openPopup; }
    int GetTrackingMode() const { return m_trackingMode; }
    int GetPosition() const { return m_position; }
    void SetPosition(int position) { m_position = position; }
    int GetType() const { return m_barType; }
    BOOL IsHorizontal() const { return m_position == uiBarTop || m_position == uiBarBottom || m_position == uiBarFloating; }
    DWORD GetIdleFlags() const { return m_idleFlags; }
    UINT GetBarID() const { return m_barId; }
    void SetBarID(UINT id) { m_barId = id; }

    int m_widthLimit = 32767;
    HWND m_savedFocus = nullptr;
    BOOL m_visible = TRUE;
    CWnd* m_site = nullptr;
    DWORD m_idleFlags = 0;
    DWORD m_dockingFlags = 0;
    DWORD m_barStyle = 0;
    CWnd* m_commandOwner = nullptr;
    CSize m_buttonSize = CSize(0, 0);
    int m_textBelowIcons = 2;
    BOOL m_rightButtonChoice = FALSE;
    BOOL m_customizable = TRUE;
    BOOL m_ignoreButtonUp = FALSE;
    int* m_returnCommand = nullptr;
    BOOL m_listed = TRUE;
    BOOL m_trackingByMouse = FALSE;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnMouseMove(UINT flags, CPoint point);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    void OnNcMouseMove(UINT hitTest, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    UINT OnNcHitTest(CPoint point);
    void OnNcLButtonDown(UINT hitTest, CPoint point);

    BOOL IsHelpMode() const;
    BOOL IsOtherBarTracking() const;
    void HandleMnemonic(UINT key);
    // The insertion index for the dragged control at the point and its drop mark; -1
    // (and no mark) at the control's own place.
    int CalcDropIndicator(CUIControl* dragged, CPoint point, CRect* indicator) const;
    BOOL IsDropVertical() const;
    void DrawCustomizeMarks(CDC* dc);
    void DrawDropIndicator(CDC* dc);

    int m_selected = -1;
    int m_openPopup = -1;
    UINT m_barId = 0;
    int m_trackingMode = uiNotTracking;
    CString m_title;
    int m_barType = uiBarTypeToolBar;
    CUIControl* m_focusedControl = nullptr;
    CUIControls* m_controls = nullptr;
    int m_position = uiBarNone;
    CUICommandBars* m_commandBars = nullptr;
    CUICommandBarsTheme* m_paintManager = nullptr;
    CRect m_dropIndicator;
    CUIControlDragContext* m_dropContext = nullptr;

    DECLARE_MESSAGE_MAP()
};

// The command-state element of one control during the idle update.
class CUICommandBarUpdateUI : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override;
    void SetCheck(int check = 1) override;
    void SetText(LPCSTR text) override;

    CUICommandBar* m_bar = nullptr;

private:
    CUIControl* Control() const;
};
