#include "comm/PlcFrame.h"
#include "comm/PlcRequests.h"
#include "comm/PlcTransaction.h"
#include "tests/comm/PlcLinkFixture.h"

#include <functional>

namespace {

using Bytes = std::vector<uint8_t>;

class SingleRequests : public PlcLinkFixture {};

struct Request {
    const char* name;
    std::function<CommResult()> run;
    bool isClear;  // a clear reports every receive failure as one code
};

const Request kRequests[] = {
    {"link test", PlcLinkTest, false},
    {"status", PlcReadStatus, false},
    {"run", [] { return PlcRunStop(1); }, false},
    {"clock read", PlcReadClock, false},
    {"clock write", PlcWriteClock, false},
    {"info", PlcReadInfo, false},
    {"program crc", PlcReadProgramCrc, false},
    {"clear", PlcClear, true},
    {"cancel forces", CancelAllForces, false},
};

struct FaultCase {
    const char* name;
    PlcFault fault;
    uint32_t param;
    CommResult expected;
    CommResult expectedForClear;
};

}  // namespace

TEST_F(SingleRequests, InjectedFaultsGiveTheirResultCodes) {
    const FaultCase cases[] = {
        {"sound reply", PlcFault::None, 0, kCommOk, kCommOk},
        {"damaged CRC", PlcFault::BadCrc, 0, kCommBadReply, kCommReceiveFailed},
        {"silent PLC", PlcFault::Silent, 0, kCommNoReply, kCommNoReply},
        {"short reply", PlcFault::ShortReply, 0, kCommBadReply, kCommReceiveFailed},
        {"over-long reply", PlcFault::LongReply, 0, kCommReplyTooLong, kCommReceiveFailed},
        {"refusal", PlcFault::Refuse, PlcFrame::kRefusalPasswordNeeded, kCommWrongLetter, kCommWrongLetter},
        {"length byte 0", PlcFault::BadLength, 0, kCommBadReply, kCommReceiveFailed},
        {"length byte past the frame", PlcFault::BadLength, 200, kCommBadReply, kCommReceiveFailed},
        {"the next block number", PlcFault::WrongBlock, 0, kCommWrongBlock, kCommWrongBlock},
        {"reply still arriving when read", PlcFault::SplitReply, 500, kCommBadReply, kCommReceiveFailed},
        {"slow but within the wait", PlcFault::SlowReply, 250, kCommOk, kCommOk},
        {"slower than any wait", PlcFault::SlowReply, 9000, kCommNoReply, kCommNoReply},
        {"request lost on the line", PlcFault::LostRequest, 0, kCommNoReply, kCommNoReply},
    };
    for (const Request& request : kRequests) {
        for (const FaultCase& c : cases) {
            plc.InjectFault(c.fault, 0, 1, c.param);
            const CommResult expected = request.isClear ? c.expectedForClear : c.expected;
            EXPECT_EQ(expected, request.run()) << request.name << ", " << c.name;
            plc.ClearFaults();
        }
    }
}

TEST_F(SingleRequests, ASilentPlcHasActedOnTheRequestALostRequestNever) {
    plc.InjectFault(PlcFault::Silent, 0, 1);
    EXPECT_EQ(kCommNoReply, PlcRunStop(1));
    EXPECT_TRUE(plc.State().running);
    plc.InjectFault(PlcFault::LostRequest, 0, 1);
    EXPECT_EQ(kCommNoReply, PlcRunStop(0));
    EXPECT_TRUE(plc.State().running);
    EXPECT_EQ(kCommOk, PlcRunStop(0));  // the fault hit one request only
    EXPECT_FALSE(plc.State().running);
}

TEST_F(SingleRequests, AFaultAimedAtOneLetterLetsTheOtherRequestsPass) {
    plc.InjectFault(PlcFault::Silent, 1, 1);
    plc.AimFaultAt(PlcFunctionCode::RunStop);
    EXPECT_EQ(kCommOk, PlcReadStatus());
    EXPECT_EQ(kCommOk, PlcRunStop(1));  // the one run request skipped
    EXPECT_EQ(kCommOk, PlcReadClock());
    EXPECT_EQ(kCommNoReply, PlcRunStop(1));
    EXPECT_EQ(kCommOk, PlcRunStop(1));
}

TEST_F(SingleRequests, LineAndPortFailures) {
    link.ReportLineErrors(CE_RXPARITY);
    EXPECT_EQ(kCommLineError, PlcReadStatus());
    link.ReportLineErrors(CE_FRAME);
    EXPECT_EQ(kCommReceiveFailed, PlcClear());
    link.FailWrites(true);
    EXPECT_EQ(kCommSendFailed, PlcReadStatus());
    link.FailWrites(false);
    link.SetOpen(false);
    EXPECT_EQ(kCommSendFailed, PlcReadStatus());
    EXPECT_EQ(kCommPortClosed, theSerialPort.ReceiveFrame());
}

TEST_F(SingleRequests, ReplyWaitsFollowTheRequestAndCpuClass) {
    struct Wait {
        const char* name;
        int cpuClass;
        std::function<CommResult()> run;
        uint64_t expectedMs;
    };
    const Wait waits[] = {
        {"link test", 1, PlcLinkTest, 300},
        {"link test, slow CPU", 0, PlcLinkTest, 600},
        {"status", 1, PlcReadStatus, 2000},
        {"status, slow CPU", 0, PlcReadStatus, 8000},
        {"clear waits twice as long", 1, PlcClear, 4000},
    };
    plc.InjectFault(PlcFault::Silent, 0, 100);
    for (const Wait& wait : waits) {
        SetReplyTimeoutsForCpuClass(wait.cpuClass);
        const uint64_t start = link.Now();
        EXPECT_EQ(kCommNoReply, wait.run()) << wait.name;
        EXPECT_EQ(wait.expectedMs, link.Now() - start) << wait.name;
    }
}

