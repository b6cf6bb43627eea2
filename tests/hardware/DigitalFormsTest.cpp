#include "hardware/CHWDigitalForms.h"

#include "res/resource.h"
#include "tests/hardware/ModuleFormFixture.h"
#include "tests/support/ScriptedMessageBoxes.h"

namespace {

enum : uint8_t { Cpu243 = 2, Di8 = 6, Di16 = 8, Do8 = 9, Do16 = 10, Dio8 = 14, Dio16 = 16 };

using DigitalForms = ModuleFormFixture;

}  // namespace

// Each typed or pasted text: what the field shows and the range stored at once.
TEST_F(DigitalForms, StartFieldClampsFromBothSidesAndStoresAtOnce) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Do16);
    CHWDOView* form = Open<CHWDOView>(module);
    EXPECT_EQ("2", Text(form, IDC_HW_OUT_LENGTH));
    EXPECT_EQ((std::pair<int, int>{0, 6}), SpinRange(form, IDC_HW_OUT_SPIN));

    struct Case { const char* typed; const char* shown; int start; };
    const Case cases[] = {
        {"4", "4", 4}, {"9", "6", 6}, {"", "0", 0}, {"-1", "0", 0}, {"99999999999", "6", 6}, {"300", "6", 6}, {"3", "3", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        host.gridRedraws = 0;
        host.modifiedCalls.clear();
        Type(form, IDC_HW_OUT_START, c.typed);
        EXPECT_EQ(c.shown, Text(form, IDC_HW_OUT_START));
        EXPECT_EQ(c.start, module.qStart);
        EXPECT_EQ(c.start + 1, module.qEnd);
        EXPECT_GE(host.gridRedraws, 1);
        EXPECT_FALSE(host.modifiedCalls.empty());
    }
    // The labels follow the start.
    EXPECT_EQ("Q3.x", Text(form, IDC_HW_OUT_LABEL_1));
    EXPECT_EQ("Q4.x", Text(form, IDC_HW_OUT_LABEL_2));
}

TEST_F(DigitalForms, FillingMarksNothing) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Dio16);
    auto* form = new CHWDIOView;
    ASSERT_TRUE(form->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 560, 300), frame, 100));
    form->Attach(&module, &host);
    form->OnInitialUpdate();
    EXPECT_TRUE(host.modifiedCalls.empty());
    EXPECT_EQ(0, host.gridRedraws);
    EXPECT_EQ("2", Text(form, IDC_HW_IN_START));
    EXPECT_EQ("1", Text(form, IDC_HW_IN_LENGTH));
    EXPECT_EQ("2", Text(form, IDC_HW_OUT_START));
    // A right click does nothing in a module form.
    form->SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
    form->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(host.modifiedCalls.empty());
}

TEST_F(DigitalForms, OutputBoxesFollowTheOutputCount) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Do8);
    CHWDOView* form = Open<CHWDOView>(module);
    for (int bit = 0; bit < 16; ++bit)
        EXPECT_EQ(bit < 8, Enabled(form, IDC_HW_OUT_FLAG_FIRST + bit)) << bit;
    EXPECT_TRUE(Enabled(form, IDC_HW_OUT_LABEL_1));
    EXPECT_FALSE(Enabled(form, IDC_HW_OUT_LABEL_2));
    EXPECT_EQ("Q2.x", Text(form, IDC_HW_OUT_LABEL_1));
    SaveImage(form, "hardware-form-do.bmp");
}

TEST_F(DigitalForms, SelectAllAndTheFlagBoxes) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Do16);
    module.outputHoldFlags[0][3] = 1;
    CHWDOView* form = Open<CHWDOView>(module);
    EXPECT_TRUE(Checked(form, IDC_HW_OUT_FLAG_FIRST + 3));

    Click(form, IDC_HW_SELECT_ALL);
    for (int bit = 0; bit < 16; ++bit)
        EXPECT_TRUE(Checked(form, IDC_HW_OUT_FLAG_FIRST + bit)) << bit;
    // Unticking select-all changes no box.
    Click(form, IDC_HW_SELECT_ALL);
    EXPECT_TRUE(Checked(form, IDC_HW_OUT_FLAG_FIRST + 15));
    Click(form, IDC_HW_SELECT_ALL);
    Click(form, IDC_HW_OUT_FLAG_FIRST + 5);
    EXPECT_FALSE(Checked(form, IDC_HW_SELECT_ALL));
    EXPECT_FALSE(Checked(form, IDC_HW_OUT_FLAG_FIRST + 5));
    EXPECT_TRUE(Checked(form, IDC_HW_OUT_FLAG_FIRST + 4));
    EXPECT_EQ(4u, host.modifiedCalls.size());

    Type(form, IDC_HW_OUT_START, "5");
    EXPECT_EQ(-1, form->ApplyToModule());
    EXPECT_EQ(5, module.qStart);
    EXPECT_EQ(6, module.qEnd);
    for (int bit = 0; bit < 16; ++bit)
        EXPECT_EQ(bit == 5 ? 0u : 1u, module.outputHoldFlags[bit / 8][bit % 8]) << bit;

    // Cancel reloads the flags the module holds and the start of the fill.
    Click(form, IDC_HW_OUT_FLAG_FIRST + 0);
    Click(form, IDC_HW_DO_CANCEL);
    EXPECT_TRUE(Checked(form, IDC_HW_OUT_FLAG_FIRST + 0));
    EXPECT_FALSE(Checked(form, IDC_HW_OUT_FLAG_FIRST + 5));
    EXPECT_EQ("2", Text(form, IDC_HW_OUT_START));
    EXPECT_EQ(2, module.qStart);

    // Default clears the flags and re-assigns the bytes.
    Type(form, IDC_HW_OUT_START, "6");
    Click(form, IDC_HW_DO_DEFAULT);
    EXPECT_EQ("2", Text(form, IDC_HW_OUT_START));
    for (int bit = 0; bit < 16; ++bit)
        EXPECT_FALSE(Checked(form, IDC_HW_OUT_FLAG_FIRST + bit)) << bit;
}

