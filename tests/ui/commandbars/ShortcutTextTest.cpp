#include "platform/CFrameWnd.h"
#include "tests/support/TestApplication.h"
#include "ui/commandbars/UIShortcutText.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {

const UINT kSave = 100, kOpen = 101, kPlain = 102, kModifiersOnly = 103, kNumPad = 104;

// System key names from a table; a key the table lacks has no name.
class TableKeyNames : public IKeyNameSource {
public:
    explicit TableKeyNames(std::map<UINT, const char*> table) : names(std::move(table)) {}
    CString GetSystemKeyName(UINT key) const override {
        auto found = names.find(key);
        return found == names.end() ? CString() : CString(found->second);
    }
    std::map<UINT, const char*> names;
};

// System names as a layout might report them: in capitals, and none for the number pad.
TableKeyNames LayoutKeyNames() {
    return TableKeyNames({{VK_CONTROL, "CTRL"}, {VK_SHIFT, "SHIFT"}, {VK_MENU, "ALT"}, {'S', "S"}, {'O', "O"},
                          {VK_F12, "F12"}});
}

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
    TableKeyNames names = LayoutKeyNames();
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
    for (const auto& c : cases) EXPECT_STREQ(GetToolkitKeyName(c.key), c.name) << c.key;
    EXPECT_EQ(GetToolkitKeyName(VK_F13), nullptr);
    ACCEL f13 = {FVIRTKEY | FCONTROL, VK_F13, 1};
    CString text;
    CUIAccelKeyNames(f13, &names).FormatAccel(text);
    EXPECT_STREQ(text, "Ctrl+");  // a nameless key adds nothing
}

// Names as an X display reports them to the system (its key symbols).
TableKeyNames DisplayKeyNames() {
    return TableKeyNames({{VK_CONTROL, "Control"}, {VK_SHIFT, "Shift"}, {VK_MENU, "Alt"}, {VK_F8, "F8"},
                          {VK_DELETE, "Delete"}, {VK_PRIOR, "Prior"}, {VK_NEXT, "Next"}, {VK_RETURN, "Return"},
                          {VK_ESCAPE, "Escape"}, {VK_SPACE, "space"}, {VK_ADD, "KP_Add"}, {VK_SCROLL, "Scroll_Lock"},
                          {'1', "1"}, {'X', "x"}, {VK_OEM_PLUS, "="}, {VK_F13, "F13"},
                          {VK_BROWSER_BACK, "BROWSER BACK"}});
}

class NoKeyNames : public IKeyNameSource {
public:
    CString GetSystemKeyName(UINT) const override { return CString(); }
};

TEST_F(ShortcutText, ShortcutsReadAsTheMenusSpellThemWhateverTheSystemCallsTheKeys) {
    const TableKeyNames display = DisplayKeyNames();
    const NoKeyNames none;
    const IKeyNameSource* sources[] = {nullptr, &names, &display, &none};
    const struct {
        BYTE modifiers;
        WORD key;
        const char* text;
    } cases[] = {
        {FCONTROL, VK_F8, "Ctrl+F8"},
        {FCONTROL, VK_DELETE, "Ctrl+Del"},
        {FALT, VK_F4, "Alt+F4"},
        {FSHIFT, VK_PRIOR, "Shift+Page Up"},
        {FCONTROL | FSHIFT, VK_NEXT, "Ctrl+Shift+Page Down"},
        {0, VK_RETURN, "Enter"},
        {FALT, VK_ESCAPE, "Alt+Esc"},
        {FCONTROL, VK_SPACE, "Ctrl+Space"},
        {FCONTROL, VK_ADD, "Ctrl+Num +"},
        {0, VK_SCROLL, "Scrl Lock"},
        {FCONTROL, '1', "Ctrl+1"},
        {FALT, 'X', "Alt+X"},
    };
    for (const IKeyNameSource* source : sources) {
        for (const auto& c : cases) {
            const ACCEL accel = {static_cast<BYTE>(FVIRTKEY | c.modifiers), c.key, 1};
            CString text;
            CUIAccelKeyNames(accel, source).FormatAccel(text);
            EXPECT_STREQ(text, c.text) << (source == nullptr ? "platform" : "fake");
        }
    }
    // Keys the toolkit does not name take the system's name, capitalised.
    const struct {
        WORD key;
        const char* text;
    } systemNamed[] = {{VK_OEM_PLUS, "Ctrl+="}, {VK_F13, "Ctrl+F13"}, {VK_BROWSER_BACK, "Ctrl+Browser back"}};
    for (const auto& c : systemNamed) {
        const ACCEL accel = {FVIRTKEY | FCONTROL, c.key, 1};
        CString text;
        CUIAccelKeyNames(accel, &display).FormatAccel(text);
        EXPECT_STREQ(text, c.text);
    }
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
