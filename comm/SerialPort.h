#pragma once
#include "comm/CommResult.h"
#include "comm/SerialLine.h"
#include "platform/CString.h"

#include <windows.h>

#include <cstdint>

// Communication settings of the PC end; they outlive the open handle.
struct SerialSettings {
    uint8_t station = 1;         // PLC station addressed by every request
    CString portName = "COM1";  // as the system lists it, e.g. "COM1"
    int baudRate = 9600;         // 2400, 4800, 9600, 19200 or 38400
    uint8_t parity = 0;          // 0 none, 1 odd, 2 even
    uint8_t dataBits = 8;
    uint8_t stopBits = 1;
    int flowControl = 0;         // 0: none, the only mode in use
    int readIntervalMs = 20;     // recomputed from the baud rate on every full open
    uint32_t inputQueue = 1200;
    uint32_t outputQueue = 1200;
};

// The PC end of the serial line to the one PLC: the Win32 port with overlapped I/O, the
// frame buffers shared by every transaction, and the frame operations. The frames go
// through Line(): the port itself, or a line attached in its place (an in-process link).
class CSerialPort : public SerialLine {
public:
    static constexpr uint32_t kFrameBufferSize = 222;

    CSerialPort();
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    SerialSettings& Settings() { return m_settings; }
    const SerialSettings& Settings() const { return m_settings; }
    // Copies the settings of another port object, not its handle: this object is left
    // closed (a handle it held is closed, not lost).
    void CopySettings(const CSerialPort& other);

    bool OpenPort();          // open and apply line settings, queues and time-outs
    bool OpenPortOnly();      // open with the device's line settings as they are
    bool ApplyLineSettings(); // line settings onto the open port
    void ClosePort();
    HANDLE Handle() const { return m_handle; }

    // The line settings string handed to BuildCommDCB, e.g. "baud=9600 parity=N data=8 stop=1".
    CString LineSettingsText() const;
    static int ReadIntervalForBaud(int baudRate);

    // SerialLine over the Win32 port.
    bool IsOpen() const override;
    void Purge() override;
    bool Write(const uint8_t* data, uint32_t length) override;
    bool QueryInput(uint32_t& errors, uint32_t& waiting) override;
    bool Read(uint8_t* data, uint32_t length) override;
    bool WaitForReply(uint32_t eventMask, uint32_t timeoutMs) override;
    void Pause(uint32_t ms) override;

    // Frames carried by another line in place of the port; nullptr returns to the port.
    // While a line is attached, IsOpen tells whether the port was opened and not closed
    // since, so that the tasks' handling of the port can be seen.
    void AttachLine(SerialLine* line) { m_attached = line; m_openOverLine = false; }
    SerialLine& Line() { return m_attached ? *m_attached : *this; }

    uint8_t* SendBuffer() { return m_send; }
    const uint8_t* ReceiveBuffer() const { return m_receive; }
    uint32_t ReceivedLength() const { return m_received; }

    // Appends the CRC to the first `length` bytes of the send buffer and writes them.
    bool SendFrame(uint32_t length);
    // Reads every waiting byte into the receive buffer and checks the frame:
    // 0, kCommReceiveFailed, kCommBadReply, kCommLineError, kCommReplyTooLong or kCommPortClosed.
    CommResult ReceiveFrame();

private:
    bool Open(bool withLineSettings);
    void PrepareChannels();
    bool FillLineSettings(DCB& dcb) const;
    bool SetTimeouts();
    bool CompleteIo(BOOL started, OVERLAPPED& channel, DWORD timeoutMs);
    bool InputWaiting();

    SerialSettings m_settings;
    OVERLAPPED m_readChannel{};
    OVERLAPPED m_writeChannel{};
    OVERLAPPED m_waitChannel{};
    DWORD m_waitEvents = 0;     // filled by a pending WaitCommEvent, so it lives here
    DWORD m_heldErrors = 0;     // line errors seen while waiting, not yet reported
    uint8_t m_send[kFrameBufferSize]{};
    uint8_t m_receive[kFrameBufferSize]{};
    uint32_t m_received = 0;
    HANDLE m_handle = nullptr;  // nullptr when closed, INVALID_HANDLE_VALUE after a failed open
    SerialLine* m_attached = nullptr;
    bool m_openOverLine = false;  // opened and not closed since, while a line is attached
};

extern CSerialPort theSerialPort;

// Opens theSerialPort for a communication task: 0, or kCommOpenFailed after telling the
// user why in a message box owned by `owner`.
CommResult OpenCommPort(HWND owner);
