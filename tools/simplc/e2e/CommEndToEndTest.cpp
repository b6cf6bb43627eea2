#include "platform/MessageBox.h"
#include "comm/ForceTable.h"
#include "comm/ForcingService.h"
#include "comm/PasswordBlock.h"
#include "comm/PlcRequests.h"
#include "comm/PlcTransaction.h"
#include "comm/PlcTransfers.h"
#include "tools/simplc/SampleForceProject.h"
#include "tools/simplc/SampleImage.h"
#include "tools/simplc/SimulatedPlc.h"
#include "tools/simplc/e2e/EndToEndFixture.h"

#include <cstring>
#include <functional>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes SampleImage(uint16_t crc = 0xBEEF, size_t programBytes = 700) {
    SampleImageSpec spec;
    spec.programBytes = programBytes;
    spec.projectCrc = crc;
    return MakeSampleImage(spec);
}

void PutPasswordChange(const char* oldPassword, uint8_t level, const char* newPassword) {
    uint8_t* payload = RequestPayload();
    EncipherPassword(oldPassword, payload);
    payload[8] = level;
    EncipherPassword(newPassword, payload + 9);
}

}  // namespace

TEST_F(EndToEnd, LinkTestStatusAndRunStop) {
    EXPECT_EQ(kCommOk, PlcLinkTest());
    ASSERT_EQ(kCommOk, PlcReadStatus());
    EXPECT_EQ(0, ReplyData()[0]);
    ASSERT_EQ(kCommOk, PlcRunStop(1));
    ASSERT_EQ(kCommOk, PlcReadStatus());
    EXPECT_EQ(1, ReplyData()[0]);
    ASSERT_EQ(kCommOk, PlcRunStop(0));
    ASSERT_EQ(kCommOk, PlcReadStatus());
    EXPECT_EQ(0, ReplyData()[0]);
}

TEST_F(EndToEnd, ClockWriteThenRead) {
    const uint8_t clock[7] = {0x27, 0x01, 0x31, 0x23, 0x59, 0x58, 0x06};
    std::memcpy(RequestPayload(), clock, sizeof clock);
    ASSERT_EQ(kCommOk, PlcWriteClock());
    ASSERT_EQ(kCommOk, PlcReadClock());
    EXPECT_EQ(Bytes(clock, clock + 6), Bytes(ReplyData(), ReplyData() + 6));
}

TEST_F(EndToEnd, InformationListsFirmwareAndModules) {
    ASSERT_EQ(kCommOk, PlcReadInfo());
    uint32_t count = 0;
    ASSERT_TRUE(ReplyDataCount(count));
    EXPECT_EQ((Bytes{2, 1, 7, 0, 3, 4, 0, 16, 0, 33, 2}), Bytes(ReplyData(), ReplyData() + count));
}

TEST_F(EndToEnd, DownloadUploadProgramCrcAndClear) {
    const Bytes image = SampleImage(0xBEEF);
    ASSERT_EQ(kCommOk, DownloadTarget(nullptr, nullptr, kDownloadClearRetentive, WriteImage(image)));
    ASSERT_EQ(kCommOk, PlcReadProgramCrc());
    EXPECT_EQ(0xEF, ReplyData()[0]);
    EXPECT_EQ(0xBE, ReplyData()[1]);
    Bytes uploaded;
    ASSERT_EQ(kCommOk, UploadTarget(uploaded));
    EXPECT_EQ(image, uploaded);

    ASSERT_EQ(kCommOk, PlcClear());
    ASSERT_EQ(kCommOk, PlcReadProgramCrc());
    EXPECT_EQ(0, ReplyData()[0]);
    EXPECT_EQ(0, ReplyData()[1]);
    EXPECT_EQ(kCommWrongLetter, UploadTarget(uploaded));
    EXPECT_TRUE(uploaded.empty());
}

TEST_F(EndToEnd, PasswordRefusedThenTheRightOneOpensTheTransfers) {
    const Bytes image = SampleImage();
    ASSERT_EQ(kCommOk, DownloadTarget(nullptr, nullptr, 0, WriteImage(image)));
    PutPasswordChange("", 3, "R2plc");
    ASSERT_EQ(kCommOk, ChangePassword());

    Bytes uploaded;
    EXPECT_EQ(kCommPasswordNeeded, UploadTarget(uploaded));
    EXPECT_EQ(kCommPasswordNeeded, DownloadTarget(nullptr, nullptr, 0, WriteImage(image)));
    EncipherPassword("r2plc", RequestPayload());
    EXPECT_EQ(kCommWrongLetter, SendPassword());
    EXPECT_EQ(kCommPasswordNeeded, UploadTarget(uploaded));

    EncipherPassword("R2plc", RequestPayload());
    ASSERT_EQ(kCommOk, SendPassword());
    ASSERT_EQ(kCommOk, UploadTarget(uploaded));
    EXPECT_EQ(image, uploaded);

    PutPasswordChange("wrong", 1, "");
    EXPECT_EQ(kCommWrongLetter, ChangePassword());
    PutPasswordChange("R2plc", 1, "");
    EXPECT_EQ(kCommOk, ChangePassword());
}

TEST_F(EndToEnd, ForceTableWrittenReadBackAndCancelled) {
    Bytes table = {0, 0, 9, 6, 9, 0, 1, 1, 0, 0, 0, 0x10, 0x00, 0x01, 0x20, 0x00, 0x7B};
    table[0] = static_cast<uint8_t>(table.size());
    ASSERT_EQ(kCommOk, WriteForceTable(table));
    Bytes read;
    ASSERT_EQ(kCommOk, ReadForceTable(read));
    EXPECT_EQ(table, read);
    ASSERT_EQ(kCommOk, CancelAllForces());
    ASSERT_EQ(kCommOk, ReadForceTable(read));
    EXPECT_EQ(SimulatedPlc::EmptyForceTable(), read);
}

