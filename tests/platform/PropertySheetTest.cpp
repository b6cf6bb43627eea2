#include "platform/CDataExchange.h"
#include "platform/CPropertySheet.h"
#include "platform/CWinThread.h"
#include "platform/FrameworkIds.h"
#include "tests/support/DialogTemplate.h"
#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

enum { IDC_NAME = 1001, IDC_COUNT, IDC_SHEET_FRAME };
const int kApplyButton = 0x3021;
const DWORD kPageStyle = WS_CHILD | WS_DISABLED | WS_CAPTION;

using Log = std::vector<std::string>;

// A page that logs what the sheet asks of it, under its name.
class LoggedPage : public CPropertyPage {
public:
    LoggedPage(LPCDLGTEMPLATEA dialogTemplate, Log& log, std::string name)
        : CPropertyPage(dialogTemplate), m_log(log), m_name(std::move(name)) {}

    BOOL OnInitDialog() override {
        Record("init");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        Record("set");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        Record("kill");
        return CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override {
        Record("apply");
        return CPropertyPage::OnApply();
    }
    void OnReset() override { Record("reset"); }

private:
    void Record(LPCSTR what) { m_log.push_back(m_name + ":" + what); }

    Log& m_log;
    std::string m_name;
};

class NamePage : public LoggedPage {
public:
    explicit NamePage(Log& log) : LoggedPage(Template(), log, "name") {}
    CString m_value = "MAIN";

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_NAME, m_value);
        DDV_MaxChars(dx, m_value, 8);
    }

public:
    static LPCDLGTEMPLATEA Template() {
        static DialogTemplate page = DialogTemplate("名称", 160, 60, kPageStyle).Edit(IDC_NAME, 10, 10, 100);
        return page.Get();
    }
};

class CountPage : public LoggedPage {
public:
    explicit CountPage(Log& log) : LoggedPage(Template(), log, "count") {}
    int m_value = 3;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_COUNT, m_value);
        DDV_MinMaxInt(dx, m_value, 1, 10);
    }

public:
    static LPCDLGTEMPLATEA Template() {
        static DialogTemplate page = DialogTemplate("数量", 160, 60, kPageStyle).Edit(IDC_COUNT, 10, 10, 40);
        return page.Get();
    }
};

// Shows its second page and then its first as it starts, so both pages are filled.
class TwoPageSheet : public CPropertySheet {
public:
    explicit TwoPageSheet(CWnd* parent = nullptr) : CPropertySheet("设置", parent), m_name(m_log), m_count(m_log) {
        AddPage(&m_name);
        AddPage(&m_count);
    }
    BOOL OnInitDialog() override {
        SetActivePage(1);
        SetActivePage(0);
        return TRUE;
    }
    Log m_log;
    NamePage m_name;
    CountPage m_count;
};

// A dialog that holds a sheet inside its frame, and notes its own OK.
class SheetHost : public CDialog {
public:
    SheetHost() { InitModalIndirect(m_template.Get()); }
    int m_oks = 0;

protected:
    void OnOK() override { ++m_oks; }
    DialogTemplate m_template =
        DialogTemplate("软件设置", 265, 259)
            .Add(0x82, IDC_SHEET_FRAME, "", 4, 3, 256, 230, SS_ETCHEDFRAME)
            .Button(IDOK, "确 认", 126, 240)
            .Button(IDCANCEL, "取 消", 193, 240);
};

CString ItemText(CWnd* page, int id) {
    CString text;
    page->GetDlgItemText(id, text);
    return text;
}

class PropertySheets : public ::testing::Test {
protected:
    TestApplication m_app;
};

TEST_F(PropertySheets, ChildSheetExchangesDataThroughItsPages) {
    SheetHost host;
    ASSERT_TRUE(host.CreateIndirect(host.m_lpDialogTemplate));
    CWnd* frame = host.GetDlgItem(IDC_SHEET_FRAME);
    TwoPageSheet sheet(frame);
    ASSERT_TRUE(sheet.Create(frame, WS_CHILD | WS_VISIBLE, 0));
    EXPECT_EQ(::GetParent(sheet.m_hWnd), frame->m_hWnd);
    EXPECT_TRUE(sheet.GetStyle() & WS_CHILD);
    EXPECT_EQ(sheet.m_log, (Log{"name:init", "name:set", "name:kill", "count:init", "count:set", "count:kill",
                                "name:set"}));
    EXPECT_EQ(sheet.GetActivePage(), &sheet.m_name);
    EXPECT_EQ(CWnd::FromHandle(::GetParent(sheet.m_name.m_hWnd)), &sheet) << "a page reaches its sheet";
    EXPECT_EQ(ItemText(&sheet.m_name, IDC_NAME), "MAIN");
    EXPECT_EQ(ItemText(&sheet.m_count, IDC_COUNT), "3");
    HWND ok = ::GetDlgItem(sheet.m_hWnd, IDOK);
    EXPECT_TRUE(!ok || !::IsWindowVisible(ok)) << "a child sheet shows no buttons";
    CRect tabs, client;
    ::GetWindowRect(reinterpret_cast<HWND>(sheet.SendMessage(PSM_GETTABCONTROL)), &tabs);
    sheet.ScreenToClient(&tabs);
    sheet.GetClientRect(&client);
    EXPECT_EQ(client.bottom, tabs.bottom + tabs.top) << "nor room for them";

    sheet.m_name.SetDlgItemText(IDC_NAME, "SBR01");
    ASSERT_TRUE(sheet.SetActivePage(&sheet.m_count));
    EXPECT_EQ(sheet.m_name.m_value, "SBR01");
    EXPECT_EQ(sheet.GetActiveIndex(), 1);

    ScriptedMessageBoxes boxes({IDOK});
    sheet.m_count.SetDlgItemText(IDC_COUNT, "11");
    EXPECT_FALSE(sheet.SetActivePage(0)) << "a page that does not validate stays in front";
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    sheet.m_count.SetDlgItemText(IDC_COUNT, "7");
    EXPECT_TRUE(sheet.SetActivePage(0));
    EXPECT_EQ(sheet.m_count.m_value, 7);

    sheet.SetActivePage(1);
    sheet.m_name.m_value = "MAIN2";
    sheet.SetActivePage(0);
    EXPECT_EQ(ItemText(&sheet.m_name, IDC_NAME), "MAIN2") << "coming back fills the controls again";
    host.DestroyWindow();
}

