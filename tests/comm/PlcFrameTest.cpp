#include "comm/PlcFrame.h"
#include "comm/PlcRequests.h"
#include "comm/PlcTransfers.h"
#include "tests/comm/PlcLinkFixture.h"

#include <cstring>
#include <functional>

namespace {

using Bytes = std::vector<uint8_t>;

void PutPayload(const Bytes& payload) { std::memcpy(RequestPayload(), payload.data(), payload.size()); }

struct GoldenRequest {
    const char* name;
    std::function<void()> send;
    Bytes frame;  // station 1, CRC worked out independently of the program's Crc16
};

class RequestFrames : public PlcLinkFixture {};

}  // namespace

TEST_F(RequestFrames, EveryLetterGoesOutAsItsGoldenFrame) {
    const Bytes clock = {0x26, 0x12, 0x10, 0x14, 0x30, 0x45, 0x04};
    const Bytes password = {1, 2, 3, 4, 5, 6, 7, 8};
    Bytes change = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x03};
    for (uint8_t b = 0x20; b < 0x28; ++b)
        change.push_back(b);
    std::vector<uint8_t> forceTable = SimulatedPlc::EmptyForceTable();
    std::vector<uint8_t> collected;
    int refusal = 0;

    const GoldenRequest table[] = {
        {"@", [] { PlcLinkTest(); }, {0x01, 0x40, 0x00, 0x11, 0xC0}},
        {"A", [] { PlcReadStatus(); }, {0x01, 0x41, 0x00, 0x10, 0x50}},
        {"B", [] { PlcRunStop(1); }, {0x01, 0x42, 0x00, 0x01, 0x60, 0x0C}},
        {"C", [] { PlcReadClock(); }, {0x01, 0x43, 0x00, 0x11, 0x30}},
        {"D", [&] { PutPayload(clock); PlcWriteClock(); },
         {0x01, 0x44, 0x00, 0x26, 0x12, 0x10, 0x14, 0x30, 0x45, 0x04, 0x00, 0xDF, 0xAC}},
        {"E", [] { PlcReadInfo(); }, {0x01, 0x45, 0x00, 0x12, 0x90}},
        {"F", [] { SendBlocks({PlcFunctionCode::Download, 100, nullptr, true},
                              Bytes{0xAA, 0xBB, 7, 7, 7}.data(), 5); },
         {0x01, 0x46, 0x00, 0xAA, 0xBB, 0x07, 0x07, 0x07, 0x68, 0xCC}},
        {"G", [&] { ReceiveBlocks({PlcFunctionCode::Upload, 2000, 300}, collected, refusal); },
         {0x01, 0x47, 0xFF, 0x53, 0xB0}},
        {"H", [] { PlcReadProgramCrc(); }, {0x01, 0x48, 0x00, 0x16, 0x00}},
        {"I", [] { PlcClear(); }, {0x01, 0x49, 0x00, 0x17, 0x90}},
        {"J", [&] { WriteForceTable(forceTable); },
         {0x01, 0x4A, 0x00, 0x0B, 0x00, 0x09, 0x06, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1B, 0x54}},
        {"K", [] { CancelAllForces(); }, {0x01, 0x4B, 0x00, 0x16, 0xF0}},
        {"L", [&] { ReceiveBlocks({PlcFunctionCode::ReadMonitor, 2000, 300}, collected, refusal); },
         {0x01, 0x4C, 0xFF, 0x54, 0x80}},
        {"N", [&] { PutPayload(password); SendPassword(); },
         {0x01, 0x4E, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x91, 0xFD}},
        {"O", [&] { PutPayload(change); ChangePassword(); },
         {0x01, 0x4F, 0x00, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x03,
          0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0xB8, 0x59}},
        {"P", [&] { ReadForceTable(forceTable); }, {0x01, 0x50, 0xFF, 0x5C, 0x40}},
    };
    for (const GoldenRequest& request : table) {
        link.ScriptAnswer({});  // the PLC stays silent; only the request matters here
        const size_t before = link.Requests().size();
        request.send();
        ASSERT_EQ(before + 1, link.Requests().size()) << request.name;
        EXPECT_EQ(request.frame, link.Requests().back()) << request.name;
    }
}

TEST_F(RequestFrames, StationAddressComesFromTheSettings) {
    theSerialPort.Settings().station = 5;
    plc.State().station = 5;
    EXPECT_EQ(kCommOk, PlcReadStatus());
    EXPECT_EQ((Bytes{0x05, 0x41, 0x00, 0x51, 0x91}), link.Requests().back());
}

TEST_F(RequestFrames, ClockWriteSendsItsReservedByteAsZero) {
    std::memset(RequestPayload(), 0xEE, 8);  // leftovers of an earlier request
    EXPECT_EQ(kCommOk, PlcWriteClock());
    EXPECT_EQ(0x00, link.Requests().back()[10]);
}

TEST(ReplyFrame, LayoutAndCrc) {
    // A status reply: station 1, "A", N = 2, block 0, data byte 1 (RUN).
    EXPECT_EQ((Bytes{0x01, 0x41, 0x02, 0x00, 0x01, 0x6D, 0xFC}),
              PlcFrame::MakeReply(1, 'A', 0, {0x01}));
}
