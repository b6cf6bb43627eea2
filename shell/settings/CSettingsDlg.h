#pragma once
#include "platform/CDialog.h"
#include "platform/CPropertySheet.h"
#include "shell/settings/CPageGenSetting.h"

// The settings dialog's property sheet, a child of the dialog's frame: one page, the
// general settings. Its caption is the application's title.
class CSheetSettings : public CPropertySheet {
    DECLARE_DYNCREATE(CSheetSettings)

public:
    explicit CSheetSettings(CWnd* parent = nullptr);

    CPageGenSetting& GeneralPage() { return m_general; }
    BOOL OnInitDialog() override;

private:
    CPageGenSetting m_general;
};

// "软件设置": changes the program settings kept in the workspace (in memory; the
// application writes them to the registry when it ends). OK stores the page's values,
// Cancel keeps every setting.
class CSettingsDlg : public CDialog {
public:
    explicit CSettingsDlg(CWnd* parent = nullptr);
    ~CSettingsDlg() override;

    // The sheet while the dialog's window exists, else null.
    CSheetSettings* Sheet() const { return m_sheet; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void DeleteSheet();

    CSheetSettings* m_sheet = nullptr;
};
