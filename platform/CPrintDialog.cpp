#include "platform/CPrintDialog.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent) : CCommonDialog(parent) {
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = flags | (printSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
}

CPrintDialog::~CPrintDialog() { ReleasePrinter(); }

void CPrintDialog::ReleasePrinter() {
    DeletePrinterDC();
    if (m_pd.hDevMode)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames)
        ::GlobalFree(m_pd.hDevNames);
    m_pd.hDevMode = nullptr;
    m_pd.hDevNames = nullptr;
}

void CPrintDialog::DeletePrinterDC() {
    if (m_pd.hDC)
        ::DeleteDC(m_pd.hDC);
    m_pd.hDC = nullptr;
}

void CPrintDialog::PrepareRecord(HWND owner) {
    DeletePrinterDC();
    m_pd.hwndOwner = owner;
}

// The system gives the default printer only to a record without printer records. The
// question goes the way of the dialog itself, so that tests can answer it.
BOOL CPrintDialog::GetDefaults() {
    ReleasePrinter();
    m_pd.Flags |= PD_RETURNDEFAULT;
    BOOL found = DoModal() == IDOK;
    m_pd.Flags &= ~PD_RETURNDEFAULT;
    return found;
}
