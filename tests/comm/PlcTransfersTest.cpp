#include "comm/PlcFrame.h"
#include "comm/PlcTransfers.h"
#include "comm/PasswordBlock.h"
#include "comm/PlcRequests.h"
#include "tests/comm/PlcLinkFixture.h"
#include "tools/simplc/SampleImage.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ImageOfSize(size_t size) {
    SampleImageSpec spec;
    spec.programBytes = 0;
    spec.programBytes = size - MakeSampleImage(spec).size();
    return MakeSampleImage(spec);
}

class CountingProgress : public DownloadProgress {
public:
    void Advance(int step) override { steps.push_back(step); }
    std::vector<int> steps;
};

class BlockTransfers : public PlcLinkFixture {
protected:
    void SetUp() override {
        PlcLinkFixture::SetUp();
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        imagePath = std::string(folder) + "transfer-test.obj";
    }
    void TearDown() override {
        DeleteFileA(imagePath.c_str());
        PlcLinkFixture::TearDown();
    }
    CommResult Download(const Bytes& image, uint8_t options = 0, DownloadProgress* progress = nullptr) {
        EXPECT_TRUE(WriteImageFile(imagePath, image));
        return DownloadTarget(nullptr, progress, options, imagePath);
    }
    // Block numbers and sizes of the download requests.
    std::vector<std::pair<int, size_t>> DownloadBlocks() const {
        std::vector<std::pair<int, size_t>> blocks;
        for (const Bytes& r : link.Requests())
            if (r[1] == PlcFunctionCode::Download)
                blocks.emplace_back(r[2], r.size() - 5);
        return blocks;
    }

    std::string imagePath;
};

}  // namespace

TEST_F(BlockTransfers, DownloadBlocksCountDownAndCarryTheOptionsLast) {
    struct Case {
        size_t imageSize;
        std::vector<std::pair<int, size_t>> blocks;
    };
    const Case cases[] = {
        {197, {{0, 200}}},
        {397, {{1, 200}, {0, 200}}},
        {398, {{2, 200}, {1, 200}, {0, 1}}},
    };
    for (const Case& c : cases) {
        link.ForgetRequests();
        const Bytes image = ImageOfSize(c.imageSize);
        ASSERT_EQ(kCommOk, Download(image, kDownloadClearBackup)) << c.imageSize;
        EXPECT_EQ(c.blocks, DownloadBlocks()) << c.imageSize;
        Bytes sent;
        for (const Bytes& r : link.Requests())
            if (r[1] == PlcFunctionCode::Download)
                sent.insert(sent.end(), r.begin() + 3, r.end() - 2);
        Bytes expected = image;
        expected.insert(expected.end(), 3, kDownloadClearBackup);
        EXPECT_EQ(expected, sent) << c.imageSize;
        EXPECT_EQ(image, plc.State().image);
        EXPECT_EQ(kDownloadClearBackup, plc.State().downloadOptions);
    }
}

TEST_F(BlockTransfers, FullSizeDownloadComesBackByUpload) {
    // 256 blocks is the most block numbers can count: the image plus three option bytes.
    const Bytes image = ImageOfSize(256 * 200 - 3);
    ASSERT_EQ(kCommOk, Download(image));
    EXPECT_EQ(256u, DownloadBlocks().size());
    Bytes uploaded = {1, 2, 3};
    ASSERT_EQ(kCommOk, UploadTarget(uploaded));
    EXPECT_EQ(image, uploaded);
}

// The size is judged before any frame goes out: a running CPU is neither asked about
// nor stopped for an image that cannot be sent.
TEST_F(BlockTransfers, DownloadBeyond256BlocksIsRefusedBeforeSending) {
    plc.State().image = {9, 9};
    messages.answer = IDYES;
    for (const bool running : {false, true}) {
        plc.State().running = running;
        link.ForgetRequests();
        EXPECT_EQ(kCommTransferTooLong, Download(ImageOfSize(256 * 200 - 2))) << running;
        EXPECT_EQ("", SentLetters()) << running;
        EXPECT_TRUE(messages.shown.empty()) << running;
        EXPECT_EQ(running, plc.State().running);
        EXPECT_EQ((Bytes{9, 9}), plc.State().image);
    }
}

TEST_F(BlockTransfers, DownloadFaults) {
    struct Case {
        const char* name;
        PlcFault fault;
        uint32_t skip;  // answers that pass unharmed first; the status request is one
        uint32_t count;
        uint32_t param;
        CommResult expected;
    };
    const Case cases[] = {
        {"password demanded on the first block", PlcFault::Refuse, 1, 1, 16, kCommPasswordNeeded},
        {"password demanded on a later block", PlcFault::Refuse, 2, 1, 16, kCommWrongLetter},
        {"other refusal on the first block", PlcFault::Refuse, 1, 1, 0, kCommWrongLetter},
        {"wrong block number", PlcFault::WrongBlock, 2, 1, 0, kCommWrongBlock},
        {"line drops mid-transfer", PlcFault::Silent, 2, 1000, 0, kCommNoReply},
        {"damaged CRC", PlcFault::BadCrc, 1, 1, 0, kCommBadReply},
        {"status request unanswered", PlcFault::Silent, 0, 1, 0, kCommNoReply},
    };
    const Bytes image = ImageOfSize(1000);
    for (const Case& c : cases) {
        plc.State().image.clear();
        plc.InjectFault(c.fault, c.skip, c.count, c.param);
        EXPECT_EQ(c.expected, Download(image)) << c.name;
        EXPECT_TRUE(plc.State().image.empty()) << c.name;
        plc.ClearFaults();
    }
}

