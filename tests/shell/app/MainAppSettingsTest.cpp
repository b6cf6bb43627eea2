#include "comm/SerialPort.h"
#include "project/CPlcWorkspace.h"
#include "project/SharedConstants.h"
#include "shell/app/AppSettings.h"
#include "shell/app/CMainApp.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const char* const TestKey = "TessaronTests";

// The application against a test profile key (HKCU\Software\TessaronTests\QLX_R2), with
// its own workspace and the real serial port's settings restored afterwards.
class MainAppSettings : public ::testing::Test {
protected:
    MainAppSettings() {
        app.SetRegistryKey(TestKey);
        DeleteProfile();
    }
    ~MainAppSettings() override {
        DeleteProfile();
        theSerialPort.Settings() = savedPort;
    }
    void DeleteProfile() {
        const CString key = CString("Software\\") + TestKey + "\\" + app.m_strProfileName;
        ::RegDeleteTreeA(HKEY_CURRENT_USER, key);
    }
    void Write(LPCSTR section, LPCSTR entry, const std::optional<const char*>& value) {
        if (value)
            app.WriteProfileString(section, entry, *value);
    }

    CMainApp app;
    CPlcWorkspace workspace;
    SerialSettings savedPort = theSerialPort.Settings();
};

TEST_F(MainAppSettings, ConfigurationLoadsAsOneTableOfStoredTexts) {
    // Stored texts (nullopt: absent) and what the workspace holds after loading.
    struct Case {
        std::optional<const char*> interfaceText, language, cpu, format, down, online;
        int style, languageLoaded, cpuLoaded, formatLoaded, downLoaded, onlineLoaded;
    };
    const Case cases[] = {
        {" 2", "1", "3", "2", "1", "0", 2, 1, 3, 2, 1, 0},
        {"2", "2", "7", "1", "0", "5", 2, 2, 7, 1, 0, 5},
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, 0, 2, 0, 0, 0, 0},
        {" 1", "0", "0", "", "", "", 1, 2, 0, 0, 0, 0},
        {"3", "1", "5", "0", "1", "1", 3, 1, 5, 0, 1, 1},
        {"12x", "x", "abc", "junk", "no", "", 12, 2, 0, 0, 0, 0},  // first two characters only
        // Values the program cannot use read as absent ones: a POU language without
        // program files, a CPU the settings list lacks.
        {" 0", "3", "8", "0", "0", "0", 0, 2, 0, 0, 0, 0},
        {" 0", "-1", "-1", "0", "0", "0", 0, 2, 0, 0, 0, 0},
        {" 0", "1", "11", "0", "0", "0", 0, 1, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        DeleteProfile();
        Write(SectionConfiguration, ValueInterface, c.interfaceText);
        Write(SectionConfiguration, ValueDefaultPouLang, c.language);
        Write(SectionConfiguration, ValueDefaultCpu, c.cpu);
        Write(SectionConfiguration, ValueOnlineFormat, c.format);
        Write(SectionConfiguration, ValueCompileBeforeDown, c.down);
        Write(SectionConfiguration, ValueCompileBeforeOnline, c.online);
        workspace.defaultCpu = 5;  // the workspace's own start value never survives a load
        app.LoadSettings();
        const char* name = c.interfaceText.value_or("(absent)");
        EXPECT_EQ(workspace.interfaceStyle, c.style) << name;
        EXPECT_EQ(workspace.defaultPouLanguage, c.languageLoaded) << name;
        EXPECT_EQ(workspace.defaultCpu, c.cpuLoaded) << name;
        EXPECT_EQ(workspace.onlineFormat, c.formatLoaded) << name;
        EXPECT_EQ(workspace.compileBeforeDownload, c.downLoaded) << name;
        EXPECT_EQ(workspace.compileBeforeOnline, c.onlineLoaded) << name;
    }
}

TEST_F(MainAppSettings, SaveWritesConfigurationTextsThatLoadBack) {
    struct Case {
        int style, down, online, format, language, cpu;
        const char* interfaceText;
    };
    const Case cases[] = {
        {2, 1, 0, 2, 1, 7, " 2"},
        {0, 0, 1, 0, 2, 0, " 0"},
        {3, 0, 0, 1, 2, 4, " 3"},
        {12, 0, 0, 1, 2, 4, "12"},
    };
    for (const Case& c : cases) {
        DeleteProfile();
        workspace.interfaceStyle = c.style;
        workspace.compileBeforeDownload = c.down;
        workspace.compileBeforeOnline = c.online;
        workspace.onlineFormat = c.format;
        workspace.defaultPouLanguage = c.language;
        workspace.defaultCpu = c.cpu;
        app.SaveSettings();
        EXPECT_EQ(app.GetProfileString(SectionConfiguration, ValueInterface), c.interfaceText);
        CString cpu;
        cpu.Format("%d", c.cpu);
        EXPECT_EQ(app.GetProfileString(SectionConfiguration, ValueDefaultCpu), cpu);
        // Section "COM" belongs to the communication settings dialog.
        EXPECT_EQ(app.GetProfileString(SectionCom, ValuePort, "none"), "none");

        workspace.interfaceStyle = workspace.compileBeforeDownload = workspace.compileBeforeOnline = -7;
        workspace.onlineFormat = workspace.defaultPouLanguage = workspace.defaultCpu = -7;
        app.LoadSettings();
        EXPECT_EQ(workspace.interfaceStyle, c.style);
        EXPECT_EQ(workspace.compileBeforeDownload, c.down);
        EXPECT_EQ(workspace.compileBeforeOnline, c.online);
        EXPECT_EQ(workspace.onlineFormat, c.format);
        EXPECT_EQ(workspace.defaultPouLanguage, c.language);
        EXPECT_EQ(workspace.defaultCpu, c.cpu);
    }
}

