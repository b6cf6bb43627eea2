#pragma once
#include "comm/ReplyTimeouts.h"
#include "comm/SerialPort.h"
#include "platform/MessageBox.h"
#include "tests/comm/InProcessLink.h"
#include "tools/simplc/SimulatedPlc.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Message boxes of the communication layer, recorded and answered by the test.
struct RecordedMessage {
    std::string text;
    std::string caption;
    UINT type;
};

class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    std::vector<RecordedMessage> shown;
    int answer = IDOK;  // what every box returns
    std::function<void(const RecordedMessage&)> onShow;  // called while the box is up

private:
    MessageBoxHandler m_previous;
};

// theSerialPort carried by an in-process link to a simulated PLC at 9600 baud.
class PlcLinkFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The letters of the requests sent so far, in order.
    std::string SentLetters() const;

    SimulatedPlc plc;
    InProcessLink link{plc};
    MessageBoxRecorder messages;
};
