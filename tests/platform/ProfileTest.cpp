#include "platform/CRecentFileList.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class Profile : public ::testing::Test {
protected:
    void SetUp() override { m_app.DeleteProfile(); }
    void TearDown() override { m_app.DeleteProfile(); }
    TestApplication m_app{"ProfileTests"};
};

TEST_F(Profile, ValuesRoundTripThroughTheRegistry) {
    EXPECT_TRUE(m_app.WriteProfileInt("Configuration", "Count", -7));
    EXPECT_TRUE(m_app.WriteProfileString("Configuration", "Name", "工程 A"));
    BYTE bytes[] = {0, 1, 2, 0xFF};
    EXPECT_TRUE(m_app.WriteProfileBinary("Bars", "State", bytes, sizeof(bytes)));

    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt("Configuration", "Count", 0)), -7);
    EXPECT_EQ(m_app.GetProfileString("Configuration", "Name"), "工程 A");
    LPBYTE data = nullptr;
    UINT size = 0;
    ASSERT_TRUE(m_app.GetProfileBinary("Bars", "State", &data, &size));
    std::unique_ptr<BYTE[]> owned(data);
    ASSERT_EQ(size, sizeof(bytes));
    EXPECT_EQ(memcmp(data, bytes, size), 0);

    // Values longer than a first read's buffer come back whole.
    const CString longText(std::string(1000, 'x').c_str());
    EXPECT_TRUE(m_app.WriteProfileString("Configuration", "Long", longText));
    EXPECT_EQ(m_app.GetProfileString("Configuration", "Long"), longText);
    std::vector<BYTE> longBytes(1000);
    for (size_t i = 0; i < longBytes.size(); ++i)
        longBytes[i] = static_cast<BYTE>(i * 7);
    EXPECT_TRUE(m_app.WriteProfileBinary("Bars", "Long", longBytes.data(), static_cast<UINT>(longBytes.size())));
    LPBYTE longData = nullptr;
    ASSERT_TRUE(m_app.GetProfileBinary("Bars", "Long", &longData, &size));
    std::unique_ptr<BYTE[]> ownedLong(longData);
    ASSERT_EQ(size, longBytes.size());
    EXPECT_EQ(memcmp(longData, longBytes.data(), size), 0);

    // The values live where the registry key and the application name say.
    HKEY key;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TessaronTests\\ProfileTests\\Configuration", 0,
                              KEY_READ, &key),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
}

TEST_F(Profile, AbsentValuesGiveDefaultsAndNullsDelete) {
    EXPECT_EQ(m_app.GetProfileInt("Configuration", "Missing", 5), 5u);
    EXPECT_EQ(m_app.GetProfileString("Configuration", "Missing", "x"), "x");
    EXPECT_EQ(m_app.GetProfileString("Configuration", "Missing"), "");
    // A value of another type is absent for the reader that wants this type.
    m_app.WriteProfileString("Configuration", "Text", "12");
    EXPECT_EQ(m_app.GetProfileInt("Configuration", "Text", 3), 3u);

    m_app.WriteProfileString("Configuration", "Text", nullptr);
    EXPECT_EQ(m_app.GetProfileString("Configuration", "Text", "gone"), "gone");
    m_app.WriteProfileString("COM", "PORT", "COM1");
    EXPECT_TRUE(m_app.WriteProfileString("COM", nullptr, nullptr));
    EXPECT_EQ(m_app.GetProfileString("COM", "PORT"), "");
}

TEST_F(Profile, RecentFilesKeepTheMostRecentFirstWithoutRepeats) {
    m_app.LoadStdProfileSettings(4);
    CRecentFileList& list = *m_app.m_pRecentFileList;
    for (LPCSTR path : {"C:\\a.qpr", "C:\\b.qpr", "C:\\c.qpr", "C:\\d.qpr", "C:\\e.qpr", "c:\\C.QPR"})
        list.Add(path);
    EXPECT_EQ(list[0], "c:\\C.QPR");  // the repeat moved up, spelled as last given
    EXPECT_EQ(list[1], "C:\\e.qpr");
    EXPECT_EQ(list[2], "C:\\d.qpr");
    EXPECT_EQ(list[3], "C:\\b.qpr");  // "a" fell off the full list
    list.Remove(1);
    EXPECT_EQ(list[1], "C:\\d.qpr");
    EXPECT_EQ(list[3], "");

    m_app.SaveStdProfileSettings();
    EXPECT_EQ(m_app.GetProfileString("Recent File List", "File1"), "c:\\C.QPR");
    EXPECT_EQ(m_app.GetProfileString("Recent File List", "File4"), "");
    m_app.LoadStdProfileSettings(4);
    EXPECT_EQ((*m_app.m_pRecentFileList)[2], "C:\\b.qpr");
}

TEST_F(Profile, RecentFileDisplayNamesAreRelativeAndShortened) {
    CRecentFileList list(0, "Recent File List", "File%d", 4, 20);
    list.Add("C:\\projects\\pump\\station.qpr");
    list.Add("C:\\work\\very long folder name\\another folder\\plant.qpr");
    CString name;
    ASSERT_TRUE(list.GetDisplayName(name, 1, "C:\\projects\\", 12));
    EXPECT_EQ(name, "pump\\station.qpr");
    ASSERT_TRUE(list.GetDisplayName(name, 0, "C:\\projects\\", 12));
    EXPECT_EQ(name, "C:\\...\\plant.qpr");
    EXPECT_FALSE(list.GetDisplayName(name, 2, nullptr, 0));
}

}  // namespace
