#pragma once

#include "platform/CDialog.h"

#include <functional>

// The base of the system's common dialogs (file, folder, colour, print). Each keeps
// the system's dialog record as a public member that callers fill in before DoModal and
// read afterwards. DoModal goes through one replaceable runner, so tests can answer
// the dialog without showing it.
class CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)

public:
    explicit CCommonDialog(CWnd* parent);

    // IDOK when the user confirmed the dialog, else IDCANCEL.
    INT_PTR DoModal() override;

protected:
    // Readies the dialog record for a run with this owner window.
    virtual void PrepareRecord(HWND owner) = 0;
    // Shows the system's dialog on the prepared record; TRUE when confirmed.
    virtual BOOL ShowSystemDialog() = 0;
};

// Answers one common dialog whose record is prepared: IDOK or IDCANCEL.
using CommonDialogHandler = std::function<INT_PTR(CCommonDialog& dialog)>;

// Installs the handler that answers every later common dialog and gives back the one
// it replaces; an empty handler restores the system's dialogs.
CommonDialogHandler AfxSetCommonDialogHandler(CommonDialogHandler handler);
