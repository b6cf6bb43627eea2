#include "comm/ForceTable.h"
#include "comm/ForcingService.h"
#include "tests/comm/PlcLinkFixture.h"
#include "tools/simplc/SampleForceProject.h"

#include <functional>

namespace {

using Bytes = std::vector<uint8_t>;

class Forcing : public PlcLinkFixture {
protected:
    std::vector<ForcedValue> PlcForces() {
        std::vector<ForcedValue> entries;
        EXPECT_TRUE(ParseForceTable(plc.State().forceTable, entries));
        return entries;
    }
    size_t Sent(char letter) const {
        size_t count = 0;
        for (const Bytes& r : link.Requests())
            count += r[1] == letter;
        return count;
    }

    SampleForceProject project;
    volatile LONG monitoring = 0;
    CMonitorPause pause;
    CMutex commLock;
    Bytes tableBuffer;
    CForcingService service{project, {&monitoring, &pause, &commLock}, tableBuffer};
};

}  // namespace

TEST_F(Forcing, PlcWithoutATableGetsExactlyTheOneForcedAddress) {
    plc.InjectFault(PlcFault::Refuse, 0, 1, 0);  // "P" answered with another letter
    ASSERT_TRUE(service.ForceVariable("%MW4", 0xBEEF));
    const std::vector<ForcedValue> forces = PlcForces();
    ASSERT_EQ(1u, forces.size());
    EXPECT_EQ(SampleForceProject::kBaseCode + 4, forces[0].code);
    EXPECT_EQ(kForceWord, forces[0].typeFlags);
    EXPECT_EQ(0xBEEFu, forces[0].value);
    EXPECT_EQ(1, project.ForcedCount());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Forcing, TenBitsArePackedIntoTwoBytes) {
    for (int i = 0; i < 10; ++i) {
        CString address;
        address.Format("%%M%d.%d", i / 8, i % 8);
        ASSERT_TRUE(service.ForceVariable(address, 1)) << i;
    }
    const Bytes& table = plc.State().forceTable;
    ASSERT_EQ(11u + 20 + 2, table.size());
    EXPECT_EQ(10, table[6]);
    EXPECT_EQ(0xFF, table[31]);
    EXPECT_EQ(0x03, table[32]);  // bits 8 and 9 in bits 0 and 1 of the second byte
    EXPECT_EQ(10, project.ForcedCount());
}

TEST_F(Forcing, ForcesReadBackFromThePlcRebuildTheLocalCopy) {
    Bytes table;
    ASSERT_TRUE(BuildForceTable({{SampleForceProject::kBaseCode + 3 + (5 << 13), kForceBit, 1},
                                 {SampleForceProject::kBaseCode + 8, kForceDoubleWord, 0x01020304},
                                 {SampleForceProject::kBaseCode + SampleForceProject::kBytes, kForceByte, 9}},  // outside every area
                                table));
    plc.State().forceTable = table;
    ASSERT_TRUE(service.LoadForceList());
    ASSERT_EQ(2, project.ForcedCount());
    ASSERT_NE(nullptr, project.Forced("%m3.5"));
    ASSERT_NE(nullptr, project.Forced("MD8"));
    EXPECT_EQ(0u, project.Forced("%MD8")->forcedValue);
    EXPECT_EQ(1u << 5, project.Image()[3]);
    EXPECT_EQ((std::vector<uint32_t>{4, 3, 2, 1}), std::vector<uint32_t>(project.Image().begin() + 8, project.Image().begin() + 12));
}

