#include "platform/CCommonDialog.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

namespace {

CommonDialogHandler& InstalledHandler() {
    static CommonDialogHandler handler;
    return handler;
}

}  // namespace

CCommonDialog::CCommonDialog(CWnd* parent) { m_pParentWnd = parent; }

// The system's dialogs disable their owner and run their own modal loop.
INT_PTR CCommonDialog::DoModal() {
    PrepareRecord(CWnd::GetSafeOwner(m_pParentWnd)->GetSafeHwnd());
    const CommonDialogHandler& handler = InstalledHandler();
    if (handler)
        return handler(*this);
    return ShowSystemDialog() ? IDOK : IDCANCEL;
}

CommonDialogHandler AfxSetCommonDialogHandler(CommonDialogHandler handler) {
    CommonDialogHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}
