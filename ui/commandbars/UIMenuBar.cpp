#include "ui/commandbars/UIMenuBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIWndProcHookTable.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CMDIFrameWnd.h"
#include "platform/CMenu.h"
#include "platform/MessageBox.h"
#include "platform/MessageMap.h"
#include "res/resource.h"

#include <algorithm>

namespace {

const UINT kSystemImages[] = {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};

}  // namespace

CUIControlMDIButton::CUIControlMDIButton(UINT systemCommand, LPCSTR glyph) : m_systemCommand(systemCommand) {
    m_flags |= 0x1B;
    m_parameter = glyph;
}

void CUIControlMDIButton::Draw(CDC* dc) {
    CFont marlett;
    marlett.CreatePointFont(::MulDiv(80, 96, dc->GetDeviceCaps(LOGPIXELSX)), "Marlett", dc);
    CFont* previous = dc->SelectObject(&marlett);
    if (CUICommandBarsTheme* paintManager = GetPaintManager())
        paintManager->DrawControlBackground(dc, this);
    CRect rect = m_rect;
    dc->SetBkMode(TRANSPARENT);
    dc->DrawText(m_parameter, rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    dc->SelectObject(previous);
}

void CUIControlMDIButton::OnExecute() {
    CUIMenuBar* menuBar = dynamic_cast<CUIMenuBar*>(m_parent);
    CWnd* child = menuBar ? menuBar->GetActiveMdiChild(nullptr) : nullptr;
    if (child)
        child->PostMessage(WM_SYSCOMMAND, m_systemCommand);
}

IMPLEMENT_SERIAL(CUIMenuBar, CUIToolBar, uiArchiveSchema)

BEGIN_MESSAGE_MAP(CUIMenuBar, CUIToolBar)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CUIMenuBar::~CUIMenuBar() {
    ReleaseMenuSets();
    for (HWND window : m_hooked)
        CUIWndProcHookTable::Instance().RemoveHook(window, this);
}

void CUIMenuBar::ReleaseMenuSets() {
    for (auto& set : m_menuSets)
        set.second->InternalRelease();
    m_menuSets.clear();
}

CUIControls* CUIMenuBar::SwapControls(CUIControls* controls) {
    CUIControls* previous = m_controls;
    previous->SetParent(nullptr);
    m_controls = controls;
    m_controls->SetParent(this);
    return previous;
}

CUIControls* CUIMenuBar::GetMenuControls(UINT menuId) const {
    auto found = m_menuSets.find(menuId);
    return found == m_menuSets.end() ? nullptr : found->second;
}

void CUIMenuBar::HookWindow(HWND window) {
    if (window == nullptr)
        return;
    CUIWndProcHookTable::Instance().SetHook(window, this);
    m_hooked.push_back(window);
}

BOOL CUIMenuBar::LoadMenuBar(UINT menuId) {
    if (menuId != 0) {
        CMenu menu;
        if (!menu.LoadMenu(menuId) || !LoadMenu(&menu, TRUE))
            return FALSE;
        m_defaultMenuId = m_currentMenuId = menuId;
    }
    CWnd* site = GetSite();
    CMDIFrameWnd* mdiFrame = dynamic_cast<CMDIFrameWnd*>(site);
    m_mdiSite = mdiFrame != nullptr;
    if (site)
        HookWindow(site->m_hWnd);
    if (mdiFrame)
        HookWindow(mdiFrame->m_hWndMDIClient);
    if (GetCommandBars())
        ::GetImageManager()->SetIconsFromResource(IDB_MENUBAR_SYSTEM, kSystemImages, 4, 16, 16, 0);
    if (site) {
        m_frameMenu = ::GetMenu(site->m_hWnd);
        ::SetMenu(site->m_hWnd, nullptr);
    }
    return TRUE;
}

CWnd* CUIMenuBar::GetActiveMdiChild(BOOL* maximized) const {
    CMDIFrameWnd* frame = m_mdiSite ? dynamic_cast<CMDIFrameWnd*>(GetSite()) : nullptr;
    BOOL isMaximized = FALSE;
    HWND child = frame ? reinterpret_cast<HWND>(::SendMessageA(frame->m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                                                               reinterpret_cast<LPARAM>(&isMaximized)))
                       : nullptr;
    if (maximized)
        *maximized = child && isMaximized;
    return child ? CWnd::FromHandle(child) : nullptr;
}

void CUIMenuBar::SwitchMenu(HMENU menu) {
    CUICommandBars* commandBars = GetCommandBars();
    UINT wanted = commandBars ? commandBars->GetActiveMenuId() : 0;
    if (menu == m_frameMenu)
        wanted = m_defaultMenuId;
    if (wanted == 0 || m_currentMenuId == 0 || wanted == m_currentMenuId || ::GetMenuItemCount(menu) <= 0)
        return;
    if (commandBars->IsCustomizable()) {
        // Customized menus are kept per document type while another one shows.
        if (CUIControls* older = GetMenuControls(m_currentMenuId))
            older->InternalRelease();
        CUIControls* kept = GetMenuControls(wanted);
        m_menuSets.erase(wanted);
        CUIControls* incoming = kept ? kept : new CUIControls;
        m_menuSets[m_currentMenuId] = SwapControls(incoming);
        if (kept == nullptr) {
            LoadMenu(CMenu::FromHandle(menu), TRUE);
            m_controls->CreateOriginalControls();
        }
    } else {
        LoadMenu(CMenu::FromHandle(menu), TRUE);
    }
    DelayLayout();
    m_currentMenuId = wanted;
}

void CUIMenuBar::RefreshMdiChild() {
    CWnd* child = GetActiveMdiChild(nullptr);
    HWND active = child ? child->m_hWnd : nullptr;
    if (active != m_hookedChild) {
        if (m_hookedChild) {
            CUIWndProcHookTable::Instance().RemoveHook(m_hookedChild, this);
            m_hooked.erase(std::remove(m_hooked.begin(), m_hooked.end(), m_hookedChild), m_hooked.end());
        }
        m_hookedChild = active;
        HookWindow(active);
    }
    UpdateMdiButtons();
}

void CUIMenuBar::UpdateMdiButtons() {
    BOOL maximized = FALSE;
    CWnd* child = GetActiveMdiChild(&maximized);
    UpdateSystemMenu(child, maximized);
    const DWORD style = child ? child->GetStyle() : 0;
    const struct {
        UINT id;
        UINT command;
        LPCSTR glyph;
        BOOL wanted;
    } buttons[] = {
        {MinimizeId, SC_MINIMIZE, "0", (style & WS_MINIMIZEBOX) && !(m_dockingFlags & NoMinimize)},
        {RestoreId, SC_RESTORE, "2", (style & WS_MAXIMIZEBOX) && !(m_dockingFlags & NoRestore)},
        {CloseId, SC_CLOSE, "r", !(m_dockingFlags & NoClose)},
    };
    BOOL changed = FALSE;
    for (const auto& button : buttons) {
        CUIControl* existing = m_controls->FindControl(static_cast<int>(button.id));
        if (existing && !maximized) {
            m_controls->Remove(existing);
            changed = TRUE;
        } else if (!existing && maximized && button.wanted) {
            CUIControl* control = m_controls->InsertControl(new CUIControlMDIButton(button.command, button.glyph),
                                                            button.id, button.glyph, -1, TRUE);
            control->SetID(button.id);
            changed = TRUE;
        }
    }
    if (changed)
        DelayLayout();
}

int CUIMenuBar::OnHookMessage(HWND hwnd, UINT message, WPARAM& wParam, LPARAM& lParam, LRESULT& result) {
    if (!IsVisible() || m_hWnd == nullptr)
        return CUIToolBar::OnHookMessage(hwnd, message, wParam, lParam, result);
    switch (message) {
    case WM_SYSCOMMAND:
        // Alt or F10 pressed alone: menu mode with the first title selected. Nothing
        // during a drag (the frame has no menu of its own to enter), nor while menus
        // track already: the default handling takes an Alt released after Alt+letter,
        // whose letter opened a menu here, for Alt alone.
        if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0) {
            const CUIMouseTrackHook& hook = CUIMouseTrackHook::Get();
            if (hook.m_suspendCount <= 0 && !hook.IsTracking()) {
                SetTrackingMode(uiTracking, FALSE, TRUE);
                SetSelected(m_controls->GetNextIndex(-1, +1, TRUE, FALSE), TRUE);
            }
            result = 0;
            return Handled;
        }
        break;
    case WM_MDICREATE:
    case WM_MDIDESTROY:
    case WM_MDIACTIVATE:
        PostMessage(WM_TIMER, RefreshTimerId);
        if (hwnd == m_hookedChild)
            PostMessage(WM_TIMER, RefreshTimerId);
        break;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        if (hwnd == m_hookedChild)
            PostMessage(WM_TIMER, RefreshTimerId);
        break;
    case WM_MDISETMENU: {
        HMENU menu = wParam ? reinterpret_cast<HMENU>(wParam) : m_frameMenu;
        if (!(m_dockingFlags & NoMdiMenus) && menu)
            SwitchMenu(menu);
        if (CWnd* site = GetSite())
            ::SetMenu(site->m_hWnd, nullptr);
        RefreshMdiChild();
        result = 0;
        return Handled;
    }
    default:
        break;
    }
    return CUIToolBar::OnHookMessage(hwnd, message, wParam, lParam, result);
}

