#include "hardware/CPageCPUCom.h"

#include "hardware/FormControls.h"
#include "project/CQLX_R2_PLC.h"
#include "project/SharedConstants.h"
#include "res/resource.h"

#include <iterator>

namespace {

constexpr int PortCount = 2;
constexpr int StationCount = 31;
constexpr BYTE DataBitsEight = 1;

// The lists of each port, in the order the settings are checked and stored.
const int ListIds[PortCount][PortSettingCount] = {
    {IDC_CPU_PORT0_STATION, IDC_CPU_PORT0_BAUD, IDC_CPU_PORT0_PARITY, IDC_CPU_PORT0_DATA_BITS, IDC_CPU_PORT0_STOP_BITS},
    {IDC_CPU_PORT1_STATION, IDC_CPU_PORT1_BAUD, IDC_CPU_PORT1_PARITY, IDC_CPU_PORT1_DATA_BITS, IDC_CPU_PORT1_STOP_BITS},
};
const PortSetting CheckOrder[] = {PortStation, PortBaud, PortDataBits, PortParity, PortStopBits};

const char* const Refusals[PortCount][PortSettingCount] = {
    {"Port0口的站号设置错误！", "Port0的波特率设置错误！", "Port0的奇偶校验设置错误！", "Port0的数据位设置错误！",
     "Port0的停止位设置错误！"},
    {"Port1的站号设置错误！", "Port1口的波特率设置错误！", "Port1口的奇偶校验设置错误！", "Port1口的数据位设置错误！",
     "Port1口的停止位设置错误！"},
};

// Station numbers are shown as list positions: station 1 is position 0.
const BYTE DefaultSettings[PortCount][PortSettingCount] = {{1, 2, 0, DataBitsEight, 0}, {2, 2, 0, DataBitsEight, 0}};

struct ListTexts {
    const char* const* texts;
    int count;
};

const char* const StationNames[StationCount] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31",
};

ListTexts TextsOf(PortSetting setting) {
    switch (setting) {
    case PortStation: return {StationNames, StationCount};
    case PortBaud: return {BaudRateNames, static_cast<int>(std::size(BaudRateNames))};
    case PortParity: return {ParityNames, static_cast<int>(std::size(ParityNames))};
    case PortDataBits: return {DataBitsNames, static_cast<int>(std::size(DataBitsNames))};
    default: return {StopBitsNames, static_cast<int>(std::size(StopBitsNames))};
    }
}

int ListPosition(PortSetting setting, BYTE stored) {
    return setting == PortStation ? stored - 1 : stored;
}

}  // namespace

IMPLEMENT_DYNAMIC(CPageCPUCom, CCPUPage)

CPageCPUCom::CPageCPUCom() : CCPUPage(IDD_CPU_PAGE_COM) {}

bool CPageCPUCom::HasSecondPort() const {
    return Module().typeCode == 36 || Module().typeCode == 37;
}

void CPageCPUCom::ShowPort(int port, const BYTE* settings) {
    for (int setting = 0; setting < PortSettingCount; ++setting)
        SelectListEntry(*this, ListIds[port][setting], ListPosition(PortSetting(setting), settings[setting]));
}

void CPageCPUCom::ShowModulePorts() {
    const bool fromModule = ShowsProjectCpu();
    ShowPort(0, fromModule ? Module().port0 : DefaultSettings[0]);
    if (HasSecondPort())
        ShowPort(1, fromModule ? Module().port1 : DefaultSettings[1]);
}

void CPageCPUCom::Fill() {
    const bool secondPort = HasSecondPort();
    for (int port = 0; port < PortCount; ++port) {
        for (int setting = 0; setting < PortSettingCount; ++setting) {
            const int id = ListIds[port][setting];
            if (port == 0 || secondPort) {
                const ListTexts texts = TextsOf(PortSetting(setting));
                FillList(*this, id, texts.texts, texts.count);
            }
            EnableControl(*this, id, port == 0 || secondPort);
        }
    }
    ShowModulePorts();
}

void CPageCPUCom::Defaults() {
    Quietly([this] {
        ShowPort(0, DefaultSettings[0]);
        if (HasSecondPort())
            ShowPort(1, DefaultSettings[1]);
    });
    Changed();
}

void CPageCPUCom::Reload() {
    Quietly([this] {
        ShowPort(0, Module().port0);
        if (HasSecondPort())
            ShowPort(1, Module().port1);
    });
    Changed();
}

bool CPageCPUCom::OnPageCommand(UINT id, UINT code) {
    if (code != CBN_SELCHANGE)
        return false;
    for (int port = 0; port < PortCount; ++port)
        if (static_cast<int>(id) == ListIds[port][PortDataBits] && ListSelection(*this, id) != DataBitsEight)
            SelectListEntry(*this, id, DataBitsEight);
    Changed();
    return true;
}

// Every list is checked before anything is stored, so a refusal leaves the module whole.
bool CPageCPUCom::ApplyToModule() {
    const int ports = HasSecondPort() ? 2 : 1;
    for (int port = 0; port < ports; ++port) {
        for (PortSetting setting : CheckOrder) {
            if (ListSelection(*this, ListIds[port][setting]) < 0) {
                AfxShowMessageBox(m_hWnd, Refusals[port][setting], "错误", MB_OK | MB_ICONSTOP);
                return false;
            }
        }
    }
    BYTE* stored[PortCount] = {Module().port0, Module().port1};
    for (int port = 0; port < ports; ++port) {
        for (int setting = 0; setting < PortSettingCount; ++setting) {
            const int position = ListSelection(*this, ListIds[port][setting]);
            stored[port][setting] = static_cast<BYTE>(setting == PortStation ? position + 1 : position);
        }
    }
    return true;
}
