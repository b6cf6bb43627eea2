#pragma once

#include "ui/commandbars/UICommandBarsOptions.h"

#include "platform/CCmdTarget.h"
#include "platform/CString.h"

#include <vector>

class CFrameWnd;
class CMenu;
class CWnd;
class CUICommandBar;
class CUICommandBarsTheme;
class CUIControl;
class CUIControlDragContext;
class CArchive;
class CFile;
class CUICommandBarList;
class CUIDockBar;
class CUIDockState;
class CUIPopupBar;
class CUIToolBar;

// All command bars of one frame: binds them to the frame (the site), owns their
// options, chooses their paint manager, routes the frame's keys and window messages
// into them, shows context menus, keeps the record of used commands, and stores the
// options in the profile.
class CUICommandBars : public CCmdTarget {
    DECLARE_DYNCREATE(CUICommandBars)

public:
    static const UINT CustomizeCommandId = 35001;
    // Flags of TrackPopupBar and TrackContextMenu.
    static const UINT ReturnCommand = 0x100;
    static const UINT RightButtonChooses = 0x002;

    CUICommandBars();
    ~CUICommandBars() override;

    virtual BOOL IsCommandHidden(UINT id) const;
    virtual UINT GetActiveMenuId() const;
    // The toolbars menu at a screen point (not in customize mode); returns when it closes.
    virtual void ContextMenu(int x, int y);
    // The toolbars menu with one reference for the caller; null while there is none.
    virtual CUIPopupBar* CreateToolbarsMenu();
    // Copies into the popup the controls that the toolbar's dock row hides for lack of room.
    virtual void GetHiddenControls(CUIToolBar* toolBar, CUICommandBar* popup);
    // One buttons entry per bar of the toolbar's row, then the customize button when the
    // bars are customizable (TRUE then).
    virtual BOOL CreateAddRemovePopup(CUIToolBar* toolBar, CUICommandBar* popup);

    void SetFrameSite(CFrameWnd* frame);
    CFrameWnd* GetSite() const { return m_site; }
    // The menu bar (bar id 1, at the top) holding the menu resource; null on failure.
    CUICommandBar* CreateMenuBar(LPCSTR caption, UINT menuId);
    // A toolbar of the runtime class placed at the position; null on failure.
    CUICommandBar* AddToolBar(LPCSTR caption, int position, CRuntimeClass* toolBarClass);
    // A toolbar made at run time (tear-off, customize); null on failure.
    CUICommandBar* CreateToolBar(LPCSTR caption, UINT barId, BOOL tearOff);
    void RecalcFrameLayout(BOOL delay = FALSE);
    // The four dock bars along the site frame's edges.
    void EnableDockingBars();
    CUIDockBar* GetDockBar(int position) const;
    // Makes the toolbar a child window of the frame and puts it into the dock bar at
    // the screen rectangle (or into a new last row); FALSE when its window cannot be made.
    BOOL DockCommandBar(CUIToolBar* bar, LPCRECT rect, CUIDockBar* dockBar);
    BOOL DockCommandBarTo(CUIToolBar* bar, int position);
    // Gives the toolbar its floating window and takes it out of its dock bar.
    BOOL FloatCommandBar(CUIToolBar* bar);
    // The dock bar within reach of the screen point: the current one first, then top,
    // bottom, left, right; null when none.
    CUIDockBar* CanDock(CPoint point, CUIDockBar* current) const;
    // The popup entry of a bar's buttons menu.
    void AddBarButtonsEntry(CUICommandBar* popup, CUIToolBar* bar);
    void RedrawCommandBars();
    BOOL PreTranslateFrameMessage(MSG* msg);
    BOOL OnFrameWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    int GetCount() const { return static_cast<int>(m_bars.size()); }
    CUICommandBar* GetAt(int index) const;
    CUICommandBar* GetToolBar(UINT barId) const;
    CUICommandBar* GetMenuBar() const { return m_menuBar; }
    // Unlists the bar and lets its window go; the bar lives until the message being
    // handled (possibly the bar's own) has returned.
    void Remove(CUICommandBar* bar);
    void ToggleVisible(int index);

