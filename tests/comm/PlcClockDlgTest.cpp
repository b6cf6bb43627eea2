#include "comm/PlcClock.h"
#include "comm/PlcClockDlg.h"
#include "comm/PlcRequests.h"
#include "comm/SerialPort.h"
#include "comm/ShowCommError.h"
#include "res/resource.h"
#include "tests/comm/DialogLinkFixture.h"

#include <commctrl.h>

namespace {

using Bytes = std::vector<uint8_t>;

SYSTEMTIME Picker(CWnd* dialog, int id) {
    SYSTEMTIME time{};
    dialog->SendDlgItemMessage(id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

void SetPicker(CWnd* dialog, int id, WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    dialog->SendDlgItemMessage(id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void Tick(CWnd* dialog, int count = 1) {
    for (int i = 0; i < count; ++i)
        dialog->SendMessage(WM_TIMER, CPlcClockDlg::kTimerId);
}

class PlcClockDialog : public DialogLinkFixture {
protected:
    // What the clock command does before it shows the dialog.
    void ReadAsTheCommandDoes() {
        ASSERT_EQ(kCommOk, OpenCommPort(nullptr));
        ASSERT_EQ(kCommOk, PlcReadClock());
    }
    void SetPlcClock(Bytes bytes) { std::copy(bytes.begin(), bytes.end(), plc.State().clock); }
    // Shows the dialog, runs the steps and closes it; the port is closed afterwards.
    void ShowDialog(std::function<void(CPlcClockDlg*)> steps) {
        CPlcClockDlg dialog;
        ModalScript script({[&](CWnd* wnd) {
            steps(static_cast<CPlcClockDlg*>(wnd));
            PressButton(wnd, IDCANCEL);
        }});
        dialog.DoModal();
        EXPECT_FALSE(theSerialPort.IsOpen());
    }
    size_t Sent(char letter) const {
        const std::string letters = SentLetters();
        return std::count(letters.begin(), letters.end(), letter);
    }
};

}  // namespace

TEST(PlcClockBytes, PlcTimeOfTheClockBytes) {
    const struct {
        Bytes bytes;
        bool valid;
        WORD year, month, day, hour, minute, second;
    } cases[] = {
        {{0x26, 0x12, 0x10, 0x14, 0x30, 0x00}, true, 2026, 12, 10, 14, 30, 0},
        {{0x45, 0x01, 0x02, 0x03, 0x04, 0x05}, true, 2037, 1, 2, 3, 4, 5},   // year above 0x36
        {{0x37, 0x12, 0x31, 0x23, 0x59, 0x59}, true, 2037, 12, 31, 23, 59, 59},
        {{0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, false, 0, 0, 0, 0, 0, 0},  // unset clock, day 0
        {{0x26, 0x1A, 0x10, 0x14, 0x30, 0x00}, false, 0, 0, 0, 0, 0, 0},  // not BCD
        {{0x26, 0x02, 0x30, 0x14, 0x30, 0x00}, false, 0, 0, 0, 0, 0, 0},  // 30 February
        {{0x26, 0x12, 0x10, 0x24, 0x30, 0x00}, false, 0, 0, 0, 0, 0, 0},
        {{0x26, 0x12, 0x10, 0x14, 0x60, 0x00}, false, 0, 0, 0, 0, 0, 0},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, false, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SYSTEMTIME time{};
        time.wYear = 1;
        ASSERT_EQ(c.valid, PlcTimeFromClockBytes(c.bytes.data(), time)) << int(c.bytes[0]) << "/" << int(c.bytes[1]);
        if (!c.valid) {
            EXPECT_EQ(1, time.wYear);
            continue;
        }
        EXPECT_EQ(c.year, time.wYear);
        EXPECT_EQ(c.month, time.wMonth);
        EXPECT_EQ(c.day, time.wDay);
        EXPECT_EQ(c.hour, time.wHour);
        EXPECT_EQ(c.minute, time.wMinute);
        EXPECT_EQ(c.second, time.wSecond);
    }
    EXPECT_EQ(0x59, BinToBcd(59));
    EXPECT_EQ(59, BcdToBin(0x59));
}

TEST_F(PlcClockDialog, StartShowsThePlcTimeOrYellowForAnUnsetClock) {
    const struct {
        Bytes clock;
        COLORREF colour;
        WORD year;  // of the PLC picker, 0: the PC's year stays
    } cases[] = {
        {{0x45, 0x06, 0x07, 0x08, 0x09, 0x10}, CPlcClockDlg::kGoodColour, 2037},
        {{0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, CPlcClockDlg::kFailedColour, 0},
    };
    for (const auto& c : cases) {
        SetPlcClock(c.clock);
        ReadAsTheCommandDoes();
        SYSTEMTIME plc{}, now{};
        COLORREF colour = 0;
        ShowDialog([&](CPlcClockDlg* dialog) {
            plc = Picker(dialog, IDC_CLOCK_PLC_DATE);
            colour = dialog->PlcGroupColour();
            SaveImage(dialog, c.year ? "plc_clock_dialog.bmp" : "plc_clock_dialog_unset.bmp");
        });
        GetLocalTime(&now);
        EXPECT_EQ(c.colour, colour);
        EXPECT_EQ(c.year ? c.year : now.wYear, plc.wYear);
    }
}

TEST_F(PlcClockDialog, EveryThirdTickReadsThePlcClockUntilOneFails) {
    ReadAsTheCommandDoes();
    link.ForgetRequests();
    std::vector<size_t> reads;
    std::vector<COLORREF> colours;
    SYSTEMTIME shown{};
    ShowDialog([&](CPlcClockDlg* dialog) {
        Tick(dialog, 2);
        reads.push_back(Sent('C'));
        SetPlcClock({0x30, 0x01, 0x02, 0x03, 0x04, 0x05});
        Tick(dialog);
        reads.push_back(Sent('C'));
        shown = Picker(dialog, IDC_CLOCK_PLC_DATE);
        SetPlcClock({0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
        Tick(dialog, 3);
        colours.push_back(dialog->PlcGroupColour());
        SetPlcClock({0x31, 0x01, 0x02, 0x03, 0x04, 0x05});
        Tick(dialog, 3);
        colours.push_back(dialog->PlcGroupColour());
        plc.InjectFault(PlcFault::Silent);
        Tick(dialog, 3);
        colours.push_back(dialog->PlcGroupColour());
        reads.push_back(Sent('C'));
        Tick(dialog, 9);
        reads.push_back(Sent('C'));
    });
    EXPECT_EQ((std::vector<size_t>{0, 1, 4, 4}), reads);
    EXPECT_EQ(2030, shown.wYear);
    EXPECT_EQ((std::vector<COLORREF>{CPlcClockDlg::kFailedColour, CPlcClockDlg::kGoodColour, CPlcClockDlg::kFailedColour}),
              colours);
    EXPECT_EQ(std::vector<std::string>{CommErrorMessage(kCommNoReply).text}, MessageTexts());
}

TEST_F(PlcClockDialog, TimeToWriteFollowsThePcClockUntilChanged) {
    ReadAsTheCommandDoes();
    SYSTEMTIME followed{}, kept{}, keptDate{};
    ShowDialog([&](CPlcClockDlg* dialog) {
        SetPicker(dialog, IDC_CLOCK_NEW_DATE, 2030, 5, 6, 0, 0, 0);
        SetPicker(dialog, IDC_CLOCK_NEW_TIME, 2030, 5, 6, 1, 2, 3);
        Tick(dialog);
        followed = Picker(dialog, IDC_CLOCK_NEW_TIME);
        SetPicker(dialog, IDC_CLOCK_NEW_TIME, 2030, 5, 6, 1, 2, 3);
        NMHDR change{dialog->GetDlgItem(IDC_CLOCK_NEW_TIME)->m_hWnd, IDC_CLOCK_NEW_TIME, static_cast<UINT>(DTN_DATETIMECHANGE)};
        dialog->SendMessage(WM_NOTIFY, IDC_CLOCK_NEW_TIME, reinterpret_cast<LPARAM>(&change));
        Tick(dialog);
        kept = Picker(dialog, IDC_CLOCK_NEW_TIME);
        keptDate = Picker(dialog, IDC_CLOCK_NEW_DATE);
    });
    EXPECT_FALSE(followed.wHour == 1 && followed.wMinute == 2 && followed.wSecond == 3);
    EXPECT_EQ(1, kept.wHour);
    EXPECT_EQ(2, kept.wMinute);
    EXPECT_EQ(3, kept.wSecond);
    EXPECT_EQ(2030, keptDate.wYear);
}

TEST_F(PlcClockDialog, WriteSendsTheBcdPayloadWithTheWeekday) {
    ReadAsTheCommandDoes();
    const struct {
        const char* name;
        std::function<void()> arrange;
        Bytes payload;  // empty: nothing sent
        COLORREF colour;
        std::vector<std::string> messages;
    } cases[] = {
        {"a Sunday", [] {}, {0x09, 0x03, 0x15, 0x14, 0x05, 0x09, 0x07, 0x00}, CPlcClockDlg::kGoodColour, {}},
        {"refused", [this] { plc.InjectFault(PlcFault::Refuse, 0, 1, 2); },
         {0x09, 0x03, 0x15, 0x14, 0x05, 0x09, 0x07, 0x00}, CPlcClockDlg::kFailedColour,
         {CommErrorMessage(kCommWrongLetter).text}},
        {"line busy", [this] { HoldCommLockElsewhere(); }, {}, CPlcClockDlg::kGoodColour,
         {"正在进行其它通讯任务， 不允许再启动通讯任务！"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        link.ForgetRequests();
        COLORREF colour = 0;
        BOOL buttonEnabled = FALSE;
        ShowDialog([&](CPlcClockDlg* dialog) {
            SetPicker(dialog, IDC_CLOCK_NEW_DATE, 2009, 3, 15, 0, 0, 0);
            SetPicker(dialog, IDC_CLOCK_NEW_TIME, 2009, 3, 15, 14, 5, 9);
            c.arrange();
            PressButton(dialog, IDC_CLOCK_WRITE);
            ReleaseCommLockElsewhere();
            colour = dialog->PlcGroupColour();
            buttonEnabled = dialog->GetDlgItem(IDC_CLOCK_WRITE)->IsWindowEnabled();
        });
        Bytes sent;
        for (const Bytes& request : link.Requests())
            if (request[1] == 'D')
                sent.assign(request.begin() + 3, request.end() - 2);
        EXPECT_EQ(c.payload, sent);
        EXPECT_EQ(c.colour, colour);
        EXPECT_EQ(c.messages, MessageTexts());
        EXPECT_TRUE(buttonEnabled);
        EXPECT_TRUE(CommLockFree());
        ReadAsTheCommandDoes();
    }
}
