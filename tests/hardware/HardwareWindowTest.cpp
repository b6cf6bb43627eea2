#include "hardware/CCPUInfoView.h"
#include "hardware/CHWDigitalForms.h"
#include "hardware/CHWInfoView.h"
#include "hardware/CHardwareGridView.h"
#include "hardware/CSheetCPU.h"
#include "hardware/HardwareFormHost.h"
#include "hardware/HWFlatTabStrip.h"
#include "hardware/HardwareTabStrip.h"
#include "hardware/HardwareWindowCheck.h"
#include "hardware/ModuleCatalog.h"
#include "platform/CFrameWnd.h"
#include "res/resource.h"
#include "tests/hardware/FakeHardwarePanes.h"
#include "tests/hardware/ModuleListBuilder.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Keeps the tabs as the toolkit's strip would and shows the current tab's window.
class RecordingTabStrip : public HardwareTabStrip {
public:
    CWnd* Window() override { return &window; }
    int GetItemCount() override { return static_cast<int>(tabs.size()); }
    void InsertItem(int index, const char* caption, CWnd* tabWindow) override {
        tabs.insert(tabs.begin() + index, Tab{caption, tabWindow});
        if (current >= index)
            ++current;
    }
    void DeleteItem(int index) override {
        tabs.erase(tabs.begin() + index);
        if (current >= static_cast<int>(tabs.size()))
            current = static_cast<int>(tabs.size()) - 1;
    }
    CWnd* GetItemWindow(int index) override { return tabs[index].window; }
    int GetCurSel() override { return current; }
    void SetCurSel(int index) override {
        for (int i = 0; i < GetItemCount(); ++i)
            tabs[i].window->ShowWindow(i == index ? SW_SHOW : SW_HIDE);
        current = index;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const Tab& tab : tabs)
            captions.push_back(tab.caption);
        return captions;
    }

    struct Tab {
        std::string caption;
        CWnd* window;
    };
    std::vector<Tab> tabs;
    int current = -1;
    CWnd window;
};

class WindowFormHost : public HardwareFormHost {
public:
    WindowFormHost(CQLXProject& project, FakeHardwareShell& shell) : project_(project), shell_(shell) {}
    CQLXProject& Project() override { return project_; }
    void RedrawGrid() override {
        if (grid != nullptr)
            grid->RedrawGrid();
    }
    void SetProjectModified(bool modified) override { shell_.SetProjectModified(modified); }
    CHardwareGridView* grid = nullptr;

private:
    CQLXProject& project_;
    FakeHardwareShell& shell_;
};

// The hardware window's two panes in a plain frame: the grid above the info pane.
class HardwareWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame->Create(nullptr, "硬件配置", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 720, 620)));
    }
    // The panes over a recording strip, or over the toolkit's strip when flat is given.
    void Open(CHWFlatTabStrip* flat = nullptr) {
        grid->Attach(&project, &shell);
        ASSERT_TRUE(grid->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 200), frame, 1));
        ASSERT_TRUE(info->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 200, 700, 580), frame, 2));
        HardwareTabStrip* tabs = &strip;
        if (flat) {
            ASSERT_TRUE(flat->Create(info));
            tabs = flat;
        } else {
            ASSERT_TRUE(strip.window.CreateEx(0, "Static", nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 380), info, 3));
        }
        formHost.grid = grid;
        info->Attach(&project, &formHost, tabs, [this](int row, int col) { grid->SelectSlotCell(row, col); });
        grid->SetInfoPane(info);
        grid->OnInitialUpdate();
        grid->Slots().RemoveModulesFromSecondCpu();
        info->FillTabs();
    }
    void TearDown() override { frame->DestroyWindow(); }

    void InsertAt(int row, uint8_t code) {
        grid->SelectSlotCell(row, 0);
        grid->InsertModule(ModuleCatalog::FindByCode(code));
    }
    CPoint CellCentre(int col, int row) { return grid->GetCellRect(col, row).CenterPoint(); }
    std::string Cell(int col, int row) {
        CString text;
        int mark = 0;
        grid->GetCellText(col, row, text, mark);
        return std::string(text);
    }
    void SaveImage(const char* name) {
        CRect rect;
        frame->GetWindowRect(&rect);
        TestImage image(rect.Width(), rect.Height(), ::GetSysColor(COLOR_BTNFACE));
        RenderWindow(frame, image);
        image.SaveBmp(TestOutputPath(name));
    }
    void SaveGridImage(const char* name) {
        CRect client;
        grid->GetClientRect(&client);
        TestImage image(client.Width(), client.Height());
        grid->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().m_hDC), PRF_CLIENT);
        image.SaveBmp(TestOutputPath(name));
    }

    TestApplication app;
    CQLXProject project;
    ModuleListBuilder builder{project};
    FakeHardwareShell shell;
    WindowFormHost formHost{project, shell};
    RecordingTabStrip strip;
    CFrameWnd* frame = new CFrameWnd;
    CHardwareGridView* grid = new CHardwareGridView;
    CHWInfoView* info = new CHWInfoView;
    int activations = 0;
};

}  // namespace

