#pragma once
#include "comm/CommResult.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Data longer than one frame moves in numbered blocks of at most 200 bytes. Writing
// transfers number their blocks downwards to 0; reading transfers ask for block 255 and
// then for each lower number the PLC announces, down to 0. The caller holds the line.

// What the download tells the dialog that shows its progress.
class DownloadProgress {
public:
    virtual ~DownloadProgress() = default;
    // Advance the progress bar by `step` and show it.
    virtual void Advance(int step) = 0;
};

// Download option bits, sent three times after the image.
enum : uint8_t {
    kDownloadForbidUpload = 0x01,
    kDownloadClearBackup = 0x02,
    kDownloadClearRetentive = 0x04,
};

// Sends the target image file and the option byte with "F". Stops a running CPU after
// asking the user. -1 after the user declined or a file message; kCommNoMemory;
// kCommPasswordNeeded when the PLC refuses the first block for its password;
// kCommTransferTooLong, before anything is sent, for an image beyond 256 blocks.
CommResult DownloadTarget(HWND owner, DownloadProgress* progress, uint8_t options,
                          const std::string& imagePath);

// Fetches the PLC's image with "G" into `image`, which is empty after any failure.
// kCommUploadForbidden and kCommPasswordNeeded for the refusals of the first block.
CommResult UploadTarget(std::vector<uint8_t>& image);

// Writes the force table with "J"; an empty table sends nothing.
CommResult WriteForceTable(const std::vector<uint8_t>& table);
// Reads the force table with "P"; `table` is replaced only after the last block arrived.
// A foreign letter gives kCommWrongLetter; `noTable`, when given, then tells whether it
// answered the first request, the answer of a PLC that holds no force table.
CommResult ReadForceTable(std::vector<uint8_t>& table, bool* noTable = nullptr);

// The two transfer schemes, shared with the monitor worker.
struct WritingTransfer {
    uint8_t letter;
    uint32_t pauseMs;
    DownloadProgress* progress;      // advanced by 2 before each block, may be null
    bool firstBlockMayAskPassword;   // a refusal code 16 on the first block gives 16
};
CommResult SendBlocks(const WritingTransfer& transfer, const uint8_t* data, size_t length);

struct ReadingTransfer {
    uint8_t letter;
    uint32_t replyWaitMs;
    uint32_t pauseMs;
};
// Collects the data of every block, first block first. A foreign letter gives
// kCommWrongLetter; `firstRefusal` then holds the refusal code when it answered the
// first request, else -1.
CommResult ReceiveBlocks(const ReadingTransfer& transfer, std::vector<uint8_t>& collected,
                         int& firstRefusal);
