#include <gtest/gtest.h>

#include "editors/BranchTool.h"
#include "project/CPlcWorkspace.h"
#include "tests/editors/LadderEditorFixture.h"
#include "tests/support/ModalScript.h"

namespace {

class LadderCursorTest : public LadderEditorTest {
protected:
    void Key(UINT key) { editor->OnKeyDown(key, 1, 0); }
    int CursorColumn() const { return editor->CursorRect().left / 100; }
    // The header row of each network.
    int HeaderRow(int network) const { return editor->Rows().GetRow(network); }
    std::string Selection() const {
        if (!editor->HasNetworkSelection()) return "none";
        return std::to_string(editor->SelectionFirst()) + "-" + std::to_string(editor->SelectionLast());
    }
};

TEST_F(LadderCursorTest, ArrowsStopAtTheGridEdges) {
    AddNetworks(1);
    struct Case {
        int column;
        UINT key;
        int expected;
    } cases[] = {{37, VK_RIGHT, 38}, {38, VK_RIGHT, 38}, {0, VK_LEFT, 0}, {5, VK_LEFT, 4}};
    for (const Case& c : cases) {
        ClickCell(c.column, 10);
        Key(c.key);
        EXPECT_EQ(c.expected, CursorColumn()) << c.column;
    }
    ClickCell(3, 0);
    Key(VK_UP);
    EXPECT_EQ(0, editor->CursorRect().top);
    Key(VK_DOWN);
    EXPECT_EQ(40, editor->CursorRect().top);
}

TEST_F(LadderCursorTest, LandingOnAContactOpensTheBoxOnlyOnItsOperand) {
    AddNetworks(1);
    ClickCell(0, 2);
    Key(VK_RIGHT);  // lands 20 pixels into the row, below the operand text
    EXPECT_EQ(ElementAt(1, 2), model.GetCurrentElement());
    EXPECT_FALSE(editor->IsCellEditActive());
    ClickCell(1, 1);  // the header above the contact
    Key(VK_DOWN);  // lands 20 pixels into the contact's row as well
    EXPECT_EQ(ElementAt(1, 2), model.GetCurrentElement());
    editor->ClickAt(150, 85, FALSE, FALSE);  // a click on the operand text
    EXPECT_TRUE(editor->IsCellEditActive());
    EXPECT_STREQ("????", editor->CellEdit().GetText());
}

TEST_F(LadderCursorTest, EnterOpensTheBoxTheCoilDialogOrMovesRight) {
    AddNetworks(1);
    ClickCell(6, 8);  // an empty cell
    editor->OnChar(VK_RETURN, 1, 0);
    EXPECT_EQ(7, CursorColumn());
    ClickCell(1, 2);  // the contact
    editor->OnChar(VK_RETURN, 1, 0);
    EXPECT_TRUE(editor->IsCellEditActive());
    editor->OnChar(VK_ESCAPE, 1, 0);
    EXPECT_FALSE(editor->IsCellEditActive());
    int dialogs = 0;
    ModalScript script({[&](CWnd* dialog) {
        ++dialogs;
        PressButton(dialog, IDCANCEL);
    }});
    ClickCell(4, 2);  // the "-(NUL)" coil
    editor->OnChar(VK_RETURN, 1, 0);
    EXPECT_EQ(1, dialogs);
}

// A coil stacked by the command is like one read from IL: Enter opens its operand at
// once (typing is not lost) and a contact cannot be put in front of it.
TEST_F(LadderCursorTest, StackedCoilOpensItsOperandOnEnterAndRefusesContacts) {
    AddNetworks(1);
    ClickCell(4, 2);  // the "-(NUL)" coil
    editor->InsertParallelCoil();
    Layout();
    CLadderElement* stacked = model.GetCurrentElement();
    ASSERT_EQ(ElementAt(4, 3), stacked);
    editor->OnChar(VK_RETURN, 1, 0);
    ASSERT_TRUE(editor->IsCellEditActive());
    for (char ch : {'Q', '0', '.', '1'}) editor->OnChar(ch, 1, 0);
    ClickCell(10, 10);
    EXPECT_STREQ("Q0.1", stacked->GetOperand());
    ClickCell(4, 3);
    CString before = IL();
    editor->InsertContact(FALSE);
    EXPECT_EQ(before, IL());
}

TEST_F(LadderCursorTest, TypedOperandIsCommittedWhenTheClickGoesElsewhere) {
    AddNetworks(1);
    ClickCell(1, 2);
    editor->OnChar(VK_RETURN, 1, 0);
    ASSERT_TRUE(editor->IsCellEditActive());
    for (char ch : {'I', '0', '.', '1'}) editor->OnChar(ch, 1, 0);
    editor->OnChar(0, 1, 0);  // a NUL character is ignored
    ClickCell(10, 10);
    EXPECT_FALSE(editor->IsCellEditActive());
    EXPECT_STREQ("I0.1", ElementAt(1, 2)->GetOperand());
    EXPECT_TRUE(model.CanUndo());
}

TEST_F(LadderCursorTest, NetworkSelectionByRows) {
    AddNetworks(4);  // networks start on rows 1, 4, 7, 10; the end row is 13
    struct Case {
        int fromRow;
        int toRow;
        const char* selection;
    } cases[] = {
        {4, 4, "1-1"}, {5, 11, "1-3"}, {11, 2, "0-3"}, {0, 0, "none"}, {12, 12, "3-3"}, {14, 20, "none"},
    };
    for (const Case& c : cases) {
        editor->SelectNetworksByRows(1, c.fromRow, 1, c.toRow);
        EXPECT_EQ(c.selection, Selection()) << c.fromRow << "-" << c.toRow;
    }
}

TEST_F(LadderCursorTest, DraggingSelectsTheNetworksPassedOver) {
    AddNetworks(6);
    editor->SetClientSize(CSize(800, 1000));
    editor->ScrollTo(0, 0);
    editor->OnLButtonDown(0, 150, HeaderRow(2) * 40 + 20);
    editor->OnMouseMove(MK_LBUTTON, 150, HeaderRow(5) * 40 + 20);
    EXPECT_EQ("2-5", Selection());
    editor->OnMouseMove(MK_LBUTTON, 150, HeaderRow(2) * 40 + 20);  // back into the start cell
    EXPECT_EQ("2-5", Selection());
    editor->OnLButtonUp(0, 150, HeaderRow(2) * 40 + 20);
    editor->OnMouseMove(0, 150, HeaderRow(4) * 40 + 20);
    EXPECT_EQ("2-5", Selection());
    // A right click inside the selection keeps it, outside clears it.
    editor->OnRButtonDown(0, 150, HeaderRow(3) * 40 + 20);
    EXPECT_EQ("2-5", Selection());
    editor->OnRButtonDown(0, 150, HeaderRow(0) * 40 + 20);
    EXPECT_EQ("none", Selection());
}

TEST_F(LadderCursorTest, ShiftDownFromAHeaderExtendsNetworkByNetwork) {
    AddNetworks(5);
    SelectItem(2);
    editor->ExtendSelectionVertical(VK_DOWN);
    EXPECT_EQ("1-1", Selection());
    editor->ExtendSelectionVertical(VK_DOWN);
    editor->ExtendSelectionVertical(VK_DOWN);
    EXPECT_EQ("1-3", Selection());
    // Delete takes the selected networks, not the current element.
    Key(VK_DELETE);
    EXPECT_EQ(2, model.GetNetworkCount());
    EXPECT_EQ("none", Selection());
}

TEST_F(LadderCursorTest, ContextMenuDependsOnToolBoxAndOnlineState) {
    AddNetworks(1);
    ClickCell(1, 2);
    CPoint point(150, 100);
    EXPECT_EQ(CLadderEditor::kOfflineMenu, editor->GetContextMenuId(point));
    editor->StartBranchTool();
    ASSERT_TRUE(editor->IsBranchToolArmed());
    point = CPoint(150, 100);
    EXPECT_EQ(CPOUEditEngine::kNoMenu, editor->GetContextMenuId(point));
    EXPECT_FALSE(editor->IsBranchToolArmed());
    EXPECT_FALSE(editor->BranchTool().IsMouseConfined());
    editor->ClickAt(150, 85, FALSE, FALSE);
    ASSERT_TRUE(editor->IsCellEditActive());
    CRect box = editor->CellEdit().m_rect;
    point = box.CenterPoint();
    EXPECT_EQ(CLadderEditor::kCellEditMenu, editor->GetContextMenuId(point));
    editor->CommitCellEdit();
    workspace.onlineMonitoring = 1;
    point = CPoint(150, 100);
    EXPECT_EQ(CPOUEditEngine::kOnlineMenu, editor->GetContextMenuId(point));
    point = CPoint(900, 100);  // right of the client area
    EXPECT_EQ(CPOUEditEngine::kNoMenu, editor->GetContextMenuId(point));
    workspace.onlineMonitoring = 0;
}

TEST_F(LadderCursorTest, BranchToolEndsOnFocusLossAndCancelMode) {
    AddNetworks(1);
    for (UINT message : {static_cast<UINT>(WM_KILLFOCUS), static_cast<UINT>(WM_CANCELMODE)}) {
        editor->StartBranchTool();
        ASSERT_TRUE(editor->IsBranchToolArmed());
        editor->CancelBranchToolOnMessage(message, 0);
        EXPECT_FALSE(editor->IsBranchToolArmed()) << message;
    }
    editor->StartBranchTool();
    editor->OnChar(VK_ESCAPE, 1, 0);
    EXPECT_FALSE(editor->IsBranchToolArmed());
}

TEST_F(LadderCursorTest, EditingDoesNothingWhileOnline) {
    AddNetworks(1);
    ClickCell(1, 2);
    workspace.onlineMonitoring = 1;
    CString before = IL();
    editor->InsertContact(FALSE);
    editor->NewNetwork();
    Key(VK_DELETE);
    editor->OnChar(VK_RETURN, 1, 0);
    editor->Undo();
    EXPECT_EQ(before, IL());
    EXPECT_FALSE(editor->IsCellEditActive());
    workspace.onlineMonitoring = 0;
}

}  // namespace
