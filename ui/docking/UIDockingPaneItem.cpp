#include "ui/docking/UIDockingPaneItem.h"

#include "platform/CDocTemplate.h"
#include "platform/CDocument.h"
#include "platform/CException.h"
#include "platform/CFrameWnd.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneLayoutState.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

BOOL IsWindowOrDescendant(HWND window, HWND candidate) {
    return window && candidate && (candidate == window || ::IsChild(window, candidate));
}

HWND DockingContainerWindow(CUIDockingPaneBase* container) {
    if (!container || container->GetKind() != DockingPaneKindTabbed)
        return nullptr;
    return static_cast<CUIDockingPaneTabbedContainer*>(container)->m_hWnd;
}

CUIDockingPaneItem::CUIDockingPaneItem(CUIDockingPaneLayoutState* layout, UINT id, LPCSTR title)
    : CUIDockingPaneBase(DockingPaneKindPane, layout), m_id(id) {
    if (title)
        m_title = title;
    else
        m_title.LoadString(id);
}

void CUIDockingPaneItem::Close() { GetManager()->ClosePane(this); }

void CUIDockingPaneItem::Select() { GetManager()->ShowPane(this); }

void CUIDockingPaneItem::ToggleAutoHide() { GetManager()->ToggleAutoHide(this); }

CWnd* CUIDockingPaneItem::AttachView(CWnd* parent, CRuntimeClass* viewClass, CDocument* document,
                                     CCreateContext* context, DWORD style, CWnd* owner, UINT controlId) {
    if (!owner)
        owner = parent;
    CCreateContext local;
    if (!context) {
        local.m_pNewViewClass = viewClass;
        local.m_pCurrentDoc = document;
        local.m_pNewDocTemplate = document ? document->GetDocTemplate() : nullptr;
        context = &local;
    }
    CWnd* view = nullptr;
    try {
        view = viewClass ? static_cast<CWnd*>(viewClass->CreateObject()) : nullptr;
    } catch (CException* e) {
        e->Delete();
        view = nullptr;
    }
    if (!view)
        return nullptr;
    // A failed creation has already deleted a view that deletes itself at the end.
    if (!view->Create(nullptr, nullptr, style, CRect(0, 0, 0, 0), parent, controlId, context))
        return nullptr;
    view->SetOwner(owner);
    AttachWindow(view->m_hWnd);
    return view;
}

BOOL CUIDockingPaneItem::IsHidden() const {
    return m_holder && m_holder->GetHolder() && m_holder->GetHolder()->GetKind() == DockingPaneKindAutoHide;
}

BOOL CUIDockingPaneItem::IsFocusInWindow() const { return IsWindowOrDescendant(m_hwnd, ::GetFocus()); }

void CUIDockingPaneItem::AttachWindow(HWND window) {
    m_hwnd = window;
    GetManager()->DelayLayoutPanes();
    if (HWND container = DockingContainerWindow(m_holder))
        ::SetParent(m_hwnd, container);
}

void CUIDockingPaneItem::SetFocus() {
    if (m_hwnd && !IsWindowOrDescendant(m_hwnd, ::GetFocus()))
        ::SetFocus(m_hwnd);
}

void CUIDockingPaneItem::ShowWindow(BOOL show) {
    if (show) {
        CFrameWnd* frame = GetManager()->GetFrame();
        if (frame && frame->m_hWnd)
            frame->SendMessage(DockingPaneNotify, DockingPaneNotifyShowWindow, reinterpret_cast<LPARAM>(this));
    }
    if (m_hwnd)
        ::ShowWindow(m_hwnd, show ? SW_SHOW : SW_HIDE);
}

CString CUIDockingPaneItem::GetCaptionTitle() const {
    int newline = m_title.Find('\n');
    return newline < 0 ? m_title : m_title.Left(newline);
}

CString CUIDockingPaneItem::GetTabTitle() const {
    int newline = m_title.Find('\n');
    return newline < 0 ? m_title : m_title.Mid(newline + 1);
}

