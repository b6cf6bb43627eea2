#include "hardware/CHWAnalogForms.h"

#include "res/resource.h"
#include "tests/hardware/ModuleFormFixture.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <algorithm>
#include <iterator>

namespace {

enum : uint8_t { Cpu243 = 2, Ai4 = 18, Tc4 = 20, Rtd4 = 21, Ao2 = 23 };

using AnalogForms = ModuleFormFixture;

}  // namespace

TEST_F(AnalogForms, InputStartStepsByTwoAndClamps) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Ai4);
    CHWAIView* form = Open<CHWAIView>(module);
    EXPECT_EQ("8", Text(form, IDC_HW_IN_LENGTH));
    EXPECT_EQ((std::pair<int, int>{0, 24}), SpinRange(form, IDC_HW_IN_SPIN));
    form->GetDlgItem(IDC_HW_IN_SPIN)->SendMessage(WM_KEYDOWN, VK_UP);
    EXPECT_EQ("2", Text(form, IDC_HW_IN_START));
    EXPECT_EQ(2, module.aiStart);
    for (const char* typed : {"30", "-4", "99999999999999"}) {
        Type(form, IDC_HW_IN_START, typed);
        EXPECT_EQ(std::string(typed) == "-4" ? "0" : "24", Text(form, IDC_HW_IN_START)) << typed;
    }
    EXPECT_EQ(24, module.aiStart);
    EXPECT_EQ(31, module.aiEnd);
}

TEST_F(AnalogForms, TypeListsShowTheKindsSlice) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Tc4);
    const BYTE types[] = {9, 7, 7, 7};
    std::copy(std::begin(types), std::end(types), module.aiSettingsA);
    module.aiSettingsB[0] = 2;
    CHWAIView* form = Open<CHWAIView>(module);
    EXPECT_EQ(4, static_cast<int>(form->SendDlgItemMessage(IDC_HW_AI_TYPE_0, CB_GETCOUNT)));
    EXPECT_EQ(2, Selection(form, IDC_HW_AI_TYPE_0));
    EXPECT_EQ(0, Selection(form, IDC_HW_AI_TYPE_1));
    EXPECT_EQ(2, Selection(form, IDC_HW_AI_FILTER_0));

    Choose(form, IDC_HW_AI_TYPE_0, 1);   // "J型（内补偿）"
    Choose(form, IDC_HW_AI_FILTER_3, 1);
    EXPECT_EQ(2u, host.modifiedCalls.size());
    EXPECT_EQ(9, module.aiSettingsA[0]);   // written at the check only
    form->ApplyToModule();
    EXPECT_EQ(8, module.aiSettingsA[0]);
    EXPECT_EQ(1, module.aiSettingsB[3]);
    EXPECT_EQ(7, module.aiSettingsA[1]);
}

TEST_F(AnalogForms, StoredTypeOutsideTheSliceIsKept) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Ai4);
    module.aiSettingsA[2] = 7;   // a thermocouple code in a current/voltage module
    CHWAIView* form = Open<CHWAIView>(module);
    EXPECT_EQ(CB_ERR, Selection(form, IDC_HW_AI_TYPE_2));
    form->ApplyToModule();
    EXPECT_EQ(7, module.aiSettingsA[2]);
    EXPECT_EQ(0, module.aiSettingsA[1]);
}

TEST_F(AnalogForms, ChannelsBeyondTheModuleAreDisabled) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Rtd4);
    module.aiCount = 2;
    CHWAIView* form = Open<CHWAIView>(module);
    EXPECT_TRUE(Enabled(form, IDC_HW_AI_TYPE_1));
    EXPECT_FALSE(Enabled(form, IDC_HW_AI_TYPE_2));
    EXPECT_FALSE(Enabled(form, IDC_HW_AI_FILTER_3));
    EXPECT_EQ(2, static_cast<int>(form->SendDlgItemMessage(IDC_HW_AI_TYPE_0, CB_GETCOUNT)));
}

