#include "hardware/CCPUInfoView.h"

#include "hardware/CSheetCPU.h"
#include "res/resource.h"
#include "tests/hardware/ModuleFormFixture.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestImage.h"

namespace {

class CpuPages : public ModuleFormFixture {
protected:
    CCPUInfoView* OpenCpu(uint8_t code) {
        CQLX_R2_PLC& cpu = builder.Add(code);
        view = Open<CCPUInfoView>(cpu);
        return view;
    }
    CWnd* Page(int index) {
        view->Sheet()->SetActivePage(index);
        return &view->Sheet()->Page(index);
    }
    CQLX_R2_PLC& Cpu() { return *static_cast<CQLX_R2_PLC*>(project.modules[0]); }

    CCPUInfoView* view = nullptr;
};

}  // namespace

TEST_F(CpuPages, AllThreePagesAreFilledWithTheIoPageInFront) {
    CCPUInfoView* form = OpenCpu(2);
    ASSERT_NE(nullptr, form->Sheet());
    EXPECT_EQ(CSheetCPU::IoPage, form->Sheet()->GetActiveIndex());
    for (int index = 0; index < CSheetCPU::PageCount; ++index)
        EXPECT_TRUE(form->Sheet()->Page(index).Filled()) << index;
    EXPECT_TRUE(host.modifiedCalls.empty());

    const char* names[] = {"hardware-cpu-io.bmp", "hardware-cpu-com.bmp", "hardware-cpu-retain.bmp"};
    for (int index = 0; index < CSheetCPU::PageCount; ++index) {
        form->Sheet()->SetActivePage(index);
        SaveImage(form, names[index]);
    }
    EXPECT_TRUE(host.modifiedCalls.empty());
}

TEST_F(CpuPages, IoPageOfACpu243) {
    OpenCpu(2);
    CWnd* io = Page(CSheetCPU::IoPage);
    EXPECT_EQ("2", Text(io, IDC_HW_IN_LENGTH));
    EXPECT_EQ("2", Text(io, IDC_HW_OUT_LENGTH));
    EXPECT_EQ("0", Text(io, IDC_CPU_IO_IN_START));
    EXPECT_EQ("I1.x", Text(io, IDC_CPU_IO_FILTER_LABEL_2));
    EXPECT_EQ("Q1.x", Text(io, IDC_CPU_IO_OUT_LABEL_2));
    for (int bit = 0; bit < 16; ++bit)
        EXPECT_EQ(bit < 10, Enabled(io, IDC_CPU_IO_FLAG_FIRST + bit)) << bit;
    EXPECT_EQ(Cpu().inputFilters[0], Selection(io, IDC_CPU_IO_FILTER_1));

    Choose(io, IDC_CPU_IO_FILTER_2, 2);   // "3.2ms"
    EXPECT_EQ(1u, host.modifiedCalls.size());
    Click(io, IDC_CPU_IO_SELECT_ALL);
    Click(io, IDC_CPU_IO_FLAG_FIRST + 3);   // unticked: select-all goes
    EXPECT_FALSE(Checked(io, IDC_CPU_IO_SELECT_ALL));
    Click(io, IDC_CPU_IO_SELECT_ALL);
    Click(io, IDC_CPU_IO_FLAG_FIRST + 3);
    Click(io, IDC_CPU_IO_FLAG_FIRST + 3);   // ticked again: select-all stays off, as it was
    EXPECT_FALSE(Checked(io, IDC_CPU_IO_SELECT_ALL));

    Cpu().iEnd = Cpu().qEnd = 7;
    EXPECT_EQ(-1, view->ApplyToModule());
    EXPECT_EQ(0, Cpu().iStart);
    EXPECT_EQ(1, Cpu().iEnd);
    EXPECT_EQ(1, Cpu().qEnd);
    EXPECT_EQ(2, Cpu().inputFilters[1]);
    for (int bit = 0; bit < 16; ++bit)
        EXPECT_EQ(bit < 10 ? 1u : 0u, Cpu().cpuOutputStopStates[bit / 8][bit % 8]) << bit;

    // Default and Cancel act on the page in front.
    Click(view, IDC_CPU_DEFAULT);
    EXPECT_FALSE(Checked(io, IDC_CPU_IO_FLAG_FIRST));
    EXPECT_EQ(4, Selection(io, IDC_CPU_IO_FILTER_2));
    Click(view, IDC_CPU_CANCEL);
    EXPECT_TRUE(Checked(io, IDC_CPU_IO_FLAG_FIRST));
    EXPECT_EQ(2, Selection(io, IDC_CPU_IO_FILTER_2));
}

TEST_F(CpuPages, Cpu241HasOneInputByte) {
    OpenCpu(1);
    CWnd* io = Page(CSheetCPU::IoPage);
    EXPECT_TRUE(Enabled(io, IDC_CPU_IO_FILTER_1));
    EXPECT_FALSE(Enabled(io, IDC_CPU_IO_FILTER_2));
    EXPECT_FALSE(Enabled(io, IDC_CPU_IO_FILTER_LABEL_2));
    EXPECT_FALSE(Enabled(io, IDC_CPU_IO_OUT_LABEL_2));
    EXPECT_EQ("1", Text(io, IDC_HW_IN_LENGTH));
}

