#include "platform/CCPGridPainter.h"
#include "platform/CEdit.h"
#include "platform/Clipboard.h"
#include "platform/FrameworkIds.h"
#include "tests/platform/GridTestView.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {

void SetShift(bool down) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// A grid of 8 rows in a 400 x 200 window: header row 20 high, number column 50 wide,
// columns at x 50, 130 and 210.
class GridViews : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300),
                                      nullptr, 0));
        view = MakeView(8, 2, CRect(0, 0, 400, 200));
    }
    void TearDown() override {
        SetShift(false);
        m_parent.DestroyWindow();
    }
    GridTestView* MakeView(int rows, int style, const CRect& rect) {
        auto* made = new GridTestView(rows, style);  // deletes itself with its window
        EXPECT_TRUE(made->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, &m_parent, 1));
        return made;
    }
    void Key(UINT key, bool shift = false) {
        SetShift(shift);
        view->SendMessage(WM_KEYDOWN, key);
        SetShift(false);
    }
    void Click(int x, int y, UINT flags = 0) {
        view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | flags, At(x, y));
        view->SendMessage(WM_LBUTTONUP, flags, At(x, y));
    }
    void Type(const char* text) {
        for (const char* ch = text; *ch; ++ch)
            view->SendMessage(WM_CHAR, static_cast<BYTE>(*ch));
    }
    CWnd* Editor(int col) { return view->GetCellCtrl(col); }
    CString EditorText(int col) {
        CString text;
        Editor(col)->GetWindowText(text);
        return text;
    }
    std::string Selection() {
        int c1, c2, r1, r2;
        view->GetSelectRange(c1, c2, r1, r2);
        char text[40];
        sprintf(text, "%d-%d,%d-%d", c1, c2, r1, r2);
        return text;
    }
    std::string Focus() { return std::to_string(view->GetFocusCol()) + "," + std::to_string(view->GetFocusRow()); }

    TestApplication m_app;
    CWnd m_parent;
    GridTestView* view = nullptr;
};

TEST_F(GridViews, KeysMoveTheFocusAndShiftStretchesTheSelection) {
    struct Step { UINT key; bool shift; const char* focus; const char* selection; };
    const Step steps[] = {
        {VK_RIGHT, false, "2,1", "1-1,0-0"},
        {VK_DOWN, true, "2,2", "1-1,0-1"},
        {VK_RIGHT, true, "3,2", "1-2,0-1"},
        {VK_LEFT, false, "2,2", "1-1,1-1"},
        {VK_TAB, false, "3,2", "2-2,1-1"},
        {VK_TAB, false, "1,3", "0-0,2-2"},   // Tab wraps to the next row
        {VK_RETURN, false, "1,4", "0-0,3-3"},
        {VK_END, false, "3,4", "2-2,3-3"},
        {VK_NEXT, false, "3,8", "2-2,7-7"},
        {VK_DOWN, false, "3,8", "2-2,7-7"},  // no further than the last row
        {VK_HOME, false, "1,8", "0-0,7-7"},
        {VK_UP, true, "1,7", "0-0,6-7"},
    };
    for (const Step& s : steps) {
        Key(s.key, s.shift);
        EXPECT_EQ(Focus(), s.focus) << s.key;
        EXPECT_EQ(Selection(), s.selection) << s.key;
    }
}

TEST_F(GridViews, TheMouseSelectsCellsRowsAndAll) {
    Click(140, 50);  // column 2, row 2
    EXPECT_EQ(Focus(), "2,2");
    Click(220, 90, MK_SHIFT);
    EXPECT_EQ(Selection(), "1-2,1-3");
    Click(10, 70);  // number column: the whole row
    EXPECT_EQ(Selection(), "0-2,2-2");
    EXPECT_TRUE(view->IsWholeRowSelection());
    Click(10, 110, MK_SHIFT);
    EXPECT_EQ(Selection(), "0-2,2-4");
    view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(60, 30));  // drag from a cell
    view->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(150, 70));
    view->SendMessage(WM_LBUTTONUP, 0, At(150, 70));
    EXPECT_EQ(Selection(), "0-1,0-2");
    EXPECT_EQ(::GetCapture(), nullptr);
    Click(10, 10);  // the corner
    EXPECT_EQ(Selection(), "0-2,0-7");
    Click(140, 10);  // a header
    EXPECT_EQ(view->headerClicks, std::vector<int>{1});
}

