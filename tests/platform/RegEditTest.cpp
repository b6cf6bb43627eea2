#include "platform/CVRTRegEdit.h"

#include <gtest/gtest.h>

namespace {

const char* const Root = "Software\\TessaronTests\\RegEdit";

class RegEdit : public ::testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, Root); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, Root); }
};

TEST_F(RegEdit, DefaultValuesOfKeysCreatedOnTheWay) {
    CVRTRegEdit reg(HKEY_CURRENT_USER);
    CString path = CString(Root) + "\\Tessaron.Project\\shell\\open\\command";
    EXPECT_FALSE(reg.VerifyKey(path));
    CString value = "kept";
    EXPECT_FALSE(reg.Read(value));  // no key open
    EXPECT_FALSE(reg.Write("x"));
    EXPECT_STREQ(value, "kept");

    ASSERT_TRUE(reg.CreateKey(path));  // every missing parent too
    EXPECT_FALSE(reg.Read(value));     // a new key has no default value yet
    ASSERT_TRUE(reg.Write("\"C:\\程序\\Tessaron.exe\" \"%1\""));
    CVRTRegEdit other(HKEY_CURRENT_USER);
    ASSERT_TRUE(other.VerifyKey(path));
    ASSERT_TRUE(other.Read(value));
    EXPECT_STREQ(value, "\"C:\\程序\\Tessaron.exe\" \"%1\"");
    // The value has no name: the plain registry reader sees it as the key's value.
    char raw[64] = {};
    LONG size = sizeof raw;
    ASSERT_EQ(::RegQueryValueA(HKEY_CURRENT_USER, path, raw, &size), ERROR_SUCCESS);
    EXPECT_STREQ(raw, value);

    EXPECT_TRUE(other.VerifyKey(CString(Root) + "\\Tessaron.Project"));
    EXPECT_FALSE(other.VerifyKey(CString(Root) + "\\Missing"));
    EXPECT_FALSE(other.Read(value));  // the failed open left no key behind
}

TEST_F(RegEdit, ANumberIsNoText) {
    CVRTRegEdit reg(HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.CreateKey(Root));
    DWORD number = 7;
    HKEY key;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, Root, 0, KEY_WRITE, &key), ERROR_SUCCESS);
    ::RegSetValueExA(key, nullptr, 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), sizeof number);
    ::RegCloseKey(key);
    CString value = "kept";
    EXPECT_FALSE(reg.Read(value));
    EXPECT_STREQ(value, "kept");
}

}  // namespace
