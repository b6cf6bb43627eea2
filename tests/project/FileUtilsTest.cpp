#include "project/FileUtils.h"

#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A GBK character whose trail byte is "\".
const std::string TrailBackslash = "\xB1\x5C";

std::string CurrentFolder() {
    char folder[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    return folder;
}

}  // namespace

TEST(FileUtils, IsAllDigits) {
    const struct { const char* text; BOOL expected; } cases[] = {
        {"", FALSE}, {"0", TRUE}, {"0123456789", TRUE}, {"12 3", FALSE}, {" 1", FALSE},
        {"12a", FALSE}, {"-1", FALSE}, {"\xA3\xB1", FALSE},  // full-width digit one
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, IsAllDigits(c.text)) << c.text;
}

TEST(FileUtils, PathParts) {
    const struct { std::string path, ext, name, folder; } cases[] = {
        {"c:\\p\\MAIN_main.ilp", "ilp", "MAIN_main.ilp", "c:\\p\\"},
        {"c:x.qpr", "qpr", "x.qpr", "c:"},
        {"x.tar.gz", "gz", "x.tar.gz", ""},
        {"name.", "", "name.", ""},
        {"c:\\dir\\name", "", "name", "c:\\dir\\"},
        {"", "", "", ""},
        {"c:\\d\\" + TrailBackslash + "x.ilv", "ilv", TrailBackslash + "x.ilv", "c:\\d\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_STREQ(c.ext.c_str(), GetFileExt(c.path.c_str()));
        EXPECT_STREQ(c.name.c_str(), GetFileNamePart(c.path.c_str()));
        EXPECT_STREQ(c.folder.c_str(), GetFolderPart(c.path.c_str()));
    }
}

TEST(FileUtils, ReplaceFileExt) {
    const struct { std::string path, expected; } cases[] = {
        {"c:\\p\\MAIN_main.ilp", "c:\\p\\MAIN_main.hex"},
        {"x.tar.gz", "x.tar.hex"},
        {"name", ""},                         // no extension is added
        {"c:\\dir.d\\name", ""},              // a dot in a folder name does not count
        {"c:name", ""},
        {".hidden", ""},                      // the first character is never taken
        {"a..b", "a.hex"},                    // a pair of dots is passed over
        {"a.b" + TrailBackslash, "a.hex"},    // a trail byte is not a "\"
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected.c_str(), ReplaceFileExt(c.path.c_str(), "hex")) << c.path;
}

TEST(FileUtils, PouNameFromFileName) {
    const struct { const char* file; const char* expected; } cases[] = {
        {"SBR03_pump.ilp", "pump"}, {"MAIN_main_1.ilv", "main_1"}, {"INT00_a.b.ilp", "a.b"},
        {"pump.ilp", ""}, {"SBR03_pump", ""}, {"a.b_c", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, GetPouNameFromFileName(c.file)) << c.file;
}

TEST(FileUtils, FileExistsOnlyForFilesThatCanBeOpened) {
    TempFolder temp;
    temp.WriteFile("a.ilp");
    temp.MakeFolder("sub");
    EXPECT_TRUE(FileExists((temp / "a.ilp").c_str()));
    EXPECT_FALSE(FileExists((temp / "missing.ilp").c_str()));
    EXPECT_FALSE(FileExists((temp / "sub").c_str()));

    HANDLE held = ::CreateFileA((temp / "a.ilp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(FileExists((temp / "a.ilp").c_str()));
    ::CloseHandle(held);
}

TEST(FileUtils, CreateEmptyFileCreatesTruncatesAndReportsFailure) {
    TempFolder temp;
    ScriptedMessageBoxes boxes;
    temp.WriteFile("log.txt", "old contents");
    EXPECT_TRUE(CreateEmptyFile((temp / "log.txt").c_str()));
    EXPECT_TRUE(CreateEmptyFile((temp / "new.txt").c_str()));
    for (const char* name : {"log.txt", "new.txt"}) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        ASSERT_TRUE(::GetFileAttributesExA((temp / name).c_str(), GetFileExInfoStandard, &data));
        EXPECT_EQ(0u, data.nFileSizeLow) << name;
    }
    EXPECT_TRUE(boxes.Calls().empty());

    const std::string bad = temp / "no\\such\\folder.txt";
    EXPECT_FALSE(CreateEmptyFile(bad.c_str()));
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("文件 " + bad + " 创建失败, 导致编译失败", boxes.Calls()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes.Calls()[0].type & MB_ICONMASK);
}

TEST(FileUtils, MakeTildeIlpPath) {
    TempFolder temp;
    temp.WriteFile("~MAIN_a.ilp");
    temp.WriteFile("MAIN_a.ilv");
    const struct { std::string path, after; BOOL expected; } cases[] = {
        {temp / "MAIN_a.ilp", temp / "~MAIN_a.ilp", TRUE},
        {temp / "MAIN_a.ILP", temp / "~MAIN_a.ILP", TRUE},       // case ignored (and of file names)
        {temp / "SBR00_b.ilp", temp / "~SBR00_b.ilp", FALSE},    // twin missing
        {temp / "MAIN_a.ilv", temp / "MAIN_a.ilv", TRUE},         // other extension: tested only
        {temp / "MAIN_b.ilv", temp / "MAIN_b.ilv", FALSE},
        {"", "", FALSE},
    };
    for (const auto& c : cases) {
        CString path = c.path.c_str();
        EXPECT_EQ(c.expected, MakeTildeIlpPath(path)) << c.path;
        EXPECT_STREQ(c.after.c_str(), path);
    }
}

TEST(FileUtils, CleanFolderEmptiesTheTreeAndKeepsTheFolder) {
    TempFolder temp;
    temp.MakeFolder("f\\a\\b\\c");
    temp.MakeFolder("f\\d");
    for (const char* file : {"f\\1.txt", "f\\a\\2.txt", "f\\a\\b\\3.txt", "f\\a\\b\\c\\4.txt", "f\\d\\5.txt"})
        temp.WriteFile(file);
    const std::string before = CurrentFolder();

    EXPECT_TRUE(CleanFolder((temp / "f").c_str()));
    EXPECT_TRUE(TempFolder::Exists(temp / "f"));
    std::vector<FolderEntry> left;
    ASSERT_TRUE(ListFolder((temp / "f").c_str(), left));
    EXPECT_TRUE(left.empty());
    EXPECT_EQ(before, CurrentFolder());
}

TEST(FileUtils, CleanFolderFailsOnMissingFolderAndOnFileItCannotDelete) {
    TempFolder temp;
    EXPECT_FALSE(CleanFolder((temp / "missing").c_str()));
    EXPECT_FALSE(CleanFolder(""));

    temp.MakeFolder("f\\sub");
    temp.WriteFile("f\\sub\\held.txt");
    HANDLE held = ::CreateFileA((temp / "f\\sub\\held.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(CleanFolder((temp / "f").c_str()));
    ::CloseHandle(held);
    EXPECT_TRUE(TempFolder::Exists(temp / "f\\sub\\held.txt"));
}

TEST(FileUtils, CleanFolderRefusesEveryRootSpelling) {
    const std::string before = CurrentFolder();
    ASSERT_TRUE(::SetCurrentDirectoryA("C:\\"));
    const char* roots[] = {"C:", "C:\\", "C:/", "c:\\\\", "\\", "/", ".", "C:\\windows\\..",
                           "\\\\server\\share", "\\\\server\\share\\", "//server/share/",
                           "\\\\?\\C:\\", "\\\\?\\UNC\\server\\share"};
    for (const char* root : roots) {
        SCOPED_TRACE(root);
        ScriptedMessageBoxes boxes;
        EXPECT_FALSE(CleanFolder(root));
        ASSERT_EQ(1u, boxes.Calls().size());
        EXPECT_EQ("不能操作磁盘根目录", boxes.Calls()[0].text);
    }
    EXPECT_TRUE(TempFolder::Exists("C:\\windows"));
    ::SetCurrentDirectoryA(before.c_str());

    for (const char* notRoot : {"C:\\windows", "\\\\server\\share\\dir", "C:\\a\\"})
        EXPECT_FALSE(IsRootFolder(notRoot)) << notRoot;
}
