#include "tools/simplc/e2e/EndToEndFixture.h"

#include "platform/MessageBox.h"
#include "comm/ReplyTimeouts.h"
#include "tools/simplc/SampleImage.h"
#include "tools/simplc/e2e/SimPlcControl.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

// No box may wait for a user here; what would have been shown goes to the test log.
int LogMessage(HWND, const char* text, const char* caption, UINT) {
    std::fprintf(stderr, "[message] %s\n", caption);
    return IDOK;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

void EndToEnd::SetUp() {
    portName = Environment("SIMPLC_PC_PORT");
    controlPath = Environment("SIMPLC_CONTROL");
    logPath = Environment("SIMPLC_LOG");
    if (portName.empty() || controlPath.empty() || logPath.empty())
        GTEST_SKIP() << "no simulated PLC on a linked port";
    AfxSetMessageBoxHandler(LogMessage);
    theSerialPort.Settings() = SerialSettings();
    theSerialPort.Settings().portName = portName.c_str();
    SetReplyTimeoutsForCpuClass(1);
    Simulator("clear");
    NewSimulatorRequests();
    ASSERT_EQ(kCommOk, OpenCommPort(nullptr));
}

void EndToEnd::TearDown() {
    theSerialPort.ClosePort();
    EXPECT_FALSE(theSerialPort.IsOpen());
    EXPECT_EQ(nullptr, theSerialPort.Handle());
    for (const std::string& file : imageFiles)
        DeleteFileA(file.c_str());
    AfxSetMessageBoxHandler(nullptr);
}

void EndToEnd::Simulator(const std::string& commands) {
    ASSERT_TRUE(SendSimPlcCommands(controlPath, commands)) << "the simulator did not take: " << commands;
}

std::string EndToEnd::WriteImage(const std::vector<uint8_t>& image) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "e2e-image-" + std::to_string(imageFiles.size()) + ".obj";
    EXPECT_TRUE(WriteImageFile(path, image));
    imageFiles.push_back(path);
    return path;
}

// The log has a line "<ticks> RX <frame bytes in hex>" for every request; the second byte
// is the letter.
std::string EndToEnd::NewSimulatorRequests() {
    std::ifstream log(logPath);
    std::string line, letters;
    size_t number = 0;
    while (std::getline(log, line)) {
        if (number++ < logLinesSeen)
            continue;
        const size_t rx = line.find(" RX ");
        unsigned letter = 0;
        if (rx != std::string::npos && std::sscanf(line.c_str() + rx + 4, "%*x %x", &letter) == 1)
            letters += static_cast<char>(letter);
    }
    logLinesSeen = number;
    return letters;
}