TEST_F(BlockTransfers, LockedPlcAsksForItsPasswordFirst) {
    plc.State().protectionLevel = 2;
    const Bytes image = ImageOfSize(500);
    EXPECT_EQ(kCommPasswordNeeded, Download(image));
    EncipherPassword("", RequestPayload());
    ASSERT_EQ(kCommOk, SendPassword());
    EXPECT_EQ(kCommOk, Download(image));
}

TEST_F(BlockTransfers, RunningCpuIsStoppedOnlyWhenTheUserAgrees) {
    plc.State().running = true;
    messages.answer = IDNO;
    EXPECT_EQ(kCommCancelled, Download(ImageOfSize(300)));
    EXPECT_EQ("A", SentLetters());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("CPU正处于运行状态。\r\n是否将其置于停止状态并继续下载工程？ ", messages.shown[0].text);
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), messages.shown[0].type);

    messages.answer = IDYES;
    EXPECT_EQ(kCommOk, Download(ImageOfSize(300)));
    EXPECT_EQ("AABFF", SentLetters());
    EXPECT_FALSE(plc.State().running);
}

TEST_F(BlockTransfers, MissingImageFileIsReportedAndNothingSent) {
    EXPECT_EQ(kCommCancelled, DownloadTarget(nullptr, nullptr, 0, imagePath + ".none"));
    EXPECT_EQ("A", SentLetters());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("Error", messages.shown[0].caption);
    EXPECT_EQ("目标文件不存在！\r\n请重试编译、下载操作，若错误仍然存在，请与我公司联系。",
              messages.shown[0].text);
}

TEST_F(BlockTransfers, ProgressAdvancesOnceBeforeAndOncePerBlock) {
    CountingProgress progress;
    ASSERT_EQ(kCommOk, Download(ImageOfSize(450), 0, &progress));
    EXPECT_EQ((std::vector<int>{5, 2, 2, 2}), progress.steps);
}

TEST_F(BlockTransfers, UploadFaultsLeaveNothingBehind) {
    struct Case {
        const char* name;
        uint8_t options;
        int level;
        PlcFault fault;
        uint32_t skip;
        uint32_t param;
        CommResult expected;
    };
    const Case cases[] = {
        {"upload forbidden", kDownloadForbidUpload, 1, PlcFault::None, 0, 0, kCommUploadForbidden},
        {"password needed", 0, 3, PlcFault::None, 0, 0, kCommPasswordNeeded},
        {"forbidden code on a later block", 0, 1, PlcFault::Refuse, 1, 19, kCommWrongLetter},
        {"length byte 0", 0, 1, PlcFault::BadLength, 1, 0, kCommBadReply},
        {"length byte beyond the reply", 0, 1, PlcFault::BadLength, 1, 250, kCommBadReply},
        {"wrong block number", 0, 1, PlcFault::WrongBlock, 1, 0, kCommWrongBlock},
        {"last block lost", 0, 1, PlcFault::Silent, 2, 0, kCommNoReply},
        {"over-long reply", 0, 1, PlcFault::LongReply, 0, 0, kCommReplyTooLong},
    };
    plc.State().image = ImageOfSize(500);  // three blocks
    for (const Case& c : cases) {
        plc.State().downloadOptions = c.options;
        plc.State().protectionLevel = c.level;
        plc.InjectFault(c.fault, c.skip, 1, c.param);
        Bytes uploaded = {1, 2, 3};
        EXPECT_EQ(c.expected, UploadTarget(uploaded)) << c.name;
        EXPECT_TRUE(uploaded.empty()) << c.name;
        plc.ClearFaults();
    }
}

TEST_F(BlockTransfers, UploadAcceptsAnyFirstBlockNumberThenExactlyTheNext) {
    plc.State().image = ImageOfSize(450);
    Bytes uploaded;
    ASSERT_EQ(kCommOk, UploadTarget(uploaded));
    std::vector<int> asked;
    for (const Bytes& r : link.Requests())
        asked.push_back(r[2]);
    EXPECT_EQ((std::vector<int>{255, 1, 0}), asked);
}

TEST_F(BlockTransfers, ForceTableRoundTripAndFailedReadKeepsTheOldTable) {
    Bytes table = {0xC4, 0x01, 9, 6, 9, 0};  // 452 bytes: three blocks
    table.resize(452, 0x3C);
    ASSERT_EQ(kCommOk, WriteForceTable(table));
    EXPECT_EQ(table, plc.State().forceTable);

    Bytes read = {7};
    ASSERT_EQ(kCommOk, ReadForceTable(read));
    EXPECT_EQ(table, read);

    const Bytes old = {1, 2};
    read = old;
    plc.InjectFault(PlcFault::BadCrc, 2);
    EXPECT_EQ(kCommBadReply, ReadForceTable(read));
    EXPECT_EQ(old, read);
    plc.InjectFault(PlcFault::Refuse, 0, 1, 0);
    EXPECT_EQ(kCommWrongLetter, ReadForceTable(read));
    EXPECT_EQ(old, read);
}

TEST_F(BlockTransfers, EmptyForceTableSendsNothing) {
    EXPECT_EQ(kCommOk, WriteForceTable({}));
    EXPECT_TRUE(link.Requests().empty());
}
