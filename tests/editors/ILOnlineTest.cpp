#include "comm/ForceTable.h"
#include "comm/ProjectMonitorCells.h"
#include "language/AddressCode.h"
#include "comm/SerialPort.h"
#include "editors/EditorShell.h"
#include "editors/ILLineMonitor.h"
#include "editors/POUEditorView.h"
#include "platform/CCmdUI.h"
#include "project/MonitorCells.h"
#include "res/resource.h"
#include "tests/editors/ILEditorFixture.h"
#include "tests/editors/SimulatedMonitoring.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
const COLORREF kValueGreen = RGB(0, 128, 0);

// The editor online: the project's monitor cells registered for the program's operands
// (as the compile registers them), the workspace's monitor worker polling the
// simulated PLC over an in-process link, and the editor drawing what it reads.
class ILOnlineTest : public ILEditorTest {
protected:
    void SetUp() override {
        monitoring.Connect();
        project().AllocateForceImages(5970);
        Load({"(* Network 0 *)", "LD      %I0.0", "AND     T5", "ST      %Q0.0", "MOVE    %VW20, %VW22",
              "ADD     %VW20, %VW22", "TON     T5, 100"});
        for (const char* operand : {"%I0.0", "%Q0.0", "%VW20", "%VW22", "%T5"}) ASSERT_TRUE(AddMonitorCells(operand));
        monitoring.LoadProgramOf(project());
    }
    void TearDown() override { monitoring.End(); }
    CILLineMonitor* RecordOf(int line) {
        for (auto& record : engine().MonitorRecords())
            if (record->GetLine() == line) return record.get();
        return nullptr;
    }
    std::string Expected(const char* address, DWORD type, bool bit = false) {
        CString text, bits;
        DWORD raw = 0;
        EXPECT_TRUE(FormatMonitorValue(address, text, raw, bits, type)) << address;
        return std::string(bit ? bits : text);
    }
    int Green() { return image.CountPixels(CRect(0, 0, 800, 480), kValueGreen); }

    SimulatedMonitoring monitoring{workspace};
    TestImage image{800, 480};
};

TEST_F(ILOnlineTest, LiveValuesOfTheShownLinesFromTheMonitorWorker) {
    workspace.showGlobalNames = 0;
    monitoring.Start();
    engine().OnMonitorStart();
    EXPECT_EQ(300, engine().GetMonitorWidth());
    monitoring.StopWorker();
    engine().OnPaint(&image.DC());
    EXPECT_GT(Green(), 0);
    ASSERT_NE(nullptr, RecordOf(1));
    EXPECT_EQ(nullptr, RecordOf(0)) << "no record for a header";
    // Each operand once; a timer used as BOOL shows its bit, as a word its value.
    const CILLineMonitor& add = *RecordOf(5);
    ASSERT_EQ(2u, add.Operands().size());
    std::string addText = add.GetText().GetString();
    EXPECT_NE(std::string::npos, addText.find("%VW20:")) << addText;
    EXPECT_NE(std::string::npos, addText.find(Expected("%VW20", 0x10) + ";")) << addText;
    const CILLineMonitor& timerBit = *RecordOf(2);
    ASSERT_EQ(1u, timerBit.Operands().size());
    EXPECT_TRUE(timerBit.Operands()[0].timerCounterBit);
    EXPECT_NE(std::string::npos, std::string(timerBit.GetText()).find(Expected("%T5", 0x200001, true) + ";"));
    EXPECT_FALSE(RecordOf(6)->Operands()[0].timerCounterBit);
    EXPECT_TRUE(image.SaveBmp(TestOutputPath("il-editor-online.bmp")));
    // Monitoring started again keeps the column as it was.
    engine().OnMonitorStart();
    EXPECT_EQ(300, engine().GetMonitorWidth());
}

TEST_F(ILOnlineTest, ALockHeldElsewhereLeavesTheValuesOutWithinOneWait) {
    monitoring.Start();
    engine().OnMonitorStart();
    monitoring.StopWorker();
    const long long waited = monitoring.MillisecondsWhileLockHeldElsewhere([&] { engine().OnPaint(&image.DC()); });
    EXPECT_EQ(0, Green());
    // One wait for the whole paint, not one per line: six records would take 600 ms.
    EXPECT_LT(waited, 400);
}

