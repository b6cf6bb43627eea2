#pragma once

#include "compiler/HexListing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

// One line of a hex listing read back: the first line of a listing is the block header,
// the others a statement with its code bytes after a tab.
struct ListingLine {
    std::string statement;
    std::vector<uint8_t> bytes;
    uint16_t Opcode() const { return bytes.size() < 2 ? 0xFFFF : static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }
};

inline std::vector<ListingLine> ReadListing(const std::string& listing) {
    std::vector<ListingLine> read;
    std::istringstream lines(listing);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        EXPECT_EQ("\t\t", line.substr(0, 2)) << line;
        const size_t codeColumn = read.empty() ? 2 : line.find('\t', 2) + 1;
        EXPECT_NE(0u, codeColumn) << line;
        ListingLine entry;
        if (!read.empty()) entry.statement = line.substr(2, codeColumn - 3);
        entry.statement.erase(entry.statement.find_last_not_of(' ') + 1);
        std::istringstream hex(line.substr(codeColumn));
        std::string group;
        while (hex >> group)
            for (size_t i = 0; i + 1 < group.size(); i += 2)
                entry.bytes.push_back(static_cast<uint8_t>(std::stoi(group.substr(i, 2), nullptr, 16)));
        read.push_back(entry);
    }
    return read;
}
