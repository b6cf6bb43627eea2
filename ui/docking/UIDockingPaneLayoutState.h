#pragma once

#include <vector>

#include "platform/CString.h"
#include "ui/docking/UIDockingPaneBase.h"

class CUIDockingPaneAutoHideStrip;
class CUIDockingPaneItem;
class CUIDockingPaneSplitContainer;

// A pane's record in its layout: the tabbed containers it last lived in inside a
// floating frame, inside the main frame's tree, and the last of the two.
struct DockingPaneInfo {
    CUIDockingPaneItem* pane = nullptr;
    CUIDockingPaneBase* floatingHolder = nullptr;
    CUIDockingPaneBase* dockingHolder = nullptr;
    CUIDockingPaneBase* lastHolder = nullptr;
};
using DockingPaneInfoList = std::vector<DockingPaneInfo>;

// One whole arrangement of docking panes: every element (owned, in construction
// order), the tree under the top split container around the document area's
// placeholder, the pane records and the four auto-hide panels. The manager owns the
// live one; a windowless copy is what gets saved under
// "DockingPaneLayouts\<name>" of the application's registry key.
class CUIDockingPaneLayoutState {
public:
    explicit CUIDockingPaneLayoutState(CUIDockingPaneHostWnd* manager);
    ~CUIDockingPaneLayoutState();
    CUIDockingPaneLayoutState(const CUIDockingPaneLayoutState&) = delete;
    CUIDockingPaneLayoutState& operator=(const CUIDockingPaneLayoutState&) = delete;

    // Releases the panes and deletes every other element, last first.
    void Clear();
    void CopyFrom(CUIDockingPaneLayoutState* source);
    void SaveToRegistry(LPCSTR name);
    // Auto-hide panels, then the placeholder, then the tree; params->rect ends as the
    // document area.
    void RepositionPanes(CFrameWnd* frame, CRect rect, AFX_SIZEPARENTPARAMS* params);
    void AutoHideElement(CUIDockingPaneBase* element);
    DockingDirection GetAutoHideSide(CUIDockingPaneBase* element) const;
    DockingPaneInfo* FindPaneInfo(const CUIDockingPaneItem* pane);

    // One value in a section ("Summary", "Pane-%d") of the open layout key.
    BOOL WriteInt(LPCSTR section, LPCSTR name, int value);
    BOOL WriteString(LPCSTR section, LPCSTR name, LPCSTR value);
    int ReadInt(LPCSTR section, LPCSTR name, int defaultValue);
    CString ReadString(LPCSTR section, LPCSTR name, LPCSTR defaultValue);
    // Reading a saved layout back: the layout key to read from (not owned).
    void SetKey(HKEY key) { m_key = key; }

    // Elements report their construction here.
    void AddElement(CUIDockingPaneBase* element) { m_elements.push_back(element); }
    CUIDockingPaneAutoHideStrip* GetPanel(int side) const { return m_panels[side]; }
    void SetPanel(int side, CUIDockingPaneAutoHideStrip* panel) { m_panels[side] = panel; }

    CUIDockingPaneSplitContainer* m_top = nullptr;
    CUIDockingPaneBase* m_client = nullptr;
    DockingPaneInfoList m_panes;
    CUIDockingPaneList m_elements;
    CUIDockingPaneHostWnd* m_manager;
    BOOL m_windowless = TRUE;

private:
    void PurgeElements();
    void DeleteOldLayout();
    static void DestroyElement(CUIDockingPaneBase* element);

    CUIDockingPaneAutoHideStrip* m_panels[4] = {};
    HKEY m_key = nullptr;
};
