// The commands of the customize context menu, on the control selected in customize
// mode, with their update handlers.
#include "ui/commandbars/UICustomizeSheet.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UICustomizeButtonImage.h"
#include "ui/commandbars/UIMouseTrackHook.h"

#include "platform/CCmdUI.h"
#include "res/resource.h"

namespace {

// Button, popup, button popup and split button popup carry images and styles.
BOOL HasButtonImage(const CUIControl* control) {
    return control->GetType() >= uiControlButton && control->GetType() <= uiControlSplitButtonPopup;
}

int StyleOf(UINT id) {
    switch (id) {
    case ID_CUSTOMIZE_IMAGE_AND_TEXT:
        return 3;
    case ID_CUSTOMIZE_TEXT_ONLY:
        return 1;
    default:
        return 0;
    }
}

}  // namespace

void CUICustomizeSheet::OnReset() {
    if (CUIControl* control = Selected()) {
        control->m_customImageId = 0;
        control->m_customCaption.Empty();
        Relayout(control);
    }
}

void CUICustomizeSheet::OnDelete() {
    CUIControl* control = Selected();
    if (control == nullptr)
        return;
    control->InternalAddRef();
    m_commandBars->SetDragControl(nullptr);
    CUICommandBar* parent = control->GetParent();
    if (control->GetControls())
        control->GetControls()->Remove(control);
    if (parent) {
        parent->OnRecalcLayout();
        parent->DelayLayout();
        if (parent->GetSafeHwnd())
            parent->Invalidate(FALSE);
    }
    control->InternalRelease();
}

void CUICustomizeSheet::OnCopyImage() {
    if (CUIControl* control = Selected())
        CopyButtonImage(control->GetImageManager(), static_cast<UINT>(control->GetEffectiveImageId()), this);
}

void CUICustomizeSheet::OnPasteImage() {
    CUIControl* control = Selected();
    if (control == nullptr)
        return;
    const UINT id = PasteButtonImage(control->GetImageManager(), this);
    if (id != 0) {
        control->m_customImageId = static_cast<int>(id);
        Relayout(control);
    }
}

void CUICustomizeSheet::OnResetImage() {
    if (CUIControl* control = Selected()) {
        control->m_customImageId = 0;
        Relayout(control);
    }
}

void CUICustomizeSheet::OnEditImage() {
    CUIMouseTrackHook::Get().EndTracking();
    CUIControl* control = Selected();
    if (control == nullptr || control->GetEffectiveImageId() == 0)
        return;
    if (EditButtonImage(control, this))
        Relayout(control);
}

void CUICustomizeSheet::OnStyle(UINT id) {
    if (CUIControl* control = Selected()) {
        control->m_buttonStyle = StyleOf(id);
        Relayout(control);
    }
}

void CUICustomizeSheet::OnBeginGroup() {
    if (CUIControl* control = Selected()) {
        control->SetBeginGroup(!control->GetBeginGroup());
        Relayout(control);
    }
}

void CUICustomizeSheet::OnUpdateReset(CCmdUI* cmdUI) {
    if (CUIControl* control = Selected())
        cmdUI->Enable(control->m_customImageId > 0 || !control->m_customCaption.IsEmpty());
}

void CUICustomizeSheet::OnUpdateImageCommand(CCmdUI* cmdUI) {
    if (CUIControl* control = Selected())
        cmdUI->Enable(HasButtonImage(control) && control->GetEffectiveImageId() > 0);
}

void CUICustomizeSheet::OnUpdatePasteImage(CCmdUI* cmdUI) {
    if (CUIControl* control = Selected())
        cmdUI->Enable(HasButtonImage(control) && ::IsClipboardFormatAvailable(CF_BITMAP));
}

void CUICustomizeSheet::OnUpdateResetImage(CCmdUI* cmdUI) {
    if (CUIControl* control = Selected())
        cmdUI->Enable(control->m_customImageId > 0);
}

void CUICustomizeSheet::OnUpdateStyle(CCmdUI* cmdUI) {
    cmdUI->SetRadio(FALSE);
    CUIControl* control = Selected();
    if (control == nullptr || !HasButtonImage(control)) {
        cmdUI->Enable(FALSE);
        return;
    }
    cmdUI->Enable(TRUE);
    cmdUI->SetRadio(control->m_buttonStyle == StyleOf(cmdUI->m_nID));
}

void CUICustomizeSheet::OnUpdateBeginGroup(CCmdUI* cmdUI) {
    cmdUI->SetCheck(0);
    if (CUIControl* control = Selected()) {
        cmdUI->SetCheck(control->GetBeginGroup() ? 1 : 0);
        cmdUI->Enable(control->GetIndex() != 0);
    }
}
