// The program's resource script as the windows find it: texts in GBK, menus and
// toolbars with their command ids in order, dialog templates that create with their
// controls, and the pictures the windows load.

#include "platform/FrameworkIds.h"
#include "res/resource.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

HINSTANCE Module() { return ::GetModuleHandleA(nullptr); }

std::string LoadText(UINT id) {
    char buffer[512] = {};
    int length = ::LoadStringA(Module(), id, buffer, sizeof buffer);
    return std::string(buffer, length);
}

// The bytes of a resource, empty when it is missing.
std::vector<unsigned char> ResourceBytes(UINT id, LPCSTR type) {
    HRSRC found = ::FindResourceA(Module(), MAKEINTRESOURCEA(id), type);
    if (!found)
        return {};
    const auto* data = static_cast<const unsigned char*>(::LockResource(::LoadResource(Module(), found)));
    return std::vector<unsigned char>(data, data + ::SizeofResource(Module(), found));
}

std::string MenuText(HMENU menu, int position) {
    char text[128] = {};
    ::GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// Command ids of a popup in order: 0 for a separator, -1 for a submenu.
std::vector<int> PopupIds(HMENU popup) {
    std::vector<int> ids;
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i)
        ids.push_back(::GetSubMenu(popup, i) ? -1 : static_cast<int>(::GetMenuItemID(popup, i)));
    return ids;
}

std::vector<std::string> TopLevelCaptions(HMENU menu) {
    std::vector<std::string> captions;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
        captions.push_back(MenuText(menu, i));
    return captions;
}

}  // namespace

