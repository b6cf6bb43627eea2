#include "ui/commandbars/UIToolBar.h"

#include "ui/commandbars/UIBarDragTracker.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UIToolBarResource.h"
#include "ui/commandbars/UIToolbarLayout.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CControlBar.h"
#include "platform/CFrameWnd.h"
#include "platform/CMiniFrameWnd.h"
#include "res/resource.h"

namespace {

const int kSpecialOptionsDocked = 0;
const int kSpecialCaptionClose = 2;
const int kSpecialOptionsFloating = 3;

}  // namespace

CUIControlToolbarOptions::CUIControlToolbarOptions() {
    m_type = uiControlButtonPopup;
    m_flags = 0x1C;
}

int CUIControlToolbarOptions::Kind() const {
    return m_parent && m_parent->GetPosition() == uiBarFloating ? kSpecialOptionsFloating : kSpecialOptionsDocked;
}

CSize CUIControlToolbarOptions::GetSize(CDC* dc) {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    BOOL hidden = m_hiddenButtons;
    return paintManager ? paintManager->DrawSpecialControl(dc, Kind(), this, m_parent, FALSE, &hidden) : CSize(0, 0);
}

void CUIControlToolbarOptions::Draw(CDC* dc) {
    BOOL hidden = m_hiddenButtons;
    if (CUICommandBarsTheme* paintManager = GetPaintManager())
        paintManager->DrawSpecialControl(dc, Kind(), this, m_parent, TRUE, &hidden);
}

void CUIControlToolbarOptions::SetRect(CRect rect) {
    CUIControl::SetRect(rect);
    m_hiddenButtons = FALSE;
    CUIControls* controls = m_parent ? m_parent->GetControls() : nullptr;
    for (int i = 0; controls && i < controls->GetCount(); ++i)
        m_hiddenButtons |= controls->GetAt(i)->GetHideFlags() == uiHideWrap;
}

CUIControlToolbarClose::CUIControlToolbarClose() { m_flags = uiFlagSkipKeyboard | uiFlagNoUpdate | uiFlagNoCustomize; }

void CUIControlToolbarClose::Draw(CDC* dc) {
    if (CUICommandBarsTheme* paintManager = GetPaintManager())
        paintManager->DrawSpecialControl(dc, kSpecialCaptionClose, this, m_parent, TRUE, nullptr);
}

void CUIControlToolbarClose::OnExecute() {
    if (m_parent)
        m_parent->SetVisible(FALSE);
}

IMPLEMENT_SERIAL(CUIToolBar, CUICommandBar, uiArchiveSchema)

