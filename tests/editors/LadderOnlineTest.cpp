#include <gtest/gtest.h>

#include "comm/ProjectMonitorCells.h"
#include "comm/SerialPort.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFBPara.h"
#include "project/MonitorCells.h"
#include "tests/editors/LadderEditorFixture.h"
#include "tests/editors/SimulatedMonitoring.h"
#include "tests/support/TestImage.h"

namespace {
const COLORREF kLiveRed = RGB(255, 0, 0);
const COLORREF kPowerBlue = RGB(0, 0, 255);

// The ladder editor online: monitor cells for the program's operands, the workspace's
// monitor worker polling the simulated PLC over an in-process link.
class LadderOnlineTest : public LadderEditorTest {
protected:
    void SetUp() override {
        workspace.showGlobalNames = 0;
        monitoring.Connect();
        workspace.project.AllocateForceImages(5970);
        CStringArray lines;
        for (const char* line : {"(* Network 0 *)", "LD      %I0.0", "AND     %M0.1", "ST      %Q0.0",
                                 "(* Network 1 *)", "LD      %I0.0", "MOVE    %VW20, %VW22"})
            lines.Add(line);
        ASSERT_TRUE(model.LoadFromIL(lines));
        for (const char* operand : {"%I0.0", "%M0.1", "%Q0.0", "%VW20", "%VW22"}) ASSERT_TRUE(AddMonitorCells(operand));
        monitoring.LoadProgramOf(workspace.project);
        Layout();
    }
    void TearDown() override { monitoring.End(); }
    int Count(COLORREF colour) { return image.CountPixels(CRect(0, 0, 800, 480), colour); }

    SimulatedMonitoring monitoring{workspace};
    TestImage image{800, 480};
};

TEST_F(LadderOnlineTest, LiveValuesFromTheMonitorWorkerInRed) {
    TestImage offline(800, 480);
    editor->OnPaint(&offline.DC());
    EXPECT_TRUE(offline.SaveBmp(TestOutputPath("ld-editor-offline-plain.bmp")));
    int redOffline = offline.CountPixels(CRect(0, 0, 800, 480), kLiveRed);
    monitoring.Start();
    editor->OnMonitorStart();
    monitoring.StopWorker();
    editor->OnPaint(&image.DC());
    EXPECT_GT(Count(kLiveRed) + Count(kPowerBlue), redOffline);
    EXPECT_TRUE(image.SaveBmp(TestOutputPath("ld-editor-online.bmp")));
}

TEST_F(LadderOnlineTest, ALockHeldPastFiftyMillisecondsLeavesTheValuesOut) {
    monitoring.Start();
    editor->OnMonitorStart();
    monitoring.StopWorker();
    TestImage plain(800, 480);
    workspace.onlineMonitoring = 0;
    editor->OnPaint(&plain.DC());
    workspace.onlineMonitoring = 1;
    const long long waited = monitoring.MillisecondsWhileLockHeldElsewhere([&] { editor->OnPaint(&image.DC()); });
    EXPECT_EQ(plain.CountPixels(CRect(0, 0, 800, 480), kLiveRed), Count(kLiveRed));
    EXPECT_LT(waited, 400);
}

TEST_F(LadderOnlineTest, MoveBoxPinsTakeTheirOperandsTypesAndABoxPinIsForced) {
    monitoring.Start();
    editor->OnMonitorStart();
    CBlock* move = nullptr;
    CObArray flat;
    CByteArray tags;
    model.GetItem(3)->Flatten(flat, tags);
    for (int k = 0; k < flat.GetSize() && !move; ++k) move = dynamic_cast<CBlock*>(flat[k]);
    ASSERT_NE(nullptr, move);
    DWORD in = move->InputPin(1)->currentFlags;
    EXPECT_NE(0u, in & 0x1FF) << std::hex << in;
    // A right click on the box's input pin makes its operand the force target.
    CCellRect cell = move->GetCellRect();
    POINT pin = {0, 0};
    for (int y = cell.m_nRow * 40; y < (cell.m_nRow + move->m_nHeight) * 40 && !pin.x; y += 2)
        for (int x = cell.m_nColumn * 100 - 100; x < (cell.m_nColumn + 1) * 100 && !pin.x; x += 4) {
            CString text;
            if (move->GetOperandAt(x, y, 100, 40, text) && text == "%VW20") pin = {x, y};
        }
    ASSERT_NE(0, pin.x);
    model.SetCurrentElement(move);
    CPoint point(pin.x, pin.y);
    EXPECT_EQ(CPOUEditEngine::kOnlineMenu, editor->GetContextMenuId(point));
    editor->PickForceTarget();
    EXPECT_STREQ("%VW20", editor->m_strForceTarget);
    EXPECT_TRUE(editor->m_bForceTargetValid);
}

}  // namespace
