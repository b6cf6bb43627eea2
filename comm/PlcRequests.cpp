#include "comm/PlcRequests.h"

#include "comm/PlcFrame.h"
#include "comm/PlcTransaction.h"
#include "comm/ReplyTimeouts.h"
#include "comm/SerialPort.h"

namespace {

constexpr uint32_t kShortPause = 100;
constexpr uint32_t kInfoPause = 300;
constexpr uint8_t kLinkTestAnswer = 0x55;
constexpr uint32_t kClockDataBytes = 6;  // BCD year to second
constexpr uint32_t kInfoDataBytes = 5;   // firmware (3), one unread byte, the module count

// One request and its reply. Besides the letter, the reply must be block 0 with a length
// byte that counts exactly what arrived and at least the `dataBytes` the caller reads:
// anything else answers some other exchange or was damaged on the way, and its bytes are
// not the data asked for.
CommResult SingleRequest(uint8_t letter, uint32_t payloadLength, uint32_t dataBytes, uint32_t replyWaitMs,
                         uint32_t pauseMs = kShortPause) {
    const CommResult result = ExchangeFrames({letter, 0, payloadLength, replyWaitMs, pauseMs});
    if (result != kCommOk)
        return result;
    if (ReplyLetter() != letter)
        return kCommWrongLetter;
    if (!ReplyCarries(dataBytes))
        return kCommBadReply;
    return ReplyBlock() == 0 ? kCommOk : kCommWrongBlock;
}

}  // namespace

uint8_t* RequestPayload() { return theSerialPort.SendBuffer() + PlcFrame::kHeaderSize; }

CommResult PlcLinkTest() {
    const CommResult result = SingleRequest(PlcFunctionCode::LinkTest, 0, 1, g_LinkTestTimeout);
    if (result == kCommOk && ReplyData()[0] != kLinkTestAnswer)
        return kCommWrongLetter;
    return result;
}

CommResult PlcReadStatus() { return SingleRequest(PlcFunctionCode::ReadStatus, 0, 1, g_ReplyTimeout); }

CommResult PlcRunStop(int run) {
    RequestPayload()[0] = run ? 1 : 0;
    return SingleRequest(PlcFunctionCode::RunStop, 1, 0, g_ReplyTimeout);
}

CommResult PlcReadClock() { return SingleRequest(PlcFunctionCode::ReadClock, 0, kClockDataBytes, g_ReplyTimeout); }

CommResult PlcWriteClock() {
    // The clock takes seven bytes; the eighth is reserved and sent as 0 rather than
    // whatever an earlier request left there.
    RequestPayload()[7] = 0;
    return SingleRequest(PlcFunctionCode::WriteClock, 8, 0, g_ReplyTimeout);
}

CommResult PlcReadInfo() {
    return SingleRequest(PlcFunctionCode::ReadInfo, 0, kInfoDataBytes, g_ReplyTimeout, kInfoPause);
}

CommResult PlcReadProgramCrc() {
    return SingleRequest(PlcFunctionCode::ReadProgramCrc, 0, 2, g_ReplyTimeout);
}

CommResult PlcClear() {
    const CommResult result = SingleRequest(PlcFunctionCode::Clear, 0, 0, 2 * g_ReplyTimeout);
    switch (result) {
    case kCommBadReply:
    case kCommLineError:
    case kCommReplyTooLong:
    case kCommPortClosed:
        return kCommReceiveFailed;  // every receive failure of a clear is one failure
    default:
        return result;
    }
}

CommResult CancelAllForces() {
    return SingleRequest(PlcFunctionCode::CancelForces, 0, 0, g_ReplyTimeout);
}

CommResult SendPassword() { return SingleRequest(PlcFunctionCode::SendPassword, 8, 0, g_ReplyTimeout); }

CommResult ChangePassword() {
    return SingleRequest(PlcFunctionCode::ChangePassword, 17, 0, g_ReplyTimeout);
}
