#pragma once

#include "ui/docking/UIDockingPaneBase.h"

class CUIDockingPaneSplitterWnd;

// Places its children side by side (horizontal) or stacked, sharing its rectangle in
// proportion to their cx (or cy), with a 4-pixel splitter window between neighbours
// that show something. The branch holding the document area's placeholder takes the
// space the others leave. Children are elements of the layout, not owned here.
class CUIDockingPaneSplitContainer : public CUIDockingPaneBase {
public:
    static const int SplitterSize = 4;

    // first may be null (copies and loaders add their children afterwards).
    CUIDockingPaneSplitContainer(CUIDockingPaneBase* first, BOOL horizontal, CFrameWnd* frame,
                                 CUIDockingPaneLayoutState* layout);
    ~CUIDockingPaneSplitContainer() override;

    // Before or after reference; without reference (or when it is no child) at the
    // start or the end.
    void AddChild(CUIDockingPaneBase* element, CUIDockingPaneBase* reference = nullptr, BOOL after = TRUE);
    void ReplaceChild(CUIDockingPaneBase* oldChild, CUIDockingPaneBase* newElement);
    void RebuildSplitters();
    BOOL IsChildBefore(const CUIDockingPaneBase* child, int position) const;

    BOOL IsHorizontal() const { return m_horizontal; }
    void SetHorizontal(BOOL horizontal) { m_horizontal = horizontal; }
    const CUIDockingPaneList& GetChildren() const { return m_children; }
    int GetSplitterCount() const { return static_cast<int>(m_splitters.size()); }
    CUIDockingPaneSplitterWnd* GetSplitter(int index) const { return m_splitters[index]; }

    void OnSizeParent(CFrameWnd* parent, CRect rect, AFX_SIZEPARENTPARAMS* params) override;
    int ContainsPane(const CUIDockingPaneBase* element) const override;
    void OnChildContainerChanged(CUIDockingPaneBase* child) override;
    void OnParentContainerChanged(CUIDockingPaneBase* container) override;
    void SaveToRegistry(CUIDockingPaneLayoutState* layout) override;
    BOOL LoadFromRegistry(CUIDockingPaneLayoutState* layout, const CUIDockingPaneNumberMap& numbers) override;
    CUIDockingPaneBase* Clone(CUIDockingPaneLayoutState* layout, CUIDockingPaneCloneMap* map,
                              unsigned flags) override;
    void RemovePane(CUIDockingPaneBase* child) override;
    void FindPanes(int kind, CUIDockingPaneList& list) override;
    BOOL IsEmpty() const override;

private:
    void DeleteSplitters();
    int& SizeOf(CUIDockingPaneBase* child) const { return m_horizontal ? child->m_cx : child->m_cy; }
    CUIDockingPaneBase* FindClientBranch(const CUIDockingPaneList& visible) const;
    void PlaceChildren(CFrameWnd* parent, const CRect& rect, AFX_SIZEPARENTPARAMS* params,
                       const CUIDockingPaneList& visible);

    CUIDockingPaneList m_children;
    std::vector<CUIDockingPaneSplitterWnd*> m_splitters;
    BOOL m_horizontal;
};