TEST_F(DigitalForms, DefaultWithoutRoomShowsTheMessageAndKeepsTheStart) {
    builder.Add(Cpu243);
    builder.Add(Di8);
    builder.AddMany(Di16, 2);
    builder.Add(Di8);   // input bytes 2 to 7 taken
    CQLX_R2_PLC& module = builder.Add(Di16);
    CHWDIView* form = Open<CHWDIView>(module);
    Type(form, IDC_HW_DI_START, "7");
    ScriptedMessageBoxes boxes;
    host.modifiedCalls.clear();

    Click(form, IDC_HW_DI_DEFAULT);

    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("地址空间不足，无法为本模块分配地址！", boxes.Calls()[0].text);
    EXPECT_EQ("错误", boxes.Calls()[0].caption);
    EXPECT_EQ(UINT(MB_OK | MB_ICONSTOP), boxes.Calls()[0].type);
    EXPECT_EQ("6", Text(form, IDC_HW_DI_START));
    EXPECT_EQ(6, module.iStart);
    EXPECT_TRUE(host.modifiedCalls.empty());
}

TEST_F(DigitalForms, CancelRestoresTheStartOfTheFill) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Di16);
    CHWDIView* form = Open<CHWDIView>(module);
    for (const char* typed : {"4", "5", "6"})
        Type(form, IDC_HW_DI_START, typed);
    EXPECT_EQ(6, module.iStart);
    host.gridRedraws = 0;
    Click(form, IDC_HW_DI_CANCEL);
    EXPECT_EQ("2", Text(form, IDC_HW_DI_START));
    EXPECT_EQ(2, module.iStart);
    EXPECT_EQ(3, module.iEnd);
    EXPECT_GE(host.gridRedraws, 1);
}

TEST_F(DigitalForms, InputOutputDefaultKeepsTheNewInputsWhenTheOutputsFindNoRoom) {
    builder.Add(Cpu243);
    builder.Add(Do8);
    builder.AddMany(Do16, 2);
    builder.Add(Do8);   // output bytes 2 to 7 taken
    CQLX_R2_PLC& module = builder.Add(Dio8);
    CHWDIOView* form = Open<CHWDIOView>(module);
    Type(form, IDC_HW_IN_START, "6");
    ScriptedMessageBoxes boxes;

    Click(form, IDC_HW_DIO_DEFAULT);

    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("地址空间不足，无法为本模块分配DO地址！", boxes.Calls()[0].text);
    EXPECT_EQ("2", Text(form, IDC_HW_IN_START));
    EXPECT_EQ(2, module.iStart);
    EXPECT_EQ("0", Text(form, IDC_HW_OUT_START));
}

TEST_F(DigitalForms, InputOutputApplyStoresBothRangesAndTheFirstByteOfFlags) {
    builder.Add(Cpu243);
    CQLX_R2_PLC& module = builder.Add(Dio8);
    CHWDIOView* form = Open<CHWDIOView>(module);
    for (int bit = 0; bit < 16; ++bit)
        EXPECT_EQ(bit < 4, Enabled(form, IDC_HW_OUT_FLAG_FIRST + bit)) << bit;
    Click(form, IDC_HW_SELECT_ALL);
    SetDlgItemText(form->m_hWnd, IDC_HW_IN_START, "5");
    SetDlgItemText(form->m_hWnd, IDC_HW_OUT_START, "7");
    form->ApplyToModule();
    EXPECT_EQ(5, module.iStart);
    EXPECT_EQ(5, module.iEnd);
    EXPECT_EQ(7, module.qStart);
    EXPECT_EQ(7, module.qEnd);
    for (int bit = 0; bit < 8; ++bit)
        EXPECT_EQ(bit < 4 ? 1u : 0u, module.outputHoldFlags[0][bit]) << bit;
    EXPECT_EQ(0u, module.outputHoldFlags[1][0]);
}


