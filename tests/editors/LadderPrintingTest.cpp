#include <gtest/gtest.h>

#include "tests/editors/LadderEditorFixture.h"

namespace {

class LadderPrintingTest : public LadderEditorTest {
protected:
    // The printed height of network n in print units at full size.
    float NetworkHeight(int n) {
        SIZE size = model.GetItem(2 * n + 1)->GetSize(TRUE);
        return static_cast<float>(size.cy * 40 + 80);
    }
    void Widen(int network, int contacts) {
        SelectItem(2 * network + 1);
        ClickCell(1, editor->Rows().GetRow(network) + 1);
        for (int k = 0; k < contacts; ++k) editor->InsertContact(FALSE);
        Layout();
    }
};

TEST_F(LadderPrintingTest, NoNetworkNoPages) {
    CLadderEditor::PrintLayout layout = editor->PaginateNetworks(1200, 1650, 150, 150);
    EXPECT_TRUE(layout.pageEnds.empty());
}

TEST_F(LadderPrintingTest, PagesForPrintersOfAnyResolution) {
    AddNetworks(1);
    // 8 by 11 inches at 96, 150, 200 and 600 dots per inch: always 1200 by 1650 units.
    for (int dpi : {96, 150, 200, 600}) {
        CLadderEditor::PrintLayout layout = editor->PaginateNetworks(8 * dpi, 11 * dpi, dpi, dpi);
        EXPECT_FLOAT_EQ(1200.0f, layout.pageWidth) << dpi;
        EXPECT_FLOAT_EQ(1650.0f, layout.pageHeight) << dpi;
        ASSERT_EQ(1u, layout.pageEnds.size());
        EXPECT_EQ(1, layout.pageEnds[0]);
        EXPECT_EQ(140, layout.rowOffsets[0]);
        EXPECT_FLOAT_EQ(1.0f, layout.scales[0]);
    }
}

TEST_F(LadderPrintingTest, NetworksShareAPageUntilTheNextDoesNotFit) {
    AddNetworks(3);
    float h = NetworkHeight(0);
    // A page just tall enough for two networks below the first one's place.
    int pageHeight = static_cast<int>(140 + 2 * (h + 40) + 90 - 40);
    CLadderEditor::PrintLayout layout = editor->PaginateNetworks(1200, pageHeight, 150, 150);
    ASSERT_EQ(2u, layout.pageEnds.size());
    EXPECT_EQ(3, layout.pageEnds[0]);  // the tree of network 1 ends page 2
    EXPECT_EQ(5, layout.pageEnds[1]);
    EXPECT_EQ(140, layout.rowOffsets[0]);
    EXPECT_EQ(140 + static_cast<int>(h) + 40, layout.rowOffsets[1]);
    EXPECT_EQ(140, layout.rowOffsets[2]);  // a new page
}

TEST_F(LadderPrintingTest, WideNetworksShrinkToTheWidthTallFirstOnesToTheSmallerScale) {
    AddNetworks(2);
    Widen(1, 15);
    SIZE wide = model.GetItem(3)->GetSize(TRUE);
    float w = static_cast<float>(wide.cx * 100);
    CLadderEditor::PrintLayout layout = editor->PaginateNetworks(1200, 1650, 150, 150);
    EXPECT_FLOAT_EQ(1.0f, layout.scales[0]);
    EXPECT_FLOAT_EQ(1000.0f / w, layout.scales[1]);
    // A page too short for the wide network: as the first on its page it takes the
    // smaller of the height and the width scales.
    float h = NetworkHeight(1);
    int pageHeight = 240 + static_cast<int>(h * 0.25f);
    layout = editor->PaginateNetworks(1200, pageHeight, 150, 150);
    float heightScale = (static_cast<float>(pageHeight) - 240) / h;
    EXPECT_FLOAT_EQ(std::min(heightScale, 1000.0f / w), layout.scales[1]);
    EXPECT_EQ(140, layout.rowOffsets[1]);
}

TEST_F(LadderPrintingTest, AfterPrintingTheScreenCellsAreBack) {
    AddNetworks(1);
    editor->OnEndPrinting(nullptr, nullptr);
    EXPECT_EQ(CSize(100, 40), editor->CellSize());
    EXPECT_EQ(100, model.m_nCellWidth);
    EXPECT_EQ(40, model.m_nCellHeight);
    EXPECT_FALSE(editor->IsPrinting());
}

}  // namespace
