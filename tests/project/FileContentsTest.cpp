#include "project/FileContents.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const ULONGLONG kHour = 36000000000ULL;

ULONGLONG WriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    EXPECT_TRUE(::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

void SetWriteTime(const std::string& path, ULONGLONG ticks) {
    HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    FILETIME time = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    EXPECT_TRUE(::SetFileTime(file, nullptr, nullptr, &time));
    ::CloseHandle(file);
}

std::string Bytes(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path.c_str(), bytes));
    return bytes;
}

class FileContents : public ::testing::Test {
protected:
    void SetUp() override { CFileContentCache::Instance().Clear(); }
    void TearDown() override { CFileContentCache::Instance().Clear(); }
    CFileContentCache& cache = CFileContentCache::Instance();
    TempFolder temp;
};

TEST_F(FileContents, ReadsAndWritesWholeFiles) {
    const std::string path = temp / "a.ilv";
    std::string bytes = "left";
    EXPECT_FALSE(ReadFileBytes(path.c_str(), bytes));
    EXPECT_EQ("", bytes);
    EXPECT_TRUE(WriteFileIfChanged(path.c_str(), "VAR\r\nEND_VAR\r\n"));
    EXPECT_EQ("VAR\r\nEND_VAR\r\n", Bytes(path));
    // A shorter text is not followed by the end of the longer one.
    EXPECT_TRUE(WriteFileIfChanged(path.c_str(), "VAR"));
    EXPECT_EQ("VAR", Bytes(path));
    EXPECT_TRUE(WriteFileIfChanged(path.c_str(), ""));
    EXPECT_EQ("", Bytes(path));
    EXPECT_FALSE(WriteFileIfChanged((temp / "no\\such\\folder.ilv").c_str(), "x"));
}

TEST_F(FileContents, AFileAlreadyHoldingTheBytesIsNotWritten) {
    const std::string path = temp / "~a.ilp";
    temp.WriteFile("~a.ilp", "LD %I0.0\r\n");
    const ULONGLONG old = WriteTime(path) - kHour;
    SetWriteTime(path, old);
    EXPECT_TRUE(WriteFileIfChanged(path.c_str(), "LD %I0.0\r\n"));
    EXPECT_EQ(old, WriteTime(path));
    EXPECT_TRUE(cache.Write(path.c_str(), "LD %I0.0\r\n"));
    EXPECT_EQ(old, WriteTime(path));
    EXPECT_TRUE(cache.Write(path.c_str(), "LD %I0.1\r\n"));
    EXPECT_EQ("LD %I0.1\r\n", Bytes(path));
    EXPECT_NE(old, WriteTime(path));
}

TEST_F(FileContents, AFileChangedRightAfterItWasSeenIsReadAgainEvenWithSizeAndTimeKept) {
    // Write times advance in coarse steps: a same-size change just after a read can keep
    // the write time, so a file written so recently is never taken from memory.
    const std::string path = temp / "MAIN_Main.ilp";
    temp.WriteFile("MAIN_Main.ilp", "(*1*)\r\nLD %I0.0\r\n");
    const ULONGLONG recent = WriteTime(path);
    std::string bytes;
    ASSERT_TRUE(cache.Read(path.c_str(), bytes));
    temp.WriteFile("MAIN_Main.ilp", "(*1*)\r\nLD %I0.1\r\n");
    SetWriteTime(path, recent);
    ASSERT_TRUE(cache.Read(path.c_str(), bytes));
    EXPECT_EQ("(*1*)\r\nLD %I0.1\r\n", bytes);
    // The cache's own writes too.
    ASSERT_TRUE(cache.Write(path.c_str(), "(*1*)\r\nLD %I0.2\r\n"));
    const ULONGLONG written = WriteTime(path);
    temp.WriteFile("MAIN_Main.ilp", "(*1*)\r\nLD %I0.3\r\n");
    SetWriteTime(path, written);
    ASSERT_TRUE(cache.Read(path.c_str(), bytes));
    EXPECT_EQ("(*1*)\r\nLD %I0.3\r\n", bytes);
}

TEST_F(FileContents, ASettledFileIsReadFromMemoryUntilItsSizeOrTimeChanges) {
    const std::string path = temp / "SBR00_S.ilp";
    temp.WriteFile("SBR00_S.ilp", "LD %I0.0\r\n");
    const ULONGLONG old = WriteTime(path) - kHour;
    SetWriteTime(path, old);
    std::string bytes;
    ASSERT_TRUE(cache.Read(path.c_str(), bytes));
    // Changed behind the cache's back with size and time kept: still the kept bytes,
    // which shows the file was not opened.
    temp.WriteFile("SBR00_S.ilp", "LD %I0.9\r\n");
    SetWriteTime(path, old);
    ASSERT_TRUE(cache.Read(path.c_str(), bytes));
    EXPECT_EQ("LD %I0.0\r\n", bytes);
    // Any other time or size is read afresh.
    SetWriteTime(path, old + 1);
    ASSERT_TRUE(cache.Read(path.c_str(), bytes));
    EXPECT_EQ("LD %I0.9\r\n", bytes);
    temp.WriteFile("SBR00_S.ilp", "LD %I0.10\r\n");
    SetWriteTime(path, old + 1);
    ASSERT_TRUE(cache.Read(path.c_str(), bytes));
    EXPECT_EQ("LD %I0.10\r\n", bytes);
    // A file gone is an error, not its old bytes.
    ASSERT_TRUE(::DeleteFileA(path.c_str()));
    EXPECT_FALSE(cache.Read(path.c_str(), bytes));
}

}  // namespace
