#include "platform/CFile.h"
#include "platform/CMemFile.h"
#include "platform/CStdioFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A fresh folder under the temporary folder, removed with its files afterwards.
class FileTest : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_.Format("%stx_file_%lu_%s", temp, GetCurrentProcessId(),
                       testing::UnitTest::GetInstance()->current_test_info()->name());
        CreateDirectoryA(folder_, nullptr);
    }

    void TearDown() override {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(folder_ + "\\*", &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileA(folder_ + "\\" + found.cFileName);
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder_);
    }

    CString PathOf(const char* name) const { return folder_ + "\\" + name; }

    std::string ReadAll(const char* name) const {
        CFile file(PathOf(name), CFile::modeRead);
        std::string bytes(file.GetLength(), '\0');
        file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
        return bytes;
    }

    void WriteAll(const char* name, const std::string& bytes) const {
        CFile file(PathOf(name), CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
        file.Close();
    }

    CString folder_;
};

// The cause of the CFileException that `action` throws, or -1.
template <typename Action>
int FileFailure(Action action) {
    try {
        action();
    } catch (CFileException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

}  // namespace

TEST_F(FileTest, WriteSeekReadAndResize) {
    CFile file;
    ASSERT_TRUE(file.Open(PathOf("data.bin"), CFile::modeCreate | CFile::modeReadWrite));
    file.Write("0123456789", 10);
    EXPECT_EQ(10u, file.GetLength());
    EXPECT_EQ(10u, file.GetPosition());
    EXPECT_EQ(3, file.Seek(3, CFile::begin));
    char buffer[16] = {};
    EXPECT_EQ(4u, file.Read(buffer, 4));
    EXPECT_STREQ("3456", buffer);
    EXPECT_EQ(9, file.Seek(-1, CFile::end));
    EXPECT_EQ(1u, file.Read(buffer, sizeof buffer));
    EXPECT_EQ(0u, file.Read(buffer, sizeof buffer));
    file.SetLength(4);
    EXPECT_EQ(4u, file.GetLength());
    EXPECT_EQ(4u, file.SeekToEnd());
    file.Close();
    EXPECT_EQ(INVALID_HANDLE_VALUE, file.m_hFile);
    EXPECT_EQ("0123", ReadAll("data.bin"));
}

TEST_F(FileTest, CreateTruncatesUnlessNoTruncate) {
    WriteAll("keep.txt", "old text");
    CFile keep(PathOf("keep.txt"), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    EXPECT_EQ(8u, keep.GetLength());
    keep.Close();
    CFile truncate(PathOf("keep.txt"), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(0u, truncate.GetLength());
}

TEST_F(FileTest, PathAndNameOfAGbkFileName) {
    // 乗 ends in the byte '\\': the name must not be cut there.
    CFile file(PathOf("工程乗"), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(CString("工程乗"), file.GetFileName());
    EXPECT_EQ(PathOf("工程乗").CompareNoCase(file.GetFilePath()), 0);
}

TEST_F(FileTest, OpenFailureIsReportedWithItsCause) {
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(PathOf("missing.txt"), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, error.m_lOsError);
    EXPECT_EQ(PathOf("missing.txt"), error.m_strFileName);
    EXPECT_EQ(INVALID_HANDLE_VALUE, file.m_hFile);

    EXPECT_FALSE(file.Open(PathOf("no folder\\x.txt"), CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(CFileException::badPath, error.m_cause);

    EXPECT_EQ(CFileException::fileNotFound,
              FileFailure([&] { CFile thrown(PathOf("missing.txt"), CFile::modeRead); }));
}

TEST_F(FileTest, ShareModes) {
    WriteAll("shared.txt", "x");
    CFile exclusive(PathOf("shared.txt"), CFile::modeRead | CFile::shareExclusive);
    CFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(PathOf("shared.txt"), CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
    exclusive.Close();

    CFile reader(PathOf("shared.txt"), CFile::modeRead | CFile::shareDenyWrite);
    EXPECT_TRUE(second.Open(PathOf("shared.txt"), CFile::modeRead | CFile::shareDenyWrite));
}

TEST_F(FileTest, RenameAndRemove) {
    WriteAll("a.txt", "abc");
    CFile::Rename(PathOf("a.txt"), PathOf("b.txt"));
    EXPECT_EQ("abc", ReadAll("b.txt"));
    CFile::Remove(PathOf("b.txt"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf("b.txt")));
    EXPECT_EQ(CFileException::fileNotFound, FileFailure([&] { CFile::Remove(PathOf("b.txt")); }));
    EXPECT_EQ(CFileException::fileNotFound,
              FileFailure([&] { CFile::Rename(PathOf("b.txt"), PathOf("c.txt")); }));
}

TEST(CFileException, OsErrorsMapToCauses) {
    const struct {
        LONG osError;
        int cause;
    } cases[] = {
        {NO_ERROR, CFileException::none},
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_INVALID_NAME, CFileException::badPath},
        {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {ERROR_WRITE_PROTECT, CFileException::accessDenied},
        {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
        {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
        {ERROR_CRC, CFileException::hardIO},
        {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
        {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {ERROR_NOT_ENOUGH_MEMORY, CFileException::genericException},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.cause, CFileException::OsErrorToException(c.osError)) << c.osError;

    try {
        CFileException::ThrowOsError(ERROR_ACCESS_DENIED, "x.txt");
        FAIL() << "nothing thrown";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::accessDenied, e->m_cause);
        EXPECT_EQ(ERROR_ACCESS_DENIED, e->m_lOsError);
        EXPECT_EQ(CString("x.txt"), e->m_strFileName);
        e->Delete();
    }
}

TEST_F(FileTest, StdioTextModeTranslatesLineEnds) {
    CStdioFile out(PathOf("lines.txt"), CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    out.WriteString("工程\n");
    out.WriteString("second\r\nthird");
    out.Close();
    EXPECT_EQ("工程\r\nsecond\r\r\nthird", ReadAll("lines.txt"));

    WriteAll("lines.txt", "one\r\n\r\n" + std::string(300, 'x') + "\nlast");
    CStdioFile in(PathOf("lines.txt"), CFile::modeRead | CFile::typeText);
    CString line;
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(CString("one"), line);
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(CString(""), line);
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(300, line.GetLength());
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(CString("last"), line);
    EXPECT_FALSE(in.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());
}

TEST_F(FileTest, StdioBufferReadKeepsTheLineEnd) {
    WriteAll("lines.txt", "ab\r\ncdefgh\r\n");
    CStdioFile in(PathOf("lines.txt"), CFile::modeRead);
    char buffer[5];
    EXPECT_STREQ("ab\n", in.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ("cdef", in.ReadString(buffer, sizeof buffer));
    EXPECT_STREQ("gh\n", in.ReadString(buffer, sizeof buffer));
    EXPECT_EQ(nullptr, in.ReadString(buffer, sizeof buffer));
}

TEST_F(FileTest, StdioBinaryModeKeepsBytes) {
    CStdioFile out(PathOf("raw.bin"), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    out.WriteString("a\nb\r\n");
    EXPECT_EQ(5u, out.GetLength());
    out.Close();
    EXPECT_EQ("a\nb\r\n", ReadAll("raw.bin"));

    CStdioFile in(PathOf("raw.bin"), CFile::modeRead | CFile::typeBinary);
    char bytes[8] = {};
    EXPECT_EQ(5u, in.Read(bytes, sizeof bytes));
    EXPECT_STREQ("a\nb\r\n", bytes);
    EXPECT_EQ(2, in.Seek(2, CFile::begin));
    EXPECT_EQ(2u, in.GetPosition());
}

TEST_F(FileTest, StdioOpenFailure) {
    CStdioFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(PathOf("missing.txt"), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(nullptr, file.m_pStream);
}

TEST(CMemFile, GrowsAndReadsBack) {
    CMemFile file(4);
    const std::string text(1000, 'a');
    file.Write(text.data(), 1000);
    file.Write("xyz", 3);
    EXPECT_EQ(1003u, file.GetLength());
    EXPECT_EQ(1000, file.Seek(-3, CFile::end));
    char buffer[8] = {};
    EXPECT_EQ(3u, file.Read(buffer, 7));
    EXPECT_STREQ("xyz", buffer);
    EXPECT_EQ(0u, file.Read(buffer, 7));

    // A write past the end fills the gap with zeros.
    file.Seek(1005, CFile::begin);
    file.Write("!", 1);
    EXPECT_EQ(1006u, file.GetLength());
    file.Seek(1002, CFile::begin);
    EXPECT_EQ(4u, file.Read(buffer, 4));
    EXPECT_EQ(0, std::memcmp(buffer, "z\0\0!", 4));

    EXPECT_EQ(CFileException::badSeek, FileFailure([&] { file.Seek(-1, CFile::begin); }));
    file.SetLength(2);
    EXPECT_EQ(2u, file.GetLength());
    EXPECT_EQ(2u, file.GetPosition());
}

TEST(CMemFile, DetachHandsOverTheMemory) {
    CMemFile file;
    file.Write("abc", 3);
    BYTE* memory = file.Detach();
    EXPECT_EQ(0, std::memcmp(memory, "abc", 3));
    EXPECT_EQ(0u, file.GetLength());
    std::free(memory);
    file.Write("d", 1);
    EXPECT_EQ(1u, file.GetLength());
}

TEST(CMemFile, AttachedBlock) {
    BYTE fixed[4] = {'w', 'x', 'y', 'z'};
    CMemFile reader(fixed, sizeof fixed);
    EXPECT_EQ(4u, reader.GetLength());
    reader.Write("AB", 2);
    EXPECT_EQ('A', fixed[0]);
    EXPECT_EQ(CFileException::diskFull, FileFailure([&] { reader.Write("CDE", 3); }));
    reader.Close();
    EXPECT_EQ('y', fixed[2]);  // the caller's block stays the caller's

    BYTE* growing = static_cast<BYTE*>(std::malloc(2));
    CMemFile writer(growing, 2, 16);
    EXPECT_EQ(0u, writer.GetLength());
    writer.Write("0123456789", 10);
    BYTE* result = writer.Detach();
    EXPECT_EQ(0, std::memcmp(result, "0123456789", 10));
    std::free(result);
}
