#pragma once

#include <vector>

#include "platform/CWnd.h"
#include "ui/commandbars/UIControlLists.h"
#include "ui/commandbars/UIFrameTemplate.h"
#include "ui/docking/tabs/UITabWorkspace.h"

class CCmdUI;
class CMDIFrameWnd;
class CUICommandBars;
class CUITabTheme;

// What the tabbed MDI client asks of MDI child frames (an answer of 0 uses the
// fallback) and tells the frame about presses on the document tabs.
enum TabClientMessage : UINT {
    TabGetIconNotify = WM_USER + 131,
    TabWorkspaceMouseNotify = WM_USER + 132,
    TabGetCaptionNotify = WM_USER + 133,
    TabGetColorNotify = WM_USER + 134,
    TabGetTooltipNotify = WM_USER + 135,
};

// Where a dragged tab would go when dropped (tab groups).
enum TabDropAction { TabDropNone = 0, TabDropMenu = 1, TabDropIntoGroup = 2, TabDropNewBelow = 3, TabDropNewRight = 4 };

// Turns the MDI client of a frame into a tabbed document area: one tab per visible MDI
// child, kept in step with the children, in a strip along the top or bottom of the
// document area (or, with tab groups, several strips the client draws itself). It
// subclasses the frame's existing MDI client window.
class CUITabClientWnd : public CWnd, public CUITabThemeClient, public CUIWorkspaceGroupCommands {
public:
    CUITabClientWnd();
    ~CUITabClientWnd() override;

    virtual void UpdateTheme();
    virtual CString GetItemText(HWND child) const;
    virtual COLORREF UpdateItemColor(CUITabStripItem* item) const;
    virtual CUITabWorkspace* AddWorkspace(int index);
    virtual CUICommandBars* GetCommandBars() const;

    BOOL AttachToMDIFrame(CMDIFrameWnd* frame, BOOL groupsEnabled);
    BOOL DetachFromMDIFrame();
    void ShowTabs(BOOL show);
    void Refresh(BOOL recalcLayout);
    void UpdateTabs();
    CUITabStripItem* HitTestTab(CPoint point) const;
    void TabPointToScreen(CPoint& point) const;
    void TabPointToClient(CPoint& point) const;
    CUITabTheme* GetPaintManager() const { return m_paintManager; }
    void SetFlags(int flags);
    void Reposition() override;

    CMDIFrameWnd* GetFrame() const { return m_frame; }
    int GetWorkspaceCount() const { return static_cast<int>(m_workspaces.size()); }
    // None outside 0..count-1.
    CUITabWorkspace* GetWorkspace(int index) const;
    int FindWorkspaceIndex(const CUITabWorkspace* workspace) const;
    CUITabWorkspace* GetActiveWorkspace() const { return m_activeWorkspace; }
    void SetActiveWorkspace(CUITabWorkspace* workspace);
    CUITabStripItem* FindItem(HWND child) const;
    void MDIActivate(HWND child) const;
    BOOL IsLocked() const { return m_locked; }
    void Lock(BOOL locked) { m_locked = locked; }
    void SetLayoutDirty() { m_layoutDirty = TRUE; }
    void SetBusy(BOOL busy) { m_busy = busy; }
    BOOL IsGroupsEnabled() const { return m_groupsEnabled; }
    BOOL IsStacked() const { return m_stacked; }
    BOOL IsTabsShown() const { return m_tabsShown; }
    int GetFlags() const { return m_flags; }
    BOOL allowReorder = TRUE;
    BOOL followTheme = TRUE;
    BOOL toolTips = FALSE;

    // Tab groups.
    BOOL QueryGroupCommand(UINT id, CUITabStripItem** item) const;
    BOOL QueryGroupCommand(UINT id) override { return QueryGroupCommand(id, nullptr); }
    void OnGroupCommand(UINT id);
    void MoveItemToGroup(CUITabStripItem* item, CUITabWorkspace* target, int action);
    void TrackDrop(CPoint point, CUITabStripItem* item);
    void BeginDropFeedback();
    void EndDropFeedback();
    void DrawDropFrame(BOOL remove);
    // The menu of a tab dropped over no group zone, at a client point: the group
    // commands that apply and Cancel; the choice goes to the frame as a command.
    virtual void ShowWorkspaceActionsPopup(CPoint point);
    int GetDropAction() const { return m_dropAction; }
    CUITabWorkspace* GetDropTarget() const { return m_dropTarget; }
    const CRect& GetDropRect() const { return m_dropRect; }

    void CalcWindowRect(LPRECT clientRect, UINT adjustType = adjustBorder) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CUITabStripItem* AddTab(HWND child);
    void ApplyTheme(int index);
    void RemoveEmptyWorkspaces();
    void LayOutSingleStrip(CRect& rect);
    void LayOutGroups(CRect rect);
    void Paint(CDC* target);
    void PaintGroups(CDC* dc, const CRect& client);
    HWND GetActiveChild() const;
    void RecalcFrameLayout() const;
    void HandleGroupPress(CPoint point);
    void TrackSplitter(int index, CPoint point);
    BOOL SetGroupCursor();
    void HotTrackGroups(CPoint point);
    LRESULT HandleGroupMessage(UINT message, WPARAM wParam, LPARAM lParam, BOOL* handled);
    void StripNewChildFrame(HWND child);

    std::vector<CUITabWorkspace*> m_workspaces;
    CMDIFrameWnd* m_frame = nullptr;
    BOOL m_layoutDirty = FALSE;
    BOOL m_locked = FALSE;
    BOOL m_busy = FALSE;
    BOOL m_refreshing = FALSE;
    CUITabTheme* m_paintManager;
    int m_appliedTheme = 1;
    CUITabWorkspace* m_activeWorkspace = nullptr;
    BOOL m_stacked = TRUE;
    HCURSOR m_cursors[4] = {};
    BOOL m_groupsEnabled = FALSE;
    int m_flags = 0;
    BOOL m_tabsShown = TRUE;

    // The drop frame of a tab dragged out of its strip (tab groups).
    CRect m_dropRect;
    CRect m_lastDropRect;
    CSize m_lastDropSize;
    HDC m_desktopDC = nullptr;
    BOOL m_desktopLocked = FALSE;
    CUITabWorkspace* m_dropTarget = nullptr;
    int m_dropAction = TabDropNone;
};
