#include <gtest/gtest.h>

#include "editors/BranchTool.h"
#include "project/CQLXFB.h"
#include "res/resource.h"
#include "tests/editors/LadderEditorFixture.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestImage.h"

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kBandRed = RGB(250, 0, 0);

class LadderOverlayTest : public LadderEditorTest {
protected:
    LadderOverlayTest() { AddNetworks(2); }
    int Reddish(const CRect& rect) const {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) {
                COLORREF c = image.Pixel(x, y);
                if (GetRValue(c) > 180 && GetGValue(c) < 120 && GetBValue(c) < 120) ++count;
            }
        return count;
    }
    void Paint() {
        image.DC().FillSolidRect(0, 0, 800, 480, kWhite);
        editor->DrawNetworks(&image.DC());
    }
    TestImage image{800, 480};
};

TEST_F(LadderOverlayTest, InCellBoxCoversTheOperandItEdits) {
    Paint();
    CRect operand(100, 80, 200, 95);
    EXPECT_GT(Reddish(operand), 0) << "the contact's missing operand in red";
    editor->ClickAt(150, 85, FALSE, FALSE);
    ASSERT_TRUE(editor->IsCellEditActive());
    Paint();
    CRect box = editor->CellEdit().m_rect;
    EXPECT_EQ(kBlack, image.Pixel(box.left, box.top + 3));
    EXPECT_EQ(0, Reddish(CRect(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1)));
    image.SaveBmp(TestOutputPath("ld-editor-cell-edit.bmp"));
}

TEST_F(LadderOverlayTest, CursorIsDrawnOnAnEmptyCellAndTheRubberBandOnTop) {
    ClickCell(5, 10);
    Paint();
    int dots = 100 - image.CountPixels(CRect(500, 400, 600, 401), kWhite);
    EXPECT_GT(dots, 20) << "a dotted frame along the cell's top";
    EXPECT_LT(dots, 80);
    editor->StartBranchTool();
    editor->OnLButtonDown(0, 150, 100);  // the first network's contact
    editor->OnMouseMove(0, 150, 140);
    Paint();
    image.SaveBmp(TestOutputPath("ld-editor-branch-tool.bmp"));
    EXPECT_GT(image.CountPixels(CRect(90, 100, 110, 140), kBandRed), 5);
    editor->OnChar(VK_ESCAPE, 1, 0);
}

TEST_F(LadderOverlayTest, BoxDialogNamesTheInstanceInTheProject) {
    ClickCell(1, 2);
    InsertFromTree("TON");
    ModalScript script({[](CWnd* dialog) {
        dialog->SetDlgItemText(IDC_BOX_INSTANCE, "t9");
        PressButton(dialog, IDC_BOX_OK);
    }});
    editor->EditElement();
    auto* timer = dynamic_cast<CBlock*>(model.GetCurrentElement());
    ASSERT_NE(nullptr, timer);
    EXPECT_STREQ("T9", timer->m_pFB->instanceName);
    CStringArray types, names;
    LadderEnvironment().GetFBInstancesOf("MAIN", types, names);
    ASSERT_EQ(1, names.GetSize());
    EXPECT_STREQ("T9", names[0]);
    // Undo goes back before the name, redo brings it back with its instance.
    editor->Undo();
    editor->Redo();
    names.RemoveAll();
    LadderEnvironment().GetFBInstancesOf("MAIN", types, names);
    ASSERT_EQ(1, names.GetSize());
    EXPECT_STREQ("T9", names[0]);
}

}  // namespace
