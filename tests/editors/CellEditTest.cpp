#include <gtest/gtest.h>

#include <string>

#include "editors/CellEdit.h"
#include "platform/Clipboard.h"

namespace {

const UINT kLead = 0xB0;   // first byte of a two-byte character
const UINT kTrail = 0xA1;  // its second byte
const char kWide[] = "\xB0\xA1";

void Type(CCellEdit& box, const std::string& bytes) {
    for (unsigned char byte : bytes)
        box.OnChar(byte);
}

TEST(CellEditTest, TypingStopsAtThirtyOneBytes) {
    struct Case {
        int before;      // single bytes already typed
        bool wide;       // then one two-byte character, else one more single byte
        int expected;    // length afterwards
    } cases[] = {
        {30, false, 31},  // the 31st byte is accepted
        {31, false, 31},  // the 32nd is not
        {29, true, 31},   // a two-byte character still fits from 29
        {30, true, 30},   // but not from 30: neither half goes in
    };
    for (const Case& c : cases) {
        CCellEdit box;
        box.SetText("");
        Type(box, std::string(c.before, 'a'));
        if (c.wide)
            Type(box, kWide);
        else
            box.OnChar('b');
        EXPECT_EQ(c.expected, box.GetText().GetLength()) << c.before << (c.wide ? " wide" : " single");
    }
}

TEST(CellEditTest, ControlCharactersAndNulTypeNothing) {
    CCellEdit box;
    box.SetText("I0.0");
    for (UINT code : {0u, UINT(VK_TAB), UINT(VK_RETURN), 1u, 31u})
        box.OnChar(code);
    EXPECT_STREQ("I0.0", box.GetText());
    EXPECT_EQ(4, box.GetCaret());
}

TEST(CellEditTest, CaretMovesAndDeletionsKeepTwoByteCharactersWhole) {
    CCellEdit box;
    box.SetText(CString("a") + kWide + "b");  // a, wide, b: 4 bytes, caret at 4
    box.OnKeyDown(VK_LEFT, FALSE);
    EXPECT_EQ(3, box.GetCaret());
    box.OnKeyDown(VK_LEFT, FALSE);
    EXPECT_EQ(1, box.GetCaret());  // over both halves
    box.OnKeyDown(VK_RIGHT, FALSE);
    EXPECT_EQ(3, box.GetCaret());

    box.OnChar(VK_BACK);  // after the wide character: both bytes go
    EXPECT_STREQ("ab", box.GetText());
    EXPECT_EQ(1, box.GetCaret());

    box.SetText(CString("a") + kWide + "b");
    box.OnKeyDown(VK_LEFT, FALSE);
    box.OnKeyDown(VK_LEFT, FALSE);
    box.OnKeyDown(VK_DELETE, FALSE);  // before the wide character
    EXPECT_STREQ("ab", box.GetText());
    EXPECT_EQ(1, box.GetCaret());
}

TEST(CellEditTest, ShiftArrowsSelectWholeCharactersFromTheAnchor) {
    CCellEdit box;
    box.SetText(CString("ab") + kWide);  // caret at 4
    box.OnKeyDown(VK_LEFT, TRUE);
    EXPECT_TRUE(box.HasSelection());
    EXPECT_EQ(2, box.GetSelStart());
    EXPECT_EQ(4, box.GetSelEnd());
    box.OnKeyDown(VK_LEFT, TRUE);
    EXPECT_EQ(1, box.GetSelStart());
    EXPECT_EQ(4, box.GetSelEnd());
    box.OnKeyDown(VK_RIGHT, TRUE);
    EXPECT_EQ(2, box.GetSelStart());
    box.OnKeyDown(VK_RIGHT, FALSE);
    EXPECT_FALSE(box.HasSelection());

    box.OnChar('x');  // typing over a selection replaces it
    box.SetSel(0, 2);
    box.OnChar('Z');
    EXPECT_EQ('Z', box.GetText()[0]);
    EXPECT_EQ(1, box.GetCaret());
}

TEST(CellEditTest, WindowOfFifteenBytesFollowsTheCaret) {
    CCellEdit box;
    box.SetText("ABCDEFGHIJKLMNOPQRST");  // 20 bytes, caret at the end
    EXPECT_EQ(5, box.GetFirstVisible());
    EXPECT_STREQ("FGHIJKLMNOPQRST", box.GetShownText());
    for (int i = 0; i < 20; ++i)
        box.OnKeyDown(VK_LEFT, FALSE);
    EXPECT_EQ(0, box.GetFirstVisible());

    // A selection running past the window is highlighted up to the window's 15th byte.
    box.SetSel(3, 20);
    int start = 0, length = 0;
    box.GetHighlight(start, length);
    EXPECT_EQ(5, box.GetFirstVisible());
    EXPECT_EQ(5, start);
    EXPECT_EQ(15, length);
    box.SetSel(2, 4);  // the window stays where it was and shows none of 2..4
    box.GetHighlight(start, length);
    EXPECT_EQ(0, length);
}

TEST(CellEditTest, ClickAndDragPlaceCaretAndSelection) {
    CCellEdit box;
    box.m_rect = CRect(100, 50, 200, 71);
    box.m_charWidth = 10;
    box.SetText("Q0.5");
    box.SetDragEnabled(FALSE);
    box.DragTo(140, 55, TRUE);
    EXPECT_FALSE(box.HasSelection());  // not before a click inside the box

    box.ClickAt(125, 55);  // column 2: the caret goes before it
    EXPECT_EQ(1, box.GetCaret());
    box.DragTo(190, 55, TRUE);  // limited to the text
    EXPECT_EQ(1, box.GetSelStart());
    EXPECT_EQ(4, box.GetSelEnd());
    box.ClickAt(190, 55);  // past the end
    EXPECT_EQ(4, box.GetCaret());
    EXPECT_FALSE(box.HasSelection());
}

TEST(CellEditTest, SetSelClampsAndSelectsAll) {
    CCellEdit box;
    box.SetText("VW100");
    box.SetSel(3, 1);
    EXPECT_FALSE(box.HasSelection());
    box.SetSel(-4, 99);
    EXPECT_EQ(0, box.GetSelStart());
    EXPECT_EQ(5, box.GetSelEnd());
    box.SetSel(-1, -1);
    EXPECT_EQ(5, box.GetCaret());
    EXPECT_EQ(5, box.GetSelEnd());
}

TEST(CellEditTest, UndoRestoresTheOpeningTextSelected) {
    CCellEdit box;
    box.SetText("M0.0");
    box.Undo();
    EXPECT_FALSE(box.HasSelection());  // nothing changed: nothing happens
    Type(box, "12");
    box.OnChar(VK_BACK);
    box.Undo();
    EXPECT_STREQ("M0.0", box.GetText());
    EXPECT_TRUE(box.HasSelection());
    EXPECT_EQ(0, box.GetSelStart());
    EXPECT_EQ(4, box.GetSelEnd());
}

TEST(CellEditTest, CopyAndPasteGoThroughTheClipboardWithoutTheTypingLimit) {
    CCellEdit box;
    box.SetText("IB3");
    box.SetSel(0, 2);
    box.Copy();
    CString clip;
    ASSERT_TRUE(GetClipboardText(clip));
    EXPECT_STREQ("IB", clip);

    ASSERT_TRUE(SetClipboardText(std::string(40, 'x').c_str()));
    box.SetSel(0, 1);
    box.Paste();
    EXPECT_EQ(42, box.GetText().GetLength());
    EXPECT_EQ(40, box.GetCaret());
    EXPECT_FALSE(box.HasSelection());
}

}  // namespace
