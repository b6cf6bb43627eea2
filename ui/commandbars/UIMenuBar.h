#pragma once

#include "ui/commandbars/UIToolBar.h"

#include <map>

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

// The maximised MDI child's system menu at the menu bar's start: its small icon opens a
// popup built from the child's system menu.
class CUIControlMDISysMenuPopup : public CUIControlPopup {
public:
    CUIControlMDISysMenuPopup();
    ~CUIControlMDISysMenuPopup() override;
    CSize GetSize(CDC*) override { return CSize(16, 16); }
    void Draw(CDC* dc) override;
    void AdjustExcludeRect(CRect& rect) override { rect.InflateRect(1, 1); }
    // Takes the child's icon and fills the popup with the system menu's entries.
    void Build(CWnd* child, HMENU systemMenu);
    HMENU GetSystemMenu() const { return m_systemMenu; }

private:
    HMENU m_systemMenu = nullptr;
    HICON m_icon = nullptr;
};

// The frame's menu bar: a toolbar of bar type menu bar built from a menu resource. It
// takes the frame's own menu away, follows the menus of the MDI frame's document types,
// shows buttons for a maximised child at its end and enters menu mode on Alt or F10.
class CUIMenuBar : public CUIToolBar {
    DECLARE_SERIAL(CUIMenuBar)

public:
    static const UINT_PTR RefreshTimerId = 12223;
    static constexpr UINT MinimizeId = 9405, RestoreId = 9404, CloseId = 9403, SystemMenuId = 9406;
    // Bar flags of the menu bar.
    static constexpr DWORD NoMinimize = 0x100, NoRestore = 0x200, NoMdiMenus = 0x400, NoClose = 0x1000;
    static constexpr DWORD ShowSystemMenu = 0x2000;

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
    void Copy(CUICommandBar* source, BOOL recursive) override;
    // Asks, then rebuilds the bar from its current menu (or its loaded controls).
    void Reset() override;
    // Before the controls are saved: back to the default menu; unchanged menu sets go.
    void PrepareForSave();
    BOOL AreMenusSaved() const { return m_menusSaved; }
    // The controls kept for the menu of another document type; null when none.
    CUIControls* GetMenuControls(UINT menuId) const;
    // The text of a menu item ("" without one); its length.
    static int GetMenuItemText(CMenu* menu, UINT position, CString& text, UINT flags);
    void Serialize(CArchive& ar) override;

protected:
    void OnTimer(UINT_PTR id);

private:
    void UpdateMdiButtons();
    void UpdateSystemMenu(CWnd* child, BOOL maximized);
    void HookWindow(HWND window);
    // Puts the controls in and gives back the ones the bar had (with their reference).
    CUIControls* SwapControls(CUIControls* controls);
    void ReleaseMenuSets();

    BOOL m_mdiSite = FALSE;
    HWND m_hookedChild = nullptr;
    HMENU m_frameMenu = nullptr;
    UINT m_defaultMenuId = 0;
    UINT m_currentMenuId = 0;
    std::vector<HWND> m_hooked;
    BOOL m_menusSaved = FALSE;
    std::map<UINT, CUIControls*> m_menuSets;

    DECLARE_MESSAGE_MAP()
};
