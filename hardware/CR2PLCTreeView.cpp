#include "hardware/CR2PLCTreeView.h"

#include "hardware/ModuleCatalog.h"
#include "hardware/ModuleInsertTarget.h"
#include "platform/CFrameWnd.h"
#include "platform/CWinThread.h"
#include "res/resource.h"

#include <windowsx.h>

namespace {

constexpr DWORD TreeStyles = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_TRACKSELECT;
constexpr int ImageSize = 16;
constexpr int CpuImage = 0;
constexpr int ExpansionImage = 1;
constexpr int GroupImage = 2;
constexpr UINT TipDelayMs = 2000;

struct CatalogueGroup {
    const char* text;
    int firstRow;
    int endRow;
    int image;
};

const CatalogueGroup Groups[] = {
    {"CPU模块", ModuleCatalog::FirstCpuRow, ModuleCatalog::FirstDigitalRow, CpuImage},
    {"开关量模块", ModuleCatalog::FirstDigitalRow, ModuleCatalog::FirstAnalogRow, ExpansionImage},
    {"模拟量模块", ModuleCatalog::FirstAnalogRow, ModuleCatalog::RowCount, ExpansionImage},
};

// The slot grid of the active child frame, when it is that frame's active view.
ModuleInsertTarget* ActiveSlotGrid() {
    auto* mainFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    CFrameWnd* active = mainFrame ? mainFrame->GetActiveFrame() : nullptr;
    return active ? dynamic_cast<ModuleInsertTarget*>(active->GetActiveView()) : nullptr;
}

}  // namespace

IMPLEMENT_DYNCREATE(CR2PLCTreeView, CTreeView)

BEGIN_MESSAGE_MAP(CR2PLCTreeView, CTreeView)
    ON_WM_CREATE()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

BOOL CR2PLCTreeView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CHILD | WS_VISIBLE | TreeStyles;
    return CTreeView::PreCreateWindow(cs);
}

int CR2PLCTreeView::OnCreate(LPCREATESTRUCT cs) {
    if (Default() == -1)
        return -1;
    FillCatalogue();
    CreateToolTip();
    return 0;
}

void CR2PLCTreeView::FillCatalogue() {
    CTreeCtrl& tree = GetTreeCtrl();
    if (m_images.Create(IDB_MODULE_TREE, ImageSize, 0, RGB(255, 255, 255)))
        tree.SetImageList(&m_images, TVSIL_NORMAL);
    for (const CatalogueGroup& group : Groups) {
        HTREEITEM groupItem = tree.InsertItem(group.text, GroupImage, GroupImage);
        for (int row = group.firstRow; row < group.endRow; ++row) {
            const ModuleSpec& spec = ModuleCatalog::Row(row);
            if (!spec.listed)
                continue;
            HTREEITEM item = tree.InsertItem(spec.modelName, group.image, group.image, groupItem);
            tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(&spec));
        }
        tree.Expand(groupItem, TVE_EXPAND);
    }
}

void CR2PLCTreeView::CreateToolTip() {
    if (!m_tip.Create(this, TTS_ALWAYSTIP))
        return;
    m_tip.AddTool(this, LPSTR_TEXTCALLBACKA);
    m_tip.Activate(TRUE);
    m_tip.SetDelayTime(TipDelayMs);
}

const ModuleSpec* CR2PLCTreeView::ModelAt(HTREEITEM item) const {
    if (item == nullptr || GetTreeCtrl().ItemHasChildren(item))
        return nullptr;
    return reinterpret_cast<const ModuleSpec*>(GetTreeCtrl().GetItemData(item));
}

const ModuleSpec* CR2PLCTreeView::ModelTextAt(CPoint point) const {
    HTREEITEM item = GetTreeCtrl().HitTest(point);
    CRect text;
    if (ModelAt(item) == nullptr || !GetTreeCtrl().GetItemRect(item, &text, TRUE) || !text.PtInRect(point))
        return nullptr;
    return ModelAt(item);
}

bool CR2PLCTreeView::FocusInPane() const {
    const HWND focus = ::GetFocus();
    const CWnd* pane = GetParent();
    const HWND paneWindow = pane ? pane->m_hWnd : m_hWnd;
    return focus != nullptr && (focus == paneWindow || ::IsChild(paneWindow, focus));
}

BOOL CR2PLCTreeView::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_MOUSEMOVE && msg->hwnd == m_hWnd)
        OnMouseOverTree(msg);
    return CTreeView::PreTranslateMessage(msg);
}

void CR2PLCTreeView::OnMouseOverTree(MSG* msg) {
    if (m_tip.m_hWnd == nullptr)
        return;
    const CPoint point(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
    if (ModelTextAt(point) == nullptr) {
        m_tip.Pop();
        return;
    }
    if (FocusInPane()) {
        m_tip.RelayEvent(msg);
        m_tip.Update();
    }
}

BOOL CR2PLCTreeView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom != m_tip.m_hWnd || header->code != TTN_NEEDTEXTA)
        return CTreeView::OnNotify(wParam, lParam, result);
    auto* request = reinterpret_cast<NMTTDISPINFOA*>(header);
    request->szText[0] = '\0';
    request->lpszText = request->szText;
    const DWORD position = ::GetMessagePos();
    CPoint point(GET_X_LPARAM(position), GET_Y_LPARAM(position));
    ScreenToClient(&point);
    if (const ModuleSpec* spec = ModelAt(GetTreeCtrl().HitTest(point)))
        lstrcpynA(request->szText, spec->description, sizeof(request->szText));
    *result = 0;
    return TRUE;
}

void CR2PLCTreeView::OnLButtonDblClk(UINT flags, CPoint point) {
    if (ModuleInsertTarget* grid = ActiveSlotGrid())
        if (const ModuleSpec* spec = ModelAt(GetTreeCtrl().HitTest(point)))
            grid->InsertModule(spec);
    CTreeView::OnLButtonDblClk(flags, point);
}
