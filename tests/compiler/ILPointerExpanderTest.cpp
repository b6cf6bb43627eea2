#include "compiler/ILPointerExpander.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

class ILPointerExpanderTest : public testing::Test {
protected:
    void SetUp() override {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        source = std::string(folder) + "tx_expand_SBR02_PUMP.ilp";
        destination = std::string(folder) + "~tx_expand_SBR02_PUMP.ilp";
    }
    void TearDown() override {
        DeleteFileA(source.c_str());
        DeleteFileA(destination.c_str());
    }
    static void WriteBytes(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
    static std::string ReadBytes(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    static bool Exists(const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::string source;
    std::string destination;
    const CILPointerExpander expander;
};

TEST_F(ILPointerExpanderTest, WritesLinesUnchangedWithCrLf) {
    WriteBytes(source, "(*1*)\nLD *VD100 (* ptr *)\r\nST %Q0.0, X\n\nlast");
    EXPECT_TRUE(expander.ExpandFile(source.c_str(), destination.c_str()));
    EXPECT_EQ("(*1*)\r\nLD *VD100 (* ptr *)\r\nST %Q0.0, X\r\n\r\nlast\r\n", ReadBytes(destination));
}

TEST_F(ILPointerExpanderTest, EmptySourceReplacesAnEarlierCopy) {
    WriteBytes(destination, "LD OLD\r\n");
    WriteBytes(source, "");
    EXPECT_TRUE(expander.ExpandFile(source.c_str(), destination.c_str()));
    ASSERT_TRUE(Exists(destination));
    EXPECT_EQ("", ReadBytes(destination));
}

TEST_F(ILPointerExpanderTest, MissingSourceRemovesAnEarlierCopy) {
    WriteBytes(destination, "LD OLD\r\n");
    EXPECT_FALSE(expander.ExpandFile(source.c_str(), destination.c_str()));
    EXPECT_FALSE(Exists(destination));
}

TEST_F(ILPointerExpanderTest, ReadLinesDropsLineEnds) {
    WriteBytes(source, "A\r\nB\nC");
    CStringArray lines;
    EXPECT_TRUE(expander.ReadLines(source.c_str(), lines));
    ASSERT_EQ(3, lines.GetSize());
    EXPECT_STREQ("A", lines[0]);
    EXPECT_STREQ("B", lines[1]);
    EXPECT_STREQ("C", lines[2]);
    EXPECT_FALSE(expander.ReadLines("Z:\\no\\such\\file.ilp", lines));
}

}  // namespace
