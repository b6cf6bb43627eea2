#include "ui/docking/UIDockingPaneBase.h"

#include "platform/CFrameWnd.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneLayoutState.h"

CUIDockingPaneBase::CUIDockingPaneBase(int kind, CUIDockingPaneLayoutState* layout)
    : m_kind(kind), m_layout(layout) {
    m_frame = layout->m_manager ? layout->m_manager->GetFrame() : nullptr;
    layout->AddElement(this);
}

void CUIDockingPaneBase::OnSizeParent(CFrameWnd* parent, CRect rect, AFX_SIZEPARENTPARAMS* params) {
    m_rect = rect;
    if (params)
        params->rect = rect;
}

void CUIDockingPaneBase::SaveToRegistry(CUIDockingPaneLayoutState* layout) { SaveCommonValues(layout); }

BOOL CUIDockingPaneBase::LoadFromRegistry(CUIDockingPaneLayoutState* layout, const CUIDockingPaneNumberMap&) {
    LoadCommonValues(layout);
    return TRUE;
}

void CUIDockingPaneBase::SaveCommonValues(CUIDockingPaneLayoutState* layout) {
    CString section = DockingPaneSection(m_number);
    layout->WriteInt(section, "Type", m_kind);
    layout->WriteInt(section, "DockingCX", m_cx);
    layout->WriteInt(section, "DockingCY", m_cy);
}

void CUIDockingPaneBase::LoadCommonValues(CUIDockingPaneLayoutState* layout) {
    CString section = DockingPaneSection(m_number);
    m_cx = layout->ReadInt(section, "DockingCX", 0);
    m_cy = layout->ReadInt(section, "DockingCY", 0);
}

CUIDockingPaneBase* CUIDockingPaneBase::Clone(CUIDockingPaneLayoutState* layout, CUIDockingPaneCloneMap* map,
                                              unsigned) {
    auto* copy = new CUIDockingPaneBase(m_kind, layout);
    copy->CopySizeFrom(this);
    if (map)
        (*map)[this] = copy;
    return copy;
}

void CUIDockingPaneBase::FindPanes(int kind, CUIDockingPaneList& list) {
    if (kind == m_kind)
        list.push_back(this);
}

BOOL CUIDockingPaneBase::IsEmpty() const {
    CUIDockingPaneHostWnd* manager = GetManager();
    return m_kind == DockingPaneKindClient && manager && manager->m_hideClient;
}

CRect CUIDockingPaneBase::GetScreenRect() const {
    CRect rect = m_rect;
    if (m_frame && m_frame->m_hWnd)
        m_frame->ClientToScreen(&rect);
    return rect;
}

CUIDockingPaneHostWnd* CUIDockingPaneBase::GetManager() const { return m_layout->m_manager; }

CUIDockingPaneTheme* CUIDockingPaneBase::GetTheme() const {
    CUIDockingPaneHostWnd* manager = GetManager();
    return manager ? manager->GetTheme() : nullptr;
}

void CUIDockingPaneBase::DelayFrameLayout() const {
    if (m_frame)
        m_frame->DelayRecalcLayout(TRUE);
}

CString DockingPaneSection(int number) {
    CString section;
    section.Format("Pane-%d", number);
    return section;
}
