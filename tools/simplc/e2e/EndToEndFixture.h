#pragma once
#include "comm/SerialPort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The program's side of a linked pair of ports, the simulated PLC program on the other
// side. The run script names the port, the simulator's control file and its log in
// SIMPLC_PC_PORT, SIMPLC_CONTROL and SIMPLC_LOG; without them the tests are skipped.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Simulator(const std::string& commands);
    // The letters of the requests the simulated PLC received since the last call (or
    // since the test began), from its log.
    std::string NewSimulatorRequests();
    // An image file in the temporary folder, for downloads.
    std::string WriteImage(const std::vector<uint8_t>& image);

    std::string portName;
    std::string controlPath;
    std::string logPath;
    size_t logLinesSeen = 0;
    std::vector<std::string> imageFiles;
};
