// The application's printer, shared by print setup and every print job.
#include "platform/CPrintDialog.h"
#include "platform/CWinApp.h"

namespace {

// A device context of the printer the records describe.
HDC CreatePrinterDC(HGLOBAL names, HGLOBAL mode) {
    const DEVNAMES* devNames = static_cast<const DEVNAMES*>(::GlobalLock(names));
    if (!devNames)
        return nullptr;
    const char* text = reinterpret_cast<const char*>(devNames);
    const DEVMODEA* devMode = mode ? static_cast<const DEVMODEA*>(::GlobalLock(mode)) : nullptr;
    HDC dc = ::CreateDCA(text + devNames->wDriverOffset, text + devNames->wDeviceOffset,
                         text + devNames->wOutputOffset, devMode);
    if (devMode)
        ::GlobalUnlock(mode);
    ::GlobalUnlock(names);
    return dc;
}

}  // namespace

void CWinApp::OnFilePrintSetup() {
    CPrintDialog dialog(TRUE);
    DoPrintDialog(&dialog);
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* dialog) {
    dialog->m_pd.hDevMode = m_hDevMode;
    dialog->m_pd.hDevNames = m_hDevNames;
    INT_PTR result = dialog->DoModal();
    TakePrinterRecords(dialog);
    return result;
}

// The system's default printer, the first time, becomes the application's printer.
BOOL CWinApp::GetPrinterWithoutDialog(CPrintDialog* dialog) {
    if (!m_hDevNames) {
        if (!dialog->GetDefaults())
            return FALSE;
        TakePrinterRecords(dialog);
    } else {
        dialog->m_pd.hDC = CreatePrinterDC(m_hDevNames, m_hDevMode);
    }
    return dialog->GetPrinterDC() != nullptr;
}

// The system may have replaced the records it was given (and freed the old ones); the
// application keeps the ones the dialog ends with, and the dialog no longer frees them.
void CWinApp::TakePrinterRecords(CPrintDialog* dialog) {
    m_hDevMode = dialog->m_pd.hDevMode;
    m_hDevNames = dialog->m_pd.hDevNames;
    dialog->m_pd.hDevMode = nullptr;
    dialog->m_pd.hDevNames = nullptr;
}

void CWinApp::ReleasePrinterRecords() {
    if (m_hDevMode)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames)
        ::GlobalFree(m_hDevNames);
    m_hDevMode = nullptr;
    m_hDevNames = nullptr;
}