TEST_F(GridViews, TypingOpensTheEditorAndEnterCommits) {
    Type("ab");
    ASSERT_TRUE(view->IsEditing());
    EXPECT_EQ(EditorText(0), "ab");
    Editor(0)->SendMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(view->IsEditing());
    EXPECT_EQ(view->commits, std::vector<std::string>{"0,0=ab"});
    EXPECT_EQ(Focus(), "1,2");  // the grid's own Enter moved down
    EXPECT_FALSE(Editor(0)->IsWindowVisible());

    Type("x");
    Editor(0)->SendMessage(WM_KEYDOWN, VK_ESCAPE);  // cancelled: nothing committed
    EXPECT_FALSE(view->IsEditing());
    EXPECT_EQ(view->commits.size(), 1u);

    Click(60, 30);  // to row 1, then a click on the focus cell opens it with its text
    Click(60, 30);
    ASSERT_TRUE(view->IsEditing());
    EXPECT_EQ(EditorText(0), "ab");
    Editor(0)->SendMessage(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(view->commits.back(), "0,0=ab");
    EXPECT_EQ(Focus(), "2,1");
}

TEST_F(GridViews, LeavingTheEditorOrSaveModifyedCommits) {
    view->SetActiveCell(1, 3);
    ASSERT_TRUE(view->IsEditing());
    Editor(0)->SetWindowText("left");
    Click(220, 110);  // elsewhere
    EXPECT_EQ(view->commits, std::vector<std::string>{"0,2=left"});
    view->SetActiveCell(1, 4);
    Editor(0)->SetWindowText("saved");
    EXPECT_TRUE(view->SaveModifyed(0));
    EXPECT_FALSE(view->SaveModifyed(0));
    EXPECT_EQ(view->commits.back(), "0,3=saved");
}

TEST_F(GridViews, AListChoiceCommits) {
    view->cells[1][1] = "INT";
    view->SetActiveCell(2, 2);
    auto* list = static_cast<CComboBox*>(Editor(1));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->GetCurSel(), 1);  // the cell's text chosen
    list->SetCurSel(0);
    view->SendMessage(WM_COMMAND, MAKEWPARAM(1, CBN_SELENDOK), reinterpret_cast<LPARAM>(list->m_hWnd));
    EXPECT_EQ(view->commits, std::vector<std::string>{"1,1=BOOL"});
    EXPECT_FALSE(view->IsEditing());
    view->SetActiveCell(3, 1);  // no control in column 2
    EXPECT_FALSE(view->IsEditing());
}

TEST_F(GridViews, RowsChangingUnderAnOpenEditorKeepItOnItsRow) {
    view->SetActiveCell(1, 4);  // data row 3
    view->InsertRows(0, 2);
    EXPECT_EQ(view->GetEditRow(), 5);
    CRect placed;
    Editor(0)->GetWindowRect(&placed);
    view->ScreenToClient(&placed);
    EXPECT_EQ(placed.top, view->GetCellRect(1, 6).top);
    view->RemoveRows(0, 1);
    EXPECT_EQ(view->GetEditRow(), 4);
    view->RemoveRows(4, 1);  // its own row goes: closed without a commit
    EXPECT_FALSE(view->IsEditing());
    view->SetActiveCell(1, 7);
    view->SetGridRowCount(3);
    EXPECT_FALSE(view->IsEditing());
    EXPECT_TRUE(view->commits.empty());
    EXPECT_EQ(Focus(), "1,3");
}