TEST_F(HardwareWindow, InsertingFromAnEmptyProjectMakesRowsAndTabs) {
    Open();
    EXPECT_EQ(2, grid->GetGridRowCount());
    EXPECT_EQ(std::vector<std::string>{"说明"}, strip.Captions());

    InsertAt(1, 2);     // CPU243
    EXPECT_EQ(5, grid->GetGridRowCount());
    EXPECT_EQ(2, grid->GetFocusRow());
    grid->InsertModule(ModuleCatalog::FindByCode(12));   // 16 relay outputs
    grid->InsertModule(ModuleCatalog::FindByCode(23));   // analog outputs
    EXPECT_EQ((std::vector<std::string>{"说明", "1", "2", "3"}), strip.Captions());
    EXPECT_NE(nullptr, dynamic_cast<CCPUInfoView*>(strip.tabs[1].window));
    EXPECT_NE(nullptr, dynamic_cast<CHWDOView*>(strip.tabs[2].window));
    EXPECT_EQ("R252-16XR", Cell(0, 1));
    EXPECT_EQ("2...3", Cell(2, 1));
    EXPECT_EQ("0...1", Cell(1, 0));
    CString remark;
    int mark = 0;
    grid->GetCellText(3, 2, remark, mark);
    EXPECT_EQ(CPMarkComment, mark);
    EXPECT_EQ(1, shell.cpuGroupUpdates);
    EXPECT_EQ(std::vector<bool>(3, true), shell.modifiedCalls);

    // Row and tab follow each other.
    grid->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(CellCentre(2, 3).x, CellCentre(2, 3).y));
    EXPECT_EQ(3, strip.current);
    EXPECT_EQ(3, grid->GetFocusRow());
    info->OnTabSelected(2);
    EXPECT_EQ(2, grid->GetFocusRow());
    EXPECT_EQ(2, strip.current);
    grid->SelectSlotCell(5, 0);
    EXPECT_EQ(0, strip.current);   // no tab for an empty slot
    grid->SelectSlotCell(2, 1);
    SaveGridImage("hardware-grid.bmp");
}

