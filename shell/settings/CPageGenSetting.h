#pragma once
#include "platform/CPropertyPage.h"

// The "通用" page of the settings dialog: the default language and CPU of new projects
// and POUs, the integer format of live values and the two compile-first switches, shown
// from the workspace's settings and written back by StoreSettings.
class CPageGenSetting : public CPropertyPage {
    DECLARE_DYNCREATE(CPageGenSetting)

public:
    // The CPU models of the list; an index is also the CPU's row in the module catalogue.
    static const char* const kCpuModels[8];

    CPageGenSetting();

    // Copies the controls into the workspace; a list or radio group without a selection
    // (a stored value the page cannot show) keeps the stored value.
    BOOL StoreSettings();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    void FillList(int id, const char* const* items, int count, int selected);

    int m_compileBeforeDownload = 0;
    int m_compileBeforeOnline = 0;
    int m_format = 0;
    int m_cpu = 0;
    int m_language = 0;
};
