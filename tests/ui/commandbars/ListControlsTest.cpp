#include "tests/support/TestApplication.h"
#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBars.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControlLists.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIPopupBar.h"

#include "platform/CDC.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/CRecentFileList.h"
#include "platform/FrameworkIds.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kBefore = 33001;
const UINT kAfter = 33002;

class CountingFrame : public CMDIFrameWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND)
            ++m_commands;
        return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    }
    int m_commands = 0;
};

class CustomizingBars : public CUICommandBars {
public:
    void SetCustomizeMode(BOOL on) { m_customizeMode = on; }
};

struct Entry {
    UINT id;
    std::string caption;
    int checked;
    BOOL beginGroup;
    bool operator==(const Entry& other) const {
        return id == other.id && caption == other.caption && checked == other.checked &&
               beginGroup == other.beginGroup;
    }
};

std::ostream& operator<<(std::ostream& out, const Entry& entry) {
    return out << "{" << entry.id << " \"" << entry.caption << "\" " << entry.checked << " " << entry.beginGroup << "}";
}

// An MDI frame with command bars and a popup (as a menu) holding a button, a list
// control and another button.
class ListControls : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_frame = new CountingFrame;
        ASSERT_TRUE(m_frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 400)));
        m_app.m_pMainWnd = m_frame;
        m_frame->ShowWindow(SW_SHOW);
        m_bars = new CustomizingBars;
        m_bars->SetFrameSite(m_frame);
        m_menu = CUIPopupBar::CreatePopupBarFor(m_bars);
        m_menu->m_site = m_frame;
    }
    void TearDown() override {
        CUIMouseTrackHook::Get().EndTracking();
        m_menu->InternalRelease();
        for (CMDIChildWnd* child : m_children)
            child->MDIDestroy();
        delete m_bars;
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
        CUIControlWindowList::FirstChildId = 0xFF00;
    }
    CUIControl* Fill(CUIControl* list, UINT id) {
        m_menu->GetControls()->Add(uiControlButton, kBefore)->SetCaption("Before");
        m_menu->GetControls()->InsertControl(list, id);
        m_menu->GetControls()->Add(uiControlButton, kAfter)->SetCaption("After");
        return list;
    }
    // A layout of the menu's controls as a bar's layout runs it.
    void Layout() {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        m_menu->GetControls()->CalcDynamicSize(&dc, 300, 0, CRect(0, 0, 0, 0), 0);
    }
    // The entries between the two buttons.
    std::vector<Entry> Entries() {
        std::vector<Entry> entries;
        CUIControls* controls = m_menu->GetControls();
        for (int i = 2; i < controls->GetCount() && controls->GetAt(i)->GetID() != kAfter; ++i) {
            CUIControl* control = controls->GetAt(i);
            EXPECT_TRUE(control->m_temporary);
            EXPECT_TRUE(control->GetFlags() & uiFlagNoUpdate);
            entries.push_back({control->GetID(), static_cast<LPCSTR>(control->GetCaption()), control->GetChecked(),
                               control->GetBeginGroup()});
        }
        return entries;
    }
    CMDIChildWnd* OpenChild(LPCSTR title) {
        CMDIChildWnd* child = new CMDIChildWnd;
        child->LoadFrame(IDR_MAINFRAME, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, m_frame, nullptr);
        child->SetWindowText(title);
        child->MDIActivate();
        m_children.push_back(child);
        return child;
    }

    TestApplication m_app;
    TestBarFactory m_factory;
    RecordingThemeFactory m_themes;
    CountingFrame* m_frame = nullptr;
    CustomizingBars* m_bars = nullptr;
    CUIPopupBar* m_menu = nullptr;
    std::vector<CMDIChildWnd*> m_children;
};

}  // namespace

TEST_F(ListControls, TheWindowListNumbersTheVisibleDocumentsAndChecksTheActiveOne) {
    CUIControl* list = Fill(new CUIControlWindowList, 35000);
    Layout();
    EXPECT_TRUE(Entries().empty());  // no documents
    EXPECT_EQ(static_cast<DWORD>(uiHideExpanded), list->GetHideFlags());

    for (int i = 1; i <= 11; ++i) {
        CString title;
        title.Format("POU%d", i);
        OpenChild(title);
    }
    m_children[2]->ShowWindow(SW_HIDE);  // a hidden child takes no number
    m_children[4]->MDIActivate();
    Layout();
    Layout();  // one set of entries however often the bar lays out
    const std::vector<Entry> expected = {
        {0xFF00, "&1 POU1", 0, TRUE}, {0xFF01, "&2 POU2", 0, FALSE}, {0xFF03, "&3 POU4", 0, FALSE},
        {0xFF04, "&4 POU5", 1, FALSE}, {0xFF05, "&5 POU6", 0, FALSE}, {0xFF06, "&6 POU7", 0, FALSE},
        {0xFF07, "&7 POU8", 0, FALSE}, {0xFF08, "&8 POU9", 0, FALSE}, {0xFF09, "&9 POU10", 0, FALSE},
    };
    EXPECT_EQ(expected, Entries());

    // Choosing an entry activates its window through the frame's command.
    m_menu->GetControls()->GetAt(3)->OnExecute();
    EXPECT_EQ(m_children[1], m_frame->MDIGetActive());

    m_bars->SetCustomizeMode(TRUE);
    Layout();
    EXPECT_TRUE(Entries().empty());
    EXPECT_EQ(0u, list->GetHideFlags());
}

