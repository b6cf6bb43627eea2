#include "ui/commandbars/UICommandBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControlDragContext.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIWndProcHookTable.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CFrameWnd.h"
#include "platform/CMenu.h"
#include "platform/CWinThread.h"

IMPLEMENT_SERIAL(CUICommandBar, CWnd, uiArchiveSchema)

BEGIN_MESSAGE_MAP(CUICommandBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_NCMOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
    ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
END_MESSAGE_MAP()

CUICommandBar::CUICommandBar() {
    m_controls = new CUIControls;
    m_controls->SetParent(this);
}

CUICommandBar::~CUICommandBar() {
    if (m_trackingMode != uiNotTracking && m_hWnd)
        SetTrackingMode(uiNotTracking, TRUE, FALSE);
    CUIMouseTrackHook::Get().ForgetBar(this);
    CUIWndProcHookTable::Instance().RemoveHookClient(this);
    CUIWndProcHookTable::Instance().RemoveKeyboardHook(this);
    m_controls->RemoveAll();
    m_controls->SetParent(nullptr);
    m_controls->InternalRelease();
    SetPaintManager(nullptr);
}

LRESULT CUICommandBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    InternalAddRef();
    LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    InternalRelease();
    return result;
}

void CUICommandBar::OnFinalRelease() {
    // The window's last messages pass through WindowProc's reference; one is held
    // here so that they do not end the object a second time.
    m_dwRef = 1;
    if (m_hWnd)
        DestroyWindow();
    delete this;
}

CUIControl* CUICommandBar::GetControl(int index) const { return m_controls->GetAt(index); }

int CUICommandBar::GetControlCount() const { return m_controls->GetCount(); }

void CUICommandBar::SetTitle(LPCSTR title) {
    m_title = title;
    if (m_hWnd)
        Invalidate();
}

void CUICommandBar::OnRecalcLayout() {
    m_selected = -1;
    m_openPopup = -1;
    m_idleFlags |= idleLayout;
}

CUICommandBars* CUICommandBar::GetCommandBars() const {
    for (const CUICommandBar* bar = this; bar; bar = bar->GetParentCommandBar()) {
        if (bar->m_commandBars)
            return bar->m_commandBars;
    }
    return nullptr;
}

CUICommandBar* CUICommandBar::GetRootParent() const {
    const CUICommandBar* bar = this;
    while (CUICommandBar* parent = bar->GetParentCommandBar())
        bar = parent;
    return const_cast<CUICommandBar*>(bar);
}

CWnd* CUICommandBar::GetSite() const {
    if (CUICommandBars* commandBars = GetCommandBars()) {
        if (commandBars->GetSite())
            return commandBars->GetSite();
    }
    CUICommandBar* root = GetRootParent();
    if (root->m_site)
        return root->m_site;
    if (root->m_hWnd) {
        if (CWnd* owner = root->GetOwner())
            return owner;
        return root->GetParent();
    }
    return AfxGetMainWnd();
}

CWnd* CUICommandBar::GetOwnerSite() const {
    CUICommandBar* root = GetRootParent();
    return root->m_commandOwner ? root->m_commandOwner : GetSite();
}

CFrameWnd* CUICommandBar::GetSiteFrame() const {
    CUICommandBars* commandBars = GetCommandBars();
    return commandBars ? commandBars->GetSite() : nullptr;
}

CUICommandBarsTheme* CUICommandBar::GetPaintManager() const {
    if (m_paintManager)
        return m_paintManager;
    if (CUICommandBars* commandBars = GetCommandBars())
        return commandBars->GetPaintManager();
    CUICommandBar* root = GetRootParent();
    return root->m_paintManager ? root->m_paintManager : GetGlobalTheme();
}

void CUICommandBar::SetPaintManager(CUICommandBarsTheme* paintManager) {
    if (m_paintManager)
        m_paintManager->InternalRelease();
    m_paintManager = paintManager;
}

