#include "ui/commandbars/UIControl.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControlDragContext.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UIMenuSoundThread.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CWnd.h"

#include <windowsx.h>

IMPLEMENT_SERIAL(CUIControl, CCmdTarget, uiArchiveSchema)

void CUIControl::SetBeginGroup(BOOL beginGroup) {
    m_beginGroup = beginGroup;
    DelayLayoutParent();
}

void CUIControl::SetEnabled(BOOL enabled) {
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    RedrawParent();
}

int CUIControl::GetEffectiveImageId() const {
    if (m_customImageId != 0)
        return m_customImageId;
    return m_imageId > 0 ? m_imageId : static_cast<int>(m_id);
}

BOOL CUIControl::IsEqual(CUIControl* other) const {
    return other != nullptr && m_buttonStyle == other->m_buttonStyle && m_type == other->m_type &&
           m_id == other->m_id && m_beginGroup == other->m_beginGroup &&
           GetEffectiveImageId() == other->GetEffectiveImageId() && m_caption == other->m_caption &&
           m_tooltip == other->m_tooltip && m_description == other->m_description &&
           m_customCaption == other->m_customCaption &&
           (m_hideFlags & uiHideCustomize) == (other->m_hideFlags & uiHideCustomize);
}

CSize CUIControl::GetSize(CDC* dc) {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    return paintManager ? paintManager->DrawControl(dc, this, FALSE) : CSize(0, 0);
}

void CUIControl::Draw(CDC* dc) {
    if (CUICommandBarsTheme* paintManager = GetPaintManager())
        paintManager->DrawControl(dc, this, TRUE);
}

void CUIControl::Copy(CUIControl* source, BOOL) {
    m_id = source->m_id;
    m_tag = source->m_tag;
    m_flags = source->m_flags;
    m_type = source->m_type;
    m_caption = source->m_caption;
    m_shortcutText = source->m_shortcutText;
    m_tooltip = source->m_tooltip;
    m_description = source->m_description;
    m_parameter = source->m_parameter;
    m_customImageId = source->m_customImageId;
    m_imageId = source->m_imageId;
    m_temporary = source->m_temporary;
    m_customCaption = source->m_customCaption;
    m_extraText = source->m_extraText;
    m_hideFlags = source->m_hideFlags;
    m_defaultItem = source->m_defaultItem;
    m_beginGroup = source->m_beginGroup;
    m_visibleFor.CopyFrom(source->m_visibleFor);
    m_hiddenFor.CopyFrom(source->m_hiddenFor);
}

CUIControl* CUIControl::Clone(BOOL recursive) {
    CUIControl* control = new CUIControl;
    control->Copy(this, recursive);
    return control;
}

BOOL CUIControl::OnLButtonDblClk(CPoint point) {
    OnClick(FALSE, point);
    return TRUE;
}

void CUIControl::OnMouseHover() {
    CUICommandBar* parent = m_parent;
    if (parent == nullptr || parent->GetOpenPopupIndex() == -1)
        return;
    parent->SetOpenPopup(-1, FALSE);
    if (parent->GetTrackingMode() == uiTrackingPopupOpen && parent->GetType() != uiBarTypePopup)
        parent->SetTrackingMode(uiNotTracking, TRUE, FALSE);
}

BOOL CUIControl::OnSetSelected(int state) {
    if (state == m_selected)
        return FALSE;
    if (state == 2 && m_parent)
        m_parent->SetOpenPopup(-1, FALSE);
    m_selected = state;
    if (m_parent) {
        m_parent->SetStatusText(state, this);
        RedrawParent();
    }
    return TRUE;
}

void CUIControl::SetID(UINT id) {
    if (id == m_id)
        return;
    m_id = id;
    char buffer[512];
    if (id == 0 || ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer, sizeof(buffer)) <= 0)
        return;
    CString text = buffer;
    const int newline = text.Find('\n');
    m_description = newline >= 0 ? text.Left(newline) : text;
    m_tooltip = newline >= 0 ? text.Mid(newline + 1) : text;
    m_caption = m_tooltip;
}

void CUIControl::SetCaption(LPCSTR text) {
    CString caption = text;
    const int tab = caption.Find('\t');
    if (tab >= 0) {
        m_shortcutText = caption.Mid(tab + 1);
        caption = caption.Left(tab);
    }
    if (caption == m_caption)
        return;
    m_caption = caption;
    DelayLayoutParent();
}

