#include "comm/FolderCleanup.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

TEST(DeleteDirectoryTree, DeletesFilesAtAnyDepthAndOnlyDirectSubfoldersThatAreEmpty) {
    TempFolder temp;
    temp.MakeFolder("F\\a\\b\\c");
    temp.MakeFolder("F\\flat");
    for (const char* file : {"F\\0.txt", "F\\a\\1.txt", "F\\a\\b\\2.txt", "F\\a\\b\\c\\3.txt", "F\\flat\\4.txt"})
        temp.WriteFile(file);
    char before[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, before);

    EXPECT_TRUE(DeleteDirectoryTree((temp / "F").c_str()));

    for (const char* kept : {"F", "F\\a", "F\\a\\b", "F\\a\\b\\c"})
        EXPECT_TRUE(TempFolder::Exists(temp / kept)) << kept;
    for (const char* gone : {"F\\flat", "F\\0.txt", "F\\a\\1.txt", "F\\a\\b\\2.txt", "F\\a\\b\\c\\3.txt"})
        EXPECT_FALSE(TempFolder::Exists(temp / gone)) << gone;
    char after[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(before, after);
}

TEST(DeleteDirectoryTree, DeletesProtectedFilesAndFolders) {
    TempFolder temp;
    temp.MakeFolder("F\\sub");
    temp.MakeFolder("F\\hiddenfolder");
    temp.WriteFile("F\\sub\\readonly.txt");
    temp.WriteFile("F\\hidden.txt");
    ::SetFileAttributesA((temp / "F\\sub\\readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    ::SetFileAttributesA((temp / "F\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    ::SetFileAttributesA((temp / "F\\hiddenfolder").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);

    EXPECT_TRUE(DeleteDirectoryTree((temp / "F").c_str()));
    for (const char* gone : {"F\\sub", "F\\hiddenfolder", "F\\hidden.txt"})
        EXPECT_FALSE(TempFolder::Exists(temp / gone)) << gone;
}

TEST(DeleteDirectoryTree, MissingFolderGivesFalse) {
    TempFolder temp;
    EXPECT_FALSE(DeleteDirectoryTree((temp / "missing").c_str()));
}
