// The menus a toolbar offers about its own buttons: the options popup with the buttons
// its row hides, the buttons menu that shows or hides each loaded button, and Reset.
#include "ui/commandbars/UIToolBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIShortcutText.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CFrameWnd.h"
#include "platform/MessageBox.h"
#include "platform/MessageMap.h"
#include "res/resource.h"

#include <vector>

namespace {

const int kSpecialButtonEntry = 4;
const int kOptionsRowWidth = 150;

CString LoadText(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}

BOOL SameControl(CUIControl* a, CUIControl* b) { return a->GetID() == b->GetID() && a->GetType() == b->GetType(); }

// An entry of a toolbar's buttons menu: it shows or hides one button of the toolbar
// (checked while the button shows), or, without a button, resets the toolbar.
class CUIControlToggleEntry : public CUIControlButton {
public:
    CUIControlToggleEntry(CUIToolBar* toolBar, CUIControl* target) : m_toolBar(toolBar), m_target(target) {
        m_toolBar->InternalAddRef();
        if (m_target)
            m_target->InternalAddRef();
        m_flags |= uiFlagNoUpdate;
    }
    ~CUIControlToggleEntry() override {
        if (m_target)
            m_target->InternalRelease();
        m_toolBar->InternalRelease();
    }
    CSize GetSize(CDC* dc) override {
        CUICommandBarsTheme* paintManager = GetPaintManager();
        return paintManager ? paintManager->DrawSpecialControl(dc, kSpecialButtonEntry, this, m_parent, FALSE, nullptr)
                            : CSize(0, 0);
    }
    void Draw(CDC* dc) override {
        if (CUICommandBarsTheme* paintManager = GetPaintManager())
            paintManager->DrawSpecialControl(dc, kSpecialButtonEntry, this, m_parent, TRUE, nullptr);
    }
    void OnExecute() override {
        if (m_target == nullptr) {
            CUIMouseTrackHook::Get().EndTracking();
            m_toolBar->Reset();
            return;
        }
        m_target->SetHideFlags(m_target->GetHideFlags() ^ uiHideCustomize);
        m_checked = (m_target->GetHideFlags() & uiHideCustomize) ? 0 : 1;
        m_toolBar->DelayLayout();
        if (m_parent)
            m_parent->InvalidateParents();
    }

private:
    CUIToolBar* m_toolBar;
    CUIControl* m_target;
};

}  // namespace

BOOL CUIControlToolbarOptions::OnSetPopup(BOOL open) {
    CUIToolBar* toolBar = dynamic_cast<CUIToolBar*>(m_parent);
    if (!open || toolBar == nullptr)
        return CUIControlPopup::OnSetPopup(open);
    CUICommandBars* commandBars = GetCommandBars();
    UIBarCreateRecord record = {nullptr, 1, 0, 0, 0, nullptr, 0};
    CWnd* site = toolBar->GetSite();
    if (site && site->GetSafeHwnd())
        site->SendMessage(CommandBarsCreateBarNotify, 0, reinterpret_cast<LPARAM>(&record));
    CUIPopupBar* popup = dynamic_cast<CUIPopupBar*>(record.bar);
    if (popup == nullptr)
        popup = CUIPopupToolBar::CreatePopupToolBarFor(commandBars);
    popup->m_customizable = FALSE;
    SetCommandBar(popup);  // lets the previous popup go
    popup->InternalRelease();
    if (commandBars)
        commandBars->GetHiddenControls(toolBar, popup);
    const BOOL addRemove = commandBars && (commandBars->GetCommandBarsOptions()->m_alwaysShowOptionsButton ||
                                           commandBars->IsCustomizable());
    if (addRemove) {
        CUIControls* controls = popup->GetControls();
        const BOOL group = controls->GetCount() > 1;
        CUIControlPopup* entry =
            static_cast<CUIControlPopup*>(controls->InsertControl(CUIControlPopup::CreateWithType(uiControlPopup), 0));
        entry->SetCaption(LoadText(IDS_ADD_REMOVE_BUTTONS));
        entry->SetBeginGroup(group);
        CUIPopupBar* buttons = CUIPopupBar::CreatePopupBarFor(commandBars);
        commandBars->CreateAddRemovePopup(toolBar, buttons);
        entry->SetCommandBar(buttons);
        buttons->InternalRelease();
    } else {
        popup->SetWidthLimit(kOptionsRowWidth);
    }
    m_popupOpen = TRUE;
    popup->Popup(this, FALSE);
    UpdateShadow();
    RedrawParent();
    return TRUE;
}