TEST_F(CpuPages, SecondPortOnlyForTheCpusThatHaveIt) {
    struct Case { uint8_t code; bool secondPort; };
    for (const Case& c : {Case{2, false}, Case{33, false}, Case{36, true}, Case{37, true}}) {
        SCOPED_TRACE(int(c.code));
        CQLXProject project;
        project.cpuClass = 1;
        ModuleListBuilder builder(project);
        RecordingFormHost host(project);
        auto* form = new CCPUInfoView;
        ASSERT_TRUE(form->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 560, 300), frame, 101));
        form->Attach(&builder.Add(c.code), &host);
        form->OnInitialUpdate();
        form->Sheet()->SetActivePage(CSheetCPU::ComPage);
        CWnd* com = &form->Sheet()->Page(CSheetCPU::ComPage);
        EXPECT_EQ(c.secondPort, Enabled(com, IDC_CPU_PORT1_STATION));
        EXPECT_EQ(c.secondPort ? 5 : 0, static_cast<int>(com->SendDlgItemMessage(IDC_CPU_PORT1_BAUD, CB_GETCOUNT)));
        if (c.secondPort) {
            Click(form, IDC_CPU_DEFAULT);
            EXPECT_EQ(1, Selection(com, IDC_CPU_PORT1_STATION));   // station 2
            EXPECT_EQ(0, Selection(com, IDC_CPU_PORT0_STATION));
        }
        form->DestroyWindow();
    }
}

TEST_F(CpuPages, CommunicationSettingsAreStoredAtTheCheck) {
    OpenCpu(36);
    CWnd* com = Page(CSheetCPU::ComPage);
    EXPECT_EQ(2, Selection(com, IDC_CPU_PORT0_BAUD));   // "9600"
    Choose(com, IDC_CPU_PORT0_BAUD, 3);                // "19200"
    EXPECT_EQ(1u, host.modifiedCalls.size());
    EXPECT_EQ(2, Cpu().port0[PortBaud]);
    Choose(com, IDC_CPU_PORT1_DATA_BITS, 0);           // the empty entry: back on "8"
    EXPECT_EQ(1, Selection(com, IDC_CPU_PORT1_DATA_BITS));
    Choose(com, IDC_CPU_PORT1_STATION, 9);
    EXPECT_EQ(-1, view->ApplyToModule());
    EXPECT_EQ(3, Cpu().port0[PortBaud]);
    EXPECT_EQ(10, Cpu().port1[PortStation]);

    // A list without a selection refuses, in the order station, baud, data bits, parity, stop bits.
    com->SendDlgItemMessage(IDC_CPU_PORT1_PARITY, CB_SETCURSEL, static_cast<WPARAM>(-1));
    com->SendDlgItemMessage(IDC_CPU_PORT1_DATA_BITS, CB_SETCURSEL, static_cast<WPARAM>(-1));
    Choose(com, IDC_CPU_PORT0_BAUD, 0);
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(CSheetCPU::ComPage, view->ApplyToModule());
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("Port1口的数据位设置错误！", boxes.Calls()[0].text);
    EXPECT_EQ("错误", boxes.Calls()[0].caption);
    EXPECT_EQ(3, Cpu().port0[PortBaud]);   // nothing stored from a refused page
}

TEST_F(CpuPages, RetainedRangesStayInsideTheirArea) {
    OpenCpu(2);
    CWnd* retain = Page(CSheetCPU::RetainPage);
    EXPECT_EQ(0, Selection(retain, IDC_RETAIN_AREA_1));
    EXPECT_EQ(1, Selection(retain, IDC_RETAIN_AREA_3));
    EXPECT_EQ((std::pair<int, int>{0, 4095}), SpinRange(retain, IDC_RETAIN_START_SPIN_1));

    Type(retain, IDC_RETAIN_START_1, "4000");
    EXPECT_EQ((std::pair<int, int>{0, 96}), SpinRange(retain, IDC_RETAIN_LENGTH_SPIN_1));
    Type(retain, IDC_RETAIN_LENGTH_1, "97");
    EXPECT_EQ("96", Text(retain, IDC_RETAIN_LENGTH_1));
    Type(retain, IDC_RETAIN_START_2, "5000");
    EXPECT_EQ("4095", Text(retain, IDC_RETAIN_START_2));
    Type(retain, IDC_RETAIN_START_2, "99999999999");
    EXPECT_EQ("4095", Text(retain, IDC_RETAIN_START_2));

    // Range 1 moved to the C area (high 127 in class 1): start and length follow.
    Choose(retain, IDC_RETAIN_AREA_1, 1);
    EXPECT_EQ("127", Text(retain, IDC_RETAIN_START_1));
    EXPECT_EQ((std::pair<int, int>{0, 127}), SpinRange(retain, IDC_RETAIN_START_SPIN_1));
    EXPECT_EQ("96", Text(retain, IDC_RETAIN_LENGTH_1));   // within 256 - 127

    ScriptedMessageBoxes boxes;
    EXPECT_EQ(CSheetCPU::RetainPage, view->ApplyToModule());
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("保持区域 1 的配置超过该内存区的高限!", boxes.Calls()[0].text);
    EXPECT_EQ(0, Cpu().retainRanges[0].start);

    Type(retain, IDC_RETAIN_LENGTH_1, "0");   // a length of 0 always fits
    EXPECT_EQ(-1, view->ApplyToModule());
    EXPECT_EQ(1, Cpu().retainRanges[0].area);
    EXPECT_EQ(127, Cpu().retainRanges[0].start);
    EXPECT_EQ(4095, Cpu().retainRanges[1].start);
}

TEST_F(CpuPages, CounterAreaOfAClass0Cpu) {
    project.cpuClass = 0;
    OpenCpu(1);
    CWnd* retain = Page(CSheetCPU::RetainPage);
    Type(retain, IDC_RETAIN_START_3, "10");
    Type(retain, IDC_RETAIN_LENGTH_3, "60");
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(CSheetCPU::RetainPage, view->ApplyToModule());
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("保持区域 3 的配置超过该内存区的高限!", boxes.Calls()[0].text);
}
