#include "hardware/HardwareSlots.h"

#include "comm/ReplyTimeouts.h"
#include "hardware/ModuleCatalog.h"
#include "tests/hardware/FakeHardwarePanes.h"
#include "tests/hardware/ModuleListBuilder.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Calls = std::vector<std::string>;

const char* const Cpu241Question = "CPU241不允许带扩展模块，必须将多余的模块删除！\r\n 您确认要加入CPU241吗?";
const char* const DeleteQuestion = "确实要删除选中的模块吗？";

const ModuleSpec* Spec(uint8_t code) {
    return ModuleCatalog::FindByCode(code);
}

class HardwareSlotsTest : public testing::Test {
protected:
    HardwareSlotsTest() { g_ReplyTimeout = g_LinkTestTimeout = 1; }

    CQLX_R2_PLC* Module(int position) { return static_cast<CQLX_R2_PLC*>(project.modules[position]); }
    int Size() { return static_cast<int>(project.modules.GetSize()); }
    CString CodesText() {
        CString text;
        for (int i = 0; i < Size(); ++i) {
            CString code;
            code.Format(i ? ",%d" : "%d", Module(i) ? Module(i)->typeCode : -1);
            text += code;
        }
        return text;
    }
    // Opens the window on the list and inserts models row by row from the focused row.
    void Open() {
        slots.InitialUpdate();
        panes.tabCount = 1 + Size();
    }
    void InsertAt(int row, uint8_t code) {
        slots.SelectSlotCell(row, 0);
        slots.InsertModule(Spec(code));
    }
    void ForgetCalls() {
        panes.calls.clear();
        shell.modifiedCalls.clear();
        shell.cpuGroupUpdates = 0;
    }

    CQLXProject project;
    ModuleListBuilder builder{project};
    FakeHardwarePanes panes;
    FakeHardwareShell shell;
    HardwareSlots slots{project, panes, shell};
};

}  // namespace

TEST_F(HardwareSlotsTest, Cpu243IntoAnEmptyProjectMakesFiveRows) {
    Open();
    EXPECT_EQ(2, slots.RowCount());
    project.AllocateForceImages(9290);
    project.forceImage[5] = 77;

    InsertAt(1, 2);

    EXPECT_EQ(5, slots.RowCount());
    EXPECT_EQ(2, slots.FocusRow());
    EXPECT_EQ(1, project.cpuClass);
    EXPECT_EQ(2000u, g_ReplyTimeout);
    EXPECT_EQ(300u, g_LinkTestTimeout);
    ASSERT_EQ(5970, project.forceCellCount);
    EXPECT_TRUE(std::all_of(project.forceImage.get(), project.forceImage.get() + 5970, [](DWORD c) { return c == 0; }));
    EXPECT_EQ(32, project.cpuBlockA.GetSize());
    EXPECT_EQ(12, project.cpuBlockB.GetSize());
    EXPECT_EQ(1, shell.cpuGroupUpdates);
    EXPECT_EQ(std::vector<bool>{true}, shell.modifiedCalls);
    ASSERT_EQ(1, Size());
    const CQLX_R2_PLC& cpu = *Module(0);
    EXPECT_EQ(0, cpu.iStart);
    EXPECT_EQ(1, cpu.iEnd);
    EXPECT_EQ(1, cpu.qEnd);
    EXPECT_EQ(4, cpu.inputFilters[0]);
    EXPECT_EQ(4, cpu.inputFilters[1]);
    // No tab 2 yet: the instructions page shows.
    EXPECT_EQ((Calls{"show 0", "page 1", "show 0"}), panes.calls);
}

TEST_F(HardwareSlotsTest, CpuSettingsFollowTheInsertedCpu) {
    struct Case { uint8_t code; int rows; int cpuClass; uint32_t reply, linkTest; int forceCells; };
    const Case cases[] = {
        {31, 1, 0, 8000, 600, 5970}, {1, 1, 0, 8000, 600, 5970}, {33, 5, 1, 2000, 300, 5970},
        {34, 5, 1, 2000, 300, 5970}, {35, 5, 1, 2000, 300, 5970}, {36, 5, 1, 2000, 300, 5970},
        {4, 16, 2, 2000, 300, 9290}, {5, 16, 2, 2000, 300, 9290},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.code));
        CQLXProject project;
        FakeHardwarePanes panes;
        FakeHardwareShell shell;
        HardwareSlots slots(project, panes, shell);
        slots.InitialUpdate();
        slots.InsertModule(Spec(c.code));
        EXPECT_EQ(c.rows, slots.RowCount());
        EXPECT_EQ(c.cpuClass, project.cpuClass);
        EXPECT_EQ(c.reply, g_ReplyTimeout);
        EXPECT_EQ(c.linkTest, g_LinkTestTimeout);
        EXPECT_EQ(c.forceCells, project.forceCellCount);
    }
}