BEGIN_MESSAGE_MAP(CUIToolBar, CUICommandBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_MOUSEACTIVATE()
    ON_WM_NCCREATE()
    ON_WM_NCACTIVATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_SETFOCUS()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CUIToolBar::CUIToolBar() {
    m_barType = uiBarTypeToolBar;
    m_barStyle |= CBRS_GRIPPER;
}

CUIToolBar::~CUIToolBar() = default;

void CUIToolBar::EnableDocking(DWORD flags) {
    m_dockingFlags = flags;
    if (m_dragTracker == nullptr)
        m_dragTracker.reset(new CUIBarDragTracker(this));
}

BOOL CUIToolBar::LoadToolBar(UINT resourceId, BOOL loadImages) {
    m_barId = resourceId;
    m_controls->RemoveAll();
    UIToolBarResource resource;
    if (!LoadToolBarResource(resourceId, &resource))
        return FALSE;
    SetButtons(resource.ids.data(), static_cast<int>(resource.ids.size()));
    BOOL result = TRUE;
    if (loadImages) {
        result = ::GetImageManager()->SetIconsFromResource(resourceId, resource.ids.data(),
                                                           static_cast<int>(resource.ids.size()), resource.buttonWidth,
                                                           resource.buttonHeight, 0);
    }
    if (resource.buttonWidth != 16)
        m_buttonSize = CSize(resource.buttonWidth, resource.buttonHeight);
    m_controls->CreateOriginalControls();
    return result;
}

void CUIToolBar::SetButtons(const UINT* ids, int count) {
    m_controls->RemoveAll();
    BOOL beginGroup = FALSE;
    CUICommandBars* commandBars = GetCommandBars();
    CWnd* site = commandBars ? commandBars->GetSite() : GetOwnerSite();
    for (int i = 0; i < count; ++i) {
        if (ids[i] == 0) {
            beginGroup = TRUE;
            continue;
        }
        UIControlCreateRecord record = {static_cast<INT_PTR>(ids[i]), m_title, nullptr, this, nullptr, i, uiControlButton};
        if (site && site->GetSafeHwnd())
            site->SendMessage(CommandBarsControlCreateNotify, 0, reinterpret_cast<LPARAM>(&record));
        const UINT id = static_cast<UINT>(record.id);
        CUIControl* control = record.control ? m_controls->InsertControl(record.control, id)
                                             : m_controls->Add(static_cast<int>(record.type), id);
        if (control == nullptr)
            continue;
        if (control->GetType() == uiControlPopup && control->m_imageId != static_cast<int>(id))
            control->m_imageId = static_cast<int>(id);
        if (beginGroup)
            control->SetBeginGroup(TRUE);
        beginGroup = FALSE;
    }
    DelayLayout();
}

void CUIToolBar::SetPreviewMode(BOOL preview) {
    if (preview) {
        m_visibleBeforePreview = m_visible;
        if (m_visible) {
            m_visible = FALSE;
            if (m_hWnd)
                ShowWindow(SW_HIDE);
        }
    } else if (m_visibleBeforePreview) {
        m_visible = TRUE;
        if (m_hWnd)
            ShowWindow(SW_SHOWNA);
    }
}

void CUIToolBar::SetVisible(BOOL visible) {
    m_visible = visible;
    if (!visible)
        SetTrackingMode(uiNotTracking, TRUE, FALSE);
    if (m_hWnd)
        ShowWindow(visible ? SW_SHOWNA : SW_HIDE);
    CUICommandBars* commandBars = GetCommandBars();
    if (commandBars && m_position != uiBarFloating)
        commandBars->RecalcFrameLayout(FALSE);
    if (!visible && m_temporary && commandBars)
        commandBars->Remove(this);
}

BOOL CUIToolBar::Create(int position) {
    CUICommandBars* commandBars = GetCommandBars();
    if (commandBars == nullptr || position < uiBarTop || position > uiBarFloating)
        return FALSE;
    if (position == uiBarFloating)
        return commandBars->FloatCommandBar(this);
    return commandBars->DockCommandBarTo(this, position);
}

void CUIToolBar::DelayLayout() {
    if (m_hWnd == nullptr)
        return;
    if (m_position == uiBarFloating) {
        const CSize size = CalcDynamicLayout(-1, uiLayoutHorizontal | uiLayoutLengthIsLimit | uiLayoutCommit);
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Invalidate(FALSE);
    } else if (CUICommandBars* commandBars = GetCommandBars()) {
        commandBars->RecalcFrameLayout(FALSE);
    }
}

int CUIToolBar::OnKeyDown(UINT key) {
    if (m_dragTracker == nullptr && key == VK_TAB) {
        // A toolbar in a dialog: Tab leaves it for the next tab stop.
        if (CWnd* parent = GetParent())
            ::SetFocus(::GetNextDlgTabItem(parent->m_hWnd, m_hWnd, ::GetKeyState(VK_SHIFT) < 0));
        EndTrackingMode();
        return 1;
    }
    return CUICommandBar::OnKeyDown(key);
}

void CUIToolBar::Copy(CUICommandBar* source, BOOL recursive) {
    CUICommandBar::Copy(source, recursive);
    if (CUIToolBar* toolBar = dynamic_cast<CUIToolBar*>(source)) {
        m_resettable = toolBar->m_resettable;
        m_temporary = toolBar->m_temporary;
    }
}

CSize CUIToolBar::GetButtonSize() const {
    if (m_buttonSize.cx != 0 && m_buttonSize.cy != 0)
        return m_buttonSize;
    CUICommandBars* commandBars = GetCommandBars();
    if (m_barType == uiBarTypePopup || commandBars == nullptr)
        return CSize(16, 16);
    CUICommandBarsOptions* options = commandBars->GetCommandBarsOptions();
    const CSize normal = options->m_buttonSize.cx != 0 ? options->m_buttonSize : CSize(16, 16);
    if (!options->m_largeIcons)
        return normal;
    return options->m_largeButtonSize.cx != 0 ? options->m_largeButtonSize : CSize(normal.cx * 2, normal.cy * 2);
}

int CUIToolBar::FindControlFrom(CUIControls* controls, CUIControl* control, int start) {
    if (control == nullptr)
        return -1;
    for (int i = start; i >= 0 && i < controls->GetCount(); ++i) {
        CUIControl* candidate = controls->GetAt(i);
        if (candidate->GetID() == control->GetID() && candidate->GetType() == control->GetType())
            return i;
    }
    return -1;
}

CUIControl* CUIToolBar::GetSpecialControl(UINT id, BOOL create) {
    CUIControl* control = m_controls->FindControl(static_cast<int>(id));
    if (control == nullptr && create) {
        if (id == ID_TOOLBAR_OPTIONS) {
            control = m_controls->InsertControl(new CUIControlToolbarOptions, id, "", -1, TRUE);
        } else {
            control = m_controls->InsertControl(new CUIControlToolbarClose, id, "", -1, TRUE);
        }
    }
    return control;
}

LRESULT CUIToolBar::OnFloatStatus(WPARAM flags, LPARAM) {
    const BOOL result = (GetStyle() & MFS_SYNCACTIVE) && (flags & FS_SYNCACTIVE);
    if (m_position != uiBarFloating || !m_visible)
        return result;
    CUICommandBars* commandBars = GetCommandBars();
    const BOOL followFrame = commandBars == nullptr || commandBars->GetCommandBarsOptions()->m_hideFloatingBarsWithFrame;
    CWnd* top = GetTopLevelParent();
    const BOOL topActive = top && ::GetActiveWindow() == top->m_hWnd;
    const UINT hideFlags = SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    const UINT showFlags = SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    if (followFrame) {
        if ((flags & FS_DEACTIVATE) && !topActive)
            SetWindowPos(nullptr, 0, 0, 0, 0, hideFlags);
        HWND foreground = ::GetForegroundWindow();
        if ((flags & FS_ACTIVATE) && topActive && foreground && ::IsWindowVisible(foreground) && !::IsIconic(foreground))
            SetWindowPos(nullptr, 0, 0, 0, 0, showFlags);
    }
    if (flags & FS_SHOW)
        SetWindowPos(nullptr, 0, 0, 0, 0, showFlags);
    if (flags & FS_HIDE)
        SetWindowPos(nullptr, 0, 0, 0, 0, hideFlags);
    if (flags & (FS_ENABLE | FS_DISABLE))
        EnableWindow((flags & FS_ENABLE) != 0);
    return result;
}

int CUIToolBar::OnMouseActivate(CWnd*, UINT, UINT) {
    return m_position == uiBarFloating ? MA_NOACTIVATE : static_cast<int>(Default());
}

BOOL CUIToolBar::OnNcActivate(BOOL active) { return active ? FALSE : static_cast<BOOL>(Default()); }
