#include "comm/CommSettingsDlg.h"
#include "comm/SerialPort.h"
#include "comm/SerialPortList.h"
#include "res/resource.h"
#include "tests/comm/DialogLinkFixture.h"

#include <functional>

namespace {

// The in-process link with a gate: after a number of writes the next write waits until
// the test opens the gate, so a test can act while the detection is in the middle.
class GatedLine : public SerialLine {
public:
    explicit GatedLine(SerialLine& inner)
        : m_inner(inner), m_held(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_gate(CreateEventA(nullptr, TRUE, TRUE, nullptr)) {}
    ~GatedLine() override {
        Open();
        CloseHandle(m_held);
        CloseHandle(m_gate);
    }
    void CloseAfter(LONG writes) {
        m_limit = writes;
        ResetEvent(m_gate);
    }
    void Open() { SetEvent(m_gate); }
    bool WaitUntilHeld() { return WaitForSingleObject(m_held, 10000) == WAIT_OBJECT_0; }
    LONG Writes() const { return m_writes; }

    bool IsOpen() const override { return m_inner.IsOpen(); }
    void Purge() override { m_inner.Purge(); }
    bool Write(const uint8_t* data, uint32_t length) override {
        if (InterlockedIncrement(&m_writes) > m_limit) {
            SetEvent(m_held);
            WaitForSingleObject(m_gate, INFINITE);
        }
        return m_inner.Write(data, length);
    }
    bool QueryInput(uint32_t& errors, uint32_t& waiting) override { return m_inner.QueryInput(errors, waiting); }
    bool Read(uint8_t* data, uint32_t length) override { return m_inner.Read(data, length); }
    bool WaitForReply(uint32_t eventMask, uint32_t timeoutMs) override { return m_inner.WaitForReply(eventMask, timeoutMs); }
    void Pause(uint32_t ms) override { m_inner.Pause(ms); }

private:
    SerialLine& m_inner;
    HANDLE m_held;
    HANDLE m_gate;
    volatile LONG m_writes = 0;
    volatile LONG m_limit = 0x7FFFFFFF;
};

const char kPortKey[] = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
const char* const kSeededPorts[][2] = {{"TessaronTestA", "COM7"}, {"TessaronTestB", "COM3"}};

class CommSettingsDialog : public DialogLinkFixture {
protected:
    void SetUp() override {
        DialogLinkFixture::SetUp();
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kPortKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
        for (const auto& port : kSeededPorts)
            RegSetValueExA(key, port[0], 0, REG_SZ, reinterpret_cast<const BYTE*>(port[1]), static_cast<DWORD>(strlen(port[1]) + 1));
        RegCloseKey(key);
        theSerialPort.AttachLine(&gated);
        theSerialPort.Settings().portName = "COM3";
        app.WriteProfileString("COM", nullptr, nullptr);
    }
    void TearDown() override {
        gated.Open();
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPortKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            for (const auto& port : kSeededPorts)
                RegDeleteValueA(key, port[0]);
            RegCloseKey(key);
        }
        app.WriteProfileString("COM", nullptr, nullptr);
        DialogLinkFixture::TearDown();
    }

    static bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 20000) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > timeoutMs)
                return false;
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            Sleep(5);
        }
        return true;
    }
    static bool Enabled(CWnd* wnd, int id) { return wnd->GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    static void Select(CWnd* wnd, int id, const char* text) {
        wnd->SendDlgItemMessage(id, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    }
    size_t LinkTests() const {
        const std::string letters = SentLetters();
        return std::count(letters.begin(), letters.end(), '@');
    }

    GatedLine gated{link};
};

}  // namespace