TEST(ResourceScript, TextsLoadAsGbkBytes) {
    // "保存工程" in GBK: the script is UTF-8 and must reach the program in code page 936.
    EXPECT_EQ(LoadText(ID_PROJECT_SAVE), "\xB1\xA3\xB4\xE6\xB9\xA4\xB3\xCC");
    EXPECT_EQ(LoadText(AFX_IDS_IDLEMESSAGE), "\xBE\xCD\xD0\xF7");

    struct Case {
        UINT id;
        const char* text;
    };
    const Case cases[] = {
        {IDR_MAINFRAME, "Tessaron V1.9.5.1"},
        {IDR_PROJECT_TYPE, "\nQLX R2\nQLX_R2\n工程文件(*.qpr)\n.qpr\nQLXR2.Document\nQLX_R2 Document"},
        {IDR_POU_TYPE, "\nQLX IL\nQLX IL\nIL文件(*.ilp)\n.ilp\nQLXIL.Document\nQLX IL Document"},
        {AFX_IDS_APP_TITLE, "QLX_R2"},
        {ID_PROJECT_NEW, "新建一个工程"},
        {ID_VIEW_PROJECT_MANAGER, "  工程管理器"},
        {ID_VIEW_MODULE_LIST, " PLC模块列表"},
        {ID_PANE_LD_INSTRUCTIONS, "  LD 指令集"},
        {ID_PANE_MODULE_LIST, "PLC模块列表"},
        {ID_STYLE_3, "将界面的风格设置为风格三（类似于Office2003）"},
        {ID_PLC_UPLOAD, "将PLC中的程序上载至一个新工程中(Ctrl+F8)"},
        {ID_SWITCH_TAB_POSITION, "切换TAB位置，在窗口的上部或者下部"},
        {IDC_CROSS_REFERENCE_LIST, "交叉索引"},
        {IDS_PROFILE_WINDOW_POSITION, "Window Position"},
        {IDS_CONFIRM_RESET_TOOLBAR, "Are you sure you want to reset the changes made to the '%s' toolbar?"},
        {ID_CUSTOMIZE, "\n&Customize..."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadText(c.id), c.text) << "string " << c.id;

    // Commands that show no prompt of their own.
    for (UINT id : {ID_PLC_COMPARE, ID_PLC_CLEAR, ID_PLC_INFO, ID_PLC_CLOCK, ID_PLC_STOP, ID_HELP_TOPICS,
                    ID_CLOSE_WINDOW, ID_CLOSE_ALL_WINDOWS})
        EXPECT_EQ(LoadText(id), "") << "string " << id;
}

TEST(ResourceScript, FrameMenusHaveTheirCaptionsAndCommandsInOrder) {
    HMENU frame = ::LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_TRUE(frame);
    EXPECT_EQ(TopLevelCaptions(frame),
              (std::vector<std::string>{"文件(&F)", "查看(&V)", "PLC(&P)", "工具(&T)", "帮助(&H)"}));
    EXPECT_EQ(PopupIds(::GetSubMenu(frame, 2)),
              (std::vector<int>{ID_PLC_UPLOAD, 0, ID_PLC_CLEAR, ID_PLC_PASSWORD, 0, ID_PLC_INFO, ID_PLC_CLOCK}));
    ::DestroyMenu(frame);

    HMENU bar = ::LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_PROJECT_TYPE));
    ASSERT_TRUE(bar);
    EXPECT_EQ(TopLevelCaptions(bar),
              (std::vector<std::string>{"文件(&F)", "编辑(&E)", "查看(&V)", "工程(&R)", "梯形图(&L)", "PLC(&P)",
                                        "调试(&D)", "工具(&T)", "窗口(&W)", "帮助(&H)"}));
    HMENU file = ::GetSubMenu(bar, 0);
    EXPECT_EQ(PopupIds(file), (std::vector<int>{32695, 32696, 32779, 32780, 32697, 0, 32781, 32782, 0, 57607,
                                                57609, 57606, 0, 57616, 0, 57665}));
    EXPECT_EQ(MenuText(file, 2), "保存工程(&S)\tCtrl+S");
    EXPECT_EQ(PopupIds(::GetSubMenu(bar, 2)),
              (std::vector<int>{32690, 32694, 32692, 32871, 0, 59393, 59392, 0, -1}));
    EXPECT_EQ(PopupIds(::GetSubMenu(::GetSubMenu(bar, 2), 8)), (std::vector<int>{32943, 32944, 32952}));
    EXPECT_EQ(PopupIds(::GetSubMenu(bar, 4)),
              (std::vector<int>{32814, 0, 32914, 32912, 32816, 32915, 32818, 32817, 0, 32819, 32820}));
    EXPECT_EQ(PopupIds(::GetSubMenu(bar, 8)), (std::vector<int>{32910, 32911, 0, 35000}));
    ::DestroyMenu(bar);
}

