#include "shell/settings/CPageGenSetting.h"

#include "platform/CComboBox.h"
#include "platform/CDataExchange.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"

#include <iterator>

IMPLEMENT_DYNCREATE(CPageGenSetting, CPropertyPage)

namespace {

const char* const kLanguages[] = {"指令表 IL", "梯形图 LD"};
const int kLanguageIl = 1;
const int kLanguageLd = 2;

}  // namespace

const char* const CPageGenSetting::kCpuModels[8] = {"R241_14AT",   "R241_14AR", "R241_14AX", "R241Ex_14DT",
                                                    "R241Ex_14AR", "R243_24DT", "R243_24DR", "R243_24AR"};

CPageGenSetting::CPageGenSetting() : CPropertyPage(IDD_SETTINGS_GENERAL) {}

void CPageGenSetting::DoDataExchange(CDataExchange* dx) {
    CPropertyPage::DoDataExchange(dx);
    DDX_Check(dx, IDC_SETTINGS_COMPILE_BEFORE_DOWNLOAD, m_compileBeforeDownload);
    DDX_Check(dx, IDC_SETTINGS_COMPILE_BEFORE_MONITOR, m_compileBeforeOnline);
    DDX_Radio(dx, IDC_SETTINGS_FORMAT_MIXED, m_format);
    DDX_CBIndex(dx, IDC_SETTINGS_CPU, m_cpu);
    DDX_CBIndex(dx, IDC_SETTINGS_LANGUAGE, m_language);
}

void CPageGenSetting::FillList(int id, const char* const* items, int count, int selected) {
    auto* list = static_cast<CComboBox*>(GetDlgItem(id));
    list->ResetContent();
    for (int i = 0; i < count; ++i)
        list->AddString(items[i]);
    list->SetCurSel(selected);
}

BOOL CPageGenSetting::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    const CPlcWorkspace& settings = *theWorkspace;
    m_compileBeforeDownload = settings.compileBeforeDownload == 0;
    m_compileBeforeOnline = settings.compileBeforeOnline == 0;
    m_format = settings.onlineFormat;
    m_language = settings.defaultPouLanguage == kLanguageIl ? 0 : 1;
    FillList(IDC_SETTINGS_LANGUAGE, kLanguages, static_cast<int>(std::size(kLanguages)), m_language);
    m_cpu = settings.defaultCpu;
    FillList(IDC_SETTINGS_CPU, kCpuModels, static_cast<int>(std::size(kCpuModels)), m_cpu);
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPageGenSetting::StoreSettings() {
    UpdateData(TRUE);
    CPlcWorkspace& settings = *theWorkspace;
    settings.compileBeforeDownload = m_compileBeforeDownload ? 0 : 1;
    settings.compileBeforeOnline = m_compileBeforeOnline ? 0 : 1;
    if (m_format >= 0)
        settings.onlineFormat = m_format;
    settings.defaultPouLanguage = m_language == 0 ? kLanguageIl : kLanguageLd;
    if (m_cpu >= 0)
        settings.defaultCpu = m_cpu;
    return TRUE;
}
