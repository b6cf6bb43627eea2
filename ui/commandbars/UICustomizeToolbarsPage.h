#pragma once

#include "platform/CButton.h"
#include "platform/CCheckListBox.h"
#include "platform/CPropertyPage.h"

class CUICommandBar;
class CUICommandBars;
class CUICustomizeSheet;

// The customize sheet's page of toolbars: every bar with a check for its visibility
// (the menu bar stays checked), and new, rename, delete (toolbars made here) and reset
// (bars the program made).
class CUICustomizeToolbarsPage : public CPropertyPage {
public:
    // Without the sheet the page takes the one it is shown in.
    explicit CUICustomizeToolbarsPage(CUICustomizeSheet* sheet = nullptr);

    void RefreshList();
    // Bars the program made can be reset; toolbars made on this page renamed and deleted.
    static BOOL IsBuiltIn(const CUICommandBar* bar);

    BOOL OnInitDialog() override;

protected:
    void OnSelectionChange();
    void OnCheckChange();
    void OnNew();
    void OnRename();
    void OnDelete();
    void OnReset();

    DECLARE_MESSAGE_MAP()

private:
    CUICustomizeSheet* Sheet() const;

    CUICustomizeSheet* m_sheet;
    CUICommandBars* GetCommandBars() const;
    // The selected item's bar; null when nothing is selected.
    CUICommandBar* SelectedBar() const;

    CCheckListBox m_list;
    CButton m_new;
    CButton m_rename;
    CButton m_delete;
    CButton m_reset;
};
