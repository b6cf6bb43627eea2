#pragma once

#include <map>
#include <vector>

#include "platform/CRect.h"
#include "platform/CWnd.h"
#include "ui/docking/UIDockingPaneNotify.h"

class CFrameWnd;
class CUIDockingPaneHostWnd;
class CUIDockingPaneLayoutState;
class CUIDockingPaneTheme;

// What an element is; the number is also the "Type" of a saved layout.
enum DockingPaneKind {
    DockingPaneKindPane = 0,
    DockingPaneKindTabbed = 1,
    DockingPaneKindSplit = 2,
    DockingPaneKindFloating = 3,
    DockingPaneKindClient = 4,
    DockingPaneKindAutoHide = 5,
};

class CUIDockingPaneBase;
using CUIDockingPaneList = std::vector<CUIDockingPaneBase*>;
// Pairs each copied element with its copy.
using CUIDockingPaneCloneMap = std::map<CUIDockingPaneBase*, CUIDockingPaneBase*>;
// A saved layout's element numbers and the elements a loader made for them.
using CUIDockingPaneNumberMap = std::map<int, CUIDockingPaneBase*>;

// Clone flags: take only the panes that may be auto-hidden.
const unsigned DockingCloneAutoHide = PaneOptionNoAutoHide;

// Everything a layout arranges is an element: panes, the containers that hold them,
// floating frames, auto-hide panels and the placeholder of the document area (this
// class itself, kind 4). Elements form a tree through their holders; the layout's
// element list owns them all. rect is in the client coordinates of the element's
// frame; cx and cy are the size it asks for inside a split container.
class CUIDockingPaneBase {
public:
    CUIDockingPaneBase(int kind, CUIDockingPaneLayoutState* layout);
    virtual ~CUIDockingPaneBase() = default;
    CUIDockingPaneBase(const CUIDockingPaneBase&) = delete;
    CUIDockingPaneBase& operator=(const CUIDockingPaneBase&) = delete;

    // Takes rect inside parent's client area; the placeholder hands it on to the
    // document area through params (null or without deferral handle: a query pass).
    virtual void OnSizeParent(CFrameWnd* parent, CRect rect, AFX_SIZEPARENTPARAMS* params);
    virtual void OnFocusChanged() {}
    // Nonzero when element is this one or lies inside it (containers answer the
    // position of the child that holds it, counted from 1).
    virtual int ContainsPane(const CUIDockingPaneBase* element) const { return element == this; }
    virtual void SetParentFrame(CFrameWnd* frame) { m_frame = frame; }
    virtual void SetParentContainer(CUIDockingPaneBase* container) { m_holder = container; }
    virtual void OnChildContainerChanged(CUIDockingPaneBase* child) {}
    virtual void OnParentContainerChanged(CUIDockingPaneBase* container) {}
    virtual void SaveToRegistry(CUIDockingPaneLayoutState* layout);
    virtual BOOL LoadFromRegistry(CUIDockingPaneLayoutState* layout, const CUIDockingPaneNumberMap& numbers);
    // A copy in layout (entered in map); without a map a container moves its contents
    // into the new element instead, leaving itself empty.
    virtual CUIDockingPaneBase* Clone(CUIDockingPaneLayoutState* layout, CUIDockingPaneCloneMap* map,
                                      unsigned flags);
    virtual void RemovePane(CUIDockingPaneBase* child) {}
    // Appends the elements of the kind, stopping at the first one on each branch.
    virtual void FindPanes(int kind, CUIDockingPaneList& list);
    virtual BOOL IsEmpty() const;

    int GetKind() const { return m_kind; }
    CRect GetScreenRect() const;
    CUIDockingPaneHostWnd* GetManager() const;
    CUIDockingPaneTheme* GetTheme() const;
    CUIDockingPaneLayoutState* GetLayout() const { return m_layout; }
    CUIDockingPaneBase* GetHolder() const { return m_holder; }
    CFrameWnd* GetFrame() const { return m_frame; }
    // Asks the element's frame for a layout at the next idle pass.
    void DelayFrameLayout() const;

    CRect m_rect;
    int m_cx = 0;
    int m_cy = 0;
    int m_number = 0;  // in a saved layout

protected:
    // The part of the values every kind writes and reads.
    void SaveCommonValues(CUIDockingPaneLayoutState* layout);
    void LoadCommonValues(CUIDockingPaneLayoutState* layout);
    void CopySizeFrom(const CUIDockingPaneBase* other) { m_cx = other->m_cx; m_cy = other->m_cy; }

    const int m_kind;
    CUIDockingPaneLayoutState* m_layout;
    CUIDockingPaneBase* m_holder = nullptr;
    CFrameWnd* m_frame = nullptr;
};

// The section of a saved element: "Pane-" and its number.
CString DockingPaneSection(int number);
