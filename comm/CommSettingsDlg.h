#pragma once
#include "comm/SerialDetection.h"
#include "platform/CDialog.h"
#include "shell/picture/CAnimatedPicture.h"

// The PC's serial port and line settings and the PLC's station, edited on theSerialPort
// and saved in the profile section "COM" by OK. Automatic detection searches the
// station, baud rate and parity on a worker thread while an animation plays; the dialog
// cannot be closed by Esc or its close box meanwhile, and when it is destroyed anyway it
// stops the worker and waits for its end.
class CCommSettingsDlg : public CDialog {
public:
    explicit CCommSettingsDlg(CWnd* parent = nullptr);

    bool IsDetecting() const { return m_detection.IsRunning(); }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDataBitsChanged();
    void OnDetect();
    void OnStopDetect();
    void OnDestroy();
    LRESULT OnDetectionStatus(WPARAM status, LPARAM);
    LRESULT OnDetectionDone(WPARAM status, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    void FillPorts();
    // The lists from theSerialPort's settings.
    void RefillLists();
    void ShowDetecting(bool detecting);
    CString ListText(int id) const;

    CAnimatedPicture m_animation;
    CSerialDetection m_detection;
};
