#include "project/CQLXProject.h"

#include "hardware/ModuleCatalog.h"
#include "project/CQLX_R2_PLC.h"

#include <gtest/gtest.h>

namespace {

struct Range {
    int start;
    int end;
};

// A project of one CPU class whose modules are built by kind and channel count.
class ModuleAddressTest : public testing::Test {
protected:
    CQLXProject project;

    CQLX_R2_PLC* AddModule(DWORD kind, int di, int doCount, int ai, int ao) {
        CQLX_R2_PLC* module = new CQLX_R2_PLC;
        module->kindMask = kind;
        module->diCount = static_cast<WORD>(di);
        module->doCount = static_cast<WORD>(doCount);
        module->aiCount = static_cast<WORD>(ai);
        module->aoCount = static_cast<WORD>(ao);
        project.modules.Add(module);
        return module;
    }

    CQLX_R2_PLC* AddInputModule(Range range) {
        CQLX_R2_PLC* module = AddModule(KindDigitalInDc, 8 * (range.end - range.start + 1), 0, 0, 0);
        module->iStart = static_cast<BYTE>(range.start);
        module->iEnd = static_cast<BYTE>(range.end);
        return module;
    }
};

Range InputsOf(const CQLX_R2_PLC* module) {
    return {module->iStart, module->iEnd};
}

bool operator==(Range a, Range b) {
    return a.start == b.start && a.end == b.end;
}

std::ostream& operator<<(std::ostream& out, Range range) {
    return out << range.start << "-" << range.end;
}

}  // namespace

TEST_F(ModuleAddressTest, FirstFitTakesTheFirstGapLongEnough) {
    project.cpuClass = 1;  // 8 input bytes
    struct Case {
        std::vector<Range> taken;
        int channels;
        bool fits;
        Range expected;
    } cases[] = {
        {{{0, 1}, {2, 2}}, 16, true, {3, 4}},
        {{{0, 1}, {4, 5}}, 16, true, {2, 3}},        // the gap of a deleted module first
        {{{0, 1}, {3, 5}}, 16, true, {6, 7}},        // a 1-byte gap is too short
        {{{0, 1}, {3, 5}}, 5, true, {2, 2}},         // a partial byte counts as a whole one
        {{}, 64, true, {0, 7}},                      // the whole area
        {{}, 65, false, {}},                         // longer than the area
        {{{0, 1}, {2, 7}}, 8, false, {}},
        {{{0, 1}, {200, 250}}, 16, true, {2, 3}},    // ranges beyond the area are passed over
        {{{0, 1}, {6, 255}}, 32, true, {2, 5}},
        {{{0, 1}, {4, 255}}, 32, false, {}},         // but their bytes inside it are taken
    };
    for (const Case& c : cases) {
        project.ResetProject();
        for (Range range : c.taken)
            AddInputModule(range);
        CQLX_R2_PLC* module = AddModule(KindDigitalInDc, c.channels, 0, 0, 0);
        module->iStart = 9;
        module->iEnd = 9;
        EXPECT_EQ(c.fits, bool(project.AssignInputBytes(module))) << c.channels;
        const Range unchanged = {9, 9};
        EXPECT_EQ(c.fits ? c.expected : unchanged, InputsOf(module)) << c.channels;
    }
}

TEST_F(ModuleAddressTest, TheCpuStartsAtZeroWithoutSearching) {
    project.cpuClass = 1;
    AddInputModule({0, 3});
    CQLX_R2_PLC* cpu = AddModule(KindCpu, 14, 10, 0, 0);
    EXPECT_TRUE(project.AssignInputBytes(cpu));
    EXPECT_TRUE(project.AssignOutputBytes(cpu));
    EXPECT_EQ((Range{0, 1}), InputsOf(cpu));
    EXPECT_EQ(0, cpu->qStart);
    EXPECT_EQ(1, cpu->qEnd);
    EXPECT_FALSE(project.AssignAnalogInputWords(cpu));
}

TEST_F(ModuleAddressTest, EachOperationServesItsOwnKindsAndArea) {
    project.cpuClass = 1;
    AddModule(KindCpu, 14, 10, 0, 0)->qEnd = 1;
    CQLX_R2_PLC* mixed = AddModule(KindDigitalInOutRelay, 8, 8, 0, 0);
    EXPECT_TRUE(project.AssignOutputBytes(mixed));
    EXPECT_EQ(2, mixed->qStart);
    EXPECT_EQ(2, mixed->qEnd);

    CQLX_R2_PLC* analogIn = AddModule(KindAnalogInThermocouple, 0, 0, 4, 0);
    EXPECT_TRUE(project.AssignAnalogInputWords(analogIn));
    EXPECT_EQ(0, analogIn->aiStart);
    EXPECT_EQ(7, analogIn->aiEnd);
    CQLX_R2_PLC* secondIn = AddModule(KindAnalogInRtd, 0, 0, 4, 0);
    EXPECT_TRUE(project.AssignAnalogInputWords(secondIn));
    EXPECT_EQ(8, secondIn->aiStart);
    EXPECT_EQ(15, secondIn->aiEnd);

    CQLX_R2_PLC* analogOut = AddModule(KindAnalogOut, 0, 0, 0, 2);
    EXPECT_TRUE(project.AssignAnalogOutputWords(analogOut));
    EXPECT_EQ(0, analogOut->aqStart);
    EXPECT_EQ(3, analogOut->aqEnd);

    CQLX_R2_PLC* combined = AddModule(KindAnalogInOut, 0, 0, 4, 1);
    EXPECT_FALSE(project.AssignAnalogInputWords(combined));
    EXPECT_FALSE(project.AssignAnalogOutputWords(combined));
    EXPECT_FALSE(project.AssignInputBytes(analogOut));
    EXPECT_FALSE(project.AssignOutputBytes(AddModule(KindDigitalInDc, 8, 0, 0, 0)));
}

TEST_F(ModuleAddressTest, AreaSizeFollowsTheCpuClass) {
    CQLX_R2_PLC* cpu = AddModule(KindCpu, 8, 6, 0, 0);
    project.cpuClass = 0;  // one input byte, no analog area
    EXPECT_TRUE(project.AssignInputBytes(cpu));
    CQLX_R2_PLC* extra = AddModule(KindDigitalInDc, 8, 0, 0, 0);
    EXPECT_FALSE(project.AssignInputBytes(extra));
    EXPECT_FALSE(project.AssignAnalogInputWords(AddModule(KindAnalogInCurrentVoltage, 0, 0, 4, 0)));
    project.cpuClass = 2;
    EXPECT_TRUE(project.AssignInputBytes(extra));
    EXPECT_EQ(1, extra->iStart);
}
