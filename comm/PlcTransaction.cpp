#include "comm/PlcTransaction.h"

#include "comm/PlcFrame.h"
#include "comm/SerialPort.h"

CommResult ExchangeFrames(const PlcExchange& exchange) {
    CSerialPort& port = theSerialPort;
    uint8_t* request = port.SendBuffer();
    request[0] = port.Settings().station;
    request[1] = exchange.letter;
    request[2] = exchange.block;
    SerialLine& line = port.Line();
    line.Purge();
    if (!port.SendFrame(PlcFrame::kHeaderSize + exchange.payloadLength))
        return kCommSendFailed;
    if (!line.WaitForReply(EV_RXCHAR, exchange.replyWaitMs))
        return kCommNoReply;
    line.Pause(exchange.pauseMs);
    return port.ReceiveFrame();
}

uint8_t ReplyLetter() { return theSerialPort.ReceiveBuffer()[1]; }

uint8_t ReplyBlock() { return theSerialPort.ReceiveBuffer()[3]; }

const uint8_t* ReplyData() { return theSerialPort.ReceiveBuffer() + PlcFrame::kReplyDataOffset; }

namespace {

const uint32_t kReplyOverhead = 3 + PlcFrame::kCrcSize;  // station, letter, N ... CRC

}  // namespace

bool ReplyDataCount(uint32_t& count) {
    const uint32_t length = theSerialPort.ReceiveBuffer()[2];
    if (length < 1 || length + kReplyOverhead > theSerialPort.ReceivedLength())
        return false;
    count = length - 1;
    return true;
}

bool ReplyCarries(uint32_t dataBytes) {
    uint32_t count = 0;
    return ReplyDataCount(count) && count + 1 + kReplyOverhead == theSerialPort.ReceivedLength() && count >= dataBytes;
}

uint32_t DownloadBlockPause(int baudRate) {
    return baudRate == 2400 ? 300 : baudRate == 4800 ? 200 : 100;
}

uint32_t UploadBlockPause(int baudRate) {
    return baudRate == 2400 ? 900 : baudRate == 4800 ? 600 : 300;
}

uint32_t ReadTransferPause(int baudRate) {
    switch (baudRate) {
    case 2400: return 900;
    case 4800: return 500;
    case 9600: return 300;
    default: return 200;
    }
}
