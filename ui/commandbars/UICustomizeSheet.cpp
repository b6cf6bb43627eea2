#include "ui/commandbars/UICustomizeSheet.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControlDragContext.h"
#include "ui/commandbars/UIControlEdit.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIImageManagerIcons.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UIPopupBar.h"

#include "platform/CFrameWnd.h"
#include "platform/CImageList.h"
#include "platform/CMenu.h"
#include "res/resource.h"

#include <cmath>
#include <vector>

namespace {

// Icon ids of the images offered by "Change Button Image".
const UINT PaletteIconBase = 0x50000;

}  // namespace

BEGIN_MESSAGE_MAP(CUICustomizeSheet, CPropertySheet)
    ON_WM_DESTROY()
    ON_MESSAGE(CommandBarsExecuteNotify, OnExecuteNotify)
    ON_COMMAND(ID_CUSTOMIZE_RESET, OnReset)
    ON_COMMAND(ID_CUSTOMIZE_DELETE, OnDelete)
    ON_COMMAND(ID_CUSTOMIZE_COPY_IMAGE, OnCopyImage)
    ON_COMMAND(ID_CUSTOMIZE_PASTE_IMAGE, OnPasteImage)
    ON_COMMAND(ID_CUSTOMIZE_RESET_IMAGE, OnResetImage)
    ON_COMMAND(ID_CUSTOMIZE_EDIT_IMAGE, OnEditImage)
    ON_COMMAND_RANGE(ID_CUSTOMIZE_DEFAULT_STYLE, ID_CUSTOMIZE_TEXT_ONLY, OnStyle)
    ON_COMMAND(ID_CUSTOMIZE_BEGIN_GROUP, OnBeginGroup)
    ON_UPDATE_COMMAND_UI(ID_CUSTOMIZE_RESET, OnUpdateReset)
    ON_UPDATE_COMMAND_UI(ID_CUSTOMIZE_NAME, OnUpdateName)
    ON_UPDATE_COMMAND_UI(ID_CUSTOMIZE_COPY_IMAGE, OnUpdateImageCommand)
    ON_UPDATE_COMMAND_UI(ID_CUSTOMIZE_EDIT_IMAGE, OnUpdateImageCommand)
    ON_UPDATE_COMMAND_UI(ID_CUSTOMIZE_CHANGE_IMAGE, OnUpdateImageCommand)
    ON_UPDATE_COMMAND_UI(ID_CUSTOMIZE_PASTE_IMAGE, OnUpdatePasteImage)
    ON_UPDATE_COMMAND_UI(ID_CUSTOMIZE_RESET_IMAGE, OnUpdateResetImage)
    ON_UPDATE_COMMAND_UI_RANGE(ID_CUSTOMIZE_DEFAULT_STYLE, ID_CUSTOMIZE_TEXT_ONLY, OnUpdateStyle)
    ON_UPDATE_COMMAND_UI(ID_CUSTOMIZE_BEGIN_GROUP, OnUpdateBeginGroup)
END_MESSAGE_MAP()

CUICustomizeSheet::CUICustomizeSheet(CUICommandBars* commandBars, LPCSTR caption, CWnd* parent)
    : CPropertySheet(caption, parent), m_commandBars(commandBars) {}

BOOL CUICustomizeSheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    m_commandBars->GetDragContext()->SetCustomizeWindow(this);
    m_commandBars->SetCustomizeMode(TRUE);
    return TRUE;
}

void CUICustomizeSheet::OnDestroy() {
    if (m_commandBars->GetDragContext()->GetCustomizeWindow() == this) {
        m_commandBars->GetDragContext()->SetCustomizeWindow(nullptr);
        m_commandBars->SetCustomizeMode(FALSE);
    }
    Default();
}

CUIControl* CUICustomizeSheet::Selected() const { return m_commandBars->GetDragControl(); }

void CUICustomizeSheet::ContextMenu(CPoint point) {
    CUIPopupBar* popup = CreateContextMenu();
    if (popup == nullptr)
        return;
    m_commandBars->TrackPopupBar(popup, 0, point.x, point.y, m_commandBars->GetSite(), nullptr, this);
    popup->InternalRelease();
}