    CUICommandBarsTheme* GetPaintManager() const;
    void SetPaintManager(CUICommandBarsTheme* paintManager);
    CUICommandBarsOptions* GetCommandBarsOptions() const { return m_options; }
    BOOL IsCustomizeMode() const { return m_customizeMode; }
    // Turned on and off by the customize window while it is open.
    void SetCustomizeMode(BOOL on);
    CUIControlDragContext* GetDragContext() const { return m_dragContext; }
    // The control selected in customize mode (one reference held); the customize window,
    // or the frame without one, is told of every setting.
    void SetDragControl(CUIControl* control);
    CUIControl* GetDragControl() const { return m_dragControl; }
    BOOL IsCustomizable() const { return m_customizable; }
    void SetCommandUsed(UINT id);
    UINT GetDefaultMenuId() const { return m_defaultMenuId; }

    void StoreOptions(LPCSTR profileName) { m_options->Store(profileName); }
    void RestoreOptions(LPCSTR profileName) { m_options->Restore(profileName); }

    // The places of the toolbars (and, for a customizable frame, their controls) in
    // the profile under the name. Restoring with silent asks no question.
    void StoreBarsState(LPCSTR profileName);
    void RestoreBarsState(LPCSTR profileName, BOOL silent = FALSE);
    // The file that keeps controls too large for the profile: "<program path>-<name>".
    static void GetHiddenFileName(CString* path, LPCSTR profileName);
    // Archives larger than this go into the hidden file instead of the profile.
    static const UINT MaxProfileControlsSize = 16000;

    // The controls archive: the count of bars, then each bar as an archived object.
    // Loading ends with FALSE (and the list as far as it got) on any archive error.
    void SaveCustomization(CArchive& ar, CUICommandBarList* list);
    BOOL LoadCustomization(CArchive& ar, CUICommandBarList* list);
    // The bars whose controls differ from the built-in set, with their popup bars.
    void GenerateCommandBarList(CUICommandBarList* list);
    // Brings the loaded toolbars into the collection (new ones are added).
    void ApplyCustomization(CUICommandBarList* list, BOOL silent);

    // Opens the popup bar at the point and runs the tracking loop until it closes.
    // With ReturnCommand the chosen id is returned and nothing is sent; otherwise 1.
    // 0 when the popup does not open.
    int TrackPopupBar(CUICommandBar* popupBar, UINT flags, int x, int y, CWnd* site, LPCRECT exclude = nullptr,
                      CWnd* owner = nullptr);
    int TrackContextMenu(CMenu* menu, UINT flags, int x, int y, CWnd* site, LPCRECT exclude = nullptr,
                         CWnd* owner = nullptr);
    // The thread's messages while the popup tracks; a quit request stays queued.
    static void PumpTrackingMessages(CUICommandBar* popupBar);

protected:
    BOOL m_customizeMode = FALSE;
    BOOL m_customizable = FALSE;

private:
    BOOL OfferMnemonicToMenuBar(const MSG* msg);
    void EndTrackingFor(UINT message, WPARAM wParam);
    void KeepAboveSite(CUICommandBar* bar) const;
    void AppendBar(CUICommandBar* bar);
    static void EnableDockingOf(CUICommandBar* bar, DWORD flags);
    void GetDockState(CUIDockState* state) const;
    void SetDockState(const CUIDockState& state);
    void SaveDockBars(LPCSTR profileName) const;
    void LoadDockBars(LPCSTR profileName);
    void StoreCustomization(LPCSTR profileName);
    void RestoreCustomization(LPCSTR profileName, BOOL silent);
    void RestoreCustomizationFrom(CFile* file, BOOL silent);

    CUICommandBarsTheme* m_paintManager = nullptr;
    UINT m_defaultMenuId = 0;
    BOOL m_layoutLock = FALSE;
    CUICommandBarsOptions* m_options;
    CUIControlDragContext* m_dragContext;
    CUIControl* m_dragControl = nullptr;
    std::vector<CUICommandBar*> m_bars;
    CFrameWnd* m_site = nullptr;
    CUICommandBar* m_menuBar = nullptr;
    CUIDockBar* m_dockBars[4] = {};
};