TEST_F(Forcing, UnsoundTableFromThePlcChangesNothing) {
    ASSERT_TRUE(service.ForceVariable("%MB5", 7));
    const struct {
        const char* name;
        Bytes table;
    } cases[] = {
        {"length 20, 19 bytes", [] { Bytes t(19, 0); t[0] = 20; t[2] = t[4] = 9; t[3] = 6; return t; }()},
        {"counts beyond the length", {14, 0, 9, 6, 9, 0, 0, 3, 0, 0, 0, 0x69, 0, 0x07}},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        plc.State().forceTable = c.table;
        const size_t writes = Sent('J');
        EXPECT_FALSE(service.ForceVariable("%MB6", 1)) << c.name;
        EXPECT_EQ(writes, Sent('J')) << c.name;
        ASSERT_EQ(1u, messages.shown.size()) << c.name;
        EXPECT_EQ("读取的强制变量数据有错误，请重新执行命令！", messages.shown[0].text);
        EXPECT_EQ("错误", messages.shown[0].caption);
        EXPECT_EQ(1, project.ForcedCount()) << c.name;
        EXPECT_NE(nullptr, project.Forced("%MB5")) << c.name;
        EXPECT_EQ(7u, project.Image()[5]) << c.name;
    }
}

// A table read that fails on any of its blocks is a failed read, whichever block it is
// and however it fails: nothing is written, the user is told, the local copy stays.
TEST_F(Forcing, AReadFailingOnAnyBlockWritesNothing) {
    std::vector<ForcedValue> seventy;
    for (uint16_t b = 0; b < 70; ++b)
        seventy.push_back({static_cast<uint16_t>(SampleForceProject::kBaseCode + b), kForceByte, b + 1u});
    Bytes table;
    ASSERT_TRUE(BuildForceTable(seventy, table));
    ASSERT_EQ(221u, table.size());  // two blocks: 200 bytes, then 21
    plc.State().forceTable = table;
    ASSERT_TRUE(service.LoadForceList());
    ASSERT_EQ(70, project.ForcedCount());
    const std::vector<uint32_t> image = project.Image();

    struct Case {
        const char* name;
        PlcFault fault;
        uint32_t block;  // answers that pass unharmed first
    };
    const Case cases[] = {
        {"damaged first block", PlcFault::BadCrc, 0},    {"silent first block", PlcFault::Silent, 0},
        {"foreign letter on the second block", PlcFault::Refuse, 1},
        {"damaged second block", PlcFault::BadCrc, 1},   {"silent second block", PlcFault::Silent, 1},
        {"second block numbered wrongly", PlcFault::WrongBlock, 1},
    };
    const struct {
        const char* name;
        std::function<bool()> run;
    } operations[] = {
        {"force", [&] { return service.ForceVariable("%MB80", 5); }},
        {"unforce", [&] { return service.UnforceVariable("%MB3"); }},
    };
    for (const Case& c : cases) {
        for (const auto& operation : operations) {
            messages.shown.clear();
            link.ForgetRequests();
            plc.InjectFault(c.fault, c.block, 1);
            EXPECT_FALSE(operation.run()) << c.name << ", " << operation.name;
            EXPECT_EQ(0u, Sent('J')) << c.name << ", " << operation.name;
            EXPECT_EQ(c.block + 1, Sent('P')) << c.name << ", " << operation.name;
            EXPECT_EQ(1u, messages.shown.size()) << c.name << ", " << operation.name;
            EXPECT_EQ(table, plc.State().forceTable) << c.name;
            EXPECT_EQ(70, project.ForcedCount()) << c.name;
            EXPECT_EQ(nullptr, project.Forced("%MB80")) << c.name;
            EXPECT_EQ(image, project.Image()) << c.name;
            plc.ClearFaults();
        }
    }
}

