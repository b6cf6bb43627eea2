// Painting and the idle-time update of a bar's controls.
#include "ui/commandbars/UICommandBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CDC.h"

namespace {

const DWORD GripperStyle = 0x400000;

}  // namespace

void CUICommandBar::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CUIBufferDC buffer(paint.GetSafeHdc(), client);
    DrawCommandBar(&buffer);
}

LRESULT CUICommandBar::OnPrintClient(WPARAM wParam, LPARAM) {
    DrawCommandBar(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CUICommandBar::DrawCommandBar(CDC* dc) {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    if (paintManager == nullptr)
        return;
    paintManager->FillCommandBarBackground(dc, this);
    if (m_barStyle & GripperStyle)
        paintManager->DrawBarGripper(dc, this, TRUE);
    bool first = true;
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        if (!control->IsVisible())
            continue;
        if (control->GetBeginGroup() && !first)
            paintManager->DrawControlSeparator(dc, this, control, TRUE);
        first = false;
        CFont* font = paintManager->GetBarFont(this, control->GetDefaultItem());
        CFont* old = font ? dc->SelectObject(font) : nullptr;
        control->Draw(dc);
        if (old)
            dc->SelectObject(old);
    }
    DrawCustomizeMarks(dc);
}

LRESULT CUICommandBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    if (!IsWindowVisible())
        return 0;
    UpdateDocTemplateControls();
    if (CWnd* owner = GetOwnerSite())
        OnUpdateCmdUI(owner, static_cast<BOOL>(wParam));
    return 0;
}

LRESULT CUICommandBar::OnInitialUpdate(WPARAM, LPARAM) { return OnIdleUpdateCmdUI(TRUE, 0); }

void CUICommandBar::OnUpdateCmdUI(CWnd* target, BOOL disableIfNoHandler) {
    CUICommandBarUpdateUI state;
    state.m_bar = this;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetControlCount());
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        if (control->m_pressed == 2) {
            control->m_pressed = 0;
            DelayRedraw();
        }
        if (control->GetFlags() & uiFlagNoUpdate)
            continue;
        state.m_nID = control->GetID();
        state.m_nIndex = static_cast<UINT>(i);
        state.m_bContinueRouting = FALSE;
        if (CCmdTarget::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr))
            continue;
        if (IsCustomizeMode())
            state.Enable(TRUE);
        else
            state.DoUpdate(target, disableIfNoHandler);
    }
    if (m_idleFlags & idleRedraw) {
        m_idleFlags &= ~idleRedraw;
        if (m_hWnd)
            Invalidate(FALSE);
    }
    if (m_idleFlags & idleLayout) {
        m_idleFlags &= ~idleLayout;
        DelayLayout();
    }
    if (m_hWnd)
        UpdateDialogControls(target, disableIfNoHandler);
}

void CUICommandBar::UpdateDocTemplateControls() {
    CUICommandBars* commandBars = GetCommandBars();
    const UINT menuId = commandBars ? commandBars->GetActiveMenuId() : 0;
    if (menuId == 0)
        return;
    BOOL changed = FALSE;
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        DWORD hide = control->GetHideFlags();
        if (!control->m_visibleFor.IsEmpty())
            hide = control->m_visibleFor.Contains(menuId) ? (hide & ~uiHideForMenu) : (hide | uiHideForMenu);
        if (!control->m_hiddenFor.IsEmpty())
            hide = control->m_hiddenFor.Contains(menuId) ? (hide | uiHideForMenu) : (hide & ~uiHideForMenu);
        if (hide != control->GetHideFlags()) {
            control->SetHideFlags(hide);
            changed = TRUE;
        }
    }
    if (changed)
        m_idleFlags |= idleLayout;
}

CUIControl* CUICommandBarUpdateUI::Control() const { return m_bar->GetControl(static_cast<int>(m_nIndex)); }

void CUICommandBarUpdateUI::Enable(BOOL on) {
    m_bEnableChanged = TRUE;
    if (CUIControl* control = Control())
        control->SetEnabled(on);
}

void CUICommandBarUpdateUI::SetCheck(int check) {
    CUIControl* control = Control();
    if (control == nullptr || control->m_checked == check)
        return;
    control->m_checked = check;
    control->RedrawParent();
}

void CUICommandBarUpdateUI::SetText(LPCSTR text) {
    if (CUIControl* control = Control())
        control->SetCaption(text);
}
