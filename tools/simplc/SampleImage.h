#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A target image in the PLC's section layout, for the tests that download one: a
// directory with the project CRC, a module table, CPU settings, `programBytes` of
// program, no initial data, and the monitor lists.
struct SampleImageSpec {
    size_t programBytes = 300;
    uint16_t projectCrc = 0x1234;
    std::vector<uint16_t> monitorCodes;  // bytes, words, timers/counters, double words
    uint16_t monitorDataSize = 0;
};

std::vector<uint8_t> MakeSampleImage(const SampleImageSpec& spec);
bool WriteImageFile(const std::string& path, const std::vector<uint8_t>& image);
