#include "platform/CWnd.h"
#include "shell/placement/CUIFramePlacement.h"
#include "shell/placement/CUIProfileWriter.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

uint32_t WordAt(const std::vector<BYTE>& bytes, size_t index) {
    const BYTE* at = &bytes[index * 4];
    return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<uint32_t>(at[3]) << 24);
}

class FramePlacement : public ::testing::Test {
protected:
    void SetUp() override {
        m_app.DeleteProfile();
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(40, 30, 640, 430), nullptr, 0));
    }
    void TearDown() override {
        m_frame.DestroyWindow();
        m_app.DeleteProfile();
        SetUIProfileIniFile(nullptr);
    }
    // The stored value, empty when there is none.
    std::vector<BYTE> Stored(LPCSTR entry = "Window Position") {
        LPBYTE data = nullptr;
        UINT size = 0;
        if (!m_app.GetProfileBinary("Settings", entry, &data, &size))
            return {};
        std::unique_ptr<BYTE[]> owned(data);
        return std::vector<BYTE>(data, data + size);
    }

    TestApplication m_app{"PlacementTests"};
    CWnd m_frame;
};

TEST_F(FramePlacement, StoresA48ByteRecordWithTheNormalOrMaximisedShowCommand) {
    struct Case {
        int show;
        uint32_t stored;
    } cases[] = {{SW_SHOWNORMAL, 1}, {SW_MINIMIZE, 1}, {SW_SHOWMAXIMIZED, 3}, {SW_SHOWMINNOACTIVE, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.show);
        m_frame.ShowWindow(SW_SHOWNORMAL);
        m_frame.ShowWindow(c.show);
        CUIFramePlacement placement;
        EXPECT_TRUE(placement.Save(&m_frame));

        std::vector<BYTE> bytes = Stored();
        ASSERT_EQ(bytes.size(), 48u);
        EXPECT_EQ(WordAt(bytes, 0), 0u);
        EXPECT_EQ(WordAt(bytes, 1), 48u);  // the whole record, not the placement's own 44
        EXPECT_EQ(WordAt(bytes, 3), c.stored);
        EXPECT_EQ(static_cast<int32_t>(WordAt(bytes, 8)), 40);  // normal position, also when minimised
        EXPECT_EQ(static_cast<int32_t>(WordAt(bytes, 9)), 30);
        EXPECT_EQ(static_cast<int32_t>(WordAt(bytes, 10)), 640);
        EXPECT_EQ(static_cast<int32_t>(WordAt(bytes, 11)), 430);
    }
}

TEST_F(FramePlacement, ACallersEntryKeepsTheShowCommandAsItIs) {
    m_frame.ShowWindow(SW_MINIMIZE);
    CUIFramePlacement placement;
    EXPECT_TRUE(placement.Save(&m_frame, "Editor Position"));
    std::vector<BYTE> bytes = Stored("Editor Position");
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(WordAt(bytes, 3), static_cast<uint32_t>(SW_SHOWMINIMIZED));
    EXPECT_TRUE(Stored().empty());
}

TEST_F(FramePlacement, NoWindowWritesNothingAndFails) {
    CUIFramePlacement placement;
    EXPECT_EQ(placement.length, 48u);
    EXPECT_EQ(placement.showCmd, static_cast<uint32_t>(SW_SHOW));
    CWnd never;
    EXPECT_FALSE(placement.Save(&never));
    EXPECT_FALSE(placement.Save(nullptr));
    EXPECT_TRUE(Stored().empty());
}

TEST_F(FramePlacement, WithoutARegistryKeyNothingIsWrittenButTheSaveSucceeds) {
    m_app.m_strRegistryKey.Empty();
    CUIFramePlacement placement;
    EXPECT_TRUE(placement.Save(&m_frame));
    m_app.SetRegistryKey("TessaronTests");
    EXPECT_TRUE(Stored().empty());
}

TEST_F(FramePlacement, AnIniFileTakesTheRecordAsLetters) {
    EXPECT_EQ(std::string(CUIProfileWriter::BinaryAsLetters(reinterpret_cast<const BYTE*>("\x3C\x00\xFF"), 3)),
              "MDAAPP");
    TempFolder folder;
    std::string ini = folder / "ui.ini";
    SetUIProfileIniFile(ini.c_str());
    m_frame.ShowWindow(SW_SHOWMAXIMIZED);
    CUIFramePlacement placement;
    EXPECT_TRUE(placement.Save(&m_frame));

    char text[200] = "";
    ::GetPrivateProfileStringA("Settings", "Window Position", "", text, sizeof text, ini.c_str());
    std::string letters = text;
    ASSERT_EQ(letters.size(), 96u);
    BYTE expected[48];
    placement.ToBytes(expected);
    for (size_t i = 0; i < 48; ++i) {
        BYTE decoded = static_cast<BYTE>((letters[2 * i] - 'A') | ((letters[2 * i + 1] - 'A') << 4));
        EXPECT_EQ(decoded, expected[i]) << i;
    }
    EXPECT_EQ(letters.substr(8, 8), "ADAAAAAA");  // length 48 = 0x30: low half first
    EXPECT_TRUE(Stored().empty());
}

TEST_F(FramePlacement, StringsAreSetDeletedAndSectionsRemoved) {
    CUIProfileWriter writer(HKEY_CURRENT_USER);
    EXPECT_TRUE(writer.WriteString("Bars", "Theme", "工程"));
    EXPECT_TRUE(writer.WriteString("Bars", "Other", "x"));
    EXPECT_EQ(m_app.GetProfileString("Bars", "Theme"), "工程");
    EXPECT_TRUE(writer.WriteString("Bars", "Theme", nullptr));
    EXPECT_EQ(m_app.GetProfileString("Bars", "Theme", "none"), "none");
    EXPECT_EQ(m_app.GetProfileString("Bars", "Other"), "x");
    EXPECT_TRUE(writer.WriteString("Bars", nullptr, nullptr));
    EXPECT_EQ(m_app.GetProfileString("Bars", "Other", "none"), "none");
}

}  // namespace
