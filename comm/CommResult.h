#pragma once

// Outcome of one PLC transaction or communication task. The numbers travel between
// subsystems and into the user's messages, so they never change.
using CommResult = int;

enum : CommResult {
    kCommOk = 0,
    kCommNoReply = 1,            // no reply byte within the reply time-out
    kCommWrongLetter = 3,        // the reply carried another function code (refusal or garbage)
    kCommWrongBlock = 4,         // the reply carried another block number
    kCommSendFailed = 5,         // writing the request failed
    kCommReceiveFailed = 6,      // reading the reply failed
    kCommBadReply = 7,           // reply CRC wrong, reply incomplete, or its length byte wrong
    kCommOpenFailed = 8,         // the port could not be opened (message already shown)
    kCommLineError = 11,         // frame or parity error reported by the port
    kCommReplyTooLong = 12,      // more bytes waiting than a reply frame can hold
    kCommPortClosed = 13,        // the port is not open
    kCommShortMonitorData = 15,  // monitor data shorter than the monitored lists
    kCommPasswordNeeded = 16,    // the PLC requires its password for this operation
    kCommPasswordCancelled = 18, // the user cancelled the password entry
    kCommUploadForbidden = 19,   // the project in the PLC may not be uploaded
    kCommTransferTooLong = 20,   // more data than block numbers can count; nothing was sent
    kCommCancelled = -1,         // cancelled by the user, or a file error already reported
    kCommNoMemory = 0xFFFF,      // no memory for the image buffer
};
