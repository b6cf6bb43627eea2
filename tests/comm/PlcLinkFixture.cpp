#include "tests/comm/PlcLinkFixture.h"

#include "comm/CommMessageBox.h"

std::vector<RecordedMessage> MessageBoxRecorder::shown;
int MessageBoxRecorder::answer = IDOK;

namespace {
int RecordMessage(HWND, const char* text, const char* caption, UINT type) {
    MessageBoxRecorder::shown.push_back({text, caption, type});
    return MessageBoxRecorder::answer;
}
}  // namespace

MessageBoxRecorder::MessageBoxRecorder() {
    shown.clear();
    answer = IDOK;
    SetCommMessageBoxHook(RecordMessage);
}

MessageBoxRecorder::~MessageBoxRecorder() { SetCommMessageBoxHook(nullptr); }

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