BOOL CUICommandBar::IsCustomizeMode() const {
    CUICommandBars* commandBars = GetCommandBars();
    return commandBars && commandBars->IsCustomizeMode();
}

void CUICommandBar::InvalidateParents() {
    for (CUICommandBar* bar = this; bar; bar = bar->GetParentCommandBar()) {
        if (bar->m_hWnd)
            bar->Invalidate(FALSE);
    }
}

void CUICommandBar::Copy(CUICommandBar* source, BOOL recursive) {
    m_barType = source->m_barType;
    m_position = source->m_position;
    m_barId = source->m_barId;
    m_dockingFlags = source->m_dockingFlags;
    m_barStyle = source->m_barStyle;
    m_title = source->m_title;
    m_customizable = source->m_customizable;
    m_widthLimit = source->m_widthLimit;
    m_buttonSize = source->m_buttonSize;
    m_commandBars = source->m_commandBars;
    CUIControls* controls = source->m_controls->Duplicate(recursive);
    m_controls->RemoveAll();
    m_controls->SetParent(nullptr);
    m_controls->InternalRelease();
    m_controls = controls;
    m_controls->SetParent(this);
}

CUICommandBar* CUICommandBar::Clone(BOOL recursive) {
    CUICommandBar* bar = static_cast<CUICommandBar*>(GetRuntimeClass()->CreateObject());
    bar->Copy(this, recursive);
    return bar;
}

BOOL CUICommandBar::LoadMenu(CMenu* menu, BOOL removeAll) {
    if (menu == nullptr || !::IsMenu(menu->GetSafeHmenu()))
        return FALSE;
    if (removeAll)
        m_controls->RemoveAll();
    BOOL separatorBefore = FALSE;
    const int count = menu->GetMenuItemCount();
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        ::GetMenuItemInfoA(menu->GetSafeHmenu(), position, TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            separatorBefore = TRUE;
            continue;
        }
        CUIControl* control = m_controls->AddMenuItem(menu, position);
        if (control == nullptr)
            continue;
        if (separatorBefore)
            control->SetBeginGroup(TRUE);
        separatorBefore = FALSE;
    }
    if (m_hWnd) {
        if (CFrameWnd* frame = GetParentFrame()) {
            // A bar filled anew needs the frame to lay out and notify again.
            frame->DelayRecalcLayout();
        }
    }
    return TRUE;
}

void CUICommandBar::SetStatusText(int state, CUIControl* control) {
    CWnd* site = GetSite();
    if (site == nullptr || site->GetSafeHwnd() == nullptr)
        return;
    CString text = (state != 0 && control) ? control->GetDescription() : CString();
    if (!text.IsEmpty())
        site->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)));
    else
        site->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    site->SendMessage(CommandBarsSelChangeNotify, state != 0 ? reinterpret_cast<WPARAM>(control) : 0);
}

int CUICommandBar::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    CUICommandBars* commandBars = GetCommandBars();
    if (m_position != uiBarList && commandBars) {
        m_dropContext = commandBars->GetDragContext();
        m_dropContext->AddDropTarget(this);
    }
    if (m_barType != uiBarTypePopup)
        EnableToolTips(TRUE);
    return 0;
}

void CUICommandBar::OnDestroy() {
    // The context the bar registered with, even when the bar has left its collection.
    if (m_dropContext)
        m_dropContext->RemoveDropTarget(this);
    m_dropContext = nullptr;
    if (m_trackingMode != uiNotTracking)
        SetTrackingMode(uiNotTracking, TRUE, FALSE);
    CWnd::OnDestroy();
}

int CUICommandBar::OnHookMessage(HWND, UINT message, WPARAM& wParam, LPARAM&, LRESULT&) {
    if (m_hWnd && message == WM_KEYDOWN)
        return OnKeyDown(static_cast<UINT>(wParam));
    return NotHandled;
}
