#pragma once

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControlPopup.h"

#include <memory>

class CUIBarDragTracker;
class CUIDockBar;
struct CUIBarInfo;

// The options button (the chevron) at the end of a toolbar: it knows whether its bar
// hides buttons for lack of room and draws itself through the paint manager.
class CUIControlToolbarOptions : public CUIControlPopup {
public:
    CUIControlToolbarOptions();
    CSize GetSize(CDC* dc) override;
    void Draw(CDC* dc) override;
    void SetRect(CRect rect) override;
    // Opening fills a new popup with the buttons the bar's row hides (and the entry to
    // add or remove buttons).
    BOOL OnSetPopup(BOOL open) override;
    BOOL HasHiddenButtons() const { return m_hiddenButtons; }

private:
    int Kind() const;
    BOOL m_hiddenButtons = FALSE;
};

// The close button in a floating toolbar's caption: the theme draws its cross, and a
// click hides the toolbar.
class CUIControlToolbarClose : public CUIControlButton {
public:
    CUIControlToolbarClose();
    void Draw(CDC* dc) override;
    void OnExecute() override;
};

// The dockable toolbar: a bar of type toolbar whose buttons usually come from a
// toolbar resource. Docked in a dock bar it lays its buttons out in its row and hides
// those that do not fit behind the options button; floating it lives in an owned popup
// window with a caption and a close button.
class CUIToolBar : public CUICommandBar {
    DECLARE_SERIAL(CUIToolBar)

public:
    // Bar flags.
    static constexpr DWORD DockTop = 0x01, DockBottom = 0x02, DockLeft = 0x04, DockRight = 0x08, MayFloat = 0x10;
    static constexpr DWORD HideOverflow = 0x20, Stretch = 0x40;
    static constexpr int OptionsWidth = 11;

    CUIToolBar();
    ~CUIToolBar() override;

    BOOL LoadToolBar(UINT resourceId, BOOL loadImages) override;
    void SetVisible(BOOL visible) override;
    BOOL IsVisible() const override { return m_visible; }
    BOOL Create(int position) override;
    void DelayLayout() override;
    int OnKeyDown(UINT key) override;
    CSize CalcDynamicLayout(int length, DWORD mode) override;
    void Copy(CUICommandBar* source, BOOL recursive) override;
    // Asks, then puts back the loaded buttons.
    void Reset() override;
    void Serialize(CArchive& ar) override;
    virtual BOOL SetFloatingMode(CWnd* frame, BOOL floating);

    // The bar's place as the profile keeps it, and back.
    void GetBarInfo(CUIBarInfo* info) const;
    void SetBarInfo(const CUIBarInfo& info);
    // Sets the bar flags; the bar gets its drag tracker (it can be dragged).
    void EnableDocking(DWORD flags);
    BOOL IsDockingEnabled() const { return m_dragTracker != nullptr; }
    // Null for a bar that cannot be dragged (a toolbar in a dialog).
    CUIBarDragTracker* GetDragTracker() const { return m_dragTracker.get(); }
    void SetButtons(const UINT* ids, int count);
    void SetPreviewMode(BOOL preview);
    // The size in a dock bar row of the length; with the commit mode bit the controls
    // are placed, which is the layout a control change waits for at idle time.
    CSize CalcDockedLayout(int length, DWORD mode, int thickness);
    CSize GetButtonSize() const;
    // One check entry per button (hidden ones unchecked, removed ones back hidden at
    // their loaded place) and the reset entry.
    void BuildButtonsMenu(CUICommandBar* menu);
    int GetTextBelowIcons() const { return m_textBelowIcons; }
    // The first control at or after start with the control's id and type; -1 when none.
    static int FindControlFrom(CUIControls* controls, CUIControl* control, int start);

    CUIDockBar* m_dockBar = nullptr;
    BOOL m_resettable = TRUE;
    BOOL m_temporary = FALSE;

protected:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam);
    LRESULT OnFloatStatus(WPARAM flags, LPARAM);
    int OnMouseActivate(CWnd* desktop, UINT hitTest, UINT message);
    BOOL OnNcCreate(LPCREATESTRUCT cs);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    UINT OnNcHitTest(CPoint point);
    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnSetFocus(CWnd* previous);
    BOOL OnNcActivate(BOOL active);
    void OnClose() {}  // Alt+F4 does not close a floating toolbar

    CRect GetLayoutBorders(CDC* dc, BOOL docked);
    CSize ArrangeDocked(int length, DWORD mode, int thickness);
    CUIControl* GetSpecialControl(UINT id, BOOL create);
    BOOL AnyControlHidesForRoom() const;

    std::unique_ptr<CUIBarDragTracker> m_dragTracker;
    BOOL m_visibleBeforePreview = FALSE;

    DECLARE_MESSAGE_MAP()
};
