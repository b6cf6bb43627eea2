#include "ui/commandbars/UICommandBars.h"

#include "ui/commandbars/UIBarFactory.h"
#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIControlDragContext.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMenuBar.h"
#include "ui/commandbars/UIMenuSoundThread.h"
#include "ui/commandbars/UIToolBar.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CDocTemplate.h"
#include "platform/CDocument.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/CMenu.h"
#include "platform/CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CUICommandBars, CCmdTarget)

namespace {

const DWORD MenuBarDocking = 0x5F;
const DWORD ToolBarDocking = 0x3F;
const UINT MenuBarId = 1;

}  // namespace

CUICommandBars::CUICommandBars()
    : m_options(new CUICommandBarsOptions(this)), m_dragContext(new CUIControlDragContext(this)) {}

CUICommandBars::~CUICommandBars() {
    SetDragControl(nullptr);
    std::vector<CUICommandBar*> bars;
    bars.swap(m_bars);
    m_menuBar = nullptr;
    for (CUICommandBar* bar : bars) {
        bar->SetCommandBars(nullptr);
        bar->InternalRelease();
    }
    delete m_dragContext;
    SetPaintManager(nullptr);
    m_options->InternalRelease();
    GetMenuSoundThread().Stop();
}

BOOL CUICommandBars::IsCommandHidden(UINT id) const {
    return m_options->m_hiddenCommands.Contains(id) && !m_options->m_usedCommands.Contains(id);
}

void CUICommandBars::SetCommandUsed(UINT id) {
    if (IsCommandHidden(id))
        m_options->m_usedCommands.Add(id);
}

UINT CUICommandBars::GetActiveMenuId() const {
    CMDIFrameWnd* frame = dynamic_cast<CMDIFrameWnd*>(m_site);
    if (frame == nullptr)
        return 0;
    CMDIChildWnd* child = frame->MDIGetActive();
    if (child == nullptr)
        return m_defaultMenuId;
    CDocument* document = child->GetActiveDocument();
    if (document == nullptr)
        return child->m_nIDHelp;
    CMultiDocTemplate* docTemplate = dynamic_cast<CMultiDocTemplate*>(document->GetDocTemplate());
    if (child->m_hMenuShared && (docTemplate == nullptr || docTemplate->m_hMenuShared != child->m_hMenuShared)) {
        docTemplate = nullptr;
        CWinApp* app = AfxGetApp();
        POSITION position = app ? app->GetFirstDocTemplatePosition() : nullptr;
        while (position && docTemplate == nullptr) {
            CMultiDocTemplate* candidate = dynamic_cast<CMultiDocTemplate*>(app->GetNextDocTemplate(position));
            if (candidate && candidate->m_hMenuShared == child->m_hMenuShared)
                docTemplate = candidate;
        }
    }
    return docTemplate ? docTemplate->GetResourceID() : 0;
}

void CUICommandBars::SetFrameSite(CFrameWnd* frame) {
    m_site = frame;
    if (frame && frame->GetSafeHwnd()) {
        AFX_CMDHANDLERINFO info = {};
        m_customizable = frame->OnCmdMsg(CustomizeCommandId, CN_COMMAND, nullptr, &info);
    }
}

void CUICommandBars::SetCustomizeMode(BOOL on) {
    if (m_customizeMode == on)
        return;
    m_customizeMode = on;
    if (!on)
        SetDragControl(nullptr);
    RecalcFrameLayout(TRUE);
    RedrawCommandBars();
}

void CUICommandBars::SetDragControl(CUIControl* control) {
    if (control != m_dragControl) {
        CUIControl* old = m_dragControl;
        m_dragControl = control;
        if (control) {
            control->InternalAddRef();
            control->InvalidateParent();
        }
        if (old) {
            old->InvalidateParent();
            old->InternalRelease();
        }
    }
    CWnd* window = m_dragContext->GetCustomizeWindow() ? m_dragContext->GetCustomizeWindow() : m_site;
    if (window && window->GetSafeHwnd())
        window->SendMessage(CommandBarsCustomizeSelNotify, 0, 0);
}

void CUICommandBars::AppendBar(CUICommandBar* bar) { m_bars.push_back(bar); }

CUICommandBar* CUICommandBars::CreateMenuBar(LPCSTR caption, UINT menuId) {
    CUICommandBar* bar = GetBarFactory() ? GetBarFactory()->CreateMenuBar() : nullptr;
    if (bar == nullptr)
        return nullptr;
    bar->SetCommandBars(this);
    EnableDockingOf(bar, MenuBarDocking);
    bar->SetTitle(caption);
    bar->SetBarID(MenuBarId);
    CMenu menu;
    const BOOL loaded = menuId == 0 || menu.LoadMenu(menuId);
    CUIMenuBar* menuBar = dynamic_cast<CUIMenuBar*>(bar);
    BOOL filled = FALSE;
    if (loaded && bar->Create(uiBarTop))
        filled = menuBar ? menuBar->LoadMenuBar(menuId) : (menuId == 0 || bar->LoadMenu(&menu, TRUE));
    if (!filled) {
        bar->SetCommandBars(nullptr);
        bar->InternalRelease();
        return nullptr;
    }
    if (menuId != 0) {
        bar->GetControls()->CreateOriginalControls();
        m_defaultMenuId = menuId;
    }
    AppendBar(bar);
    m_menuBar = bar;
    return bar;
}