TEST_F(Forcing, FailedWriteRollsTheLocalCopyBack) {
    ASSERT_TRUE(service.ForceVariable("%MB5", 7));
    // The read goes through, the write is refused.
    plc.InjectFault(PlcFault::Refuse, 1, 1);
    EXPECT_FALSE(service.ForceVariable("%MB5", 9));
    EXPECT_NE(nullptr, project.Forced("%MB5"));
    EXPECT_EQ(7u, project.Image()[5]);

    plc.InjectFault(PlcFault::Refuse, 1, 1);
    EXPECT_FALSE(service.ForceVariable("%MW6", 9));
    EXPECT_EQ(nullptr, project.Forced("%MW6"));
    EXPECT_EQ(0u, project.Image()[6]);

    plc.InjectFault(PlcFault::Refuse, 1, 1);
    EXPECT_FALSE(service.UnforceVariable("%MB5"));
    EXPECT_NE(nullptr, project.Forced("%MB5"));
    EXPECT_EQ(1u, PlcForces().size());

    ASSERT_TRUE(service.UnforceVariable("%MB5"));
    EXPECT_EQ(0, project.ForcedCount());
    EXPECT_TRUE(PlcForces().empty());
}

TEST_F(Forcing, UnforcingAnAddressThatIsNotForcedWritesTheTableUnchanged) {
    ASSERT_TRUE(service.ForceVariable("%MD8", 0x11223344));
    const Bytes before = plc.State().forceTable;
    ASSERT_TRUE(service.UnforceVariable("%MB1"));
    EXPECT_EQ(before, plc.State().forceTable);
    EXPECT_EQ(2u, Sent('J'));
}

TEST_F(Forcing, A256thEntryInAGroupIsRefusedAndRolledBack) {
    std::vector<ForcedValue> bits;
    for (int i = 0; i < 255; ++i)
        bits.push_back({static_cast<uint16_t>(SampleForceProject::kBaseCode + i / 8 + ((i % 8) << 13)), kForceBit, 1});
    Bytes full;
    ASSERT_TRUE(BuildForceTable(bits, full));
    plc.State().forceTable = full;
    EXPECT_FALSE(service.ForceVariable("%M31.7", 1));  // bit 256
    EXPECT_EQ(0u, Sent('J'));
    EXPECT_EQ(full, plc.State().forceTable);
    EXPECT_EQ(255, project.ForcedCount());
    EXPECT_EQ(nullptr, project.Forced("%M31.7"));
    EXPECT_EQ(0x7Fu, project.Image()[31]);
}

TEST_F(Forcing, CancelAllForcesAndInvalidAddresses) {
    ASSERT_TRUE(service.ForceVariable("%MR12", 0x3F800000));
    EXPECT_FALSE(service.ForceVariable("%QW0", 1));
    EXPECT_FALSE(service.ForceVariable("%M1.8", 1));
    ASSERT_TRUE(service.RunForceClearTask());
    EXPECT_TRUE(PlcForces().empty());
}

TEST_F(Forcing, BusyLineIsRefusedWithItsMessage) {
    struct Holder {
        CMutex* lock;
        CEvent held{FALSE, TRUE};
        CEvent release{FALSE, TRUE};
    } holding{&commLock};
    HANDLE holder = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
        Holder& h = *static_cast<Holder*>(p);
        h.lock->Lock();
        h.held.SetEvent();
        WaitForSingleObject(h.release, 10000);
        h.lock->Unlock();
        return 0;
    }, &holding, 0, nullptr);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(holding.held, 5000));
    EXPECT_FALSE(service.RunForceWriteTask());
    EXPECT_FALSE(service.RunForceClearTask());
    ASSERT_EQ(2u, messages.shown.size());
    EXPECT_EQ("正在进行其它通讯任务， 不允许再启动通讯任务！", messages.shown[0].text);
    EXPECT_EQ("正在进行其它通讯任务，不允许再启动通讯任务！", messages.shown[1].text);
    EXPECT_TRUE(link.Requests().empty());
    holding.release.SetEvent();
    WaitForSingleObject(holder, 5000);
    CloseHandle(holder);
}

TEST_F(Forcing, WhileMonitoringWithoutACycleEndTheTaskGivesUpSilently) {
    InterlockedExchange(&monitoring, 1);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(service.RunForceReadTask());
    EXPECT_GE(GetTickCount() - start, 4900u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(link.Requests().empty());
}
