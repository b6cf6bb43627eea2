#include "tests/comm/PlcLinkFixture.h"

MessageBoxRecorder::MessageBoxRecorder() {
    m_previous = AfxSetMessageBoxHandler([this](HWND, LPCSTR text, LPCSTR caption, UINT type) {
        shown.push_back({text, caption, type});
        if (onShow)
            onShow(shown.back());
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { AfxSetMessageBoxHandler(m_previous); }

void PlcLinkFixture::SetUp() {
    theSerialPort.Settings() = SerialSettings();
    theSerialPort.AttachLine(&link);
    SetReplyTimeoutsForCpuClass(1);
}

void PlcLinkFixture::TearDown() { theSerialPort.AttachLine(nullptr); }

std::string PlcLinkFixture::SentLetters() const {
    std::string letters;
    for (const std::vector<uint8_t>& request : link.Requests())
        letters += static_cast<char>(request[1]);
    return letters;
}
