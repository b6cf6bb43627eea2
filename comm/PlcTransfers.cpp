#include "comm/PlcTransfers.h"

#include "platform/MessageBox.h"
#include "comm/PlcFrame.h"
#include "comm/PlcRequests.h"
#include "comm/PlcTransaction.h"
#include "comm/ReplyTimeouts.h"
#include "comm/SerialPort.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr uint32_t kForceReadWaitFactor = 3;
constexpr DWORD kFileChunk = 10240;
constexpr int kProgressBeforeTransfer = 5;
constexpr int kProgressPerBlock = 2;
constexpr int kOptionCopies = 3;

int Baud() { return theSerialPort.Settings().baudRate; }

bool IsMissingFileError(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME || error == ERROR_BAD_PATHNAME ||
           error == ERROR_INVALID_DRIVE;
}

CommResult ReportFileError(HWND owner, DWORD error) {
    if (IsMissingFileError(error))
        AfxShowMessageBox(owner,
                       "目标文件不存在！\r\n请重试编译、下载操作，若错误仍然存在，请与我公司联系。",
                       "Error", MB_OK | MB_ICONERROR);
    else
        AfxShowMessageBox(owner, "无法访问目标文件！\r\n请重启计算机后再试。", "System Error",
                       MB_OK | MB_ICONERROR);
    return kCommCancelled;
}

// Reads the whole image file followed by room for the option bytes.
CommResult ReadImageFile(HWND owner, const std::string& path, std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ReportFileError(owner, GetLastError());
    CommResult result = kCommOk;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) {
        result = ReportFileError(owner, ERROR_ACCESS_DENIED);
    } else {
        try {
            bytes.assign(static_cast<size_t>(size.QuadPart) + kOptionCopies, 0);
        } catch (const std::bad_alloc&) {
            result = kCommNoMemory;
        }
    }
    for (size_t done = 0; result == kCommOk && done < static_cast<size_t>(size.QuadPart);) {
        const DWORD want = static_cast<DWORD>(std::min<size_t>(kFileChunk, size.QuadPart - done));
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + done, want, &got, nullptr) || got == 0)
            result = ReportFileError(owner, ERROR_READ_FAULT);
        done += got;
    }
    CloseHandle(file);
    return result;
}

// Stops a running CPU after the user agreed; -1 when the user does not.
CommResult StopCpuForDownload(HWND owner) {
    CommResult result = PlcReadStatus();
    if (result != kCommOk || ReplyData()[0] != 1)
        return result;
    if (AfxShowMessageBox(owner, "CPU正处于运行状态。\r\n是否将其置于停止状态并继续下载工程？ ", "提示",
                       MB_YESNO | MB_ICONQUESTION) != IDYES)
        return kCommCancelled;
    return PlcRunStop(0);
}

size_t BlockCount(size_t length) {
    return (length + PlcFrame::kMaxBlockBytes - 1) / PlcFrame::kMaxBlockBytes;
}

// An image file that, with its option bytes, needs more blocks than a transfer can
// number. A file that cannot be looked at is left to the reading, which reports it.
bool ImageTooLong(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    const uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return BlockCount(size + kOptionCopies) > PlcFrame::kMaxBlocks;
}

}  // namespace

CommResult SendBlocks(const WritingTransfer& transfer, const uint8_t* data, size_t length) {
    const size_t count = BlockCount(length);
    if (count > PlcFrame::kMaxBlocks)
        return kCommTransferTooLong;
    for (size_t index = 0; index < count; ++index) {
        const uint8_t block = static_cast<uint8_t>(count - 1 - index);
        const size_t offset = index * PlcFrame::kMaxBlockBytes;
        const uint32_t size = static_cast<uint32_t>(std::min<size_t>(PlcFrame::kMaxBlockBytes, length - offset));
        if (transfer.progress)
            transfer.progress->Advance(kProgressPerBlock);
        std::memcpy(RequestPayload(), data + offset, size);
        const CommResult result =
            ExchangeFrames({transfer.letter, block, size, g_ReplyTimeout, transfer.pauseMs});
        if (result != kCommOk)
            return result;
        if (ReplyLetter() != transfer.letter) {
            const bool asksPassword = index == 0 && transfer.firstBlockMayAskPassword &&
                                      ReplyBlock() == PlcFrame::kRefusalPasswordNeeded;
            return asksPassword ? kCommPasswordNeeded : kCommWrongLetter;
        }
        if (ReplyBlock() != block)
            return kCommWrongBlock;
    }
    return kCommOk;
}

CommResult ReceiveBlocks(const ReadingTransfer& transfer, std::vector<uint8_t>& collected,
                         int& firstRefusal) {
    collected.clear();
    firstRefusal = -1;
    uint8_t block = PlcFrame::kFirstReadBlock;
    for (bool first = true;; first = false) {
        const CommResult result =
            ExchangeFrames({transfer.letter, block, 0, transfer.replyWaitMs, transfer.pauseMs});
        if (result != kCommOk)
            return result;
        if (ReplyLetter() != transfer.letter) {
            if (first)
                firstRefusal = ReplyBlock();
            return kCommWrongLetter;
        }
        if (!first && ReplyBlock() != block)
            return kCommWrongBlock;
        uint32_t count = 0;
        if (!ReplyDataCount(count))
            return kCommBadReply;
        collected.insert(collected.end(), ReplyData(), ReplyData() + count);
        if (ReplyBlock() == 0)
            return kCommOk;
        block = static_cast<uint8_t>(ReplyBlock() - 1);
    }
}

CommResult DownloadTarget(HWND owner, DownloadProgress* progress, uint8_t options,
                          const std::string& imagePath) {
    if (ImageTooLong(imagePath))
        return kCommTransferTooLong;
    CommResult result = StopCpuForDownload(owner);
    if (result != kCommOk)
        return result;
    if (progress)
        progress->Advance(kProgressBeforeTransfer);
    std::vector<uint8_t> bytes;
    result = ReadImageFile(owner, imagePath, bytes);
    if (result != kCommOk)
        return result;
    std::fill(bytes.end() - kOptionCopies, bytes.end(), options);
    return SendBlocks({PlcFunctionCode::Download, DownloadBlockPause(Baud()), progress, true},
                      bytes.data(), bytes.size());
}

CommResult UploadTarget(std::vector<uint8_t>& image) {
    int refusal = -1;
    const CommResult result = ReceiveBlocks(
        {PlcFunctionCode::Upload, g_ReplyTimeout, UploadBlockPause(Baud())}, image, refusal);
    if (result == kCommOk)
        return kCommOk;
    image.clear();
    if (refusal == PlcFrame::kRefusalUploadForbidden)
        return kCommUploadForbidden;
    if (refusal == PlcFrame::kRefusalPasswordNeeded)
        return kCommPasswordNeeded;
    return result;
}

CommResult WriteForceTable(const std::vector<uint8_t>& table) {
    return SendBlocks({PlcFunctionCode::WriteForces, 100, nullptr, false}, table.data(),
                      table.size());
}

CommResult ReadForceTable(std::vector<uint8_t>& table, bool* noTable) {
    std::vector<uint8_t> collected;
    int refusal = -1;
    const CommResult result = ReceiveBlocks(
        {PlcFunctionCode::ReadForces, kForceReadWaitFactor * g_ReplyTimeout, ReadTransferPause(Baud())},
        collected, refusal);
    if (result == kCommOk)
        table.swap(collected);
    if (noTable)
        *noTable = result == kCommWrongLetter && refusal >= 0;
    return result;
}
