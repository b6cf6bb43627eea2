#pragma once
#include "comm/PlcTransfers.h"
#include "platform/CDialog.h"
#include "platform/CString.h"
#include "shell/controls/CColorStatic.h"

// Sends the open project's target image into the PLC: the user chooses the three
// download options and starts; the dialog holds the line for the download, asks for
// the PLC's password when the PLC wants it, and reports the outcome in its result
// line, the output window and, for a failure, a message box. It closes after a success.
class CDownloadDlg : public CDialog, private DownloadProgress {
public:
    explicit CDownloadDlg(CWnd* parent = nullptr);

    // The image file sent; the open project's "<folder>\<name>.obj" unless changed.
    CString m_imagePath;
    // The outcome of the last download: 0 success, -1 cancelled or already reported,
    // otherwise the failure's result code.
    int m_lastOutcome = -1;

    // The option byte of the three check boxes.
    static uint8_t OptionByte(bool forbidUpload, bool clearRetentive, bool clearBackup);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnForbidUploadClicked();

    DECLARE_MESSAGE_MAP()

private:
    void Advance(int step) override;
    uint8_t ChosenOptions() const;
    int RunDownload(uint8_t options);
    void ShowOutcome(int outcome);
    void EnableButtons(BOOL enable);

    CColorStatic m_warning;
};