TEST_F(HardwareSlotsTest, RefusedInsertionsChangeNothing) {
    struct Case { const char* what; int row; uint8_t code; };
    const Case cases[] = {
        {"taken slot", 2, 6},
        {"would leave a gap", 4, 6},
        {"CPU outside slot 1", 3, 2},
        {"expansion module into slot 1", 1, 6},
        {"combined analog module has no form", 3, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CQLXProject project;
        ModuleListBuilder builder(project);
        builder.Add(2);
        builder.Add(6);
        FakeHardwarePanes panes;
        FakeHardwareShell shell;
        HardwareSlots slots(project, panes, shell);
        slots.InitialUpdate();
        slots.SelectSlotCell(c.row, 0);
        panes.calls.clear();

        slots.InsertModule(Spec(c.code));

        EXPECT_EQ(2, project.modules.GetSize());
        EXPECT_EQ(c.row, slots.FocusRow());
        EXPECT_TRUE(std::none_of(panes.calls.begin(), panes.calls.end(),
                                 [](const std::string& call) { return call.rfind("page", 0) == 0; }));
    }
    slots.InsertModule(nullptr);
    EXPECT_TRUE(shell.modifiedCalls.empty());
}

TEST_F(HardwareSlotsTest, ExpansionModulesTakeTheNextRowsByFirstFit) {
    builder.Add(2);
    Open();
    InsertAt(3, 6);
    EXPECT_EQ(1, Size());
    InsertAt(2, 6);
    EXPECT_EQ(3, slots.FocusRow());
    slots.InsertModule(Spec(10));   // 16-point DO
    slots.InsertModule(Spec(20));   // thermocouples
    slots.InsertModule(Spec(23));   // analog outputs
    ASSERT_EQ(5, Size());
    EXPECT_EQ("2...2", std::string(SlotCellText(Module(1), 1)));
    EXPECT_EQ("", std::string(SlotCellText(Module(1), 2)));
    EXPECT_EQ("2...3", std::string(SlotCellText(Module(2), 2)));
    EXPECT_EQ("0...7", std::string(SlotCellText(Module(3), 1)));
    EXPECT_TRUE(std::all_of(std::begin(Module(3)->aiSettingsA), std::end(Module(3)->aiSettingsA), [](BYTE t) { return t == 7; }));
    EXPECT_EQ("0...3", std::string(SlotCellText(Module(4), 2)));
    EXPECT_EQ(4000, Module(4)->aoStopValues[0]);
    EXPECT_EQ(4000, Module(4)->aoStopValues[1]);
    // The last row is full: the focus stays there.
    EXPECT_EQ(5, slots.FocusRow());
}

TEST_F(HardwareSlotsTest, ModuleWithoutRoomIsNotMadeButTheProjectIsMarked) {
    builder.Add(2);
    builder.AddMany(8, 3);   // input bytes 2 to 7
    Open();
    ForgetCalls();
    InsertAt(5, 6);
    EXPECT_EQ(4, Size());
    EXPECT_EQ(5, slots.FocusRow());
    EXPECT_EQ((Calls{"show 0"}), panes.calls);
    EXPECT_EQ(std::vector<bool>{true}, shell.modifiedCalls);
}

TEST_F(HardwareSlotsTest, Cpu241AsksBeforeDroppingTheExpansions) {
    builder.Add(2);
    builder.Add(6);
    builder.Add(9);
    Open();
    ScriptedMessageBoxes boxes{IDYES, IDNO};
    slots.DeleteModules(1, 1);
    ForgetCalls();
    const int replyBefore = g_ReplyTimeout;

    InsertAt(1, 31);   // No
    EXPECT_EQ("-1,6,9", std::string(CodesText()));
    EXPECT_EQ(5, slots.RowCount());
    EXPECT_EQ(replyBefore, int(g_ReplyTimeout));
    EXPECT_TRUE(shell.modifiedCalls.empty());

    boxes.QueueAnswer(IDYES);
    ForgetCalls();
    slots.InsertModule(Spec(31));
    EXPECT_EQ("31", std::string(CodesText()));
    EXPECT_EQ(1, slots.RowCount());
    EXPECT_EQ(8000u, g_ReplyTimeout);
    EXPECT_EQ(600u, g_LinkTestTimeout);
    EXPECT_EQ(0, project.cpuClass);
    EXPECT_EQ((Calls{"remove 3", "remove 2", "page 1"}), panes.calls);

    ASSERT_GE(boxes.Calls().size(), 3u);
    for (size_t i : {1, 2}) {
        EXPECT_EQ(Cpu241Question, boxes.Calls()[i].text);
        EXPECT_EQ("提示", boxes.Calls()[i].caption);
        EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), boxes.Calls()[i].type);
    }
}

