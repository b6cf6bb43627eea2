#include "ui/commandbars/UICommandBarList.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIToolBar.h"

#include <algorithm>

CUICommandBarList::~CUICommandBarList() {
    for (CUICommandBar* bar : m_bars)
        bar->InternalRelease();
}

BOOL CUICommandBarList::Contains(const CUICommandBar* bar) const {
    return std::find(m_bars.begin(), m_bars.end(), bar) != m_bars.end();
}

void CUICommandBarList::Add(CUICommandBar* bar) {
    bar->InternalAddRef();
    m_bars.push_back(bar);
}

CUICommandBar* CUICommandBarList::FindBar(UINT barId) const {
    if (barId == 0)
        return nullptr;
    for (CUICommandBar* bar : m_bars) {
        if (bar->GetBarID() == barId)
            return bar;
    }
    return nullptr;
}

namespace {

void GeneratePopupBars(CUIControls* controls, CUICommandBarList* list) {
    for (int i = 0; controls && i < controls->GetCount(); ++i) {
        CUIControl* control = controls->GetAt(i);
        if (!control->m_temporary && control->GetCommandBar())
            control->GetCommandBar()->GenerateCommandBarList(list);
    }
}

void RestorePopupBars(CUIControls* controls, CUICommandBarList* list) {
    for (int i = 0; controls && i < controls->GetCount(); ++i) {
        CUIControlPopup* popup = dynamic_cast<CUIControlPopup*>(controls->GetAt(i));
        if (popup == nullptr || popup->m_loadedBarId == 0)
            continue;
        CUICommandBar* bar = list->FindBar(popup->m_loadedBarId);
        popup->m_loadedBarId = 0;
        if (bar == nullptr)
            continue;
        popup->SetCommandBar(bar);
        bar->RestoreCommandBarList(list);
    }
}

}  // namespace

void CUICommandBar::GenerateCommandBarList(CUICommandBarList* list) {
    if (list->Contains(this))
        return;
    list->Add(this);
    if (dynamic_cast<CUIToolBar*>(this) == nullptr)
        m_barId = list->NextPopupId();
    GeneratePopupBars(m_controls, list);
    GeneratePopupBars(m_controls->GetOriginalControls(), list);
}

void CUICommandBar::RestoreCommandBarList(CUICommandBarList* list) {
    RestorePopupBars(m_controls, list);
    RestorePopupBars(m_controls->GetOriginalControls(), list);
}
