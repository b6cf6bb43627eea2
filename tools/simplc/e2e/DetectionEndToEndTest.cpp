#include "comm/SerialDetection.h"
#include "tools/simplc/e2e/EndToEndFixture.h"

// The automatic detection over the linked ports. Pseudo-terminals carry every baud rate
// and parity alike, so the search is told apart by station: a PLC at station 2 answers
// the first combination after station 1's fifteen.
TEST_F(EndToEnd, DetectionFindsThePlcAtStationTwo) {
    Simulator("station 2");
    theSerialPort.ClosePort();
    theSerialPort.Settings().baudRate = 4800;
    const SerialSettings before = theSerialPort.Settings();
    ASSERT_TRUE(theSerialPort.OpenPortOnly());
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    CSerialDetection detection;
    ASSERT_TRUE(detection.Start(window, before));
    int status = -1;
    std::vector<int> statuses;
    const DWORD start = GetTickCount();
    while (status < 0 && GetTickCount() - start < 120000) {
        MSG message;
        if (!PeekMessageA(&message, window, WM_DETECTION_STATUS, WM_DETECTION_DONE, PM_REMOVE)) {
            Sleep(20);
            continue;
        }
        statuses.push_back(static_cast<int>(message.wParam));
        if (message.message == WM_DETECTION_DONE)
            status = static_cast<int>(message.wParam);
    }
    detection.StopAndJoin();
    DestroyWindow(window);
    ASSERT_EQ(static_cast<int>(DetectionStatus::Found), status);
    EXPECT_EQ((std::vector<int>{static_cast<int>(DetectionStatus::Searching), status}), statuses);
    const SerialSettings& found = theSerialPort.Settings();
    EXPECT_EQ(2, found.station);
    EXPECT_EQ(38400, found.baudRate);
    EXPECT_EQ(0, found.parity);
    EXPECT_EQ(8, found.dataBits);
    EXPECT_EQ(1, found.stopBits);
    EXPECT_FALSE(theSerialPort.IsOpen());
    Simulator("clear");
}