CUICommandBar* CUICommandBars::AddToolBar(LPCSTR caption, int position, CRuntimeClass* toolBarClass) {
    CObject* object = toolBarClass ? toolBarClass->CreateObject() : nullptr;
    CUICommandBar* bar = dynamic_cast<CUICommandBar*>(object);
    if (bar == nullptr) {
        delete object;
        return nullptr;
    }
    bar->SetCommandBars(this);
    EnableDockingOf(bar, ToolBarDocking);
    bar->SetTitle(caption);
    if (!bar->Create(position)) {
        bar->SetCommandBars(nullptr);
        bar->InternalRelease();
        return nullptr;
    }
    AppendBar(bar);
    return bar;
}

CUICommandBar* CUICommandBars::CreateToolBar(LPCSTR caption, UINT barId, BOOL tearOff) {
    CUICommandBar* bar = GetBarFactory() ? GetBarFactory()->CreateToolBar() : nullptr;
    if (bar == nullptr)
        return nullptr;
    bar->SetCommandBars(this);
    UIBarCreateRecord record = {bar, 0, 0, 1, tearOff, caption, static_cast<INT_PTR>(barId)};
    if (m_site && m_site->GetSafeHwnd())
        m_site->SendMessage(CommandBarsCreateBarNotify, 0, reinterpret_cast<LPARAM>(&record));
    // A bar the frame made dockable itself keeps its docking permissions.
    CUIToolBar* toolBar = dynamic_cast<CUIToolBar*>(bar);
    if (toolBar == nullptr || !toolBar->IsDockingEnabled())
        EnableDockingOf(bar, ToolBarDocking);
    bar->SetTitle(caption);
    if (!bar->Create(tearOff ? uiBarFloating : uiBarTop)) {
        bar->SetCommandBars(nullptr);
        bar->InternalRelease();
        return nullptr;
    }
    AppendBar(bar);
    bar->SetBarID(barId);
    if (toolBar) {
        // Made at run time: nothing to reset it to; a torn-off one leaves when hidden.
        toolBar->m_resettable = FALSE;
        toolBar->m_temporary = tearOff;
    }
    if (!tearOff)
        RecalcFrameLayout(FALSE);
    return bar;
}

void CUICommandBars::RecalcFrameLayout(BOOL delay) {
    if (m_layoutLock || m_site == nullptr || m_site->GetSafeHwnd() == nullptr)
        return;
    if (delay)
        m_site->DelayRecalcLayout();
    else
        m_site->RecalcLayout();
}

void CUICommandBars::RedrawCommandBars() {
    m_layoutLock = TRUE;
    for (CUICommandBar* bar : m_bars) {
        if (bar->IsVisible())
            bar->DelayLayout();
    }
    // The tabbed MDI client's refresh comes with that client.
    m_layoutLock = FALSE;
    RecalcFrameLayout(FALSE);
}

CUICommandBar* CUICommandBars::GetAt(int index) const {
    return (index >= 0 && index < GetCount()) ? m_bars[static_cast<size_t>(index)] : nullptr;
}

CUICommandBar* CUICommandBars::GetToolBar(UINT barId) const {
    if (barId == 0)
        return nullptr;
    for (CUICommandBar* bar : m_bars) {
        if (bar->GetBarID() == barId)
            return bar;
    }
    return nullptr;
}

void CUICommandBars::Remove(CUICommandBar* bar) {
    auto found = std::find(m_bars.begin(), m_bars.end(), bar);
    if (found == m_bars.end())
        return;
    // Unlisted first: whatever the release sets off finds the list consistent. A
    // handler of the bar that asked for this holds its own reference meanwhile.
    m_bars.erase(found);
    if (m_menuBar == bar)
        m_menuBar = nullptr;
    if (bar->GetSafeHwnd())
        bar->ShowWindow(SW_HIDE);
    bar->m_visible = FALSE;
    RecalcFrameLayout(FALSE);
    bar->SetPosition(uiBarFloating);
    bar->InternalRelease();
}

void CUICommandBars::ToggleVisible(int index) {
    if (CUICommandBar* bar = GetAt(index))
        bar->SetVisible(!bar->IsVisible());
}

CUICommandBarsTheme* CUICommandBars::GetPaintManager() const { return m_paintManager ? m_paintManager : GetGlobalTheme(); }

void CUICommandBars::SetPaintManager(CUICommandBarsTheme* paintManager) {
    if (m_paintManager)
        m_paintManager->InternalRelease();
    m_paintManager = paintManager;
}
