// The menus the collection builds for its toolbars: the toolbars menu of a right click,
// the hidden buttons of a toolbar's row and the "Add or Remove Buttons" entries.
#include "ui/commandbars/UICommandBars.h"

#include "ui/commandbars/UIControlLists.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIDockBar.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIToolBar.h"

#include "res/resource.h"

#include <vector>

namespace {

// The visible toolbars of the bar's dock row; the bar alone when it is not docked.
std::vector<CUIToolBar*> RowOf(CUIToolBar* toolBar) {
    std::vector<CUIToolBar*> row;
    CUIDockBar* dockBar = toolBar->m_dockBar;
    const int index = dockBar ? dockBar->FindBar(toolBar) : -1;
    if (index >= 0)
        dockBar->GetRowBars(index, &row);
    if (row.empty())
        row.push_back(toolBar);
    return row;
}

}  // namespace

CUIPopupBar* CUICommandBars::CreateToolbarsMenu() {
    CUIPopupBar* menu = CUIPopupBar::CreatePopupBarFor(this);
    for (int i = 0; i < GetCount(); ++i) {
        CUICommandBar* bar = GetAt(i);
        if (bar->GetType() != uiBarTypeToolBar || !bar->m_listed)
            continue;
        CUIControl* entry = menu->GetControls()->InsertControl(new CUIControlToolbar, 0);
        entry->m_tag = static_cast<DWORD>(i);
        entry->SetCaption(bar->GetTitle());
        entry->SetFlags(entry->GetFlags() | uiFlagNoUpdate);
        entry->m_checked = bar->IsVisible() ? 1 : 0;
    }
    if (m_customizable && GetCount() > 0)
        menu->GetControls()->Add(uiControlButton, ID_CUSTOMIZE)->SetBeginGroup(TRUE);
    return menu;
}

void CUICommandBars::ContextMenu(int x, int y) {
    if (m_customizeMode)
        return;
    CUIPopupBar* menu = CreateToolbarsMenu();
    if (menu == nullptr)
        return;
    if (menu->GetControlCount() > 0 && menu->PopupAt(x, y, nullptr))
        PumpTrackingMessages(menu);
    menu->InternalRelease();
}

void CUICommandBars::GetHiddenControls(CUIToolBar* toolBar, CUICommandBar* popup) {
    if (toolBar->m_dockBar == nullptr || toolBar->m_dockBar->FindBar(toolBar) < 0)
        return;
    for (CUIToolBar* bar : RowOf(toolBar)) {
        for (int i = 0; i < bar->GetControlCount(); ++i) {
            CUIControl* control = bar->GetControl(i);
            if (control->GetHideFlags() != uiHideWrap)
                continue;
            CUIControl* copy = popup->GetControls()->AddCopy(control);
            copy->SetHideFlags(0);
            copy->SetBeginGroup(FALSE);
        }
    }
}

void CUICommandBars::AddBarButtonsEntry(CUICommandBar* popup, CUIToolBar* bar) {
    CUIControl* entry = popup->GetControls()->InsertControl(CUIControlPopup::CreateWithType(uiControlPopup), 0);
    entry->SetFlags(entry->GetFlags() | uiFlagNoUpdate);
    entry->SetCaption(bar->GetTitle());
    const BOOL enabled = m_customizable && bar->m_resettable && bar->IsCustomizable();
    entry->SetEnabled(enabled);
    if (!enabled)
        return;
    CUIPopupBar* buttons = CUIPopupBar::CreatePopupBarFor(this);
    bar->BuildButtonsMenu(buttons);
    static_cast<CUIControlPopup*>(entry)->SetCommandBar(buttons);
    buttons->InternalRelease();
}

BOOL CUICommandBars::CreateAddRemovePopup(CUIToolBar* toolBar, CUICommandBar* popup) {
    for (CUIToolBar* bar : RowOf(toolBar))
        AddBarButtonsEntry(popup, bar);
    if (!m_customizable)
        return FALSE;
    popup->GetControls()->Add(uiControlButton, ID_CUSTOMIZE)->SetBeginGroup(TRUE);
    return TRUE;
}
