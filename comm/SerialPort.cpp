#include "comm/SerialPort.h"

#include "comm/Crc16.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <cstring>

CSerialPort theSerialPort;

namespace {

constexpr DWORD kIoTimeoutMs = 1500;
constexpr DWORD kTotalTimeoutMs = 30000;
constexpr DWORD kWaitSliceMs = 20;

bool HandleIsOpen(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

// "COM10" and above name a device only in the device namespace; "\\.\COMn" reaches
// every port.
CString DevicePath(const CString& portName) {
    return portName.Left(2) == "\\\\" ? portName : "\\\\.\\" + portName;
}

}  // namespace

CSerialPort::CSerialPort() { PrepareChannels(); }

CSerialPort::~CSerialPort() {
    for (OVERLAPPED* channel : {&m_readChannel, &m_writeChannel, &m_waitChannel})
        if (channel->hEvent)
            CloseHandle(channel->hEvent);
}

void CSerialPort::PrepareChannels() {
    for (OVERLAPPED* channel : {&m_readChannel, &m_writeChannel, &m_waitChannel}) {
        if (channel->hEvent)
            ResetEvent(channel->hEvent);
        else
            channel->hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    }
}

void CSerialPort::CopySettings(const CSerialPort& other) {
    if (&other == this)
        return;
    ClosePort();
    m_settings = other.m_settings;
}

bool CSerialPort::OpenPort() { return Open(true); }

bool CSerialPort::OpenPortOnly() { return Open(false); }

bool CSerialPort::Open(bool withLineSettings) {
    if (m_attached)
        return m_openOverLine = m_attached->IsOpen();  // the attached line stands in for the device
    PrepareChannels();
    ClosePort();
    m_handle = CreateFileA(DevicePath(m_settings.portName), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (m_handle == INVALID_HANDLE_VALUE)
        return false;
    SetupComm(m_handle, m_settings.inputQueue, m_settings.outputQueue);
    if (withLineSettings) {
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(m_handle, &dcb))
            return false;
        if (!FillLineSettings(dcb) || !SetCommState(m_handle, &dcb))
            return false;
    }
    m_settings.readIntervalMs = ReadIntervalForBaud(m_settings.baudRate);
    return SetTimeouts();
}

bool CSerialPort::SetTimeouts() {
    COMMTIMEOUTS timeouts{};
    if (!GetCommTimeouts(m_handle, &timeouts))
        return false;
    timeouts.ReadIntervalTimeout = static_cast<DWORD>(m_settings.readIntervalMs);
    timeouts.ReadTotalTimeoutConstant = kTotalTimeoutMs;
    timeouts.WriteTotalTimeoutConstant = kTotalTimeoutMs;
    return SetCommTimeouts(m_handle, &timeouts) != FALSE;
}

int CSerialPort::ReadIntervalForBaud(int baudRate) {
    switch (baudRate) {
    case 2400: return 120;
    case 4800: return 50;
    case 9600: return 20;
    default: return 10;
    }
}

CString CSerialPort::LineSettingsText() const {
    static const char kParityLetters[] = {'N', 'O', 'E'};
    const char parity = m_settings.parity < 3 ? kParityLetters[m_settings.parity] : 'N';
    CString text;
    text.Format("baud=%d parity=%c data=%d stop=%d", m_settings.baudRate, parity, m_settings.dataBits,
                m_settings.stopBits);
    return text;
}

bool CSerialPort::FillLineSettings(DCB& dcb) const {
    if (!BuildCommDCBA(LineSettingsText(), &dcb))
        return false;
    // No handshake lines and no software flow control: the PLC line is three wires.
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fBinary = TRUE;
    dcb.fParity = TRUE;
    dcb.fAbortOnError = TRUE;
    return true;
}

bool CSerialPort::ApplyLineSettings() {
    if (m_attached)
        return m_openOverLine;  // an attached line has no line settings
    if (!HandleIsOpen(m_handle))
        return false;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(m_handle, &dcb) || !FillLineSettings(dcb))
        return false;
    return SetCommState(m_handle, &dcb) != FALSE;
}

void CSerialPort::ClosePort() {
    m_openOverLine = false;
    if (HandleIsOpen(m_handle))
        CloseHandle(m_handle);
    m_handle = nullptr;
}

bool CSerialPort::IsOpen() const { return m_attached ? m_openOverLine : HandleIsOpen(m_handle); }