TEST_F(HardwareSlotsTest, Cpu241IntoAnEmptyProjectAsksNothing) {
    Open();
    ScriptedMessageBoxes boxes;
    InsertAt(1, 1);
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(1, slots.RowCount());
    EXPECT_EQ("0...0", std::string(SlotCellText(Module(0), 1)));
    EXPECT_EQ("0...0", std::string(SlotCellText(Module(0), 2)));
}

// A CPU245 rack replaced by a CPU243 keeps the modules of slots 6 onward reachable.
TEST_F(HardwareSlotsTest, ModulesBehindTheRackOfASmallerCpuKeepTheirRows) {
    project.cpuClass = 2;
    builder.Add(4);
    builder.AddMany(6, 8);
    Open();
    EXPECT_EQ(16, slots.RowCount());
    ScriptedMessageBoxes boxes{IDYES, IDYES};
    slots.DeleteModules(1, 1);
    slots.InsertModule(Spec(2));

    EXPECT_EQ(5, slots.SlotRows());
    EXPECT_EQ(9, slots.RowCount());
    EXPECT_EQ(5970, project.forceCellCount);
    EXPECT_EQ(1, project.cpuClass);
    slots.SelectSlotCell(9, 3);
    EXPECT_EQ(9, slots.FocusRow());
    EXPECT_TRUE(slots.CanDeleteModules());

    slots.DeleteModules(6, 9);
    EXPECT_EQ(5, Size());
    EXPECT_EQ(5, slots.RowCount());
    EXPECT_EQ(5, slots.FocusRow());
}

TEST_F(HardwareSlotsTest, DeletingInTheMiddleLeavesAnEmptySlot) {
    builder.Add(2);
    builder.Add(6);
    builder.Add(9);
    Open();
    ScriptedMessageBoxes boxes{IDYES, IDYES};

    slots.DeleteModules(2, 2);
    EXPECT_EQ("2,-1,9", std::string(CodesText()));
    EXPECT_EQ((Calls{"howto 2"}), panes.calls);
    EXPECT_EQ("", std::string(SlotCellText(Module(1), 0)));

    panes.calls.clear();
    slots.DeleteModules(3, 3);
    EXPECT_EQ("2", std::string(CodesText()));
    EXPECT_EQ((Calls{"remove 3", "remove 2"}), panes.calls);
    EXPECT_EQ(DeleteQuestion, boxes.Calls()[1].text);
    EXPECT_EQ((std::vector<bool>{true, true}), shell.modifiedCalls);
}

