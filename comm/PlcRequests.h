#pragma once
#include "comm/CommResult.h"

#include <cstdint>

// The requests that fit one frame each way, each run once on theSerialPort. The caller
// holds the line (communication lock and open port, or the paused monitor worker) and
// reads what it needs from the reply right after a result of 0 (ReplyData()).
CommResult PlcLinkTest();
CommResult PlcReadStatus();          // data byte 0: 1 RUN, anything else STOP
CommResult PlcRunStop(int run);      // 1 run, 0 stop
CommResult PlcReadClock();           // data bytes 0-5: BCD year, month, day, hour, minute, second
CommResult PlcWriteClock();          // payload bytes 0-6 put into the send buffer by the caller
CommResult PlcReadInfo();            // firmware 0-2, module count at 4, (code, fault) pairs from 5
CommResult PlcReadProgramCrc();      // data bytes 0, 1: low and high byte of the program CRC
CommResult PlcClear();
CommResult CancelAllForces();
CommResult SendPassword();           // 8-byte enciphered password block in the send buffer
CommResult ChangePassword();         // old block (8), level (1), new block (8) in the send buffer

// Where the callers put the payload of "D", "N" and "O".
uint8_t* RequestPayload();