void CSerialPort::Purge() {
    if (HandleIsOpen(m_handle))
        PurgeComm(m_handle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
}

// Waits for an overlapped operation that did not finish at once. One that does not end
// in time is cancelled, so that its channel is free for the next operation.
bool CSerialPort::CompleteIo(BOOL started, OVERLAPPED& channel, DWORD timeoutMs) {
    if (started)
        return true;
    if (GetLastError() != ERROR_IO_PENDING)
        return false;
    if (WaitForSingleObject(channel.hEvent, timeoutMs) == WAIT_OBJECT_0)
        return true;
    CancelIo(m_handle);
    return false;
}

bool CSerialPort::Write(const uint8_t* data, uint32_t length) {
    if (!HandleIsOpen(m_handle))
        return false;
    m_writeChannel.Offset = m_writeChannel.OffsetHigh = 0;
    ResetEvent(m_writeChannel.hEvent);
    DWORD written = 0;
    return CompleteIo(WriteFile(m_handle, data, length, &written, &m_writeChannel), m_writeChannel,
                      kIoTimeoutMs);
}

bool CSerialPort::QueryInput(uint32_t& errors, uint32_t& waiting) {
    DWORD flags = 0;
    COMSTAT status{};
    if (!HandleIsOpen(m_handle) || !ClearCommError(m_handle, &flags, &status))
        return false;
    errors = flags | m_heldErrors;
    m_heldErrors = 0;
    waiting = status.cbInQue;
    return true;
}

bool CSerialPort::Read(uint8_t* data, uint32_t length) {
    if (!HandleIsOpen(m_handle))
        return false;
    m_readChannel.Offset = m_readChannel.OffsetHigh = 0;
    ResetEvent(m_readChannel.hEvent);
    DWORD read = 0;
    return CompleteIo(ReadFile(m_handle, data, length, &read, &m_readChannel), m_readChannel,
                      kIoTimeoutMs);
}

// Errors cleared while waiting are kept for the next QueryInput, so that a frame or
// parity error during the reply still reaches ReceiveFrame.
bool CSerialPort::InputWaiting() {
    DWORD flags = 0;
    COMSTAT status{};
    if (!ClearCommError(m_handle, &flags, &status))
        return false;
    m_heldErrors |= flags;
    return status.cbInQue > 0;
}

// Detects only that the PLC has begun to answer; the caller pauses before reading.
// A comm event is taken as a hint, never as proof: a completion left over from an
// earlier wait can arrive late, so the input queue decides, and the event is waited for
// in slices so that a lost event costs a slice, not the whole time-out.
bool CSerialPort::WaitForReply(uint32_t eventMask, uint32_t timeoutMs) {
    if (!HandleIsOpen(m_handle))
        return false;
    uint32_t errors = 0, waiting = 0;
    QueryInput(errors, waiting);  // errors of earlier exchanges are of no interest now
    if (!SetCommMask(m_handle, eventMask))
        return false;
    const DWORD start = GetTickCount();
    bool pending = false;
    for (;;) {
        if (!pending) {
            ResetEvent(m_waitChannel.hEvent);
            if (!WaitCommEvent(m_handle, &m_waitEvents, &m_waitChannel)) {
                const DWORD error = GetLastError();
                if (error != ERROR_IO_PENDING && error != ERROR_INVALID_PARAMETER && error != 0)
                    return false;
                pending = error == ERROR_IO_PENDING;
            }
        }
        if (InputWaiting())
            return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        const DWORD slice = std::min<DWORD>(timeoutMs - elapsed, kWaitSliceMs);
        if (!pending)
            Sleep(slice);  // no wait of ours is pending: look at the queue again shortly
        else if (WaitForSingleObject(m_waitChannel.hEvent, slice) == WAIT_OBJECT_0)
            pending = false;
        if (InputWaiting())
            return true;
    }
}

void CSerialPort::Pause(uint32_t ms) { Sleep(ms); }

bool CSerialPort::SendFrame(uint32_t length) {
    SerialLine& line = Line();
    if (!line.IsOpen() || length + 2 > kFrameBufferSize)
        return false;
    const uint16_t crc = Crc16(m_send, length);
    m_send[length] = static_cast<uint8_t>(crc >> 8);
    m_send[length + 1] = static_cast<uint8_t>(crc & 0xFF);
    return line.Write(m_send, length + 2);
}

CommResult CSerialPort::ReceiveFrame() {
    SerialLine& line = Line();
    if (!line.IsOpen())
        return kCommPortClosed;
    uint32_t errors = 0, waiting = 0;
    line.QueryInput(errors, waiting);
    if (errors & (CE_FRAME | CE_RXPARITY | CE_MODE))
        return kCommLineError;
    if (waiting > kFrameBufferSize)
        return kCommReplyTooLong;
    std::memset(m_receive, 0, sizeof m_receive);
    m_received = 0;
    if (waiting > 0 && !line.Read(m_receive, waiting))
        return kCommReceiveFailed;
    m_received = waiting;
    return Crc16(m_receive, m_received) == 0 ? kCommOk : kCommBadReply;
}

CommResult OpenCommPort(HWND owner) {
    if (theSerialPort.OpenPort())
        return kCommOk;
    const DWORD error = GetLastError();
    SetCursor(LoadCursor(nullptr, IDC_ARROW));  // the caller's wait cursor ends here
    const char* text = "初始化通讯口失败！请检查硬件以及通讯参数的设置。";
    if (error == ERROR_FILE_NOT_FOUND)
        text = "指定的通讯口不存在";
    else if (error == ERROR_ACCESS_DENIED)
        text = "指定的通讯口已被其它任务占用!";
    AfxShowMessageBox(owner, text, "错误", MB_OK | MB_ICONERROR);
    return kCommOpenFailed;
}