TEST_F(GridViews, ScrollingKeepsTheFocusInView) {
    view->SetGridRowCount(100);
    view->cells.resize(100, std::vector<CString>(3));
    int shown = view->GetVisibleRowCount();
    SetShift(false);
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    view->SendMessage(WM_KEYDOWN, VK_END);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(Focus(), "3,100");
    EXPECT_EQ(view->GetTopRow(), 100 - shown);
    EXPECT_EQ(view->GetScrollPos(SB_VERT), 100 - shown);
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(view->GetTopRow(), 100 - shown - 3);
    view->SendMessage(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(view->GetTopRow(), 0);
    Key(VK_UP);  // the focus comes back into view
    EXPECT_EQ(view->GetTopRow(), 99 - shown);
    EXPECT_EQ(view->GetScrollSize(), CSize(50 + 280, 101 * 20));
}

// ---- Clipboard between two tables ----------------------------------------------------

class GridClipboard : public GridViews {
protected:
    void SetUp() override {
        GridViews::SetUp();
        other = MakeView(8, 2, CRect(0, 200, 400, 300));
        for (int row = 0; row < 3; ++row) {
            view->cells[row][0].Format("N%d", row);
            view->cells[row][1] = "INT";
            view->cells[row][2].Format("c%d", row);
        }
    }
    GridTestView* other = nullptr;
};

TEST_F(GridClipboard, CopyAndPasteBetweenTablesOfOneKind) {
    view->SetSelectRange(0, 2, 0, 1);
    ASSERT_TRUE(view->CopySelectedCellText());
    CString text;
    ASSERT_TRUE(GetClipboardText(text));
    EXPECT_STREQ(text, "N0\tINT\tc0\r\nN1\tINT\tc1");

    other->SetSelectCell(1, 4);  // one cell takes the whole block
    EXPECT_EQ(other->PasteTextToSelectedCells(), 0);
    // Column 2 has no control: only the editable cells are committed.
    EXPECT_EQ(other->commits, (std::vector<std::string>{"0,3=N0", "1,3=INT", "0,4=N1", "1,4=INT"}));
    GridTestView* saved = view;
    view = other;
    EXPECT_EQ(Selection(), "0-2,3-4");  // the pasted block stays selected
    view = saved;
}

TEST_F(GridClipboard, EachRefusal) {
    view->SetSelectRange(0, 1, 0, 1);
    ASSERT_TRUE(view->CopySelectedCellText());
    struct Case { int firstCol, lastCol, firstRow, lastRow; int result; };
    const Case cases[] = {
        {0, 1, 0, 2, CCPGridView::PasteShape},      // three rows for two
        {0, 0, 7, 7, CCPGridView::PasteShape},      // the block would pass the last row
        {1, 1, 0, 0, CCPGridView::PasteStartCol},
    };
    for (const Case& c : cases) {
        other->SetSelectRange(c.firstCol, c.lastCol, c.firstRow, c.lastRow);
        EXPECT_EQ(other->PasteTextToSelectedCells(), c.result) << c.firstCol << c.firstRow;
    }
    GridTestView* otherKind = MakeView(8, 1, CRect(0, 0, 100, 100));
    EXPECT_EQ(otherKind->PasteTextToSelectedCells(), CCPGridView::PasteTableKind);

    ASSERT_TRUE(SetClipboardText("N0\tINT"));  // plain text from elsewhere
    EXPECT_EQ(other->PasteTextToSelectedCells(), CCPGridView::PasteFormat);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_EQ(other->PasteTextToSelectedCells(), CCPGridView::PasteUnreadable);
    EXPECT_TRUE(other->commits.empty());
}

TEST_F(GridClipboard, CutAndClearEmptyTheEditableCellsThroughCommits) {
    view->SetSelectRange(0, 2, 1, 1);
    view->SendMessage(WM_COMMAND, ID_EDIT_CUT);
    EXPECT_EQ(view->commits, (std::vector<std::string>{"0,1=", "1,1="}));
    CString text;
    ASSERT_TRUE(GetClipboardText(text));
    EXPECT_STREQ(text, "N1\tINT\tc1");
    view->SetSelectRange(0, 0, 2, 2);
    Key(VK_DELETE);
    EXPECT_EQ(view->commits.back(), "0,2=");
}

// ---- Drawing ---------------------------------------------------------------------------

TEST_F(GridViews, PixelsShowMarksFocusAndSelection) {
    view->cells[0][0] = "错误";
    view->marks[{0, 0}] = CPMarkError;
    view->marks[{1, 2}] = CPMarkForced;
    view->cells[2][2] = "注释";
    view->marks[{2, 2}] = CPMarkComment;
    view->SetSelectRange(2, 2, 4, 5);
    view->SetFocusCell(2, 4);
    view->SetSortCol(0, CPSortAscending);
    TestImage image(400, 200);
    view->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().m_hDC), PRF_CLIENT);
    image.SaveBmp(TestOutputPath("grid-marks.bmp"));

    CRect error = view->GetCellRect(1, 1);
    EXPECT_EQ(image.Pixel(error.left + 1, error.top + 1), CCPGridPainter::ErrorText);  // corner flag
    EXPECT_GT(image.CountPixels(error, CCPGridPainter::ErrorText), 20);                 // red text
    CRect forced = view->GetCellRect(2, 3);
    EXPECT_EQ(image.Pixel(forced.left + 5, forced.top + 5), CCPGridPainter::ForcedFace);
    EXPECT_GT(image.CountPixels(view->GetCellRect(3, 3), CCPGridPainter::CommentText), 3);  // smoothed glyphs
    CRect selected = view->GetCellRect(3, 6);
    EXPECT_EQ(image.Pixel(selected.left + 5, selected.top + 5), CCPGridPainter::SelectedFace);
    CRect focus = view->GetCellRect(2, 4);
    EXPECT_EQ(image.Pixel(focus.left, focus.top + 8), CCPGridPainter::FocusFrame);
    EXPECT_EQ(image.Pixel(focus.left + 5, focus.top + 8), RGB(255, 255, 255));  // not selected
    EXPECT_GT(image.CountPixels(view->GetCellRect(1, 0), CCPGridPainter::SortMark), 10);
    EXPECT_EQ(image.CountPixels(view->GetCellRect(2, 0), CCPGridPainter::SortMark), 0);
}

// Below a short table every pixel is painted, the number column too: nothing of what
// the window showed before (another grid's row numbers) stays there.
TEST_F(GridViews, BelowTheLastRowEveryPixelIsPainted) {
    GridTestView* shortGrid = MakeView(2, 2, CRect(0, 0, 400, 200));
    const COLORREF stale = RGB(128, 128, 128);
    TestImage image(400, 200, stale);
    shortGrid->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().m_hDC), PRF_CLIENT);
    image.SaveBmp(TestOutputPath("grid-short.bmp"));
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 400, 200), stale), 0);
    EXPECT_EQ(image.Pixel(10, 190), RGB(255, 255, 255));
}

}  // namespace