TEST_F(HardwareWindow, ToolkitStripShowsTheTabsAndAClickSelectsTheRow) {
    CHWFlatTabStrip flat;
    Open(&flat);
    InsertAt(1, 2);  // CPU243
    grid->InsertModule(ModuleCatalog::FindByCode(12));
    CUIFlatTabCtrl& tabs = flat.Strip();
    ASSERT_EQ(3, tabs.GetItemCount());
    EXPECT_STREQ("说明", tabs.GetItemTooltip(0));
    EXPECT_STREQ("2", tabs.GetItemTooltip(2));
    EXPECT_NE(nullptr, dynamic_cast<CHWDOView*>(tabs.GetTabWindow(2)));
    EXPECT_TRUE(tabs.GetTabWindow(tabs.GetCurSel())->IsWindowVisible());
    CRect first;
    tabs.GetItemRect(1, &first);
    CPoint click = first.CenterPoint();
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(click.x, click.y));
    tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(click.x, click.y));
    EXPECT_EQ(1, tabs.GetCurSel());
    EXPECT_EQ(1, grid->GetFocusRow());
    EXPECT_TRUE(tabs.GetTabWindow(1)->IsWindowVisible());

    // The window as the user sees it, one picture per form and CPU page.
    InsertAt(3, 23);   // analog outputs
    ASSERT_EQ(4, tabs.GetItemCount());
    auto* cpu = dynamic_cast<CCPUInfoView*>(tabs.GetTabWindow(1));
    ASSERT_NE(nullptr, cpu);
    const char* const pageImages[] = {"hardware-window-cpu-io.bmp", "hardware-window-cpu-com.bmp",
                                      "hardware-window-cpu-retain.bmp"};
    for (int page = 0; page < CSheetCPU::PageCount; ++page) {
        grid->SelectSlotCell(1, 0);
        cpu->Sheet()->SetActivePage(page);
        SaveImage(pageImages[page]);
    }
    // Slots 2 and 3 show their forms, the empty slot 4 the instructions.
    const struct {
        int row, tab;
        const char* image;
    } slots[] = {{2, 2, "hardware-window-do.bmp"}, {3, 3, "hardware-window-ao.bmp"}, {4, 0, "hardware-window-howto.bmp"}};
    for (const auto& slot : slots) {
        grid->SelectSlotCell(slot.row, 0);
        EXPECT_EQ(slot.tab, tabs.GetCurSel());
        EXPECT_TRUE(tabs.GetTabWindow(slot.tab)->IsWindowVisible()) << slot.tab;
        SaveImage(slot.image);
    }
}

TEST_F(HardwareWindow, KeysWrapAndTheMenuOpensAtThePointer) {
    builder.Add(2);
    builder.Add(6);
    Open();
    EXPECT_EQ((std::vector<std::string>{"说明", "1", "2"}), strip.Captions());
    EXPECT_EQ(1, grid->GetFocusRow());
    grid->SendMessage(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(5, grid->GetFocusRow());
    grid->SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(1, grid->GetFocusRow());
    grid->SendMessage(WM_KEYDOWN, 'A');
    EXPECT_EQ(1, grid->GetFocusRow());

    const CPoint point = CellCentre(1, 2);
    grid->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(2, grid->GetFocusRow());
    ASSERT_EQ(1u, shell.menus.size());
    EXPECT_EQ(UINT(IDR_MENU_SLOT_GRID), shell.menus[0]);
    // A double click does nothing.
    grid->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(CellCentre(1, 4).x, CellCentre(1, 4).y));
    EXPECT_EQ(2, grid->GetFocusRow());
}

TEST_F(HardwareWindow, DeletingTheMiddleModuleLeavesAnInstructionsTab) {
    builder.Add(2);
    builder.Add(6);
    builder.Add(9);
    Open();
    grid->SelectSlotCell(2, 0);
    ScriptedMessageBoxes boxes{IDYES, IDYES};
    grid->SendMessage(WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ((std::vector<std::string>{"说明", "1", "2", "3"}), strip.Captions());
    EXPECT_NE(nullptr, dynamic_cast<CHWHowToView*>(strip.tabs[2].window));
    EXPECT_EQ("", Cell(0, 1));
    EXPECT_EQ(2, strip.current);

    grid->SelectSlotCell(3, 0);
    grid->SendMessage(WM_COMMAND, ID_DELETE_MODULES);
    EXPECT_EQ((std::vector<std::string>{"说明", "1"}), strip.Captions());
    EXPECT_EQ(1, project.modules.GetSize());
}

TEST_F(HardwareWindow, AFailingCheckSelectsRowColumnAndTab) {
    builder.Add(2);
    builder.Add(9);
    builder.Add(9);
    Open();
    CWnd* form = strip.tabs[3].window;
    form->SetDlgItemText(IDC_HW_OUT_START, "2");   // onto the module of slot 2
    grid->SelectSlotCell(1, 0);
    HardwareWindowCheck check(project, *grid, *info, [this] { ++activations; });
    ScriptedMessageBoxes boxes;

    EXPECT_FALSE(CheckHardwareConfig(check));

    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("模块3的Q区地址重叠！", boxes.Calls()[0].text);
    EXPECT_EQ(1, activations);
    EXPECT_EQ(3, grid->GetFocusRow());
    EXPECT_EQ(3, grid->GetFocusCol());   // column 2 of the data, header-counted
    EXPECT_EQ(3, strip.current);

    // Mended with Default, the check passes.
    form->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_HW_DO_DEFAULT, BN_CLICKED),
                      reinterpret_cast<LPARAM>(form->GetDlgItem(IDC_HW_DO_DEFAULT)->m_hWnd));
    EXPECT_TRUE(CheckHardwareConfig(check));
}