void CUIControl::LoadCaption(UINT stringId) {
    char buffer[512] = {};
    if (::LoadStringA(::GetModuleHandleA(nullptr), stringId, buffer, sizeof(buffer)) > 0)
        SetCaption(buffer);
}

void CUIControl::SetRarelyUsed(BOOL rarely) {
    m_rarelyUsed = rarely;
    if (!rarely)
        m_hideFlags &= ~uiHideRarelyUsed;
}

void CUIControl::SetDefaultItem(BOOL defaultItem) {
    if (m_defaultItem == defaultItem)
        return;
    m_defaultItem = defaultItem;
    DelayLayoutParent();
}

void CUIControl::RedrawParent() {
    if (m_parent && m_parent->GetSafeHwnd())
        m_parent->DelayRedraw();
}

void CUIControl::DelayLayoutParent() {
    if (m_parent)
        m_parent->m_idleFlags |= CUICommandBar::idleLayout;
}

void CUIControl::InvalidateParent() {
    if (m_parent && m_parent->GetSafeHwnd())
        m_parent->Invalidate(FALSE);
}

BOOL CUIControl::IsCursorOver() const {
    if (m_parent == nullptr || m_parent->GetSafeHwnd() == nullptr)
        return FALSE;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    m_parent->ScreenToClient(&cursor);
    return m_rect.PtInRect(cursor);
}

BOOL CUIControl::IsCustomizeMode() const { return m_parent && m_parent->IsCustomizeMode(); }

CUICommandBars* CUIControl::GetCommandBars() const {
    if (m_parent)
        return m_parent->GetCommandBars();
    return m_controls ? m_controls->GetCommandBars() : nullptr;
}

CUICommandBarsTheme* CUIControl::GetPaintManager() const {
    if (m_parent)
        return m_parent->GetPaintManager();
    if (CUICommandBars* commandBars = GetCommandBars())
        return commandBars->GetPaintManager();
    return GetGlobalTheme();
}

CUIImageStore* CUIControl::GetImageManager() const {
    // Bars and collections with image stores of their own come with customize mode.
    return ::GetImageManager();
}

CUIImageIconSet* CUIControl::GetImage(int width) {
    const int id = GetEffectiveImageId();
    return id != 0 ? GetImageManager()->GetImage(static_cast<UINT>(id), width) : nullptr;
}

void CUIControl::OnExecute() {
    // The control and its bar stay alive until the command has been handled, even
    // when the handler removes them.
    InternalAddRef();
    CUICommandBar* parent = m_parent;
    if (parent)
        parent->InternalAddRef();
    GetMenuSoundThread().Play(CUIMenuSoundThread::MenuCommand);
    m_pressed = 2;
    CUICommandBar* root = parent ? parent->GetRootParent() : nullptr;
    if (root && root->m_returnCommand) {
        CUIMouseTrackHook::Get().EndTracking();
        *root->m_returnCommand = static_cast<int>(m_id);
    } else if (parent) {
        CWnd* owner = parent->GetOwnerSite();
        if (CUICommandBars* commandBars = parent->GetCommandBars()) {
            if (m_id != 0)
                commandBars->SetCommandUsed(m_id);
            CUICommandBar* opener = parent->GetParentCommandBar();
            CUIControl* openerControl = opener ? opener->GetControl(opener->GetOpenPopupIndex()) : nullptr;
            if (parent->GetType() == uiBarTypePopup && openerControl && openerControl->GetID() != 0)
                commandBars->SetCommandUsed(openerControl->GetID());
        }
        CUIMouseTrackHook::Get().EndTracking();
        if (m_id != 0 && owner && owner->GetSafeHwnd()) {
            UIExecuteRecord record = {0, static_cast<INT_PTR>(m_id), UIExecuteCode, this};
            if (owner->SendMessage(CommandBarsExecuteNotify, m_id, reinterpret_cast<LPARAM>(&record)) == 0)
                owner->SendMessage(WM_COMMAND, m_id, 0);
        }
    }
    if (parent)
        parent->InternalRelease();
    InternalRelease();
}