TEST_F(PropertySheets, ChildSheetIsDrawnInsideItsFrame) {
    SheetHost host;
    ASSERT_TRUE(host.CreateIndirect(host.m_lpDialogTemplate));
    host.ShowWindow(SW_SHOWNA);
    CWnd* frame = host.GetDlgItem(IDC_SHEET_FRAME);
    TwoPageSheet sheet(frame);
    ASSERT_TRUE(sheet.Create(frame, WS_CHILD | WS_VISIBLE, 0));
    CRect inFrame, sheetRect;
    frame->GetClientRect(&inFrame);
    sheet.GetWindowRect(&sheetRect);
    frame->ScreenToClient(&sheetRect);
    EXPECT_EQ(sheetRect.TopLeft(), CPoint(0, 0));
    EXPECT_LE(sheetRect.bottom, inFrame.bottom);
    CRect hostRect;
    host.GetWindowRect(&hostRect);
    TestImage image(hostRect.Width(), hostRect.Height());
    RenderWindow(&host, image);
    EXPECT_TRUE(image.SaveBmp(TestOutputPath("child-property-sheet.bmp")));
    host.DestroyWindow();
}

TEST_F(PropertySheets, EnterInAChildSheetIsTheKeyOfItsDialog) {
    SheetHost host;
    ASSERT_TRUE(host.CreateIndirect(host.m_lpDialogTemplate));
    CWnd* frame = host.GetDlgItem(IDC_SHEET_FRAME);
    {
        TwoPageSheet sheet(frame);
        ASSERT_TRUE(sheet.Create(frame, WS_CHILD | WS_VISIBLE, 0));
        sheet.SendMessage(WM_COMMAND, IDOK);
        EXPECT_EQ(host.m_oks, 1);
        EXPECT_EQ(sheet.GetActivePage(), &sheet.m_name) << "the sheet keeps its pages";
        EXPECT_EQ(std::count(sheet.m_log.begin(), sheet.m_log.end(), "name:apply"), 0);
    }
    EXPECT_EQ(::GetWindow(frame->m_hWnd, GW_CHILD), nullptr) << "the sheet's window goes with the sheet";
    host.DestroyWindow();
}

TEST_F(PropertySheets, CaptionsComeFromTheStringTable) {
    CPropertySheet sheet(AFX_IDS_APP_TITLE);
    CPropertyPage page(NamePage::Template(), AFX_IDS_APP_TITLE);
    CPropertyPage untitled(CountPage::Template());
    sheet.AddPage(&page);
    sheet.AddPage(&untitled);
    ASSERT_TRUE(sheet.Create());
    CString caption;
    sheet.GetWindowText(caption);
    EXPECT_EQ(caption, "QLX_R2");
    HWND tabs = reinterpret_cast<HWND>(sheet.SendMessage(PSM_GETTABCONTROL));
    for (int i : {0, 1}) {
        char text[32] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(text, i == 0 ? "QLX_R2" : "数量") << "without a caption id the template's caption";
    }
    sheet.DestroyWindow();
}

TEST_F(PropertySheets, ModalSheetAppliesOnOkAndResetsOnCancel) {
    struct Case {
        int button;
        INT_PTR result;
        LPCSTR name;
        Log lastLog;  // both pages were shown, so both take part
    };
    const Case cases[] = {
        {IDOK, IDOK, "SBR01", {"name:kill", "name:apply", "count:apply"}},
        {IDCANCEL, IDCANCEL, "MAIN", {"name:reset", "count:reset"}},
    };
    for (const Case& c : cases) {
        TwoPageSheet sheet;
        ModalScript script({[&](CWnd* wnd) {
            sheet.m_name.SetDlgItemText(IDC_NAME, "SBR01");
            PressButton(wnd, c.button);
        }});
        EXPECT_EQ(sheet.DoModal(), c.result);
        EXPECT_EQ(sheet.m_name.m_value, c.name);
        ASSERT_GE(sheet.m_log.size(), c.lastLog.size());
        EXPECT_EQ(Log(sheet.m_log.end() - c.lastLog.size(), sheet.m_log.end()), c.lastLog);
        EXPECT_EQ(sheet.m_hWnd, nullptr);
        EXPECT_EQ(sheet.m_name.m_hWnd, nullptr);
    }
}

