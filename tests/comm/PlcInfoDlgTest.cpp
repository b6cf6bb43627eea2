#include "comm/PlcFrame.h"
#include "comm/PlcInfoDlg.h"
#include "comm/PlcRequests.h"
#include "comm/PlcTransaction.h"
#include "comm/SerialPort.h"
#include "comm/ShowCommError.h"
#include "hardware/ModuleCatalog.h"
#include "res/resource.h"
#include "tests/comm/DialogLinkFixture.h"

namespace {

class PlcInfoDialog : public DialogLinkFixture {
protected:
    // What the information command does before it shows the dialog.
    void ReadAsTheCommandDoes() {
        ASSERT_EQ(kCommOk, OpenCommPort(nullptr));
        ASSERT_EQ(kCommOk, PlcReadStatus());
        workspace.plcInfoState = ReplyData()[0];
        ASSERT_EQ(kCommOk, PlcReadInfo());
    }

    struct Shown {
        CString state, firmware, cpuType;
        COLORREF colour = 0;
        std::vector<std::vector<CString>> rows;
    };
    static Shown Look(CWnd* wnd) {
        Shown shown;
        shown.state = ItemText(wnd, IDC_INFO_STATE);
        shown.firmware = ItemText(wnd, IDC_INFO_FIRMWARE);
        shown.cpuType = ItemText(wnd, IDC_INFO_CPU_TYPE);
        shown.colour = static_cast<CPlcInfoDlg*>(wnd)->StateColour();
        CListCtrl* list = static_cast<CListCtrl*>(wnd->GetDlgItem(IDC_INFO_MODULES));
        for (int i = 0; i < list->GetItemCount(); ++i)
            shown.rows.push_back({list->GetItemText(i, 0), list->GetItemText(i, 1), list->GetItemText(i, 2), list->GetItemText(i, 3)});
        return shown;
    }
    Shown ShowDialog(std::function<void(CWnd*)> more = nullptr) {
        CPlcInfoDlg dialog;
        Shown shown;
        ModalScript script({[&](CWnd* wnd) {
            if (more)
                more(wnd);
            shown = Look(wnd);
            PressButton(wnd, IDCANCEL);
        }});
        dialog.DoModal();
        return shown;
    }
};

}  // namespace

TEST_F(PlcInfoDialog, ShowsStateFirmwareTypeAndModules) {
    using Row = std::vector<CString>;
    const struct {
        const char* name;
        bool running;
        std::vector<PlcModuleEntry> modules;
        const char* cpuType;
        std::vector<Row> rows;
    } cases[] = {
        {"stopped CPU243 with modules", false, {{35, 0}, {200, 3}}, " CPU243",
         {{"1", ModuleCatalog::FindByCode(35) ? ModuleCatalog::FindByCode(35)->modelName : "", "0", ""},
          {"2", "", "3", ""}}},
        {"running CPU243Ex", true, {{36, 0}}, " CPU243Ex",
         {{"1", ModuleCatalog::FindByCode(36) ? ModuleCatalog::FindByCode(36)->modelName : "", "0", ""}}},
        {"no modules", false, {}, " 通讯错误，未知类型", {}},
        {"CPU245", false, {{4, 1}}, " CPU245", {{"1", ModuleCatalog::FindByCode(4)->modelName, "1", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plc.State().running = c.running;
        plc.State().modules = c.modules;
        ReadAsTheCommandDoes();
        const Shown shown = ShowDialog();
        EXPECT_EQ(c.running ? " 运 行" : " 停 止", shown.state);
        EXPECT_EQ(c.running ? CPlcInfoDlg::kRunColour : CPlcInfoDlg::kStopColour, shown.colour);
        EXPECT_EQ(" 2.1.7", shown.firmware);
        EXPECT_EQ(c.cpuType, shown.cpuType);
        EXPECT_EQ(c.rows, shown.rows);
    }
}

TEST_F(PlcInfoDialog, ListsOnlyThePairsTheReplyHolds) {
    ReadAsTheCommandDoes();
    // The count byte claims five modules; two pairs arrived.
    link.ScriptAnswer(PlcFrame::MakeReply(1, PlcFunctionCode::ReadInfo, 0, {3, 0, 1, 0, 5, 4, 0, 16, 2}));
    ASSERT_EQ(kCommOk, PlcReadInfo());
    const Shown shown = ShowDialog();
    ASSERT_EQ(2u, shown.rows.size());
    EXPECT_EQ("2", shown.rows[1][0]);
    EXPECT_EQ("2", shown.rows[1][2]);
    EXPECT_EQ(" 3.0.1", shown.firmware);
}

TEST_F(PlcInfoDialog, CpuTypeTexts) {
    const struct {
        int code;
        const char* text;
    } cases[] = {{0, " CPU241"}, {32, " CPU241"}, {33, " CPU241Ex"}, {35, " CPU243"}, {36, " CPU243Ex"},
                 {37, " CPU243Ex"}, {5, " CPU245"}, {6, " 通讯错误，未知类型"}, {-1, " 通讯错误，未知类型"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.text, CpuTypeText(c.code)) << c.code;
}

TEST_F(PlcInfoDialog, RefreshAsksThePlcAgain) {
    ReadAsTheCommandDoes();
    Shown shown;
    shown = ShowDialog([this](CWnd* wnd) {
        plc.State().running = true;
        plc.State().modules = {{4, 0}, {16, 0}};
        link.ForgetRequests();
        PressButton(wnd, IDC_INFO_REFRESH);
        SaveImage(wnd, "plc_info_dialog.bmp");
    });
    EXPECT_EQ("AE", SentLetters());
    EXPECT_EQ(" 运 行", shown.state);
    EXPECT_EQ(2u, shown.rows.size());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(CommLockFree());
}

TEST_F(PlcInfoDialog, RefreshFailuresShowTheirMessageAndKeepTheList) {
    ReadAsTheCommandDoes();
    const struct {
        const char* name;
        std::function<void()> arrange;
        const char* message;
        const char* letters;
    } cases[] = {
        {"status read fails", [this] { plc.InjectFault(PlcFault::Silent); }, CommErrorMessage(kCommNoReply).text, "A"},
        {"info read fails", [this] { plc.InjectFault(PlcFault::BadCrc, 1); }, CommErrorMessage(kCommBadReply).text, "AE"},
        {"line busy", [this] { HoldCommLockElsewhere(); }, "正在进行其它通讯任务，不允许再启动通讯任务！", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        const Shown shown = ShowDialog([&](CWnd* wnd) {
            c.arrange();
            link.ForgetRequests();
            plc.State().modules.clear();
            PressButton(wnd, IDC_INFO_REFRESH);
            ReleaseCommLockElsewhere();
        });
        EXPECT_EQ(c.letters, SentLetters());
        EXPECT_EQ(std::vector<std::string>{c.message}, MessageTexts());
        EXPECT_EQ(3u, shown.rows.size());  // as first read
        plc.State().modules = {{4, 0}, {16, 0}, {33, 2}};
        plc.ClearFaults();
        ReadAsTheCommandDoes();
    }
}
