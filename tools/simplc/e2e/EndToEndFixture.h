#pragma once
#include "comm/SerialPort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The program's side of a linked pair of ports, the simulated PLC program on the other
// side. The run script names the port and the simulator's control file in
// SIMPLC_PC_PORT and SIMPLC_CONTROL; without them the tests are skipped.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Simulator(const std::string& commands);
    // An image file in the temporary folder, for downloads.
    std::string WriteImage(const std::vector<uint8_t>& image);

    std::string portName;
    std::string controlPath;
    std::vector<std::string> imageFiles;
};