TEST_F(ILOnlineTest, ForcingTheOperandUnderTheCaretReachesThePLC) {
    monitoring.Start();
    engine().PlaceCaret(3, 10);
    engine().PickForceTarget();
    EXPECT_STREQ("%Q0.0", engine().m_strForceTarget);
    CTestCmdUI state;
    engine().UpdateForceTrue(&state);
    EXPECT_TRUE(state.m_bEnabled);
    engine().ForceTrue();
    std::vector<ForcedValue> forces;
    ASSERT_TRUE(ParseForceTable(monitoring.plc.State().forceTable, forces));
    ASSERT_EQ(1u, forces.size());
    EXPECT_EQ(1u, forces[0].value);
    // A word operand can be forced only through the dialog.
    engine().PlaceCaret(4, 9);
    engine().PickForceTarget();
    EXPECT_STREQ("%VW20", engine().m_strForceTarget);
    engine().UpdateForceTrue(&state);
    EXPECT_FALSE(state.m_bEnabled);
    engine().UpdateForceDialog(&state);
    EXPECT_TRUE(state.m_bEnabled);
    // Beyond the end of a line there is no target.
    engine().PlaceCaret(1, 13);
    engine().PickForceTarget();
    EXPECT_FALSE(engine().m_bForceTargetValid);
}

TEST_F(ILOnlineTest, CancelAllForcesEmptiesThePlcsTableAndTheLocalCopy) {
    monitoring.Start();
    engine().PlaceCaret(3, 10);
    engine().PickForceTarget();
    engine().ForceTrue();
    ASSERT_FALSE(project().forceEntries.IsEmpty());
    std::unique_ptr<CPOUEditorView> view(new CPOUEditorView);
    view->OnCmdMsg(ID_UNFORCE_ALL, CN_COMMAND, nullptr, nullptr);
    std::vector<ForcedValue> forces;
    ASSERT_TRUE(ParseForceTable(monitoring.plc.State().forceTable, forces));
    EXPECT_TRUE(forces.empty());
    EXPECT_TRUE(project().forceEntries.IsEmpty());
}

TEST_F(ILOnlineTest, AGlobalNameIsForcedAtItsAddress) {
    monitoring.Start();
    engine().m_strForceTarget = "START";
    engine().m_forceTargetType = 1;
    engine().m_bForceTargetValid = TRUE;
    engine().ForceFalse();
    std::vector<ForcedValue> forces;
    ASSERT_TRUE(ParseForceTable(monitoring.plc.State().forceTable, forces));
    ASSERT_EQ(1u, forces.size());
    EXPECT_EQ(EncodeAddressCode("%I0.0", FALSE), forces[0].code);
}
}  // namespace

namespace {
TEST_F(ILOnlineTest, OnlyTheRowsShownAreRead) {
    std::vector<std::string> lines = {"(* Network 0 *)"};
    for (int i = 1; i < 200; ++i) lines.push_back("LD      %I0.0");
    Load(lines);
    monitoring.Start();
    engine().OnMonitorStart();
    monitoring.StopWorker();
    engine().OnPaint(&image.DC());
    int shownRows = 480 / engine().GetLineHeight();
    EXPECT_FALSE(RecordOf(1)->Operands()[0].value.IsEmpty());
    EXPECT_TRUE(RecordOf(shownRows + 5)->Operands()[0].value.IsEmpty());
    engine().ScrollTo(0, 150 * engine().GetLineHeight());
    engine().OnPaint(&image.DC());
    EXPECT_FALSE(RecordOf(155)->Operands()[0].value.IsEmpty());
}
}  // namespace

namespace {
TEST_F(ILOnlineTest, TheMonitorColumnIsDraggedNoNarrowerThan34) {
    monitoring.Start();
    engine().OnMonitorStart();
    monitoring.StopWorker();
    int border = engine().GetGutterWidth() + engine().GetMonitorWidth();
    engine().OnSetCursor(nullptr, HTCLIENT, WM_MOUSEMOVE, border - 2, 10);
    engine().OnLButtonDown(0, border - 2, 10);
    engine().OnMouseMove(MK_LBUTTON, border + 50, 10);
    EXPECT_EQ(350, engine().GetMonitorWidth());
    engine().OnMouseMove(MK_LBUTTON, 5, 10);
    EXPECT_EQ(34, engine().GetMonitorWidth());
    engine().OnLButtonUp(0, 5, 10);
    engine().OnMouseMove(0, border + 100, 10);
    EXPECT_EQ(34, engine().GetMonitorWidth());
}
}  // namespace