TEST_F(CommSettingsDialog, PortsComeFromTheSystemList) {
    std::vector<CString> ports;
    ASSERT_TRUE(ListSerialPorts(ports));
    EXPECT_NE(ports.end(), std::find(ports.begin(), ports.end(), CString("COM7")));
    CString chosen, station, baud, parity, dataBits, stopBits, pc;
    CCommSettingsDlg dialog;
    ModalScript script({[&](CWnd* wnd) {
        chosen = ItemText(wnd, IDC_COMM_PORT);
        station = ItemText(wnd, IDC_COMM_PLC_STATION);
        baud = ItemText(wnd, IDC_COMM_BAUD);
        parity = ItemText(wnd, IDC_COMM_PARITY);
        dataBits = ItemText(wnd, IDC_COMM_DATA_BITS);
        stopBits = ItemText(wnd, IDC_COMM_STOP_BITS);
        pc = ItemText(wnd, IDC_COMM_PC_STATION);
        SaveImage(wnd, "comm_settings_dialog.bmp");
        PressButton(wnd, IDCANCEL);
    }});
    dialog.DoModal();
    EXPECT_EQ("COM3", chosen);
    EXPECT_EQ("1", station);
    EXPECT_EQ("9600", baud);
    EXPECT_EQ("无校验", parity);
    EXPECT_EQ("8", dataBits);
    EXPECT_EQ("1", stopBits);
    EXPECT_EQ("0", pc);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CommSettingsDialog, OkSavesTheListsAndDataBitsStayEight) {
    CString dataBits;
    CCommSettingsDlg dialog;
    ModalScript script({[&](CWnd* wnd) {
        Select(wnd, IDC_COMM_PORT, "COM7");
        Select(wnd, IDC_COMM_PLC_STATION, "12");
        Select(wnd, IDC_COMM_BAUD, "19200");
        Select(wnd, IDC_COMM_PARITY, "偶校验");
        wnd->SendDlgItemMessage(IDC_COMM_DATA_BITS, CB_SETCURSEL, 0);
        wnd->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COMM_DATA_BITS, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(wnd->GetDlgItem(IDC_COMM_DATA_BITS)->m_hWnd));
        dataBits = ItemText(wnd, IDC_COMM_DATA_BITS);
        PressButton(wnd, IDOK);
    }});
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("8", dataBits);
    const SerialSettings& settings = theSerialPort.Settings();
    EXPECT_EQ("COM7", settings.portName);
    EXPECT_EQ(12, settings.station);
    EXPECT_EQ(19200, settings.baudRate);
    EXPECT_EQ(2, settings.parity);
    const struct {
        const char* entry;
        const char* value;
    } saved[] = {{"DestAddr", "12"}, {"PORT", "COM7"}, {"Baud", "19200"}, {"Parity", "偶校验"}, {"DataBits", "8"}, {"StopBits", "1"}};
    for (const auto& s : saved)
        EXPECT_EQ(s.value, app.GetProfileString("COM", s.entry)) << s.entry;
}