TEST_F(HardwareSlotsTest, DeletingARangeOfRows) {
    struct Case { int first, last; const char* codes; Calls tabCalls; };
    const Case cases[] = {
        {2, 4, "2,-1,-1,-1,9", {"howto 2", "howto 3", "howto 4"}},
        {2, 5, "2", {"howto 2", "howto 3", "howto 4", "remove 5", "remove 4", "remove 3", "remove 2"}},
        {5, 5, "2,6,8,10", {"remove 5"}},
        {8, 4, "2,6,8", {"howto 4", "remove 5", "remove 4"}},
        {1, 1, "-1,6,8,10,9", {"howto 1"}},
        {1, 5, "", {"howto 1", "howto 2", "howto 3", "howto 4", "remove 5", "remove 4", "remove 3", "remove 2", "remove 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << ".." << c.last);
        CQLXProject project;
        ModuleListBuilder builder(project);
        for (uint8_t code : {2, 6, 8, 10, 9})
            builder.Add(code);
        FakeHardwarePanes panes;
        FakeHardwareShell shell;
        HardwareSlots slots(project, panes, shell);
        slots.InitialUpdate();
        ScriptedMessageBoxes boxes{IDYES};
        slots.DeleteModules(c.first, c.last);
        CString codes;
        for (INT_PTR i = 0; i < project.modules.GetSize(); ++i) {
            const auto* module = static_cast<CQLX_R2_PLC*>(project.modules[i]);
            CString code;
            code.Format(i ? ",%d" : "%d", module ? module->typeCode : -1);
            codes += code;
        }
        EXPECT_EQ(c.codes, std::string(codes));
        EXPECT_EQ(c.tabCalls, panes.calls);
    }
}

TEST_F(HardwareSlotsTest, DeletingAsksFirstAndIgnoresRowsPastTheList) {
    builder.Add(2);
    builder.Add(6);
    Open();
    ScriptedMessageBoxes boxes{IDNO};
    slots.DeleteModules(3, 5);
    EXPECT_TRUE(boxes.Calls().empty());
    slots.DeleteModules(2, 2);
    EXPECT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ(2, Size());
    EXPECT_TRUE(shell.modifiedCalls.empty());
    slots.SelectSlotCell(3, 0);
    EXPECT_FALSE(slots.CanDeleteModules());
}

TEST_F(HardwareSlotsTest, SelectingCellsShowsTheirTab) {
    builder.Add(2);
    builder.Add(6);
    Open();
    struct Case { int row, column; int focusRow; const char* call; };
    const Case cases[] = {
        {2, 3, 2, "show 2"}, {3, 1, 3, "show 0"}, {0, 1, 3, nullptr}, {6, 1, 3, nullptr},
        {5, 4, 3, nullptr}, {1, -1, 3, nullptr}, {1, 0, 1, "show 1"},
    };
    for (const Case& c : cases) {
        panes.calls.clear();
        slots.SelectSlotCell(c.row, c.column);
        EXPECT_EQ(c.focusRow, slots.FocusRow()) << c.row << "," << c.column;
        EXPECT_EQ(c.call ? Calls{c.call} : Calls{}, panes.calls) << c.row << "," << c.column;
    }
}

TEST_F(HardwareSlotsTest, OpeningTheWindow) {
    struct Case { const char* what; std::vector<int> codes; int rows; const char* after; };
    const Case cases[] = {
        {"no modules", {}, 2, ""},
        {"CPU241", {1}, 1, "1"},
        {"CPU245", {5, 6}, 16, "5,6"},
        {"empty CPU slot empties the list", {-1, 6, 9}, 2, ""},
        {"first module not a CPU", {6}, 2, "6"},
        {"a second CPU ends the list", {2, 6, 3, 9}, 5, "2,6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CQLXProject project;
        ModuleListBuilder builder(project);
        for (int code : c.codes)
            code < 0 ? builder.AddGap() : void(builder.Add(uint8_t(code)));
        FakeHardwarePanes panes;
        FakeHardwareShell shell;
        HardwareSlots slots(project, panes, shell);
        slots.InitialUpdate();
        slots.RemoveModulesFromSecondCpu();
        EXPECT_EQ(c.rows, slots.RowCount());
        EXPECT_EQ(1, slots.FocusRow());
        CString codes;
        for (INT_PTR i = 0; i < project.modules.GetSize(); ++i) {
            CString code;
            code.Format(i ? ",%d" : "%d", static_cast<CQLX_R2_PLC*>(project.modules[i])->typeCode);
            codes += code;
        }
        EXPECT_EQ(c.after, std::string(codes));
        EXPECT_TRUE(shell.modifiedCalls.empty());
    }
}

TEST(SlotCellText, ColumnsByKind) {
    CQLXProject project;
    ModuleListBuilder builder(project);
    CQLX_R2_PLC& cpu = builder.Add(2);
    CQLX_R2_PLC& dio = builder.Add(16);
    CQLX_R2_PLC& both = builder.Add(24);
    EXPECT_EQ("R243-24DT", std::string(SlotCellText(&cpu, 0)));
    EXPECT_EQ("0...1", std::string(SlotCellText(&cpu, 1)));
    EXPECT_EQ("0...1", std::string(SlotCellText(&cpu, 2)));
    EXPECT_EQ("CPU243, DC24V供电, DI 14*DC24V, DO 10*DC24V", std::string(SlotCellText(&cpu, 3)));
    EXPECT_EQ("2...2", std::string(SlotCellText(&dio, 1)));
    EXPECT_EQ("2...2", std::string(SlotCellText(&dio, 2)));
    EXPECT_EQ("", std::string(SlotCellText(&both, 1)));
    EXPECT_EQ("", std::string(SlotCellText(&both, 2)));
    EXPECT_EQ("", std::string(SlotCellText(nullptr, 0)));
    EXPECT_EQ("", std::string(SlotCellText(&cpu, 4)));
}