TEST_F(SingleRequests, InformationWaitsLongerForItsReply) {
    // A reply that takes 250 ms to come in completely passes for "E", not for "A".
    plc.InjectFault(PlcFault::SplitReply, 0, 1, 250);
    EXPECT_EQ(kCommOk, PlcReadInfo());
    EXPECT_EQ(300u, link.Now());
    plc.InjectFault(PlcFault::SplitReply, 0, 1, 250);
    EXPECT_EQ(kCommBadReply, PlcReadStatus());
}

TEST_F(SingleRequests, RepliesCarryThePlcState) {
    plc.State().running = true;
    ASSERT_EQ(kCommOk, PlcReadStatus());
    EXPECT_EQ(1, ReplyData()[0]);
    ASSERT_EQ(kCommOk, PlcRunStop(0));
    EXPECT_FALSE(plc.State().running);

    ASSERT_EQ(kCommOk, PlcReadInfo());
    EXPECT_EQ((Bytes{2, 1, 7, 0, 3, 4, 0, 16, 0, 33, 2}), Bytes(ReplyData(), ReplyData() + 11));

    ASSERT_EQ(kCommOk, PlcReadClock());
    EXPECT_EQ((Bytes{0x26, 0x12, 0x10, 0x14, 0x30, 0x00}), Bytes(ReplyData(), ReplyData() + 6));
}

TEST_F(SingleRequests, ForeignLetterOrWrongAnswerAreRefusals) {
    // A sound frame with another letter, whatever its byte 3 holds.
    link.ScriptAnswer(PlcFrame::MakeReply(1, 'B', 0, {1}));
    EXPECT_EQ(kCommWrongLetter, PlcReadStatus());
    // The link test wants 0x55 back.
    link.ScriptAnswer(PlcFrame::MakeReply(1, '@', 0, {0x54}));
    EXPECT_EQ(kCommWrongLetter, PlcLinkTest());
    // A status byte of 2 is no failure; the caller counts it as STOP.
    link.ScriptAnswer(PlcFrame::MakeReply(1, 'A', 0, {2}));
    EXPECT_EQ(kCommOk, PlcReadStatus());
}

TEST_F(SingleRequests, ReceiveFrameLimits) {
    // 223 waiting bytes are refused without being read; 222 are read and checked.
    link.ScriptAnswer(Bytes(223, 0));
    EXPECT_EQ(kCommReplyTooLong, PlcReadStatus());
    Bytes full = PlcFrame::MakeReply(1, 'A', 0, Bytes(216, 0x11));
    ASSERT_EQ(222u, full.size());
    link.ScriptAnswer(full);
    EXPECT_EQ(kCommOk, PlcReadStatus());
    EXPECT_EQ(222u, theSerialPort.ReceivedLength());
}

// Transfers and dialogs take the data the length byte counts, as long as it arrived; a
// single request wants the length byte to count exactly what arrived.
TEST_F(SingleRequests, ReplyLengthByteIsCheckedAgainstWhatArrived) {
    struct LengthCase {
        uint8_t n;
        bool sound;
        CommResult single;
    };
    // The reply below carries 3 data bytes: N = 4 fits exactly.
    const LengthCase cases[] = {{0, false, kCommBadReply},
                                {1, true, kCommBadReply},
                                {4, true, kCommOk},
                                {5, false, kCommBadReply},
                                {255, false, kCommBadReply}};
    for (const LengthCase& c : cases) {
        Bytes reply = {1, 'A', c.n, 0, 9, 9, 9};
        PlcFrame::AppendCrc(reply);
        link.ScriptAnswer(reply);
        EXPECT_EQ(c.single, PlcReadStatus()) << int(c.n);
        uint32_t count = 0;
        EXPECT_EQ(c.sound, ReplyDataCount(count)) << int(c.n);
        if (c.sound) {
            EXPECT_EQ(c.n - 1u, count);
        }
    }
}

// A reply too short for what the caller reads would hand it the CRC and the zeroed rest
// of the buffer as data: it is an incomplete reply.
TEST_F(SingleRequests, RepliesHoldTheDataTheirCallersRead) {
    const struct {
        const char* name;
        std::function<CommResult()> run;
        uint8_t letter;
        size_t dataBytes;
    } reads[] = {
        {"link test", PlcLinkTest, '@', 1},      {"status", PlcReadStatus, 'A', 1},
        {"clock read", PlcReadClock, 'C', 6},    {"info", PlcReadInfo, 'E', 5},
        {"program crc", PlcReadProgramCrc, 'H', 2}, {"run", [] { return PlcRunStop(1); }, 'B', 0},
    };
    for (const auto& r : reads) {
        link.ScriptAnswer(PlcFrame::MakeReply(1, r.letter, 0, Bytes(r.dataBytes, 0x55)));
        EXPECT_EQ(kCommOk, r.run()) << r.name;
        if (r.dataBytes == 0)
            continue;
        link.ScriptAnswer(PlcFrame::MakeReply(1, r.letter, 0, Bytes(r.dataBytes - 1, 0x55)));
        EXPECT_EQ(kCommBadReply, r.run()) << r.name;
    }
}
