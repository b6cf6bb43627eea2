#pragma once

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControlPopup.h"

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
    BOOL HasHiddenButtons() const { return m_hiddenButtons; }

private:
    int Kind() const;
    BOOL m_hiddenButtons = FALSE;
};

// The dockable toolbar: a bar of type toolbar whose buttons usually come from a
// toolbar resource. Docked in a dock bar it lays its buttons out in its row and hides
// those that do not fit behind the options button; floating it lives in an owned popup
// window with a caption and a close button.
class CUIToolBar : public CUICommandBar {
    DECLARE_DYNCREATE(CUIToolBar)

public:
    // Bar flags.
    static constexpr DWORD DockTop = 0x01, DockBottom = 0x02, DockLeft = 0x04, DockRight = 0x08, MayFloat = 0x10;
    static constexpr DWORD HideOverflow = 0x20, Stretch = 0x40;
    static constexpr int OptionsWidth = 11;

    CUIToolBar();

    BOOL LoadToolBar(UINT resourceId, BOOL loadImages) override;
    void SetVisible(BOOL visible) override;
    BOOL IsVisible() const override { return m_visible; }
    BOOL Create(int position) override;
    void DelayLayout() override;
    int OnKeyDown(UINT key) override;
    CSize CalcDynamicLayout(int length, DWORD mode) override;
    void Copy(CUICommandBar* source, BOOL recursive) override;
    virtual BOOL SetFloatingMode(CWnd* frame, BOOL floating);

    // The bar's place as the profile keeps it, and back.
    void GetBarInfo(CUIBarInfo* info) const;
    void SetBarInfo(const CUIBarInfo& info);
    // Sets the bar flags; docking (dragging) becomes possible.
    void EnableDocking(DWORD flags);
    BOOL IsDockingEnabled() const { return m_dockingEnabled; }
    void SetButtons(const UINT* ids, int count);
    void SetPreviewMode(BOOL preview);
    // The size in a dock bar row of the length; with the commit mode bit the controls
    // are placed.
    CSize CalcDockedLayout(int length, DWORD mode, int thickness);
    CSize GetButtonSize() const;
    int GetTextBelowIcons() const { return m_textBelowIcons; }
    // The first control at or after start with the control's id and type; -1 when none.
    static int FindControlFrom(CUIControls* controls, CUIControl* control, int start);

    CUIDockBar* m_dockBar = nullptr;
    BOOL m_resettable = TRUE;
    BOOL m_temporary = FALSE;
    CPoint m_floatingPosition = CPoint(100, 100);
    // The last place in a dock bar: its position and the rectangle in its client area.
    int m_mruDockPosition = uiBarTop;
    CRect m_mruDockRect;

protected:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam);
    LRESULT OnFloatStatus(WPARAM flags, LPARAM);
    int OnMouseActivate(CWnd* desktop, UINT hitTest, UINT message);
    BOOL OnNcActivate(BOOL active);
    void OnClose() {}  // Alt+F4 does not close a floating toolbar

    CRect GetLayoutBorders(CDC* dc, BOOL docked);
    CUIControl* GetSpecialControl(UINT id, BOOL create);
    BOOL AnyControlHidesForRoom() const;

    BOOL m_dockingEnabled = FALSE;
    BOOL m_visibleBeforePreview = FALSE;

    DECLARE_MESSAGE_MAP()
};