CUIImageIconSet* CUIDockingPaneItem::GetIcon() const {
    return GetManager()->GetPaneImage(m_iconId == -1 ? m_id : static_cast<UINT>(m_iconId));
}

CFrameWnd* CUIDockingPaneItem::GetParentFrame() const { return m_holder ? m_holder->GetFrame() : nullptr; }

void CUIDockingPaneItem::OnSizeParent(CFrameWnd* parent, CRect rect, AFX_SIZEPARENTPARAMS* params) {
    SetParentFrame(parent);
    if (!params || !params->hDWP)
        return;
    m_rect = rect;
    HWND container = DockingContainerWindow(m_holder);
    if (!m_hwnd || !container)
        return;
    ::MapWindowPoints(parent->GetSafeHwnd(), container, reinterpret_cast<LPPOINT>(&rect), 2);
    ::MoveWindow(m_hwnd, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

void CUIDockingPaneItem::OnFocusChanged() {
    if (m_holder)
        m_holder->OnFocusChanged();
}

void CUIDockingPaneItem::SetParentContainer(CUIDockingPaneBase* container) {
    m_holder = container;
    if (!m_hwnd)
        return;
    if (container) {
        if (HWND window = DockingContainerWindow(container))
            ::SetParent(m_hwnd, window);
        return;
    }
    ::ShowWindow(m_hwnd, SW_HIDE);
    ::SetParent(m_hwnd, GetManager()->GetSafeHwnd());
    m_frame = nullptr;
}

void CUIDockingPaneItem::SaveToRegistry(CUIDockingPaneLayoutState* layout) {
    SaveCommonValues(layout);
    CString section = DockingPaneSection(m_number);
    layout->WriteString(section, "Title", m_title);
    layout->WriteInt(section, "ID", static_cast<int>(m_id));
    layout->WriteInt(section, "IconID", m_iconId);
    layout->WriteInt(section, "Options", static_cast<int>(m_options));
    if (DockingPaneInfo* info = layout->FindPaneInfo(this)) {
        auto number = [](CUIDockingPaneBase* e) { return e ? e->m_number : 0; };
        layout->WriteInt(section, "DockingHolder", number(info->dockingHolder));
        layout->WriteInt(section, "FloatingHolder", number(info->floatingHolder));
        layout->WriteInt(section, "LastHolder", number(info->lastHolder));
    }
}

BOOL CUIDockingPaneItem::LoadFromRegistry(CUIDockingPaneLayoutState* layout,
                                          const CUIDockingPaneNumberMap& numbers) {
    LoadCommonValues(layout);
    CString section = DockingPaneSection(m_number);
    m_title = layout->ReadString(section, "Title", "");
    m_id = static_cast<UINT>(layout->ReadInt(section, "ID", 0));
    m_iconId = layout->ReadInt(section, "IconID", -1);
    m_options = static_cast<DWORD>(layout->ReadInt(section, "Options", static_cast<int>(m_options)));
    auto holder = [&](LPCSTR name) -> CUIDockingPaneBase* {
        auto found = numbers.find(layout->ReadInt(section, name, 0));
        return found == numbers.end() ? nullptr : found->second;
    };
    DockingPaneInfo info;
    info.pane = this;
    info.floatingHolder = holder("FloatingHolder");
    info.dockingHolder = holder("DockingHolder");
    info.lastHolder = holder("LastHolder");
    layout->m_panes.push_back(info);
    return m_id > 0;
}

CUIDockingPaneBase* CUIDockingPaneItem::Clone(CUIDockingPaneLayoutState* layout, CUIDockingPaneCloneMap* map,
                                              unsigned) {
    auto* copy = new CUIDockingPaneItem(layout, m_id, m_title);
    copy->m_iconId = m_iconId;
    copy->m_options = m_options;
    copy->CopySizeFrom(this);
    copy->m_rect = m_rect;
    if (map)
        (*map)[this] = copy;
    return copy;
}
