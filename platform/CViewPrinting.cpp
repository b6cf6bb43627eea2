// The view's printing: the print dialog, the print job's page loop and the start of
// print preview.
#include "platform/CDocument.h"
#include "platform/CPreviewView.h"
#include "platform/CPrintDialog.h"
#include "platform/CPrintInfo.h"
#include "platform/CView.h"
#include "platform/CWinApp.h"
#include "platform/MessageBox.h"

namespace {

bool CurrentCommandIs(UINT id) {
    const MSG* message = CWnd::GetCurrentMessage();
    return message && message->message == WM_COMMAND && LOWORD(message->wParam) == id;
}

}  // namespace

// The application's printer; where there is none the print dialog comes up instead,
// so the user learns why nothing prints (or picks a printer after all).
BOOL CView::DoPreparePrinting(CPrintInfo* info) {
    CWinApp* app = AfxGetApp();
    CPrintDialog* dialog = info->m_pPD;
    dialog->m_pParentWnd = this;
    bool withoutDialog = (info->m_bPreview || info->m_bDirect) && app->GetPrinterWithoutDialog(dialog);
    if (!withoutDialog) {
        info->OfferAllPages();
        if (app->DoPrintDialog(dialog) != IDOK)
            return FALSE;
    }
    return dialog->GetPrinterDC() != nullptr;
}

void CView::OnFilePrint() {
    CPrintInfo info;
    info.m_bDirect = CurrentCommandIs(ID_FILE_PRINT_DIRECT);
    if (!OnPreparePrinting(&info) || !info.m_pPD->GetPrinterDC())
        return;
    CDC* printer = CDC::FromHandle(info.m_pPD->GetPrinterDC());
    printer->m_bPrinting = TRUE;
    OnBeginPrinting(printer, &info);
    BOOL printed = PrintPages(printer, &info);
    OnEndPrinting(printer, &info);
    printer->m_bPrinting = FALSE;
    if (!printed)
        AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT);
}

// Without a page to print no job is started at all.
BOOL CView::PrintPages(CDC* printer, CPrintInfo* info) {
    UINT first = 0;
    UINT last = 0;
    if (!info->GetPrintRange(first, last))
        return TRUE;
    CString title = m_pDocument ? m_pDocument->GetTitle() : CString();
    DOCINFOA document = {sizeof(document), title, nullptr, nullptr, 0};
    if (printer->StartDoc(&document) <= 0)
        return FALSE;
    for (info->m_nCurPage = first; info->m_nCurPage <= last; ++info->m_nCurPage) {
        if (!PrintPage(printer, info)) {
            printer->AbortDoc();
            return FALSE;
        }
    }
    return printer->EndDoc() > 0;
}

// The view prepares the context after the page has started: starting a page may
// reset the context's mapping on some printers.
BOOL CView::PrintPage(CDC* printer, CPrintInfo* info) {
    if (printer->StartPage() <= 0)
        return FALSE;
    OnPrepareDC(printer, info);
    info->SetDrawRect(printer);
    OnPrint(printer, info);
    return printer->EndPage() > 0;
}

void CView::OnFilePrintPreview() { CPreviewView::Start(this); }