TEST_F(AnalogForms, InputDefaultAndCancel) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Tc4);
    const BYTE types[] = {7, 10, 7, 7};
    std::copy(std::begin(types), std::end(types), module.aiSettingsA);
    CHWAIView* form = Open<CHWAIView>(module);
    Type(form, IDC_HW_IN_START, "16");
    Choose(form, IDC_HW_AI_TYPE_0, 3);
    host.gridRedraws = 0;
    Click(form, IDC_HW_AI_CANCEL);
    EXPECT_EQ("0", Text(form, IDC_HW_IN_START));
    EXPECT_EQ(0, module.aiStart);
    EXPECT_EQ(7, module.aiEnd);
    EXPECT_EQ(0, Selection(form, IDC_HW_AI_TYPE_0));
    EXPECT_EQ(3, Selection(form, IDC_HW_AI_TYPE_1));
    EXPECT_GE(host.gridRedraws, 1);

    Type(form, IDC_HW_IN_START, "10");
    Click(form, IDC_HW_AI_DEFAULT);
    EXPECT_EQ("0", Text(form, IDC_HW_IN_START));
    EXPECT_EQ(0, Selection(form, IDC_HW_AI_TYPE_1));
}

TEST_F(AnalogForms, HoldBoxAndStopValue) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Ao2);
    module.aoSignalForms[0] = 2;   // "[1,5]V"
    CHWAOView* form = Open<CHWAOView>(module);
    EXPECT_FALSE(Enabled(form, IDC_HW_AO_STOP_VALUE_0));
    EXPECT_EQ("", Text(form, IDC_HW_AO_STOP_VALUE_0));

    Click(form, IDC_HW_AO_HOLD_0);
    EXPECT_EQ("1000", Text(form, IDC_HW_AO_STOP_VALUE_0));
    EXPECT_TRUE(Enabled(form, IDC_HW_AO_STOP_VALUE_0));
    Type(form, IDC_HW_AO_STOP_VALUE_0, "9000");
    Choose(form, IDC_HW_AO_SIGNAL_0, 3);   // "[-10,10]V": 9000 fits
    EXPECT_EQ("9000", Text(form, IDC_HW_AO_STOP_VALUE_0));
    Choose(form, IDC_HW_AO_SIGNAL_0, 2);   // back to "[1,5]V": clamped
    EXPECT_EQ("5000", Text(form, IDC_HW_AO_STOP_VALUE_0));
    Type(form, IDC_HW_AO_STOP_VALUE_0, "9000");
    form->ApplyToModule();
    EXPECT_EQ(5000, module.aoStopValues[0]);
    EXPECT_EQ(1u, module.aoHoldOnStop[0]);
    EXPECT_EQ(2, module.aoSignalForms[0]);

    Click(form, IDC_HW_AO_HOLD_0);
    EXPECT_EQ("", Text(form, IDC_HW_AO_STOP_VALUE_0));
    EXPECT_FALSE(Enabled(form, IDC_HW_AO_STOP_VALUE_0));
    form->ApplyToModule();
    EXPECT_EQ(0u, module.aoHoldOnStop[0]);
    EXPECT_EQ(0, module.aoStopValues[0]);
    // The stop value takes at most six characters.
    EXPECT_EQ(6, static_cast<int>(form->SendDlgItemMessage(IDC_HW_AO_STOP_VALUE_1, EM_GETLIMITTEXT)));
}

TEST_F(AnalogForms, OutputCancelAndDefault) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Ao2);
    module.aoHoldOnStop[1] = 1;
    module.aoStopValues[1] = 12000;
    module.aoSignalForms[1] = 1;
    CHWAOView* form = Open<CHWAOView>(module);
    EXPECT_EQ("12000", Text(form, IDC_HW_AO_STOP_VALUE_1));
    EXPECT_EQ("4", Text(form, IDC_HW_OUT_LENGTH));
    SaveImage(form, "hardware-form-ao.bmp");

    Click(form, IDC_HW_AO_DEFAULT);
    EXPECT_FALSE(Checked(form, IDC_HW_AO_HOLD_1));
    EXPECT_EQ("", Text(form, IDC_HW_AO_STOP_VALUE_1));
    EXPECT_EQ(0, Selection(form, IDC_HW_AO_SIGNAL_1));
    Click(form, IDC_HW_AO_CANCEL);
    EXPECT_TRUE(Checked(form, IDC_HW_AO_HOLD_1));
    EXPECT_EQ("12000", Text(form, IDC_HW_AO_STOP_VALUE_1));
    EXPECT_EQ(1, Selection(form, IDC_HW_AO_SIGNAL_1));
    EXPECT_TRUE(Enabled(form, IDC_HW_AO_STOP_VALUE_1));

    // Other output modules on every other word and on byte 0: no room.
    for (int i = 0; i < 8; ++i)
        builder.Add(Ao2);
    ScriptedMessageBoxes boxes;
    Click(form, IDC_HW_AO_DEFAULT);
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("地址空间不足，无法为本模块分配地址！", boxes.Calls()[0].text);
    EXPECT_TRUE(Checked(form, IDC_HW_AO_HOLD_1));
}