TEST_F(ListControls, TheWindowListRemovesOnlyItsOwnEntries) {
    // With the first child id lowered, a permanent entry after the list has an id above it.
    CUIControlWindowList::FirstChildId = 0x8000;
    Fill(new CUIControlWindowList, 35000);
    m_menu->GetControls()->Add(uiControlButton, 0x9000, "", 2);
    Layout();
    Layout();
    ASSERT_EQ(4, m_menu->GetControls()->GetCount());
    EXPECT_EQ(0x9000u, m_menu->GetControls()->GetAt(2)->GetID());
}

TEST_F(ListControls, TheToolbarsListTogglesToolbarsWithoutACommand) {
    m_bars->CreateMenuBar("菜单栏", 0);
    CUICommandBar* standard = m_bars->AddToolBar("标准", uiBarTop, RUNTIME_CLASS(TestBar));
    CUICommandBar* plc = m_bars->AddToolBar("PLC", uiBarTop, RUNTIME_CLASS(TestBar));
    plc->SetVisible(FALSE);
    Fill(new CUIControlToolbars, ID_VIEW_TOOLBAR);
    Layout();
    Layout();
    // Tags count every bar of the list, the menu bar too.
    const std::vector<Entry> expected = {{ID_VIEW_TOOLBAR, "标准", 1, FALSE}, {ID_VIEW_TOOLBAR, "PLC", 0, FALSE}};
    EXPECT_EQ(expected, Entries());
    EXPECT_EQ(1u, m_menu->GetControls()->GetAt(2)->m_tag);
    EXPECT_EQ(2u, m_menu->GetControls()->GetAt(3)->m_tag);

    m_menu->GetControls()->GetAt(3)->OnExecute();
    EXPECT_TRUE(plc->IsVisible());
    EXPECT_TRUE(standard->IsVisible());
    EXPECT_EQ(0, m_frame->m_commands);

    // The right-click menu lists the same toolbars.
    CUIPopupBar* menu = m_bars->CreateToolbarsMenu();
    ASSERT_EQ(2, menu->GetControlCount());
    EXPECT_EQ(CString("PLC"), menu->GetControl(1)->GetCaption());
    EXPECT_EQ(1, menu->GetControl(1)->GetChecked());
    EXPECT_NE(nullptr, dynamic_cast<CUIControlToolbar*>(menu->GetControl(1)));
    menu->InternalRelease();
}

TEST_F(ListControls, TheRecentFileListNumbersFromOneToZeroAndKeepsAmpersands) {
    CUIControl* list = Fill(new CUIControlRecentFileList, ID_FILE_MRU_FILE1);
    list->SetCaption("最近文件");
    m_app.m_pRecentFileList = new CRecentFileList(0, "Recent File List", "File%d", 10);
    Layout();
    EXPECT_TRUE(Entries().empty());  // none yet: the item itself, disabled
    EXPECT_EQ(0u, list->GetHideFlags());
    EXPECT_FALSE(list->GetEnabled());

    char directory[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, directory);
    const char* names[] = {"a&b.qpr", "2.qpr", "3.qpr", "4.qpr", "5.qpr", "6.qpr", "7.qpr", "8.qpr", "9.qpr", "十.qpr"};
    for (int i = 9; i >= 0; --i)
        m_app.m_pRecentFileList->Add(CString(directory) + "\\" + names[i]);
    Layout();
    Layout();
    const std::vector<Entry> entries = Entries();
    ASSERT_EQ(10u, entries.size());
    EXPECT_EQ((Entry{ID_FILE_MRU_FILE1, "&1 a&&b.qpr", 0, TRUE}), entries[0]);
    EXPECT_EQ((Entry{ID_FILE_MRU_FILE1 + 9, "&0 十.qpr", 0, FALSE}), entries[9]);
    EXPECT_EQ(static_cast<DWORD>(uiHideExpanded), list->GetHideFlags());

    m_bars->SetCustomizeMode(TRUE);
    Layout();
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(list->GetEnabled());
    delete m_app.m_pRecentFileList;
    m_app.m_pRecentFileList = nullptr;
}

TEST_F(ListControls, ReservedMenuIdsBecomeListControls) {
    struct Case {
        UINT id;
        const char* text;
        const CRuntimeClass* expected;
    };
    const Case cases[] = {
        {35000, "Windows", RUNTIME_CLASS(CUIControlWindowList)},
        {35002, "", RUNTIME_CLASS(CUIControlWorkspaceActions)},
        {ID_FILE_MRU_FILE1, "最近文件", RUNTIME_CLASS(CUIControlRecentFileList)},
        {ID_VIEW_TOOLBAR, "工具栏", RUNTIME_CLASS(CUIControlToolbars)},
        {0xE210, "<<OLE VERBS GO HERE>>", RUNTIME_CLASS(CUIControlOleItems)},
        {0xE210, "Verbs", RUNTIME_CLASS(CUIControlButton)},
        {kBefore, "Other", RUNTIME_CLASS(CUIControlButton)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, c.id, c.text);
        CUIControl* control = m_menu->GetControls()->AddMenuItem(&menu, 0);
        ASSERT_NE(nullptr, control);
        EXPECT_EQ(c.expected, control->GetRuntimeClass());
        EXPECT_EQ(c.id, control->GetID());
        m_menu->GetControls()->RemoveAll();
    }
}
