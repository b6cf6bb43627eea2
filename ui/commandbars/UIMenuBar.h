#pragma once

#include "ui/commandbars/UIToolBar.h"

// A button at the menu bar's end for a maximised MDI child: minimise, restore or close,
// drawn as a Marlett glyph; a click posts the system command to the child.
class CUIControlMDIButton : public CUIControlButton {
public:
    CUIControlMDIButton(UINT systemCommand, LPCSTR glyph);
    CSize GetSize(CDC*) override { return CSize(16, 16); }
    void Draw(CDC* dc) override;
    void OnExecute() override;
    void SetBeginGroup(BOOL) override {}

private:
    UINT m_systemCommand;
};

// The frame's menu bar: a toolbar of bar type menu bar built from a menu resource. It
// takes the frame's own menu away, follows the menus of the MDI frame's document types,
// shows buttons for a maximised child at its end and enters menu mode on Alt or F10.
class CUIMenuBar : public CUIToolBar {
    DECLARE_SERIAL(CUIMenuBar)

public:
    static const UINT_PTR RefreshTimerId = 12223;
    static const UINT MinimizeId = 9405, RestoreId = 9404, CloseId = 9403;
    // Bar flags of the menu bar.
    static constexpr DWORD NoMinimize = 0x100, NoRestore = 0x200, NoMdiMenus = 0x400, NoClose = 0x1000;

    CUIMenuBar() { m_barType = uiBarTypeMenuBar; }
    ~CUIMenuBar() override;

    // Loads the menu, hooks the site frame (and its MDI client) and removes the frame's
    // own menu; FALSE when the menu cannot be loaded.
    BOOL LoadMenuBar(UINT menuId);
    // Shows the menu that belongs to the active document.
    void SwitchMenu(HMENU menu);
    CWnd* GetActiveMdiChild(BOOL* maximized) const;
    void RefreshMdiChild();
    int OnHookMessage(HWND hwnd, UINT message, WPARAM& wParam, LPARAM& lParam, LRESULT& result) override;
    UINT GetCurrentMenuId() const { return m_currentMenuId; }
    void Serialize(CArchive& ar) override;

protected:
    void OnTimer(UINT_PTR id);

private:
    void UpdateMdiButtons();
    void HookWindow(HWND window);

    BOOL m_mdiSite = FALSE;
    HWND m_hookedChild = nullptr;
    HMENU m_frameMenu = nullptr;
    UINT m_defaultMenuId = 0;
    UINT m_currentMenuId = 0;
    std::vector<HWND> m_hooked;

    DECLARE_MESSAGE_MAP()
};