TEST_F(MainAppSettings, CommSettingsApplyOnlyWithStationAndPort) {
    using Text = std::optional<const char*>;
    struct Case {
        Text station, port, baud, dataBits, stopBits, parity;
        SerialSettings expected;
    };
    const SerialSettings defaults;
    auto with = [&](uint8_t station, const char* port, int baud, uint8_t parity, uint8_t dataBits, uint8_t stopBits) {
        SerialSettings settings = defaults;
        settings.station = station;
        settings.portName = port;
        settings.baudRate = baud;
        settings.parity = parity;
        settings.dataBits = dataBits;
        settings.stopBits = stopBits;
        return settings;
    };
    const Case cases[] = {
        {"3", "COM4", "19200", "8", "1", "偶校验", with(3, "COM4", 19200, 2, 8, 1)},
        {"31", "COM2", "2400", "7", "2", "奇校验", with(31, "COM2", 2400, 1, 7, 2)},
        {"5", "COM3", "38400", "8", "1", "无校验", with(5, "COM3", 38400, 0, 8, 1)},
        // "PORT" without "DestAddr", and the reverse: nothing applies, the port name neither.
        {std::nullopt, "COM7", "19200", "8", "1", "偶校验", defaults},
        {"", "COM7", "19200", "8", "1", "偶校验", defaults},
        {"4", std::nullopt, "19200", "8", "1", "偶校验", defaults},
        // An unknown parity keeps the port's parity; the other five apply.
        {"4", "COM5", "4800", "8", "1", "Even", with(4, "COM5", 4800, defaults.parity, 8, 1)},
        // Values the port cannot be given keep the port's own, the others apply.
        {"0", "COM6", "1234", "9", "3", "奇校验", with(defaults.station, "COM6", defaults.baudRate, 1, defaults.dataBits,
                                                      defaults.stopBits)},
        {"300", "COM6", "", "", "", "", with(defaults.station, "COM6", defaults.baudRate, defaults.parity,
                                             defaults.dataBits, defaults.stopBits)},
    };
    int row = 0;
    for (const Case& c : cases) {
        DeleteProfile();
        Write(SectionCom, ValueDestAddr, c.station);
        Write(SectionCom, ValuePort, c.port);
        Write(SectionCom, ValueBaud, c.baud);
        Write(SectionCom, ValueDataBits, c.dataBits);
        Write(SectionCom, ValueStopBits, c.stopBits);
        Write(SectionCom, ValueParity, c.parity);
        theSerialPort.Settings() = defaults;
        app.LoadSettings();
        const SerialSettings& loaded = theSerialPort.Settings();
        EXPECT_EQ(loaded.station, c.expected.station) << row;
        EXPECT_EQ(loaded.portName, c.expected.portName) << row;
        EXPECT_EQ(loaded.baudRate, c.expected.baudRate) << row;
        EXPECT_EQ(loaded.parity, c.expected.parity) << row;
        EXPECT_EQ(loaded.dataBits, c.expected.dataBits) << row;
        EXPECT_EQ(loaded.stopBits, c.expected.stopBits) << row;
        ++row;
    }
}

TEST_F(MainAppSettings, EditorFontsComeFromTheStockFonts) {
    app.LoadSettings();
    LOGFONTA fixed = {}, gui = {};
    ::GetObjectA(::GetStockObject(SYSTEM_FIXED_FONT), sizeof fixed, &fixed);
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    EXPECT_STREQ(workspace.editorFonts[0].lfFaceName, fixed.lfFaceName);
    EXPECT_STREQ(workspace.editorFonts[2].lfFaceName, fixed.lfFaceName);
    EXPECT_STREQ(workspace.editorFonts[1].lfFaceName, gui.lfFaceName);
    EXPECT_STREQ(workspace.editorFonts[3].lfFaceName, gui.lfFaceName);
    EXPECT_EQ(workspace.editorFonts[1].lfHeight, gui.lfHeight);
}

TEST(VisualStyle, EachStyleNamesItsCommandBarAndDockingThemes) {
    struct Case { int style, commandBars, docking; };
    const Case cases[] = {{0, 3, 3}, {1, 0, 5}, {2, 2, 5}, {3, 1, 3}, {4, 3, 3}, {-1, 3, 3}, {12, 3, 3}};
    for (const Case& c : cases) {
        const VisualThemes themes = ThemesOfVisualStyle(c.style);
        EXPECT_EQ(themes.commandBars, c.commandBars) << c.style;
        EXPECT_EQ(themes.docking, c.docking) << c.style;
    }
}

}  // namespace
