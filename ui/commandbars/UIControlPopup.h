#pragma once

#include "ui/commandbars/UIControl.h"

// A control that opens a popup bar: a menu-bar title, a submenu entry, a toolbar
// button with a drop-down menu, or a split button whose arrow part opens the popup
// while its main part runs the command.
class CUIControlPopup : public CUIControl {
    DECLARE_SERIAL(CUIControlPopup)

public:
    // Width of a split button's arrow part.
    static const int ToolBarArrowWidth = 11;
    static const int PopupBarArrowWidth = 20;

    CUIControlPopup() { m_type = uiControlPopup; }
    ~CUIControlPopup() override;

    BOOL IsEqual(CUIControl* other) const override;
    CUICommandBar* GetCommandBar() const override { return m_popupBar; }
    void Copy(CUIControl* source, BOOL recursive) override;
    BOOL OnSetPopup(BOOL open) override;
    void OnClick(BOOL keyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint point) override;
    BOOL OnLButtonDblClk(CPoint point) override;
    void OnMouseHover() override;
    BOOL OnSetSelected(int state) override;
    CUIControl* Clone(BOOL recursive) override;
    void OnCustomizeDragOver(CUIControl* dragged, CPoint point) override;

    // Holds the bar with one reference; the previous one is released.
    void SetCommandBar(CUICommandBar* bar);
    BOOL IsPopupOpen() const { return m_popupOpen; }
    // TRUE when the other's popup bar is this one's or lies in this one's popup chain
    // (or the reverse).
    BOOL IsContainPopup(const CUIControlPopup* other) const;
    // An open popup menu (type 2) shows its hidden commands.
    void OnExpandBar();
    // A drop shadow under a menu-bar title or toolbar button whose popup is open.
    virtual void UpdateShadow();
    // The screen area the opened popup must leave free, from the control's rectangle.
    virtual void AdjustExcludeRect(CRect& rect);
    static CUIControlPopup* CreateWithType(int type);
    void Serialize(CArchive& ar) override;

    // The bar id of the popup bar a loaded control waits for until the archive's bar
    // list is restored; 0 when none.
    UINT m_loadedBarId = 0;

protected:
    BOOL m_popupOpen = FALSE;

private:
    BOOL IsOnPopupBar() const;
    BOOL InArrowPart(CPoint point, int arrowWidth) const;

    CUICommandBar* m_popupBar = nullptr;
};
