#include "comm/CommSettingsDlg.h"

#include "comm/SerialPort.h"
#include "comm/SerialPortList.h"
#include "platform/CWinApp.h"
#include "platform/MessageBox.h"
#include "res/resource.h"

#include <cstdlib>

namespace {

const char* const kBaudTexts[] = {"2400", "4800", "9600", "19200", "38400"};
const char* const kParityTexts[] = {"无校验", "奇校验", "偶校验"};
const int kLocked[] = {IDC_COMM_DETECT, IDOK, IDCANCEL, IDC_COMM_PORT, IDC_COMM_PLC_STATION,
                       IDC_COMM_BAUD, IDC_COMM_PARITY, IDC_COMM_DATA_BITS, IDC_COMM_STOP_BITS};

int BaudIndex(int baudRate) {
    switch (baudRate) {
    case 2400: return 0;
    case 4800: return 1;
    case 19200: return 3;
    case 38400: return 4;
    default: return 2;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CCommSettingsDlg, CDialog)
    ON_CBN_SELCHANGE(IDC_COMM_DATA_BITS, OnDataBitsChanged)
    ON_BN_CLICKED(IDC_COMM_DETECT, OnDetect)
    ON_BN_CLICKED(IDC_COMM_STOP_DETECT, OnStopDetect)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_DETECTION_STATUS, OnDetectionStatus)
    ON_MESSAGE(WM_DETECTION_DONE, OnDetectionDone)
END_MESSAGE_MAP()

CCommSettingsDlg::CCommSettingsDlg(CWnd* parent) : CDialog(IDD_COMM_SETTINGS, parent) {}

BOOL CCommSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_COMM_PC_STATION, "0");
    GetDlgItem(IDC_COMM_PC_STATION)->EnableWindow(FALSE);
    FillPorts();
    RefillLists();
    m_animation.SubclassDlgItem(IDC_COMM_ANIMATION, this);
    ShowDetecting(false);
    m_animation.LoadFromResource(MAKEINTRESOURCEA(IDR_GIF_DETECTING), "GIF");
    return TRUE;
}

CString CCommSettingsDlg::ListText(int id) const {
    CString text;
    GetDlgItemText(id, text);
    return text;
}

void CCommSettingsDlg::FillPorts() {
    std::vector<CString> ports;
    if (!ListSerialPorts(ports))
        AfxShowMessageBox(m_hWnd, "读取系统信息失败！可能本机没有串口。", "错误", MB_OK);
    for (const CString& port : ports)
        SendDlgItemMessage(IDC_COMM_PORT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(port)));
    if (ports.empty()) {
        AfxShowMessageBox(m_hWnd, "本机没有串口！  ", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    const LRESULT found = SendDlgItemMessage(IDC_COMM_PORT, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(static_cast<LPCSTR>(theSerialPort.Settings().portName)));
    SendDlgItemMessage(IDC_COMM_PORT, CB_SETCURSEL, found == CB_ERR ? 0 : found);
}

void CCommSettingsDlg::RefillLists() {
    const SerialSettings& settings = theSerialPort.Settings();
    const auto fill = [this](int id, std::initializer_list<CString> texts, int selection) {
        SendDlgItemMessage(id, CB_RESETCONTENT);
        for (const CString& text : texts)
            SendDlgItemMessage(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)));
        SendDlgItemMessage(id, CB_SETCURSEL, static_cast<WPARAM>(selection));
    };
    SendDlgItemMessage(IDC_COMM_PLC_STATION, CB_RESETCONTENT);
    for (int station = 1; station <= CSerialDetection::kStations; ++station) {
        CString text;
        text.Format("%d", station);
        SendDlgItemMessage(IDC_COMM_PLC_STATION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)));
    }
    SendDlgItemMessage(IDC_COMM_PLC_STATION, CB_SETCURSEL, static_cast<WPARAM>(settings.station - 1));
    fill(IDC_COMM_BAUD, {kBaudTexts[0], kBaudTexts[1], kBaudTexts[2], kBaudTexts[3], kBaudTexts[4]},
         BaudIndex(settings.baudRate));
    fill(IDC_COMM_DATA_BITS, {"", "8"}, 1);
    fill(IDC_COMM_PARITY, {kParityTexts[0], kParityTexts[1], kParityTexts[2]}, settings.parity < 3 ? settings.parity : 0);
    fill(IDC_COMM_STOP_BITS, {"1"}, 0);
}

