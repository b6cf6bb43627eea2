#pragma once

#include "platform/CRect.h"

class CDC;
class CPrintDialog;

// What one print job or print preview of a view knows: the print dialog (with the
// printer's device context once prepared), the page range, the page being printed and
// the printable rectangle of that page. The pages the view has are kept in the print
// dialog's record, so the dialog offers them. Until the view counts its pages (views
// often count them only once the printer is chosen) the dialog accepts any page range;
// a view that never counts them has one page.
class CPrintInfo {
public:
    static constexpr UINT unknownPageCount = 0xFFFF;

    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    void SetMinPage(UINT page);
    void SetMaxPage(UINT page);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The range the user chose in the dialog, else all pages.
    UINT GetFromPage() const;
    UINT GetToPage() const;
    // The pages to print: the chosen range within the view's pages; FALSE when no page
    // is left (a view with no pages prints nothing).
    BOOL GetPrintRange(UINT& first, UINT& last) const;
    // The dialog's page range fields show all the view's pages (the first while they
    // are not counted yet).
    void OfferAllPages();
    // m_rectDraw becomes the whole printable area of the context's device, in the
    // logical units the context now has.
    void SetDrawRect(CDC* dc);

    CPrintDialog* m_pPD;
    BOOL m_bDirect = FALSE;   // printed without the print dialog (default printer)
    BOOL m_bPreview = FALSE;  // drawn for print preview
    UINT m_nCurPage = 1;
    CRect m_rectDraw;         // the printable area of the page, in logical units
};