TEST_F(PropertySheets, ClosingTheModalSheetsWindowIsCancel) {
    TwoPageSheet sheet;
    ModalScript script({[](CWnd* wnd) { wnd->SendMessage(WM_SYSCOMMAND, SC_CLOSE); }});
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(sheet.m_log.back(), "count:reset");
}

TEST_F(PropertySheets, EnterAndEscapeInAPageEndTheModalSheet) {
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        TwoPageSheet sheet;
        ModalScript script({[&](CWnd*) {
            HWND edit = sheet.m_name.GetDlgItem(IDC_NAME)->m_hWnd;
            ::SetFocus(edit);
            ::SetWindowTextA(edit, "KEYED");
            ::PostMessageA(edit, WM_KEYDOWN, key, 0);
        }});
        EXPECT_EQ(sheet.DoModal(), key == VK_RETURN ? IDOK : IDCANCEL);
        EXPECT_EQ(sheet.m_name.m_value, key == VK_RETURN ? "KEYED" : "MAIN");
    }
}

// Keys pressed in a page as the message loop hands them on.
void PressKeyIn(HWND hwnd, WPARAM key, bool control) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    ::SetKeyboardState(keys);
    MSG message = {hwnd, WM_KEYDOWN, key, 0, 0, {0, 0}};
    if (!AfxGetThread()->PreTranslateMessage(&message))
        ::DispatchMessageA(&message);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

// The page's only control is its edit: Tab leaves the page for the sheet's own
// buttons, Ctrl+Tab brings the next page to the front.
TEST_F(PropertySheets, KeysInAPageMoveThroughTheSheet) {
    TwoPageSheet sheet;
    int focusAfterTab = 0;
    int pageAfterControlTab = 0;
    ModalScript script({[&](CWnd* wnd) {
        HWND edit = sheet.m_name.GetDlgItem(IDC_NAME)->m_hWnd;
        ::SetFocus(edit);
        PressKeyIn(edit, VK_TAB, false);
        HWND focus = ::GetFocus();
        focusAfterTab = ::GetParent(focus) == wnd->m_hWnd ? ::GetDlgCtrlID(focus) : 0;
        ::SetFocus(edit);
        PressKeyIn(edit, VK_TAB, true);
        pageAfterControlTab = sheet.GetActiveIndex();
        PressButton(wnd, IDCANCEL);
    }});
    sheet.DoModal();
    EXPECT_EQ(focusAfterTab, IDOK);
    EXPECT_EQ(pageAfterControlTab, 1);
}

TEST_F(PropertySheets, ModalSheetStaysOpenWhileAPageRefusesItsValues) {
    TwoPageSheet sheet;
    ScriptedMessageBoxes boxes({IDOK});
    bool stillOpen = false;
    ModalScript script({[&](CWnd* wnd) {
        sheet.SetActivePage(1);
        sheet.m_count.SetDlgItemText(IDC_COUNT, "0");
        PressButton(wnd, IDOK);
        stillOpen = ::IsWindowVisible(wnd->m_hWnd) && sheet.GetActivePage() == &sheet.m_count;
        sheet.m_count.SetDlgItemText(IDC_COUNT, "5");
        PressButton(wnd, IDOK);
    }});
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(sheet.m_count.m_value, 5);
}

TEST_F(PropertySheets, ModifiedPageEnablesApply) {
    TwoPageSheet sheet;
    BOOL applyAtStart = TRUE, applyWhenModified = FALSE, applyAfterApplying = TRUE;
    size_t logBeforeApply = 0;
    ModalScript script({[&](CWnd* wnd) {
        applyAtStart = ::IsWindowEnabled(::GetDlgItem(wnd->m_hWnd, kApplyButton));
        sheet.m_name.SetModified();
        applyWhenModified = ::IsWindowEnabled(::GetDlgItem(wnd->m_hWnd, kApplyButton));
        logBeforeApply = sheet.m_log.size();
        PressButton(wnd, kApplyButton);
        applyAfterApplying = ::IsWindowEnabled(::GetDlgItem(wnd->m_hWnd, kApplyButton));
        PressButton(wnd, IDCANCEL);
    }});
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_FALSE(applyAtStart);
    EXPECT_TRUE(applyWhenModified);
    EXPECT_FALSE(applyAfterApplying);
    ASSERT_GT(sheet.m_log.size(), logBeforeApply);
    EXPECT_EQ(sheet.m_log[logBeforeApply], "name:kill");
    EXPECT_EQ(sheet.m_log[logBeforeApply + 1], "name:apply");
}

}  // namespace
