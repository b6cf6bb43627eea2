#include "comm/SerialPort.h"
#include "comm/ShowCommError.h"
#include "tests/comm/PlcLinkFixture.h"

#include <gtest/gtest.h>

TEST(SerialPort, LineSettingsAndReadIntervalFollowTheSettings) {
    struct Case {
        int baud;
        uint8_t parity;
        const char* text;
        int readInterval;
    };
    const Case cases[] = {
        {2400, 0, "baud=2400 parity=N data=8 stop=1", 120},
        {4800, 1, "baud=4800 parity=O data=8 stop=1", 50},
        {9600, 2, "baud=9600 parity=E data=8 stop=1", 20},
        {19200, 0, "baud=19200 parity=N data=8 stop=1", 10},
        {38400, 0, "baud=38400 parity=N data=8 stop=1", 10},
    };
    CSerialPort port;
    for (const Case& c : cases) {
        port.Settings().baudRate = c.baud;
        port.Settings().parity = c.parity;
        EXPECT_EQ(c.text, port.LineSettingsText());
        EXPECT_EQ(c.readInterval, CSerialPort::ReadIntervalForBaud(c.baud));
    }
}

TEST(SerialPort, FailedOpenLeavesNothingToCloseAndIsReported) {
    MessageBoxRecorder messages;
    CSerialPort& port = theSerialPort;
    const SerialSettings saved = port.Settings();
    port.Settings().portName = "COM219";
    EXPECT_EQ(kCommOpenFailed, OpenCommPort(nullptr));
    EXPECT_EQ(INVALID_HANDLE_VALUE, port.Handle());
    EXPECT_FALSE(port.IsOpen());
    port.ClosePort();
    EXPECT_EQ(nullptr, port.Handle());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("指定的通讯口不存在", messages.shown[0].text);
    EXPECT_EQ("错误", messages.shown[0].caption);
    EXPECT_FALSE(port.SendFrame(3));
    EXPECT_EQ(kCommPortClosed, port.ReceiveFrame());
    port.Settings() = saved;
}

TEST(SerialPort, CopiedSettingsCarryNoHandle) {
    CSerialPort source;
    source.Settings().portName = "COM7";
    source.Settings().baudRate = 19200;
    source.Settings().station = 12;
    CSerialPort copy;
    copy.CopySettings(source);
    EXPECT_EQ("COM7", copy.Settings().portName);
    EXPECT_EQ(19200, copy.Settings().baudRate);
    EXPECT_EQ(12, copy.Settings().station);
    EXPECT_EQ(nullptr, copy.Handle());
    EXPECT_FALSE(copy.ApplyLineSettings());
}

TEST(ShowCommError, MessagesByCode) {
    struct Case {
        CommResult code;
        const char* caption;
        const char* text;
    };
    const Case cases[] = {
        {kCommNoReply, "提示", "通讯超时错误，通讯失败！\r\n请检查通讯参数配置是否准确，通讯线路、计算机通讯口以及PLC工作是否正常。"},
        {kCommWrongBlock, "提示", "PLC响应错误（数据包号），通讯失败！"},
        {kCommSendFailed, "错误", "数据数据发送错误，通讯失败！\r\n请检查通讯线路、计算机通讯口或者重新启动计算机。"},
        {kCommPortClosed, "错误", "指定的通讯口尚未打开，通讯失败！"},
        {kCommUploadForbidden, "提示", "PLC中的当前工程被设置成不允许上载，上载终止！"},
        {2, "提示", "通讯异常！"},
        {kCommReplyTooLong, "提示", "通讯异常！"},
        {kCommShortMonitorData, "提示", "通讯异常！"},
        {kCommNoMemory, "提示", "通讯异常！"},
    };
    MessageBoxRecorder messages;
    for (const Case& c : cases) {
        messages.shown.clear();
        ShowCommError(nullptr, c.code, 'A');
        ASSERT_EQ(1u, messages.shown.size());
        EXPECT_EQ(c.caption, messages.shown[0].caption) << c.code;
        EXPECT_EQ(c.text, messages.shown[0].text) << c.code;
        EXPECT_EQ(UINT(MB_OK | MB_ICONERROR), messages.shown[0].type);
    }
}