TEST(ResourceScript, ContextMenusShowTheirCommandsInOrder) {
    struct Case {
        UINT menu;
        std::vector<int> ids;
    };
    const Case cases[] = {
        {IDR_MENU_GRID_EDIT, {57634, 57635, 57637, 0, 57632, 57642, 0, 32693, 32691, 32866}},
        {IDR_MENU_FORCE, {32803, 32805, 0, 32953, 32954, 32947}},
        {IDR_MENU_LD_EDIT,
         {57634, 57635, 57637, 57642, 0, 32814, 0, 32914, 32912, 32915, 32816, 32818, 32817, 0, 32819, 32820}},
        {IDR_MENU_IL_EDIT, {57635, 57634, 57637, 57632, 57642, 0, 32955}},
        {IDR_MENU_LD_OPERAND_BOX, {57634, 57635, 57637, 0, 57632, 57642}},
        {IDR_MENU_TREE_PROJECT, {32697, 0, 32779, 32780}},
        {IDR_MENU_TREE_PROGRAMS, {32923, 32924}},
        {IDR_MENU_TREE_MAIN, {32861, 0, 32863, 0, 32864}},
        {IDR_MENU_TREE_POU, {32861, 0, 32862, 32863, 0, 32864}},
        {IDR_MENU_TREE_INIT_DATA, {32875}},
        {IDR_MENU_TREE_GLOBAL_VARS, {32831}},
        {IDR_MENU_TREE_STATUS_TABLE, {32851}},
        {IDR_MENU_TREE_HARDWARE, {32859}},
        {IDR_MENU_TREE_COMM, {32860}},
        {IDR_MENU_SLOT_GRID, {32852}},
        {IDR_MENU_DOCUMENT_TAB, {32876, 32880, 0, 32779, 0, 32879}},
        {IDR_MENU_OUTPUT, {121, 0, 32882}},
        {IDR_MENU_CROSS_REFERENCE, {32896, 0, 32895}},
        {IDR_MENU_STATUS_TABLE,
         {57634, 57635, 57637, 57632, 57642, 32693, 32691, 32866, 32809, 32810, 32946, 32947, 32948}},
        {IDR_MENU_CUSTOMIZE, {9315, 9316, 0, 9317, 0, 9318, 9319, 9320, 9321, 9322, 0, 9323, 9325, 9324, 0, 9326}},
    };
    for (const Case& c : cases) {
        HMENU menu = ::LoadMenuA(Module(), MAKEINTRESOURCEA(c.menu));
        ASSERT_TRUE(menu) << "menu " << c.menu;
        EXPECT_EQ(PopupIds(::GetSubMenu(menu, 0)), c.ids) << "menu " << c.menu;
        ::DestroyMenu(menu);
    }
}

TEST(ResourceScript, FrameAcceleratorsMapKeysToCommands) {
    HACCEL table = ::LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_TRUE(table);
    std::vector<ACCEL> entries(::CopyAcceleratorTableA(table, nullptr, 0));
    ::CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
    EXPECT_EQ(entries.size(), 41u);

    auto commandOf = [&](BYTE modifiers, WORD key) {
        for (const ACCEL& a : entries)
            if ((a.fVirt & ~FNOINVERT) == (FVIRTKEY | modifiers) && a.key == key)
                return static_cast<int>(a.cmd);
        return -1;
    };
    EXPECT_EQ(commandOf(FCONTROL, '1'), ID_FILE_MRU_FILE1);
    EXPECT_EQ(commandOf(FALT, '1'), ID_VIEW_PROJECT_MANAGER);
    EXPECT_EQ(commandOf(FCONTROL, 'S'), ID_PROJECT_SAVE);
    EXPECT_EQ(commandOf(FCONTROL, 'Q'), ID_IL_INSERT_NETWORK);
    EXPECT_EQ(commandOf(FCONTROL, VK_DELETE), ID_LD_DELETE_NETWORK);
    EXPECT_EQ(commandOf(FALT, VK_F4), ID_APP_EXIT);
    EXPECT_EQ(commandOf(0, VK_F7), ID_COMPILE);
    EXPECT_EQ(commandOf(0, VK_F8), ID_PLC_DOWNLOAD);
    EXPECT_EQ(commandOf(FCONTROL, VK_F8), ID_PLC_UPLOAD);
    EXPECT_EQ(commandOf(FALT, 'Y'), ID_SHOW_GLOBAL_NAMES);
}

