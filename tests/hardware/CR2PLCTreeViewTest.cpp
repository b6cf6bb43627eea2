#include "hardware/CR2PLCTreeView.h"

#include "hardware/ModuleCatalog.h"
#include "hardware/ModuleInsertTarget.h"
#include "platform/CFrameWnd.h"
#include "tests/support/PointerRest.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stands in for the hardware window's slot grid: records what the tree inserts.
class RecordingSlotGrid : public CView, public ModuleInsertTarget {
public:
    void OnDraw(CDC*) override {}
    void InsertModule(const ModuleSpec* spec) override { inserted.push_back(spec->modelName); }
    std::vector<std::string> inserted;
};

class PlainView : public CView {
public:
    void OnDraw(CDC*) override {}
};

class CatalogueTree : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame->Create(nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 600)));
        m_app.m_pMainWnd = m_frame;
        ASSERT_TRUE(m_grid->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), m_frame, 1));
        ASSERT_TRUE(m_plain->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 200, 200, 300), m_frame, 2));
        ASSERT_TRUE(m_pane.CreateEx(0, "Static", nullptr, WS_CHILD | WS_VISIBLE, CRect(250, 0, 490, 560), m_frame, 3));
        ASSERT_TRUE(m_tree->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 240, 560), &m_pane, 4));
    }
    void TearDown() override {
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }

    CTreeCtrl& Tree() { return m_tree->GetTreeCtrl(); }
    HTREEITEM Find(const char* text) {
        for (HTREEITEM group = Tree().GetRootItem(); group; group = Tree().GetNextSiblingItem(group)) {
            if (Tree().GetItemText(group) == text)
                return group;
            for (HTREEITEM item = Tree().GetChildItem(group); item; item = Tree().GetNextSiblingItem(item))
                if (Tree().GetItemText(item) == text)
                    return item;
        }
        return nullptr;
    }
    CPoint TextCentre(HTREEITEM item) {
        CRect rect;
        Tree().GetItemRect(item, &rect, TRUE);
        return rect.CenterPoint();
    }
    void DoubleClick(const char* text) {
        const CPoint point = TextCentre(Find(text));
        m_tree->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    }
    bool HoverAt(CPoint point) { return RestPointerAt(m_app, m_tree, m_tree->ToolTip(), point); }

    TestApplication m_app;
    CFrameWnd* m_frame = new CFrameWnd;
    RecordingSlotGrid* m_grid = new RecordingSlotGrid;
    PlainView* m_plain = new PlainView;
    CWnd m_pane;
    CR2PLCTreeView* m_tree = new CR2PLCTreeView;
};

}  // namespace

TEST_F(CatalogueTree, ListsTheListedModelsInThreeExpandedGroups) {
    struct Group { const char* text; size_t models; };
    const Group groups[] = {{"CPU模块", 8}, {"开关量模块", 11}, {"模拟量模块", 5}};
    HTREEITEM group = Tree().GetRootItem();
    for (const Group& expected : groups) {
        ASSERT_NE(nullptr, group);
        EXPECT_EQ(expected.text, std::string(Tree().GetItemText(group)));
        EXPECT_TRUE(Tree().GetItemState(group, TVIS_EXPANDED) & TVIS_EXPANDED);
        size_t models = 0;
        for (HTREEITEM item = Tree().GetChildItem(group); item; item = Tree().GetNextSiblingItem(item)) {
            const ModuleSpec* spec = m_tree->ModelAt(item);
            ASSERT_NE(nullptr, spec);
            EXPECT_TRUE(spec->listed);
            EXPECT_EQ(std::string(spec->modelName), std::string(Tree().GetItemText(item)));
            ++models;
        }
        EXPECT_EQ(expected.models, models) << expected.text;
        EXPECT_EQ(nullptr, m_tree->ModelAt(group));
        group = Tree().GetNextSiblingItem(group);
    }
    EXPECT_EQ(nullptr, group);
    for (const char* unlisted : {"R243Ex-24AT", "R245-40DT", "R251-08AX", "R261-02IV", "R263-05IV"})
        EXPECT_EQ(nullptr, Find(unlisted)) << unlisted;
    EXPECT_EQ(0x0207u, m_tree->GetStyle() & 0x0207u);

    TestImage image(240, 560);
    RenderWindow(m_tree, image);
    image.SaveBmp(TestOutputPath("hardware-catalogue-tree.bmp"));
}

TEST_F(CatalogueTree, DoubleClickInsertsOnlyWhileTheSlotGridIsActive) {
    m_frame->SetActiveView(m_grid, FALSE);
    DoubleClick("R252-16XR");
    DoubleClick("R243-24DR");
    EXPECT_EQ((std::vector<std::string>{"R252-16XR", "R243-24DR"}), m_grid->inserted);

    // A group only opens or closes, also while the grid is active.
    HTREEITEM analog = Find("模拟量模块");
    DoubleClick("模拟量模块");
    EXPECT_EQ(2u, m_grid->inserted.size());
    EXPECT_FALSE(Tree().GetItemState(analog, TVIS_EXPANDED) & TVIS_EXPANDED);

    m_frame->SetActiveView(m_plain, FALSE);
    DoubleClick("R252-16XR");
    EXPECT_EQ(2u, m_grid->inserted.size());
}

TEST_F(CatalogueTree, TooltipShowsTheDescriptionWhileThePaneHasTheFocus) {
    m_tree->ToolTip().SetDelayTime(TTDT_INITIAL, 1);
    m_tree->SetFocus();
    ASSERT_TRUE(HoverAt(TextCentre(Find("R252-16XR"))));
    CString text;
    m_tree->ToolTip().GetWindowText(text);
    EXPECT_EQ("QM252, DO 16*Relais", std::string(text));

    // Beside the text and over a group the tip goes away.
    CRect row;
    Tree().GetItemRect(Find("R252-16XR"), &row, FALSE);
    EXPECT_FALSE(HoverAt(CPoint(row.right - 2, row.CenterPoint().y)));
    EXPECT_FALSE(HoverAt(TextCentre(Find("开关量模块"))));
}

TEST_F(CatalogueTree, NoTooltipWhileTheFocusIsElsewhere) {
    m_tree->ToolTip().SetDelayTime(TTDT_INITIAL, 1);
    m_plain->SetFocus();
    EXPECT_FALSE(HoverAt(TextCentre(Find("R252-16XR"))));
}