void CUIToolBar::BuildButtonsMenu(CUICommandBar* menu) {
    CUIControls* original = m_controls->GetOriginalControls();
    std::vector<CUIControl*> reference;
    for (int i = 0; original && i < original->GetCount(); ++i)
        reference.push_back(original->GetAt(i));
    const std::vector<CUIControl*> loaded = reference;
    for (int i = GetControlCount() - 1; i >= 0; --i) {
        if (GetControl(i)->GetHideFlags() & uiHideCustomize)
            m_controls->Remove(i);
    }
    // Removed buttons come back hidden at their loaded place; each button gets an entry.
    size_t a = 0;
    int i = 0;
    while (a < reference.size() || i < GetControlCount()) {
        if (a < reference.size()) {
            const int found = FindControlFrom(m_controls, reference[a], i);
            if (found < 0) {
                CUIControl* copy = m_controls->AddCopy(reference[a], i);
                copy->SetHideFlags(copy->GetHideFlags() | uiHideCustomize);
                ++a;
            } else if (found == i) {
                ++a;
            } else {
                for (size_t later = a + 1; later < reference.size(); ++later) {
                    if (SameControl(reference[later], GetControl(i))) {
                        reference.erase(reference.begin() + static_cast<std::ptrdiff_t>(later));
                        break;
                    }
                }
            }
        }
        CUIControl* control = GetControl(i++);
        const UINT id = control->GetID();
        if (id == ID_TOOLBAR_OPTIONS || id == ID_TOOLBAR_CLOSE ||
            (control->GetHideFlags() & (uiHideExpanded | uiHideForMenu)))
            continue;
        CUIControlToggleEntry* entry = new CUIControlToggleEntry(this, control);
        menu->GetControls()->InsertControl(entry, 0);
        entry->SetCaption(control->GetDisplayCaption());
        const int type = control->GetType();
        entry->m_imageId = type >= uiControlButton && type <= uiControlSplitButtonPopup ? control->GetEffectiveImageId()
                           : control->m_imageId > 0                                         ? control->m_imageId
                                                                                            : static_cast<int>(id);
        CString shortcut;
        if (FindShortcut(id, shortcut, GetSiteFrame()))
            entry->SetShortcutText(shortcut);
        BOOL listed = FALSE;
        for (CUIControl* candidate : loaded)
            listed |= SameControl(candidate, control);
        entry->SetEnabled(listed);
        entry->m_checked = (control->GetHideFlags() & uiHideCustomize) ? 0 : 1;
    }
    if (original && m_resettable && !m_temporary) {
        CUIControlToggleEntry* reset = new CUIControlToggleEntry(this, nullptr);
        menu->GetControls()->InsertControl(reset, 0);
        reset->SetCaption(LoadText(IDS_RESET));
        reset->SetBeginGroup(TRUE);
    }
}

void CUIToolBar::Reset() {
    if (!m_resettable || m_barId == 0)
        return;
    CString question;
    question.Format(LoadText(IDS_CONFIRM_RESET_TOOLBAR), static_cast<LPCSTR>(m_title));
    if (AfxMessageBox(question, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    if (CUIControls* original = m_controls->GetOriginalControls()) {
        m_controls->RemoveAll();
        for (int i = 0; i < original->GetCount(); ++i) {
            if (!original->GetAt(i)->m_temporary)
                m_controls->AddCopy(original->GetAt(i));
        }
    } else {
        LoadToolBar(m_barId, FALSE);
    }
    if (m_hWnd)
        SendMessage(WM_INITIALUPDATE);
    DelayLayout();
}