TEST(ResourceScript, ToolbarsListTheirButtonsAndHoldOneImagePerButton) {
    struct Case {
        UINT id;
        std::vector<int> buttons;
    };
    const Case cases[] = {
        {IDR_TOOLBAR_STANDARD, {32695, 0, 32696, 32779, 32697, 0, 57609, 57607, 0, 57635, 57634, 57637, 57643, 57644}},
        {IDR_TOOLBAR_PROJECT, {32921, 32922, 0, 32927, 0, 32928}},
        {IDR_TOOLBAR_LADDER, {32814, 32914, 32912, 32816, 32817, 32915, 32818, 32819, 32820}},
        {IDR_TOOLBAR_PLC, {32935, 32794, 0, 32806, 32809, 32810}},
    };
    const LPCSTR toolbarType = MAKEINTRESOURCEA(241);
    for (const Case& c : cases) {
        std::vector<unsigned char> bytes = ResourceBytes(c.id, toolbarType);
        ASSERT_GE(bytes.size(), 8u) << "toolbar " << c.id;
        auto word = [&](size_t i) { return bytes[2 * i] | bytes[2 * i + 1] << 8; };
        EXPECT_EQ(word(0), 1);
        EXPECT_EQ(word(1), 16);
        EXPECT_EQ(word(2), 16);
        std::vector<int> buttons;
        for (int i = 0; i < word(3); ++i)
            buttons.push_back(word(4 + i));
        EXPECT_EQ(buttons, c.buttons) << "toolbar " << c.id;

        BITMAP strip = {};
        HBITMAP images = ::LoadBitmapA(Module(), MAKEINTRESOURCEA(c.id));
        ASSERT_TRUE(images) << "toolbar bitmap " << c.id;
        ::GetObjectA(images, sizeof strip, &strip);
        const long imageCount = static_cast<long>(c.buttons.size()) -
                                std::count(c.buttons.begin(), c.buttons.end(), 0);
        EXPECT_EQ(strip.bmWidth, 16 * imageCount) << "toolbar bitmap " << c.id;
        EXPECT_EQ(strip.bmHeight, 16);
        ::DeleteObject(images);
    }
}

TEST(ResourceScript, PicturesHaveTheirSizes) {
    struct Case {
        UINT id;
        int width, height, bits;
    };
    const Case cases[] = {
        {IDB_SPLASH, 600, 450, 24},       {IDB_INSTRUCTION_TREE, 64, 16, 24}, {IDB_PROJECT_TREE, 192, 16, 24},
        {IDB_MODULE_TREE, 48, 16, 24},    {IDB_MENUBAR_SYSTEM, 64, 16, 24},   {ID_TAB_GROUP_NEW_HORIZONTAL, 32, 16, 24},
        {IDB_DETECT_IDLE, 48, 32, 24},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> bytes = ResourceBytes(c.id, RT_BITMAP);
        ASSERT_GE(bytes.size(), sizeof(BITMAPINFOHEADER)) << "bitmap " << c.id;
        BITMAPINFOHEADER header;
        std::memcpy(&header, bytes.data(), sizeof header);
        EXPECT_EQ(header.biWidth, c.width) << "bitmap " << c.id;
        EXPECT_EQ(header.biHeight, c.height) << "bitmap " << c.id;
        EXPECT_EQ(header.biBitCount, c.bits) << "bitmap " << c.id;
    }

    for (UINT id : {IDC_CURSOR_GUTTER, IDC_CURSOR_BRANCH_TOOL, IDC_CURSOR_DRAG_COPY, IDC_CURSOR_DRAG_MOVE,
                    IDC_CURSOR_HAND, IDC_CURSOR_DRAG_DELETE, IDC_CURSOR_HAND_NO_ENTRY, IDC_CURSOR_SPLIT_HORIZONTAL,
                    IDC_CURSOR_SPLIT_VERTICAL, IDC_CURSOR_DROP_ALLOWED, IDC_CURSOR_DROP_REFUSED,
                    IDC_CURSOR_CUSTOMIZE_COPY, IDC_CURSOR_CUSTOMIZE_MOVE, IDC_CURSOR_CUSTOMIZE_NO_DROP})
        EXPECT_TRUE(::LoadCursorA(Module(), MAKEINTRESOURCEA(id))) << "cursor " << id;
    for (UINT id : {IDR_MAINFRAME, IDI_CHILD_FRAME})
        EXPECT_TRUE(::LoadIconA(Module(), MAKEINTRESOURCEA(id))) << "icon " << id;

    // The detection animation: a looping GIF of several frames.
    std::vector<unsigned char> gif = ResourceBytes(IDR_GIF_DETECTING, "GIF");
    ASSERT_GT(gif.size(), 13u);
    const std::string data(gif.begin(), gif.end());
    EXPECT_EQ(data.substr(0, 6), "GIF89a");
    EXPECT_NE(data.find("NETSCAPE2.0"), std::string::npos);
    EXPECT_GT(std::count(data.begin(), data.end(), '\x21'), 2);
}

