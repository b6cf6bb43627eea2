#include "ui/commandbars/UICommandBarsOptions.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CArchive.h"
#include "platform/CException.h"
#include "platform/CMemFile.h"
#include "platform/CWinApp.h"

#include <cstdlib>

namespace {

const int OptionsSchema = 6;

// The integers of the section, in the order they are written.
struct IntegerOption {
    LPCSTR name;
    int CUICommandBarsOptions::*field;
};

const IntegerOption IntegerOptions[] = {
    {"AlwaysShowFullMenus", &CUICommandBarsOptions::m_alwaysShowFullMenus},
    {"ShowFullAfterDelay", &CUICommandBarsOptions::m_showFullAfterDelay},
    {"ToolBarScreenTips", &CUICommandBarsOptions::m_toolBarScreenTips},
    {"ToolBarAccelTips", &CUICommandBarsOptions::m_toolBarAccelTips},
    {"LargeIcons", &CUICommandBarsOptions::m_largeIcons},
    {"Animation", &CUICommandBarsOptions::m_animation},
};

CString SectionName(LPCSTR profileName) {
    CString section;
    section.Format("%s-Options", profileName);
    return section;
}

}  // namespace

void CUICommandBarsOptions::Store(LPCSTR profileName) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return;
    const CString section = SectionName(profileName);
    app->WriteProfileString(section, nullptr, nullptr);
    for (const IntegerOption& option : IntegerOptions)
        app->WriteProfileInt(section, option.name, this->*option.field);
    if (m_usedCommands.IsEmpty())
        return;
    try {
        CMemFile file(1024);
        {
            CArchive ar(&file, CArchive::store, 4096);
            m_usedCommands.Serialize(ar);
            ar.Close();
        }
        const UINT length = static_cast<UINT>(file.GetLength());
        BYTE* bytes = file.Detach();
        app->WriteProfileBinary(section, "UsedCommands", bytes, length);
        std::free(bytes);
    } catch (CException* e) {
        e->Delete();
    }
}

void CUICommandBarsOptions::Restore(LPCSTR profileName) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return;
    const CString section = SectionName(profileName);
    for (const IntegerOption& option : IntegerOptions)
        this->*option.field = static_cast<int>(app->GetProfileInt(section, option.name, this->*option.field));
    BYTE* bytes = nullptr;
    UINT length = 0;
    if (!app->GetProfileBinary(section, "UsedCommands", &bytes, &length))
        return;
    try {
        CMemFile file(bytes, length);
        CArchive ar(&file, CArchive::load, 4096);
        m_usedCommands.Serialize(ar);
    } catch (CException* e) {
        e->Delete();
    }
    delete[] bytes;
}

void CUICommandBarsOptions::Serialize(CArchive& ar) {
    BOOL* flags[] = {&m_alwaysShowFullMenus, &m_toolBarScreenTips, &m_toolBarAccelTips, &m_largeIcons,
                     &m_hideFloatingBarsWithFrame, &m_alwaysShowOptionsButton};
    CUICommandBarsTheme* paintManager = m_owner ? m_owner->GetPaintManager() : GetGlobalTheme();
    BOOL noImageOptions[3] = {};
    BOOL* imageOptions = paintManager ? paintManager->GetImageOptions() : noImageOptions;
    if (ar.IsStoring()) {
        ar << OptionsSchema;
        ar << m_alwaysShowFullMenus << m_showFullAfterDelay;
        for (size_t i = 1; i < sizeof(flags) / sizeof(flags[0]); ++i)
            ar << *flags[i];
        ar << static_cast<int>(m_buttonSize.cx) << static_cast<int>(m_buttonSize.cy);
        ar << static_cast<int>(m_largeButtonSize.cx) << static_cast<int>(m_largeButtonSize.cy);
        m_hiddenCommands.Serialize(ar);
        for (int i = 2; i >= 0; --i)
            ar << imageOptions[i];
        return;
    }
    int schema = 0;
    ar >> schema;
    ar >> m_alwaysShowFullMenus >> m_showFullAfterDelay;
    for (size_t i = 1; i < sizeof(flags) / sizeof(flags[0]); ++i)
        ar >> *flags[i];
    int cx = 0;
    int cy = 0;
    ar >> cx >> cy;
    m_buttonSize = CSize(cx, cy);
    ar >> cx >> cy;
    m_largeButtonSize = CSize(cx, cy);
    m_hiddenCommands.Serialize(ar);
    for (int i = 2; i >= 0; --i)
        ar >> imageOptions[i];
}
