#pragma once

#include "platform/CDialog.h"

#include <prsht.h>

// One page of a property sheet, from a dialog template (a resource or one in
// memory). The sheet makes the page's window when the page is first shown; the page
// then fills its controls (OnInitDialog). Leaving the page reads and validates them
// (OnKillActive) and coming back fills them again (OnSetActive); OK and Apply give
// every page that was shown OnApply, Cancel gives it OnReset.
class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)

public:
    // The tab shows the string captionId, or without one the template's caption.
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);
    explicit CPropertyPage(LPCDLGTEMPLATEA dialogTemplate, UINT captionId = 0);

    PROPSHEETPAGEA m_psp = {};

    // Enables (or, with FALSE, disables again) the sheet's Apply button for this page.
    void SetModified(BOOL changed = TRUE);

    // FALSE refuses the activation (or the leaving, or the cancel).
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnQueryCancel() { return TRUE; }
    // OK and Apply: by default OnOK; FALSE keeps the sheet open on this page.
    virtual BOOL OnApply();
    // Cancel: by default OnCancel.
    virtual void OnReset();
    // A page does not end anything itself: OK and Cancel are the sheet's.
    void OnOK() override {}
    void OnCancel() override {}

    // Dialog keys belong to the sheet, which moves between its tabs and pages.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void InitRecord(UINT captionId);
    static INT_PTR CALLBACK PageDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    CString m_caption;
    bool m_firstSetActive = true;
};
