#include "hardware/CR2PLCTreeView.h"

#include "hardware/ModuleCatalog.h"
#include "hardware/ModuleInsertTarget.h"
#include "platform/CFrameWnd.h"
#include "platform/CWinThread.h"
#include "res/resource.h"

namespace {

constexpr DWORD TreeStyles = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_TRACKSELECT;
constexpr int ImageSize = 16;
constexpr int CpuImage = 0;
constexpr int ExpansionImage = 1;
constexpr int GroupImage = 2;
// A description fills the tip's whole buffer.
constexpr int TipLength = 79;

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

BEGIN_MESSAGE_MAP(CR2PLCTreeView, CTipTreeView)
    ON_WM_CREATE()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CR2PLCTreeView::CR2PLCTreeView() : CTipTreeView(TipLength) {}

BOOL CR2PLCTreeView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CHILD | WS_VISIBLE | TreeStyles;
    return CTreeView::PreCreateWindow(cs);
}

int CR2PLCTreeView::OnCreate(LPCREATESTRUCT cs) {
    if (Default() == -1)
        return -1;
    FillCatalogue();
    CreateTip();
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

const ModuleSpec* CR2PLCTreeView::ModelAt(HTREEITEM item) const {
    if (item == nullptr || GetTreeCtrl().ItemHasChildren(item))
        return nullptr;
    return reinterpret_cast<const ModuleSpec*>(GetTreeCtrl().GetItemData(item));
}

const char* CR2PLCTreeView::TipTextOf(HTREEITEM item) const {
    const ModuleSpec* spec = ModelAt(item);
    return spec ? spec->description : nullptr;
}

void CR2PLCTreeView::OnLButtonDblClk(UINT flags, CPoint point) {
    if (ModuleInsertTarget* grid = ActiveSlotGrid())
        if (const ModuleSpec* spec = ModelAt(GetTreeCtrl().HitTest(point)))
            grid->InsertModule(spec);
    CTreeView::OnLButtonDblClk(flags, point);
}