TEST_F(CommSettingsDialog, DetectionFindsTheStationAfterStationOnesFifteenCombinations) {
    plc.State().station = 2;
    CString status, station, baud, parity;
    bool finished = false, controlsBack = false;
    CCommSettingsDlg dialog;
    ModalScript script({[&](CWnd* wnd) {
        Select(wnd, IDC_COMM_PORT, "COM7");
        PressButton(wnd, IDC_COMM_DETECT);
        finished = PumpUntil([&] { return !dialog.IsDetecting(); });
        status = ItemText(wnd, IDC_COMM_DETECT_STATUS);
        station = ItemText(wnd, IDC_COMM_PLC_STATION);
        baud = ItemText(wnd, IDC_COMM_BAUD);
        parity = ItemText(wnd, IDC_COMM_PARITY);
        controlsBack = Enabled(wnd, IDOK) && Enabled(wnd, IDC_COMM_DETECT) && Enabled(wnd, IDC_COMM_BAUD);
        PressButton(wnd, IDCANCEL);
    }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    ASSERT_TRUE(finished);
    EXPECT_EQ("检测成功！各参数已设置。", status);
    EXPECT_EQ(16u, LinkTests());
    EXPECT_EQ(2, link.Requests().back()[0]);
    EXPECT_EQ("2", station);
    EXPECT_EQ("38400", baud);
    EXPECT_EQ("无校验", parity);
    EXPECT_TRUE(controlsBack);
    // Cancel keeps the found settings for the running program, not in the profile.
    const SerialSettings& settings = theSerialPort.Settings();
    EXPECT_EQ("COM7", settings.portName);
    EXPECT_EQ(2, settings.station);
    EXPECT_EQ(38400, settings.baudRate);
    EXPECT_EQ(0, settings.parity);
    EXPECT_EQ("", app.GetProfileString("COM", "DestAddr"));
    EXPECT_FALSE(theSerialPort.IsOpen());
}

TEST_F(CommSettingsDialog, StopRestoresTheSettingsAndEscCannotCloseMeanwhile) {
    plc.State().station = 9;
    gated.CloseAfter(5);
    CString status, baud, searching;
    bool finished = false, openAfterEsc = false, lockedWhileSearching = false;
    CCommSettingsDlg dialog;
    ModalScript script({[&](CWnd* wnd) {
        Select(wnd, IDC_COMM_PORT, "COM7");
        Select(wnd, IDC_COMM_BAUD, "4800");  // chosen, not saved
        PressButton(wnd, IDC_COMM_DETECT);
        ASSERT_TRUE(gated.WaitUntilHeld());
        PumpUntil([&] { return ItemText(wnd, IDC_COMM_DETECT_STATUS) == "正在检测..."; });
        searching = ItemText(wnd, IDC_COMM_DETECT_STATUS);
        SaveImage(wnd, "comm_settings_detecting.bmp");
        lockedWhileSearching = !Enabled(wnd, IDOK) && !Enabled(wnd, IDCANCEL) && !Enabled(wnd, IDC_COMM_PORT) &&
                               Enabled(wnd, IDC_COMM_STOP_DETECT);
        wnd->SendMessage(WM_COMMAND, IDCANCEL);
        wnd->SendMessage(WM_CLOSE);
        openAfterEsc = ::IsWindowVisible(wnd->m_hWnd) && dialog.IsDetecting();
        PressButton(wnd, IDC_COMM_STOP_DETECT);
        gated.Open();
        finished = PumpUntil([&] { return !dialog.IsDetecting(); });
        status = ItemText(wnd, IDC_COMM_DETECT_STATUS);
        baud = ItemText(wnd, IDC_COMM_BAUD);
        PressButton(wnd, IDCANCEL);
    }});
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    ASSERT_TRUE(finished);
    EXPECT_EQ("正在检测...", searching);
    EXPECT_TRUE(lockedWhileSearching);
    EXPECT_TRUE(openAfterEsc);
    EXPECT_EQ("由用户停止检测！", status);
    EXPECT_EQ("4800", baud);  // the lists as the user left them
    EXPECT_EQ(6u, LinkTests());  // the one under way ends, no next one starts
    const SerialSettings& settings = theSerialPort.Settings();
    EXPECT_EQ("COM3", settings.portName);
    EXPECT_EQ(1, settings.station);
    EXPECT_EQ(9600, settings.baudRate);
    EXPECT_FALSE(theSerialPort.IsOpen());
}

TEST_F(CommSettingsDialog, DestroyedMidSearchItWaitsForTheWorker) {
    plc.State().station = 9;
    gated.CloseAfter(3);
    CCommSettingsDlg dialog;
    HANDLE opener = nullptr;
    ModalScript script({[&](CWnd* wnd) {
        Select(wnd, IDC_COMM_PORT, "COM7");
        PressButton(wnd, IDC_COMM_DETECT);
        ASSERT_TRUE(gated.WaitUntilHeld());
        opener = CreateThread(nullptr, 0, [](LPVOID line) -> DWORD {
            Sleep(300);
            static_cast<GatedLine*>(line)->Open();
            return 0;
        }, &gated, 0, nullptr);
        static_cast<CDialog*>(wnd)->EndDialog(IDABORT);
    }});
    EXPECT_EQ(IDABORT, dialog.DoModal());
    EXPECT_FALSE(dialog.IsDetecting());
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(opener, 0));  // the gate was opened before the dialog was gone
    CloseHandle(opener);
    const LONG writes = gated.Writes();
    Sleep(100);
    EXPECT_EQ(writes, gated.Writes());  // nothing runs on
    EXPECT_EQ("COM3", theSerialPort.Settings().portName);
    EXPECT_EQ(1, theSerialPort.Settings().station);
    EXPECT_FALSE(theSerialPort.IsOpen());
}

TEST_F(CommSettingsDialog, PortThatDoesNotOpenStopsBeforeTheSearch) {
    link.SetOpen(false);
    CString status;
    CCommSettingsDlg dialog;
    ModalScript script({[&](CWnd* wnd) {
        Select(wnd, IDC_COMM_PORT, "COM7");
        PressButton(wnd, IDC_COMM_DETECT);
        status = ItemText(wnd, IDC_COMM_DETECT_STATUS);
        PressButton(wnd, IDCANCEL);
    }});
    dialog.DoModal();
    EXPECT_EQ("通讯口操作失败，停止检测！", status);
    EXPECT_EQ(0u, LinkTests());
    EXPECT_EQ("COM3", theSerialPort.Settings().portName);
}

TEST_F(CommSettingsDialog, SearchWithoutAnswerTriesEveryCombinationAndRestores) {
    plc.State().station = 40;  // beyond the stations searched
    CString status;
    CCommSettingsDlg dialog;
    ModalScript script({[&](CWnd* wnd) {
        Select(wnd, IDC_COMM_PORT, "COM7");
        PressButton(wnd, IDC_COMM_DETECT);
        PumpUntil([&] { return !dialog.IsDetecting(); }, 60000);
        status = ItemText(wnd, IDC_COMM_DETECT_STATUS);
        PressButton(wnd, IDCANCEL);
    }});
    dialog.DoModal();
    EXPECT_EQ("没有检测到合适的参数", status);
    EXPECT_EQ(465u, LinkTests());
    EXPECT_EQ("COM3", theSerialPort.Settings().portName);
    EXPECT_EQ(9600, theSerialPort.Settings().baudRate);
    EXPECT_FALSE(theSerialPort.IsOpen());
}
