#pragma once

#include "platform/CDialog.h"
#include "platform/CString.h"

class CUICommandBar;
class CUICommandBars;

// Names a new toolbar (suggesting the first free "Custom N" and choosing a free bar id
// from 0xE800) or gives a toolbar a new name; blank and taken names are refused with a
// message and the dialog stays open.
class CUINewToolbarDlg : public CDialog {
public:
    static constexpr UINT FirstBarId = 0xE800;
    static constexpr UINT LastBarId = 0xE8FE;

    // Without a bar the dialog names a new toolbar.
    CUINewToolbarDlg(CWnd* parent, CUICommandBars* commandBars, CUICommandBar* renamed = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;

    CString m_name;
    UINT m_newBarId = 0;

private:
    BOOL HasBarId(UINT id) const;
    BOOL IsTitleTaken(const CString& title) const;
    // The first free bar id, 0 when every one is taken.
    UINT FreeBarId() const;

    CUICommandBars* m_commandBars;
    CUICommandBar* m_renamed;
};
