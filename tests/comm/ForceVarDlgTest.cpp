#include "comm/ForceTable.h"
#include "comm/ForceValueCheck.h"
#include "comm/ForceVarDlg.h"
#include "comm/ShowCommError.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"
#include "tests/comm/PlcLinkFixture.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

namespace {

// The dialog as the editors open it, over the workspace's own forcing service and the
// real address parser, against the simulated PLC.
class ForceVarDialog : public PlcLinkFixture {
protected:
    void SetUp() override {
        PlcLinkFixture::SetUp();
        workspace.project.cpuClass = 1;
        workspace.project.AllocateForceImages(5970);
    }

    struct Outcome {
        INT_PTR result = 0;
        CString hint;
    };
    // Types the value, presses the force button and cancels when the dialog stays open.
    Outcome Force(const char* address, const char* value) {
        CForceVarDlg dialog(workspace.forcingService);
        dialog.m_address = address;
        dialog.m_globalName = "START";
        Outcome outcome;
        ModalScript script({[&](CWnd* wnd) {
            wnd->SetDlgItemText(IDC_FORCE_VALUE, value);
            PressButton(wnd, IDOK);
            if (::IsWindow(wnd->m_hWnd) && ::IsWindowVisible(wnd->m_hWnd)) {
                wnd->GetDlgItemText(IDC_FORCE_HINT, outcome.hint);
                PressButton(wnd, IDCANCEL);
            }
        }});
        outcome.result = dialog.DoModal();
        return outcome;
    }
    std::vector<ForcedValue> PlcForces() {
        std::vector<ForcedValue> entries;
        EXPECT_TRUE(ParseForceTable(plc.State().forceTable, entries));
        return entries;
    }

    TestApplication app;
    CPlcWorkspace workspace;
};

}  // namespace

TEST_F(ForceVarDialog, ValueIsCheckedAgainstTheAddressType) {
    const struct {
        const char* address;
        const char* value;
        bool accepted;
        DWORD forced;
    } cases[] = {
        {"%V0.3", " true ", true, 1},
        {"%V0.3", "false", true, 0},
        {"%V0.3", "1", false, 0},
        {"%VR8", "1", false, 0},
        {"%VR8", "1.0", true, 0x3F800000},
        {"%VR8", "-2.5", true, 0xC0200000},
        {"%VW4", "300", true, 300},
        {"%VW4", "W#16#ff", true, 255},
        {"%VW4", "2.5", false, 0},       // a REAL literal shares no bit with WORD or INT
        {"%VW4", "DW#16#1234", false, 0},
        {"%VB2", "B#7", true, 7},
        {"%VD12", "DI#-1", true, 0xFFFFFFFF},
        {"%VD12", "", false, 0},
        {"%VW4", "   ", false, 0},
        {"NOTANADDRESS", "1", false, 0},
    };
    for (const auto& c : cases) {
        DWORD value = 0xDEAD;
        EXPECT_EQ(c.accepted, CheckForceValue(c.address, c.value, value)) << c.address << " " << c.value;
        if (c.accepted) {
            EXPECT_EQ(c.forced, value) << c.address << " " << c.value;
        }
    }
}

TEST_F(ForceVarDialog, ForceButtonForcesTheAddressAndCloses) {
    const struct {
        const char* address;
        const char* value;
        uint32_t typeFlags;
        uint32_t plcValue;
    } cases[] = {
        {"%V0.3", "true", 0x201, 1},
        {"%VW4", "W#16#BEEF", 0x214, 0xBEEF},
        {"%VR8", "1.5", 0x240, 0x3FC00000},
    };
    for (const auto& c : cases) {
        plc.State().forceTable = SimulatedPlc::EmptyForceTable();
        const Outcome outcome = Force(c.address, c.value);
        EXPECT_EQ(IDOK, outcome.result) << c.address;
        const std::vector<ForcedValue> forces = PlcForces();
        ASSERT_EQ(1u, forces.size()) << c.address;
        EXPECT_EQ(c.typeFlags, forces[0].typeFlags) << c.address;
        EXPECT_EQ(c.plcValue, forces[0].value) << c.address;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ForceVarDialog, RefusedValueKeepsTheDialogOpenWithTheHint) {
    for (const char* value : {"", "1", "abc"}) {
        link.ForgetRequests();
        const Outcome outcome = Force("%V0.3", value);
        EXPECT_EQ(IDCANCEL, outcome.result) << value;
        EXPECT_EQ("当前输入非法, 请重新输入!", outcome.hint) << value;
        EXPECT_TRUE(link.Requests().empty()) << value;
    }
}

TEST_F(ForceVarDialog, FailedReadClosesTheDialogAfterItsMessage) {
    plc.InjectFault(PlcFault::Silent, 0, 1);
    const Outcome outcome = Force("%VW4", "5");
    EXPECT_EQ(IDOK, outcome.result);
    EXPECT_EQ("P", SentLetters());  // nothing written after the failed read
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ(CommErrorMessage(kCommNoReply).text, messages.shown[0].text);
}

TEST_F(ForceVarDialog, StartShowsAddressNameAndNoHint) {
    CForceVarDlg dialog(workspace.forcingService);
    dialog.m_address = "%VW4";
    dialog.m_globalName = "SPEED";
    CString address, name, hint;
    ModalScript script({[&](CWnd* wnd) {
        wnd->GetDlgItemText(IDC_FORCE_ADDRESS, address);
        wnd->GetDlgItemText(IDC_FORCE_NAME, name);
        wnd->GetDlgItemText(IDC_FORCE_HINT, hint);
        wnd->SetDlgItemText(IDC_FORCE_VALUE, "1234");
        TestImage image(400, 250);
        RenderWindow(wnd, image);
        image.SaveBmp(TestOutputPath("force_variable_dialog.bmp"));
        PressButton(wnd, IDCANCEL);
    }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ("%VW4", address);
    EXPECT_EQ("SPEED", name);
    EXPECT_EQ("无", hint);
    EXPECT_TRUE(link.Requests().empty());
}