namespace {

INT_PTR CALLBACK AcceptingDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

class DialogTemplates : public testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
        ::InitCommonControlsEx(&controls);
        // Forms and property pages are child templates and need a parent.
        m_parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, Module(), nullptr);
        ASSERT_TRUE(m_parent);
    }
    void TearDown() override { ::DestroyWindow(m_parent); }

    HWND m_parent = nullptr;
};

std::string WindowText(HWND window) {
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace

TEST_F(DialogTemplates, EveryTemplateCreatesWithItsControls) {
    struct Case {
        UINT id;
        const char* caption;
        std::vector<int> controls;
    };
    const Case cases[] = {
        {IDD_CONTACT_COIL, "触点/线圈", {1003, 1019, IDOK, IDCANCEL}},
        {IDD_COMMENT, "注释", {2031, IDOK, IDCANCEL}},
        {IDD_SELECT_FUNCTION, "功能/功能块/子程序", {1214, 1215, 1216, 1217, 1218, IDOK, IDCANCEL}},
        {IDD_POU_PROPERTIES, "程序属性", {2023, 2024, 2026, 2032, 2031, 2029, 2030, IDOK, IDCANCEL}},
        {IDD_COMM_SETTINGS, "PC机通讯设置",
         {2041, 2047, 2042, 2043, 2044, 2045, 2046, 1238, 1240, 1243, 1246, 1247, IDOK, IDCANCEL}},
        {IDD_FIND_REPLACE, "查找/替换...", {1024, 1026, 1013, 1018, 1002, 1009, 1022, 2013, 2014, IDCANCEL}},
        {IDD_BOX_PARAMETERS, "功能/功能块", {2015, 2016, 1027, 1028, IDCANCEL, IDHELP}},
        {IDD_CPU_PAGE_COM, "通讯设置", {2048, 2049, 2050, 2051, 2052, 2053, 2054, 2055, 2056, 2057}},
        {IDD_CPU_PAGE_IO, "I/O设置", {1130, 1154, 1005, 1016, 2091, 2094, 1133, 1134, 1131, 1132, 1137, 1138, 1153}},
        {IDD_CPU_PAGE_RETAIN, "数据保持",
         {1111, 1184, 1186, 1189, 1194, 1102, 1196, 1198, 1199, 1220, 1106, 1221, 1222, 1223, 1225, 1109, 1227,
          1231, 1244, 1245}},
        {IDD_FORM_DI, "", {1115, 1116, 1117, 1118, 1119}},
        {IDD_FORM_AO, "", {1011, 2059, 1016, 1241, 1236, 1235, 1242, 1237, 1239, 1124, 1125}},
        {IDD_FORM_DIO, "", {996, 2058, 1005, 1011, 2059, 1016, 2088, 2093, 1195, 2061, 2076, 1128, 1129}},
        {IDD_FORM_DO, "", {1011, 2059, 1016, 2088, 2093, 1195, 2061, 2068, 2069, 2076, 1122, 1123}},
        {IDD_FORM_AI, "", {996, 2058, 1005, 1162, 1164, 1166, 1168, 1159, 1581, 1583, 1163, 1120, 1121}},
        {IDD_FORM_CPU_INFO, "", {2044, 997, 1015}},
        {IDD_FORM_HOW_TO, "", {}},
        {IDD_PLC_CLOCK, "调整CPU时钟", {1169, 1171, 1159, 1160, 1157, 1158, 1193, 1156, IDCANCEL}},
        {IDD_SETTINGS, "软件设置", {1181, IDOK, IDCANCEL}},
        {IDD_SETTINGS_GENERAL, "通用", {1219, 1220, 1232, 1233, 1234, 1210, 1212}},
        {IDD_CPU_PASSWORD, "CPU密码保护", {999, 1101, 1104, 1108, 1188, 1191, 3, IDCANCEL}},
        {IDD_PLC_INFO, "PLC信息", {1211, 1228, 1226, 1224, 1197, 1582, IDCANCEL}},
        {IDD_FORCE_VARIABLE, "强制变量", {1214, 1215, 1216, 1213, IDOK, IDCANCEL}},
        {IDD_PLC_PASSWORD, "请输入密码", {1228, IDOK, IDCANCEL}},
        {IDD_DOWNLOAD, "下载用户工程", {1229, 1230, 1231, 1232, 1233, 1234, IDOK, IDCANCEL}},
        {IDD_NEW_TOOLBAR, "New Toolbar", {9329, IDOK, IDCANCEL}},
        {IDD_CUSTOMIZE_COMMANDS, "&Commands", {9338, 9327}},
        {IDD_CUSTOMIZE_TOOLBARS, "Tool&bars", {9305, 9308, 9309, 9310, 9311}},
    };
    for (const Case& c : cases) {
        HWND dialog = ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(c.id), m_parent, AcceptingDialogProc, 0);
        ASSERT_TRUE(dialog) << "dialog " << c.id;
        EXPECT_EQ(WindowText(dialog), c.caption) << "dialog " << c.id;
        for (int control : c.controls)
            EXPECT_TRUE(::GetDlgItem(dialog, control)) << "dialog " << c.id << " control " << control;
        ::DestroyWindow(dialog);
    }
}