void CUIControl::PressButton(CRect rect) {
    CUICommandBar* parent = m_parent;
    if (parent == nullptr || parent->GetSafeHwnd() == nullptr)
        return;
    if (rect.IsRectEmpty())
        rect = m_rect;
    InternalAddRef();
    parent->InternalAddRef();
    parent->SetSelected(m_index, FALSE);
    m_pressed = 1;
    parent->Invalidate(FALSE);
    parent->SetCapture();
    BOOL clicked = FALSE;
    BOOL moved = FALSE;
    CPoint last;
    MSG msg;
    for (;;) {
        if (::GetCapture() != parent->GetSafeHwnd())
            break;
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (!got || got == -1) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP) {
            last = CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            if (msg.hwnd != parent->GetSafeHwnd())
                ::MapWindowPoints(msg.hwnd, parent->GetSafeHwnd(), &last, 1);
            clicked = m_selected != 0 && (!moved || rect.PtInRect(last));
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            CPoint point(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            if (msg.hwnd != parent->GetSafeHwnd())
                ::MapWindowPoints(msg.hwnd, parent->GetSafeHwnd(), &point, 1);
            moved = TRUE;
            if (OnSetSelected(m_rect.PtInRect(point) ? 1 : 0))
                parent->Invalidate(FALSE);
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    if (::GetCapture() == parent->GetSafeHwnd())
        ::ReleaseCapture();
    if (m_selected != 0) {
        parent->ClearSelection();
        m_selected = 0;
    }
    m_pressed = 0;
    RedrawParent();
    if (clicked)
        OnExecute();
    parent->InternalRelease();
    InternalRelease();
}

void CUIControl::OnCustomizeDragOver(CUIControl*, CPoint) {
    if (m_parent) {
        m_parent->SetOpenPopup(-1, FALSE);
        m_parent->ClearSelection();
    }
}

void CUIControl::CustomizeStartDrag() {
    CUICommandBars* commandBars = GetCommandBars();
    CUICommandBar* parent = m_parent;
    if (commandBars == nullptr || parent == nullptr)
        return;
    // The drop may take the control out of its bar; both live to the end of the drag.
    InternalAddRef();
    parent->InternalAddRef();
    commandBars->SetDragControl(this);
    const int result = commandBars->GetDragContext()->DoDragDrop(this, FALSE);
    if ((result == uiDropOff || result == uiDropMove) && m_controls) {
        parent->SetOpenPopup(-1, FALSE);
        parent->ClearSelection();
        if (commandBars->GetDragControl() == this)
            commandBars->SetDragControl(nullptr);
        RemoveKeepingGroups();
        parent->OnRecalcLayout();
        parent->DelayLayout();
        parent->Invalidate(FALSE);
    }
    commandBars->SetDragControl(commandBars->GetDragControl());
    parent->InternalRelease();
    InternalRelease();
}

void CUIControl::RemoveKeepingGroups() {
    CUIControls* controls = m_controls;
    CUIControl* next = controls->GetAt(m_index + 1);
    if (m_beginGroup && next)
        next->SetBeginGroup(TRUE);
    if (m_index == 0 && next)
        next->SetBeginGroup(FALSE);
    controls->Remove(this);
}

IMPLEMENT_SERIAL(CUIControlButton, CUIControl, uiArchiveSchema)

void CUIControlButton::Copy(CUIControl* source, BOOL recursive) {
    CUIControl::Copy(source, recursive);
    m_buttonStyle = source->m_buttonStyle;
}

void CUIControlButton::OnClick(BOOL keyboard, CPoint) {
    if (!m_enabled)
        return;
    if (IsCustomizeMode()) {
        m_parent->SetOpenPopup(-1, FALSE);
        m_parent->ClearSelection();
        CustomizeStartDrag();
        return;
    }
    if (keyboard)
        OnExecute();
    else if (m_parent && m_parent->GetType() != uiBarTypePopup)
        PressButton(CRect());
}

void CUIControlButton::OnLButtonUp(CPoint) {
    if (m_enabled && m_parent && m_parent->GetType() == uiBarTypePopup)
        OnExecute();
}

CUIControl* CUIControlButton::Clone(BOOL recursive) {
    CUIControl* control = new CUIControlButton;
    control->Copy(this, recursive);
    return control;
}
