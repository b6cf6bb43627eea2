#include "language/PidSpec.h"

#include "tests/support/CpuClassFixture.h"

#include <gtest/gtest.h>

namespace {

PidSpec ValidPidQuery() {
    const OperandDescriptor m0_0 = 0x98A01, aiw0 = 0x8008A14, vw0 = 0x818A14, vr0 = 0x818A40, vd0 = 0x818A28,
                            aqw0 = 0x10018A14;
    return PidSpec{"", "", "", 0, 0, 14, {m0_0, aiw0, vw0, vr0, vr0, vr0, vr0, vr0, vr0, vr0, vr0, vd0, vr0, aqw0}, 0, 0};
}

}  // namespace

TEST(PidSpec, Record) {
    EXPECT_EQ(0x14C, PidInstruction.opcode);
    EXPECT_EQ(14, PidInstruction.operandCount);
    EXPECT_EQ(0x2u, PidInstruction.cpuMask);
    const OperandDescriptor slots[14] = {0x61FE2801, 0x09882810, 0x01882810, 0x01802840, 0x01802840,
                                         0x01802840, 0x01802840, 0x01802840, 0x01802840, 0x01802840,
                                         0x01802840, 0x01882820, 0x01804840, 0x11884810};
    for (int k = 0; k < 14; ++k)
        EXPECT_EQ(slots[k], PidInstruction.slots[k]) << k;
}

TEST_F(CpuClass1Test, CheckPidOperands) {
    int result = 99;
    EXPECT_TRUE(CheckPidOperands("PID", ValidPidQuery(), result));
    EXPECT_EQ(0, result);

    PidSpec query = ValidPidQuery();
    query.slots[1] = 0x28A14;  // %IW0: PV must come from M, V, L or AI
    EXPECT_FALSE(CheckPidOperands("PID", query, result));
    EXPECT_EQ(2, result);

    query = ValidPidQuery();
    query.slots[13] = 0x8008A14;  // XOUT_PER written to an analog input
    EXPECT_FALSE(CheckPidOperands("PID", query, result));
    EXPECT_EQ(14, result);

    EXPECT_FALSE(CheckPidOperands("PIDX", ValidPidQuery(), result));
    EXPECT_EQ(-1, result);

    result = 99;
    query = ValidPidQuery();
    query.operandCount = 13;
    EXPECT_FALSE(CheckPidOperands("PID", query, result));
    EXPECT_EQ(99, result);
}

TEST(PidSpec, NotOnClassesZeroAndTwo) {
    for (int cpuClass : {0, 2, -1}) {
        ScopedCpuClass cpu(cpuClass);
        int result = 99;
        EXPECT_FALSE(CheckPidOperands("PID", ValidPidQuery(), result)) << cpuClass;
        EXPECT_EQ(99, result);
    }
}