void CUIMenuBar::Copy(CUICommandBar* source, BOOL recursive) {
    CUIToolBar::Copy(source, recursive);
    CUIMenuBar* menuBar = dynamic_cast<CUIMenuBar*>(source);
    if (menuBar == nullptr)
        return;
    m_defaultMenuId = menuBar->m_defaultMenuId;
    ReleaseMenuSets();
    for (const auto& set : menuBar->m_menuSets)
        m_menuSets[set.first] = set.second->Duplicate(TRUE);
}

void CUIMenuBar::Reset() {
    if ((!m_menuSets.empty() || m_controls->GetOriginalControls() == nullptr) && m_currentMenuId != 0) {
        CString question, format;
        format.LoadString(IDS_CONFIRM_RESET_TOOLBAR);
        question.Format(format, static_cast<LPCSTR>(m_title));
        CMenu menu;
        if (AfxMessageBox(question, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK && menu.LoadMenu(m_currentMenuId))
            LoadMenu(&menu, TRUE);
    } else if (m_controls->GetOriginalControls()) {
        CUIToolBar::Reset();
    }
    RefreshMdiChild();
    if (m_hWnd)
        SendMessage(WM_INITIALUPDATE);
    DelayLayout();
}

void CUIMenuBar::PrepareForSave() {
    m_menusSaved = FALSE;
    if (!m_menuSets.empty()) {
        SwitchMenu(m_frameMenu);
        m_menusSaved = TRUE;
    }
    for (auto set = m_menuSets.begin(); set != m_menuSets.end();) {
        if (set->second->IsChanged()) {
            ++set;
            continue;
        }
        set->second->InternalRelease();
        set = m_menuSets.erase(set);
    }
}

void CUIMenuBar::OnTimer(UINT_PTR id) {
    if (id == RefreshTimerId)
        RefreshMdiChild();
    CUICommandBar::OnTimer(id);
}
