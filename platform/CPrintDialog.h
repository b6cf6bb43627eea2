#pragma once

#include "platform/CCommonDialog.h"

#include <commdlg.h>

// The system's print dialog (or, for setup only, its printer setup dialog). Unless it
// is for setup only it gives a device context of the chosen printer. The dialog owns
// that device context and the printer records the system gives it, and frees them
// when it is destroyed or run again.
class CPrintDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CPrintDialog)

public:
    explicit CPrintDialog(BOOL printSetupOnly,
                          DWORD flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                        PD_NOSELECTION,
                          CWnd* parent = nullptr);
    ~CPrintDialog() override;
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    PRINTDLGA m_pd = {};

    // The default printer's settings (and device context) without showing anything;
    // FALSE when there is no printer.
    BOOL GetDefaults();
    HDC GetPrinterDC() const { return m_pd.hDC; }

protected:
    void PrepareRecord(HWND owner) override;
    BOOL ShowSystemDialog() override { return ::PrintDlgA(&m_pd); }

private:
    void DeletePrinterDC();
    void ReleasePrinter();
};
