#include "platform/CFrameWnd.h"
#include "tests/support/TestApplication.h"
#include "ui/commandbars/UIShortcutText.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

const UINT kSave = 100, kOpen = 101, kPlain = 102, kModifiersOnly = 103, kNumPad = 104;

// System names as a layout might report them: in capitals, and none for the number pad.
class FakeKeyNames : public IKeyNameSource {
public:
    CString GetSystemKeyName(UINT key) const override {
        auto found = names.find(key);
        return found == names.end() ? CString() : CString(found->second);
    }
    std::map<UINT, const char*> names = {
        {VK_CONTROL, "CTRL"}, {VK_SHIFT, "SHIFT"}, {VK_MENU, "ALT"}, {'S', "S"}, {'O', "O"}, {VK_F12, "F12"}};
};

// A frame whose default accelerators are the test's table.
class AccelFrame : public CFrameWnd {
public:
    explicit AccelFrame(std::vector<ACCEL> entries)
        : m_table(::CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size()))) {}
    ~AccelFrame() override { ::DestroyAcceleratorTable(m_table); }
    HACCEL GetDefaultAccelerator() override { return m_table; }

private:
    HACCEL m_table;
};

class ShortcutText : public testing::Test {
protected:
    CString Shortcut(UINT id, const char* shown = "", BOOL* found = nullptr) {
        CString text = shown;
        const BOOL result = FindShortcut(id, text, &frame, &names);
        if (found) *found = result;
        return text;
    }

    TestApplication app;
    FakeKeyNames names;
    AccelFrame frame{{
        {FVIRTKEY | FCONTROL, 'S', kSave},
        {FVIRTKEY, VK_F12, kSave},
        {FVIRTKEY | FCONTROL | FSHIFT, 'O', kOpen},
        {FVIRTKEY | FALT, 'O', kOpen},
        {FVIRTKEY | FSHIFT, 'O', kPlain},
        {FVIRTKEY | FCONTROL | FALT, 0, kModifiersOnly},
        {FVIRTKEY | FCONTROL, VK_NUMPAD5, kNumPad},
    }};
};

TEST_F(ShortcutText, APlainKeyIsShownBeforeCtrlAndCtrlBeforeAlt) {
    BOOL found = FALSE;
    EXPECT_STREQ(Shortcut(kSave, "", &found), "F12");
    EXPECT_TRUE(found);
    EXPECT_STREQ(Shortcut(kOpen), "Ctrl+Shift+O");
    EXPECT_STREQ(Shortcut(kPlain), "Shift+O");
}

TEST_F(ShortcutText, TheShownTextIsKeptWhenItSpellsOneOfTheAccelerators) {
    EXPECT_STREQ(Shortcut(kSave, "Ctrl+S"), "Ctrl+S");
    EXPECT_STREQ(Shortcut(kOpen, "Alt+O"), "Alt+O");
    EXPECT_STREQ(Shortcut(kSave, "Ctrl+Q"), "F12");
}

TEST_F(ShortcutText, CommandsWithoutAcceleratorsGetNoText) {
    BOOL found = TRUE;
    EXPECT_STREQ(Shortcut(999, "Ctrl+S", &found), "");
    EXPECT_FALSE(found);
    // Without a frame the text stays as it was.
    CString text = "kept";
    CWnd notAFrame;
    EXPECT_FALSE(FindShortcut(kSave, text, &notAFrame, &names));
    EXPECT_STREQ(text, "kept");
    AccelFrame noTable{{}};
    EXPECT_FALSE(FindShortcut(kSave, text, &noTable, &names));
    EXPECT_STREQ(text, "kept");
}

TEST_F(ShortcutText, ModifiersWithoutAKeyHaveNoTrailingPlus) { EXPECT_STREQ(Shortcut(kModifiersOnly), "Ctrl+Alt"); }

TEST_F(ShortcutText, KeysWithoutASystemNameUseTheToolkitsNames) {
    EXPECT_STREQ(Shortcut(kNumPad), "Ctrl+Num 5");
    const struct {
        UINT key;
        const char* name;
    } cases[] = {{'7', "7"}, {'Q', "Q"}, {VK_ESCAPE, "Esc"}, {VK_NEXT, "Page Down"}, {VK_F1, "F1"},
                 {VK_DECIMAL, "Num ."}, {VK_SCROLL, "Scrl Lock"}, {0xFE, "Oem Clear"}, {0x5D, "Application"}};
    for (const auto& c : cases) EXPECT_STREQ(GetFallbackKeyName(c.key), c.name) << c.key;
    EXPECT_EQ(GetFallbackKeyName(VK_F13), nullptr);
    ACCEL f13 = {FVIRTKEY | FCONTROL, VK_F13, 1};
    CString text;
    CUIAccelKeyNames(f13, &names).FormatAccel(text);
    EXPECT_STREQ(text, "Ctrl+");  // a nameless key adds nothing
}

TEST_F(ShortcutText, CharacterKeysAndPriorities) {
    const struct {
        BYTE flags;
        WORD key;
        const char* text;
        int priority;
    } cases[] = {
        {0, 'x', "x", 4},
        {0, 27, "", 4},
        {FCONTROL, 'k', "Ctrl+k", 3},
        {FVIRTKEY | FALT | FSHIFT, 'S', "Shift+Alt+S", 2},
        {FVIRTKEY | FSHIFT, VK_F12, "Shift+F12", 1},
    };
    for (const auto& c : cases) {
        const ACCEL accel = {c.flags, c.key, 1};
        CUIAccelKeyNames names(accel, &this->names);
        CString text = "old";
        names.FormatAccel(text);
        EXPECT_STREQ(text, c.text);
        EXPECT_EQ(names.GetPriority(), c.priority) << c.text;
    }
}

TEST(ShortcutPlatform, TheSystemNamesAreCapitalised) {
    ACCEL save = {FVIRTKEY | FCONTROL, 'S', 1};
    CString text;
    CUIAccelKeyNames(save, nullptr).FormatAccel(text);
    EXPECT_STREQ(text, "Ctrl+S");
    EXPECT_EQ(MakeUpperChar('a'), 'A');
    EXPECT_EQ(MakeUpperChar('7'), '7');
    EXPECT_EQ(MakeUpperChar(0), 0);
}

}  // namespace
