#include "comm/DownloadDlg.h"
#include "comm/PasswordBlock.h"
#include "comm/SerialPort.h"
#include "comm/ShowCommError.h"
#include "res/resource.h"
#include "tests/comm/DialogLinkFixture.h"
#include "tests/support/TempFolder.h"
#include "tools/simplc/SampleImage.h"

#include <functional>

namespace {

class DownloadDialog : public DialogLinkFixture {
protected:
    void SetUp() override {
        DialogLinkFixture::SetUp();
        image = MakeSampleImage(SampleImageSpec());
        ASSERT_TRUE(WriteImageFile(folder / "sample.obj", image));
    }

    struct Outcome {
        INT_PTR result = 0;
        CString resultLine;
    };
    // Starts one download with the options as they are after the start, then closes.
    Outcome Download(const std::vector<ModalScript::Action>& passwordSteps = {}) {
        CDownloadDlg dialog;
        dialog.m_imagePath = (folder / "sample.obj").c_str();
        Outcome outcome;
        ModalScript script({[&](CWnd* wnd) {
            PressButton(wnd, IDOK);
            outcome.resultLine = ItemText(wnd, IDC_DOWNLOAD_RESULT);
            CloseIfOpen(wnd);
        }});
        for (const ModalScript::Action& step : passwordSteps)
            script.Queue(step);
        outcome.result = dialog.DoModal();
        EXPECT_EQ(0u, script.PendingActions());
        return outcome;
    }
    static ModalScript::Action Password(const char* text, int button) {
        return [text, button](CWnd* wnd) {
            wnd->SetDlgItemText(IDC_PLC_PASSWORD, text);
            PressButton(wnd, button);
        };
    }
    void ProtectWith(const char* password) {
        plc.State().protectionLevel = 2;
        EncipherPassword(password, plc.State().passwordBlock);
    }

    TempFolder folder;
    std::vector<uint8_t> image;
};

}  // namespace

TEST_F(DownloadDialog, OutcomesReachResultLineOutputAndMessages) {
    const char* success = "下载结果：成功。";
    const char* failure = "下载结果：失败。";
    const char* runQuestion = "CPU正处于运行状态。\r\n是否将其置于停止状态并继续下载工程？ ";
    const struct {
        const char* name;
        std::function<void()> arrange;
        std::vector<ModalScript::Action> passwordSteps;
        INT_PTR result;
        const char* resultLine;
        std::vector<std::string> messages;
        bool reported;
        bool stored;
    } cases[] = {
        {"0: success", [] {}, {}, IDOK, success, {}, true, true},
        {"No to the RUN question",
         [this] { plc.State().running = true; messages.answer = IDNO; }, {},
         IDCANCEL, "下载结果：", {runQuestion}, false, false},
        {"8: the port does not open", [this] { link.SetOpen(false); }, {},
         IDCANCEL, "下载结果：", {"初始化通讯口失败！请检查硬件以及通讯参数的设置。"}, false, false},
        {"16, right password", [this] { ProtectWith("abc"); }, {Password("abc", IDOK)},
         IDOK, success, {}, true, true},
        {"16, wrong password", [this] { ProtectWith("abc"); }, {Password("abd", IDOK)},
         IDCANCEL, failure, {CommErrorMessage(kCommPasswordNeeded).text}, false, false},
        {"16, password cancelled", [this] { ProtectWith("abc"); }, {Password("abc", IDCANCEL)},
         IDCANCEL, failure, {CommErrorMessage(kCommPasswordCancelled).text}, false, false},
        {"7: damaged reply", [this] { plc.InjectFault(PlcFault::BadCrc, 2, 1); }, {},
         IDCANCEL, failure, {CommErrorMessage(kCommBadReply).text}, false, false},
        {"20: image beyond the block numbers",
         [this] {
             SampleImageSpec spec;
             spec.programBytes = 60000;
             ASSERT_TRUE(WriteImageFile(folder / "sample.obj", MakeSampleImage(spec)));
         }, {},
         IDCANCEL, failure, {CommErrorMessage(kCommTransferTooLong).text}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plc = SimulatedPlc();
        link.SetOpen(true);
        messages.shown.clear();
        messages.answer = IDOK;
        reportedResults.clear();
        ASSERT_TRUE(WriteImageFile(folder / "sample.obj", image));
        c.arrange();
        const Outcome outcome = Download(c.passwordSteps);
        EXPECT_EQ(c.result, outcome.result);
        EXPECT_EQ(c.resultLine, outcome.resultLine);
        EXPECT_EQ(c.messages, MessageTexts());
        EXPECT_EQ(c.reported ? std::vector<int>{kPlcResultDownloadDone} : std::vector<int>{}, reportedResults);
        EXPECT_EQ(c.stored, plc.State().image == image);
        EXPECT_TRUE(CommLockFree());
        EXPECT_FALSE(theSerialPort.IsOpen());
    }
}

TEST_F(DownloadDialog, OptionsTravelThreeTimesAfterTheImage) {
    EXPECT_EQ(0x06, CDownloadDlg::OptionByte(false, true, true));  // as the dialog starts
    CDownloadDlg dialog;
    dialog.m_imagePath = (folder / "sample.obj").c_str();
    CString warning;
    ModalScript script({[&](CWnd* wnd) {
        wnd->CheckDlgButton(IDC_DOWNLOAD_NO_UPLOAD, BST_CHECKED);
        PressButton(wnd, IDC_DOWNLOAD_NO_UPLOAD);
        warning = ItemText(wnd, IDC_DOWNLOAD_WARNING);
        SaveImage(wnd, "download_dialog.bmp");
        PressButton(wnd, IDOK);
    }});
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("  !!! 注意 !!!\n\n你当前下载的用户\n\n工程将不能上载! \n\n请注意备份!", warning);
    EXPECT_EQ(0x07, plc.State().downloadOptions);
    EXPECT_EQ(image, plc.State().image);
}

TEST_F(DownloadDialog, BusyLineRefusesWithoutTouchingThePort) {
    HoldCommLockElsewhere();
    const Outcome outcome = Download();
    ReleaseCommLockElsewhere();
    EXPECT_EQ(IDCANCEL, outcome.result);
    EXPECT_EQ("下载结果：", outcome.resultLine);
    EXPECT_EQ(std::vector<std::string>{"正在进行其它通讯任务， 不允许再启动通讯任务！"}, MessageTexts());
    EXPECT_TRUE(link.Requests().empty());
    EXPECT_FALSE(theSerialPort.IsOpen());
}

TEST_F(DownloadDialog, MissingImageShowsOnlyTheFileMessage) {
    DeleteFileA((folder / "sample.obj").c_str());
    const Outcome outcome = Download();
    EXPECT_EQ("下载结果：", outcome.resultLine);
    EXPECT_EQ(1u, messages.shown.size());
    EXPECT_TRUE(reportedResults.empty());
    EXPECT_TRUE(CommLockFree());
    EXPECT_FALSE(theSerialPort.IsOpen());
}
