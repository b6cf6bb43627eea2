#pragma once
#include "comm/CommResult.h"

#include <cstdint>

// One request frame and its reply on theSerialPort, sent once, never repeated.
struct PlcExchange {
    uint8_t letter;
    uint8_t block;
    uint32_t payloadLength;  // payload already in the send buffer from byte 3 on
    uint32_t replyWaitMs;    // wait for the first reply byte
    uint32_t pauseMs;        // then let the whole reply arrive before reading it
};

// Writes the header, purges the line, sends, waits, pauses and receives. 0 when a frame
// with a sound CRC arrived (its letter is for the caller to judge); kCommSendFailed,
// kCommNoReply or the code of ReceiveFrame otherwise.
CommResult ExchangeFrames(const PlcExchange& exchange);

// The last reply frame.
uint8_t ReplyLetter();
uint8_t ReplyBlock();  // the block number, or the refusal code when the letter is foreign
const uint8_t* ReplyData();
// True when the reply's length byte N agrees with the bytes that arrived
// (1 <= N and N + 5 <= received); `count` is then N - 1, the data bytes present.
bool ReplyDataCount(uint32_t& count);
// True when the reply's length byte counts exactly the bytes that arrived before the CRC
// (N + 5 == received) and the reply holds at least `dataBytes` data bytes.
bool ReplyCarries(uint32_t dataBytes);

// Pauses before reading, per baud rate, of the requests whose replies are long.
uint32_t DownloadBlockPause(int baudRate);
uint32_t UploadBlockPause(int baudRate);
uint32_t ReadTransferPause(int baudRate);  // monitor data and force table