CUIPopupBar* CUICustomizeSheet::CreateContextMenu() {
    CMenu menu;
    if (!menu.LoadMenu(IDR_MENU_CUSTOMIZE))
        return nullptr;
    CUIPopupBar* popup = CUIPopupBar::CreatePopupBarFor(m_commandBars);
    if (!popup->LoadMenu(menu.GetSubMenu(0), TRUE)) {
        popup->InternalRelease();
        return nullptr;
    }
    CUIControlEdit* name = new CUIControlEdit;
    if (CUIControl* selected = Selected())
        name->SetEditText(selected->GetDisplayCaption());
    ReplaceEntry(popup, ID_CUSTOMIZE_NAME, name);
    ReplaceEntry(popup, ID_CUSTOMIZE_CHANGE_IMAGE, CreateImagePalette());
    return popup;
}

void CUICustomizeSheet::ReplaceEntry(CUICommandBar* popup, UINT id, CUIControl* control) {
    CUIControls* controls = popup->GetControls();
    CUIControl* entry = controls->FindControl(static_cast<int>(id));
    if (entry == nullptr) {
        control->InternalRelease();
        return;
    }
    const int index = entry->GetIndex();
    const CString caption = entry->GetCaption();
    const BOOL beginGroup = entry->GetBeginGroup();
    controls->Remove(index);
    controls->InsertControl(control, id, "", index);
    control->SetCaption(caption);
    control->SetBeginGroup(beginGroup);
}

CUIControl* CUICustomizeSheet::CreateImagePalette() {
    CUIControlPopup* opener = new CUIControlPopup;
    CUIPopupToolBar* palette = CUIPopupToolBar::CreatePopupToolBarFor(m_commandBars);
    const int count = m_buttonImages ? m_buttonImages->GetImageCount() : 0;
    if (count > 0) {
        int width = 0, height = 0;
        ::ImageList_GetIconSize(*m_buttonImages, &width, &height);
        std::vector<UINT> ids;
        for (int i = 0; i < count; ++i) {
            ids.push_back(PaletteIconBase + static_cast<UINT>(i));
            CUIControl* button = palette->GetControls()->Add(uiControlButton, ID_CUSTOMIZE_CHANGE_IMAGE);
            button->m_imageId = static_cast<int>(ids.back());
            button->SetFlags(button->GetFlags() | uiFlagNoUpdate);
        }
        GetImageManager()->SetIcons(*m_buttonImages, ids.data(), count, width, height, UI_IMAGE_NORMAL);
        palette->SetWidthLimit(static_cast<int>(std::sqrt(static_cast<double>(count))) * (width + 7) + 6);
    }
    opener->SetCommandBar(palette);
    palette->InternalRelease();
    return opener;
}

LRESULT CUICustomizeSheet::OnExecuteNotify(WPARAM, LPARAM lParam) {
    const UIExecuteRecord* record = reinterpret_cast<const UIExecuteRecord*>(lParam);
    if (record == nullptr || record->control == nullptr)
        return 0;
    if (record->id == ID_CUSTOMIZE_CHANGE_IMAGE) {
        ChangeImage(static_cast<UINT>(record->control->m_imageId));
        return TRUE;
    }
    CUIControlEdit* name = dynamic_cast<CUIControlEdit*>(record->control);
    if (record->id == ID_CUSTOMIZE_NAME && name) {
        if (CUIControl* selected = Selected()) {
            selected->m_customCaption = name->GetEditText();
            Relayout(selected);
        }
        return TRUE;
    }
    return 0;
}

void CUICustomizeSheet::ChangeImage(UINT imageId) {
    CUIControl* selected = Selected();
    CUIImageStore* store = selected ? selected->GetImageManager() : nullptr;
    CUIImageManagerIcons* icons = store ? store->GetIconSet(imageId) : nullptr;
    CUIImageIconSet* set = icons ? icons->GetImage(0) : nullptr;
    if (set == nullptr || set->GetIcon().GetIcon() == nullptr)
        return;
    selected->m_customImageId = static_cast<int>(store->AddCustomIcon(set->GetIcon(), set->IsAlpha()));
    Relayout(selected);
}

void CUICustomizeSheet::Relayout(CUIControl* control) {
    if (CUICommandBar* parent = control->GetParent()) {
        parent->OnRecalcLayout();
        parent->DelayLayout();
        if (parent->GetSafeHwnd())
            parent->Invalidate(FALSE);
    }
}