TEST_F(DialogTemplates, ControlsHaveTheirKinds) {
    HWND clock = ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(IDD_PLC_CLOCK), m_parent, AcceptingDialogProc, 0);
    ASSERT_TRUE(clock);
    EXPECT_EQ(ClassOf(::GetDlgItem(clock, IDC_CLOCK_NEW_DATE)), DATETIMEPICK_CLASSA);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(clock, IDC_CLOCK_PLC_TIME)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(clock, IDC_CLOCK_NEW_TIME)));
    ::DestroyWindow(clock);

    HWND download = ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(IDD_DOWNLOAD), m_parent, AcceptingDialogProc, 0);
    ASSERT_TRUE(download);
    EXPECT_EQ(ClassOf(::GetDlgItem(download, IDC_DOWNLOAD_PROGRESS)), PROGRESS_CLASSA);
    EXPECT_EQ(WindowText(::GetDlgItem(download, IDC_DOWNLOAD_NO_UPLOAD)), "当前下载的用户工程禁止上载(&U)");
    ::DestroyWindow(download);

    HWND password = ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(IDD_PLC_PASSWORD), m_parent, AcceptingDialogProc, 0);
    ASSERT_TRUE(password);
    EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(password, IDC_PLC_PASSWORD), GWL_STYLE) & ES_PASSWORD);
    ::DestroyWindow(password);

    // The POU properties dialog is laid out as given, in dialog units.
    HWND properties =
        ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(IDD_POU_PROPERTIES), m_parent, AcceptingDialogProc, 0);
    ASSERT_TRUE(properties);
    RECT expected = {9, 80, 9 + 164, 80 + 45};
    ::MapDialogRect(properties, &expected);
    RECT comment;
    ::GetWindowRect(::GetDlgItem(properties, IDC_POU_COMMENT), &comment);
    ::MapWindowPoints(nullptr, properties, reinterpret_cast<POINT*>(&comment), 2);
    EXPECT_EQ(comment.right - comment.left, expected.right - expected.left);
    EXPECT_EQ(comment.bottom - comment.top, expected.bottom - expected.top);
    ::DestroyWindow(properties);
}
