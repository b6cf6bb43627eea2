#include "shell/app/AppSettings.h"

#include "comm/SerialPort.h"
#include "platform/CWinApp.h"
#include "project/CPlcWorkspace.h"
#include "project/SharedConstants.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

const int FirstStation = 1;
const int LastStation = 31;
const int BaudRates[] = {2400, 4800, 9600, 19200, 38400};

int ReadNumber(CWinApp& app, LPCSTR section, LPCSTR entry) {
    return std::atoi(app.GetProfileString(section, entry));
}

void WriteNumber(CWinApp& app, LPCSTR entry, LPCSTR format, int value) {
    CString text;
    text.Format(format, value);
    app.WriteProfileString(SectionConfiguration, entry, text);
}

bool IsKnownBaudRate(int baud) {
    return std::find(std::begin(BaudRates), std::end(BaudRates), baud) != std::end(BaudRates);
}

// The parity code of a parity text; -1 for another text.
int ParityCode(const CString& text) {
    for (int code = 0; code < static_cast<int>(std::size(ParityNames)); ++code) {
        if (text == ParityNames[code])
            return code;
    }
    return -1;
}

void LogFontOfStockFont(int stockFont, LOGFONTA& font) {
    ::GetObjectA(::GetStockObject(stockFont), sizeof font, &font);
}

}  // namespace

int ReadVisualStyle(CWinApp& app) {
    return std::atoi(app.GetProfileString(SectionConfiguration, ValueInterface).Left(2));
}

void ReadConfiguration(CWinApp& app, CPlcWorkspace& workspace) {
    workspace.compileBeforeDownload = ReadNumber(app, SectionConfiguration, ValueCompileBeforeDown);
    workspace.compileBeforeOnline = ReadNumber(app, SectionConfiguration, ValueCompileBeforeOnline);
    workspace.onlineFormat = ReadNumber(app, SectionConfiguration, ValueOnlineFormat);
    const int language = ReadNumber(app, SectionConfiguration, ValueDefaultPouLang);
    workspace.defaultPouLanguage = language == 1 ? 1 : 2;
    const int cpu = ReadNumber(app, SectionConfiguration, ValueDefaultCpu);
    workspace.defaultCpu = cpu >= 0 && cpu < DefaultCpuChoices ? cpu : 0;
}

void WriteConfiguration(CWinApp& app, const CPlcWorkspace& workspace) {
    WriteNumber(app, ValueInterface, "%2d", workspace.interfaceStyle);
    WriteNumber(app, ValueCompileBeforeDown, "%d", workspace.compileBeforeDownload);
    WriteNumber(app, ValueCompileBeforeOnline, "%d", workspace.compileBeforeOnline);
    WriteNumber(app, ValueOnlineFormat, "%d", workspace.onlineFormat);
    WriteNumber(app, ValueDefaultPouLang, "%d", workspace.defaultPouLanguage);
    WriteNumber(app, ValueDefaultCpu, "%d", workspace.defaultCpu);
}

void ReadCommSettings(CWinApp& app, SerialSettings& settings) {
    const CString station = app.GetProfileString(SectionCom, ValueDestAddr);
    const CString port = app.GetProfileString(SectionCom, ValuePort);
    if (station.IsEmpty() || port.IsEmpty())
        return;
    const int stationNumber = std::atoi(station);
    if (stationNumber >= FirstStation && stationNumber <= LastStation)
        settings.station = static_cast<uint8_t>(stationNumber);
    settings.portName = port;
    const int baud = ReadNumber(app, SectionCom, ValueBaud);
    if (IsKnownBaudRate(baud))
        settings.baudRate = baud;
    const int dataBits = ReadNumber(app, SectionCom, ValueDataBits);
    if (dataBits >= 5 && dataBits <= 8)
        settings.dataBits = static_cast<uint8_t>(dataBits);
    const int stopBits = ReadNumber(app, SectionCom, ValueStopBits);
    if (stopBits == 1 || stopBits == 2)
        settings.stopBits = static_cast<uint8_t>(stopBits);
    const int parity = ParityCode(app.GetProfileString(SectionCom, ValueParity));
    if (parity >= 0)
        settings.parity = static_cast<uint8_t>(parity);
}

void InitEditorFonts(CPlcWorkspace& workspace) {
    LogFontOfStockFont(SYSTEM_FIXED_FONT, workspace.editorFonts[0]);
    LogFontOfStockFont(DEFAULT_GUI_FONT, workspace.editorFonts[1]);
    LogFontOfStockFont(SYSTEM_FIXED_FONT, workspace.editorFonts[2]);
    LogFontOfStockFont(DEFAULT_GUI_FONT, workspace.editorFonts[3]);
}

VisualThemes ThemesOfVisualStyle(int style) {
    switch (style) {
    case 1: return {0, 5};
    case 2: return {2, 5};
    case 3: return {1, 3};
    default: return {3, 3};
    }
}