void CCommSettingsDlg::OnDataBitsChanged() {
    if (ListText(IDC_COMM_DATA_BITS) != "8")
        SendDlgItemMessage(IDC_COMM_DATA_BITS, CB_SETCURSEL, 1);
}

void CCommSettingsDlg::OnOK() {
    if (IsDetecting())
        return;
    SerialSettings& settings = theSerialPort.Settings();
    const CString station = ListText(IDC_COMM_PLC_STATION), port = ListText(IDC_COMM_PORT),
                  baud = ListText(IDC_COMM_BAUD), parity = ListText(IDC_COMM_PARITY),
                  dataBits = ListText(IDC_COMM_DATA_BITS), stopBits = ListText(IDC_COMM_STOP_BITS);
    settings.station = static_cast<uint8_t>(std::atoi(station));
    settings.baudRate = std::atoi(baud);
    settings.dataBits = static_cast<uint8_t>(std::atoi(dataBits));
    settings.stopBits = static_cast<uint8_t>(std::atoi(stopBits));
    if (!port.IsEmpty())
        settings.portName = port;
    for (uint8_t index = 0; index < 3; ++index)
        if (parity == kParityTexts[index])
            settings.parity = index;
    CWinApp* app = AfxGetApp();
    app->WriteProfileString("COM", "DestAddr", station);
    app->WriteProfileString("COM", "PORT", port);
    app->WriteProfileString("COM", "Baud", baud);
    app->WriteProfileString("COM", "Parity", parity);
    app->WriteProfileString("COM", "DataBits", dataBits);
    app->WriteProfileString("COM", "StopBits", stopBits);
    EndDialog(IDOK);
}

void CCommSettingsDlg::OnCancel() {
    if (!IsDetecting())  // Esc and the close box wait for the detection's end
        CDialog::OnCancel();
}

void CCommSettingsDlg::ShowDetecting(bool detecting) {
    for (int id : kLocked)
        GetDlgItem(id)->EnableWindow(!detecting);
    GetDlgItem(IDC_COMM_IDLE_PICTURE)->ShowWindow(detecting ? SW_HIDE : SW_SHOW);
    m_animation.ShowWindow(detecting ? SW_SHOW : SW_HIDE);
    if (detecting)
        m_animation.Draw();
    else
        m_animation.Stop();
}

void CCommSettingsDlg::OnDetect() {
    const CString port = ListText(IDC_COMM_PORT);
    if (port.IsEmpty() || IsDetecting())
        return;
    // The settings as they were, kept before the chosen port replaces the port name.
    const SerialSettings before = theSerialPort.Settings();
    theSerialPort.Settings().portName = port;
    if (!theSerialPort.OpenPortOnly()) {
        SetDlgItemText(IDC_COMM_DETECT_STATUS, "通讯口操作失败，停止检测！");
        theSerialPort.ClosePort();
        theSerialPort.Settings() = before;
        return;
    }
    ShowDetecting(true);
    if (!m_detection.Start(m_hWnd, before)) {
        theSerialPort.ClosePort();
        theSerialPort.Settings() = before;
        ShowDetecting(false);
    }
}

void CCommSettingsDlg::OnStopDetect() { m_detection.RequestStop(); }

LRESULT CCommSettingsDlg::OnDetectionStatus(WPARAM status, LPARAM) {
    SetDlgItemText(IDC_COMM_DETECT_STATUS, DetectionStatusText(static_cast<DetectionStatus>(status)));
    return 0;
}

LRESULT CCommSettingsDlg::OnDetectionDone(WPARAM status, LPARAM) {
    m_detection.Finished();
    SetDlgItemText(IDC_COMM_DETECT_STATUS, DetectionStatusText(static_cast<DetectionStatus>(status)));
    ShowDetecting(false);
    if (static_cast<DetectionStatus>(status) == DetectionStatus::Found)
        RefillLists();  // otherwise the lists stay as the user left them
    return 0;
}

void CCommSettingsDlg::OnDestroy() {
    m_detection.StopAndJoin();
    m_animation.Unload();
    CDialog::OnDestroy();
}