TEST_F(HardwareWindow, ARefusingCpuPageComesToTheFront) {
    builder.Add(2);
    builder.Add(6);
    Open();
    auto* cpu = dynamic_cast<CCPUInfoView*>(strip.tabs[1].window);
    ASSERT_NE(nullptr, cpu);
    CWnd& retain = cpu->Sheet()->Page(CSheetCPU::RetainPage);
    retain.SetDlgItemText(IDC_RETAIN_START_4, "120");
    retain.SetDlgItemText(IDC_RETAIN_LENGTH_4, "100");
    grid->SelectSlotCell(2, 0);
    HardwareWindowCheck check(project, *grid, *info, [this] { ++activations; });
    ScriptedMessageBoxes boxes;

    EXPECT_FALSE(CheckHardwareConfig(check));
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("保持区域 4 的配置超过该内存区的高限!", boxes.Calls()[0].text);
    EXPECT_EQ(CSheetCPU::RetainPage, cpu->Sheet()->GetActiveIndex());
    EXPECT_EQ(1, strip.current);
    EXPECT_EQ(1, grid->GetFocusRow());
    EXPECT_EQ(1, activations);
}

TEST_F(HardwareWindow, CombinedAnalogModuleKeepsItsSlotsTab) {
    builder.Add(2);
    CQLX_R2_PLC& both = builder.Add(24);
    both.aiStart = 0, both.aiEnd = 7, both.aqStart = 0, both.aqEnd = 1;
    builder.Add(9);
    Open();
    EXPECT_EQ((std::vector<std::string>{"说明", "1", "2", "3"}), strip.Captions());
    EXPECT_NE(nullptr, dynamic_cast<CHWDOView*>(strip.tabs[3].window));
    EXPECT_EQ(nullptr, info->TabForm(2));
    HardwareWindowCheck check(project, *grid, *info, [] {});
    EXPECT_TRUE(CheckHardwareConfig(check));
}

TEST_F(HardwareWindow, ANewCpuTakesTheTabOfTheEmptyCpuSlot) {
    builder.Add(2);
    builder.Add(6);
    builder.Add(9);
    Open();
    ScriptedMessageBoxes boxes{IDYES, IDYES, IDYES};
    grid->SelectSlotCell(1, 0);
    grid->DeleteModules();
    EXPECT_NE(nullptr, dynamic_cast<CHWHowToView*>(strip.tabs[1].window));

    grid->InsertModule(ModuleCatalog::FindByCode(3));   // CPU243 into the empty slot 1
    EXPECT_EQ((std::vector<std::string>{"说明", "1", "2", "3"}), strip.Captions());
    EXPECT_NE(nullptr, dynamic_cast<CCPUInfoView*>(strip.tabs[1].window));
    EXPECT_NE(nullptr, dynamic_cast<CHWDIView*>(strip.tabs[2].window));

    // A CPU241 in its place: the expansions go, its form is the one tab left.
    grid->SelectSlotCell(1, 0);
    grid->DeleteModules();
    grid->InsertModule(ModuleCatalog::FindByCode(31));
    EXPECT_EQ((std::vector<std::string>{"说明", "1"}), strip.Captions());
    EXPECT_NE(nullptr, dynamic_cast<CCPUInfoView*>(strip.tabs[1].window));
    EXPECT_EQ(1, grid->GetGridRowCount());
    ASSERT_EQ(3u, boxes.Calls().size());   // two deletions and the CPU241 question
    EXPECT_NE(std::string::npos, boxes.Calls()[2].text.find("CPU241"));
}