TEST_F(EndToEnd, InjectedFaultsAreReportedAndTheLineRecovers) {
    const std::string imagePath = WriteImage(SampleImage(0x1111, 900));
    ASSERT_EQ(kCommOk, DownloadTarget(nullptr, nullptr, 0, imagePath));
    Bytes uploaded;
    const std::function<CommResult()> status = PlcReadStatus;
    const std::function<CommResult()> download = [&] { return DownloadTarget(nullptr, nullptr, 0, imagePath); };
    const std::function<CommResult()> upload = [&] { return UploadTarget(uploaded); };
    struct Case {
        const char* commands;
        const std::function<CommResult()>& run;
        CommResult expected;
    };
    const Case cases[] = {
        {"fault crc", status, kCommBadReply},
        {"fault silent", status, kCommNoReply},
        {"fault short", status, kCommBadReply},
        {"fault long", status, kCommReplyTooLong},
        {"fault slow 0 1 150", status, kCommOk},
        {"fault slow 0 1 2300", status, kCommNoReply},
        {"fault split 0 1 400", status, kCommBadReply},
        {"fault refuse 1 1 16", download, kCommPasswordNeeded},
        {"fault refuse 0 1 19", upload, kCommUploadForbidden},
        {"fault block 1", upload, kCommWrongBlock},
        {"fault length 1 1 0", upload, kCommBadReply},
        {"fault length 1 1 240", upload, kCommBadReply},
        {"drop 3", download, kCommNoReply},
        {"drop 2", upload, kCommNoReply},
    };
    // Each fault runs as a communication task does: on a freshly opened port that is
    // closed again afterwards, whatever the result.
    theSerialPort.ClosePort();
    for (const Case& c : cases) {
        Simulator(c.commands);
        ASSERT_EQ(kCommOk, OpenCommPort(nullptr)) << c.commands;
        const DWORD start = GetTickCount();
        const CommResult result = c.run();
        EXPECT_LT(GetTickCount() - start, 15000u) << c.commands << ": bounded by the reply waits";
        EXPECT_EQ(c.expected, result) << c.commands;
        theSerialPort.ClosePort();
        EXPECT_FALSE(theSerialPort.IsOpen()) << c.commands;
        Simulator("clear");
        Sleep(700);  // let a late answer land before the next request purges the line
        ASSERT_EQ(kCommOk, OpenCommPort(nullptr)) << "after " << c.commands;
        EXPECT_EQ(kCommOk, PlcLinkTest()) << "after " << c.commands;
        theSerialPort.ClosePort();
    }
    ASSERT_EQ(kCommOk, OpenCommPort(nullptr));
    ASSERT_EQ(kCommOk, UploadTarget(uploaded));
    EXPECT_EQ(SampleImage(0x1111, 900), uploaded);
}

// An image beyond what block numbers can count is refused before any frame goes out: a
// running CPU is not stopped for it, even when the user would agree.
TEST_F(EndToEnd, OversizedDownloadSendsNothingAndLeavesTheCpuRunning) {
    Simulator("run 1");
    NewSimulatorRequests();
    AfxSetMessageBoxHandler([](HWND, const char*, const char*, UINT) { return IDYES; });
    const std::string path = WriteImage(SampleImage(0x2222, 256 * 200));
    EXPECT_EQ(kCommTransferTooLong, DownloadTarget(nullptr, nullptr, 0, path));
    EXPECT_EQ("", NewSimulatorRequests());
    ASSERT_EQ(kCommOk, PlcReadStatus());
    EXPECT_EQ(1, ReplyData()[0]);
    ASSERT_EQ(kCommOk, PlcRunStop(0));
}

// A force-table read broken off on either block writes nothing back: the PLC keeps all
// of its seventy forces.
TEST_F(EndToEnd, ForceTableReadFailingOnAnyBlockWritesNothing) {
    std::vector<ForcedValue> seventy;
    for (uint16_t b = 0; b < 70; ++b)
        seventy.push_back({static_cast<uint16_t>(SampleForceProject::kBaseCode + b), kForceByte, b + 1u});
    Bytes table;
    ASSERT_TRUE(BuildForceTable(seventy, table));
    ASSERT_EQ(kCommOk, WriteForceTable(table));
    theSerialPort.ClosePort();

    SampleForceProject project;
    volatile LONG monitoring = 0;
    CMonitorPause pause;
    CMutex commLock;
    Bytes buffer;
    CForcingService forcing(project, {&monitoring, &pause, &commLock}, buffer);
    const struct {
        const char* commands;
        const char* requests;
    } cases[] = {
        {"fault crc 0 1", "P"},
        {"fault refuse 1 1 0", "PP"},
        {"fault crc 1 1", "PP"},
    };
    for (const auto& c : cases) {
        Simulator(c.commands);
        NewSimulatorRequests();
        EXPECT_FALSE(forcing.ForceVariable("%MB80", 5)) << c.commands;
        EXPECT_EQ(c.requests, NewSimulatorRequests()) << c.commands << ": nothing but the reads";
        Simulator("clear");
        Sleep(700);  // let a late answer land before the next request purges the line
    }
    ASSERT_EQ(kCommOk, OpenCommPort(nullptr));
    Bytes read;
    ASSERT_EQ(kCommOk, ReadForceTable(read));
    EXPECT_EQ(table, read);
}
