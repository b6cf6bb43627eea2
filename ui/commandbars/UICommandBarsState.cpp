// The toolbars' places kept in the application profile between runs: one section per
// bar, the row order of each dock bar, and the summary.
#include "ui/commandbars/UICommandBars.h"

#include "ui/commandbars/UIBarDragTracker.h"
#include "ui/commandbars/UIDockBar.h"
#include "ui/commandbars/UIDockState.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/CFrameWnd.h"
#include "platform/CWinApp.h"

void CUIToolBar::GetBarInfo(CUIBarInfo* info) const {
    info->m_bar = const_cast<CUIToolBar*>(this);
    info->m_barId = m_barId;
    info->m_visible = IsVisible();
    info->m_widthLimit = m_widthLimit;
    info->m_floating = m_position == uiBarFloating;
    if (m_hWnd) {
        CRect rect;
        GetWindowRect(&rect);
        if (!info->m_floating && m_dockBar)
            m_dockBar->ScreenToClient(&rect);
        info->m_position = rect.TopLeft();
    } else {
        info->m_position = m_dragTracker ? m_dragTracker->m_mruFloatPosition : CPoint(0, 0);
    }
    if (m_dragTracker) {
        info->m_mruDockPosition = m_dragTracker->m_mruDockPosition;
        info->m_mruDockRect = m_dragTracker->m_mruDockRect;
        info->m_mruFloatPosition = m_dragTracker->m_mruFloatPosition;
    }
}

void CUIToolBar::SetBarInfo(const CUIBarInfo& info) {
    m_widthLimit = info.m_widthLimit;
    if (m_dragTracker) {
        m_dragTracker->m_mruDockPosition = info.m_mruDockPosition;
        m_dragTracker->m_mruDockRect = info.m_mruDockRect;
        m_dragTracker->m_mruFloatPosition = info.m_mruFloatPosition;
    }
    const BOOL floating = m_position == uiBarFloating;
    if (m_hWnd) {
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (info.m_visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        if (!floating)
            flags |= SWP_NOSIZE;
        CRect rect;
        GetWindowRect(&rect);
        SetWindowPos(nullptr, info.m_position.x, info.m_position.y, rect.Width(), rect.Height(), flags);
    }
    m_visible = info.m_visible;
    if (floating)
        DelayLayout();
}

void CUICommandBars::GetHiddenFileName(CString* path, LPCSTR profileName) {
    char program[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    path->Format("%s-%s", program, profileName);
}

void CUICommandBars::StoreBarsState(LPCSTR profileName) {
    CUIDockState state;
    GetDockState(&state);
    state.SaveState(profileName);
    SaveDockBars(profileName);
    if (m_customizable)
        StoreCustomization(profileName);
}

void CUICommandBars::RestoreBarsState(LPCSTR profileName, BOOL silent) {
    if (m_customizable)
        RestoreCustomization(profileName, silent);
    CUIDockState state;
    state.LoadState(profileName);
    LoadDockBars(profileName);
    SetDockState(state);
    RecalcFrameLayout(TRUE);
}

void CUICommandBars::GetDockState(CUIDockState* state) const {
    for (CUICommandBar* bar : m_bars) {
        if (CUIToolBar* toolBar = dynamic_cast<CUIToolBar*>(bar)) {
            CUIBarInfo info;
            toolBar->GetBarInfo(&info);
            state->m_bars.push_back(info);
        }
    }
}

void CUICommandBars::SetDockState(const CUIDockState& state) {
    for (const CUIBarInfo& info : state.m_bars) {
        CUIToolBar* bar = dynamic_cast<CUIToolBar*>(GetToolBar(info.m_barId));
        if (bar == nullptr)
            continue;
        if (info.m_floating) {
            FloatCommandBar(bar);
        } else if (bar->m_dockBar == nullptr) {
            // Saved docked, but no dock bar row names it: its last dock bar takes it.
            CUIDockBar* dockBar = GetDockBar(info.m_mruDockPosition);
            DockCommandBar(bar, nullptr, dockBar ? dockBar : GetDockBar(uiBarTop));
        } else {
            bar->SetFloatingMode(m_site, FALSE);
        }
        bar->SetBarInfo(info);
    }
}

void CUICommandBars::SaveDockBars(LPCSTR profileName) const {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return;
    CString section;
    CString entry;
    for (int position = uiBarTop; position <= uiBarRight; ++position) {
        section.Format("%s-DockBar%d", profileName, position);
        app->WriteProfileString(section, nullptr, nullptr);
        CUIDockBar* dockBar = m_dockBars[position];
        if (dockBar == nullptr || dockBar->GetCount() <= 1)
            continue;
        int written = 0;
        BOOL lastWasRowEnd = FALSE;
        for (int i = 0; i < dockBar->GetCount(); ++i) {
            CUIToolBar* bar = dockBar->GetAt(i);
            const UINT id = bar ? bar->GetBarID() : 0;
            if (id == 0 && lastWasRowEnd)
                continue;
            entry.Format("Bar#%d", written++);
            app->WriteProfileInt(section, entry, static_cast<int>(id));
            lastWasRowEnd = id == 0;
        }
        app->WriteProfileInt(section, "Bars", written);
    }
}

void CUICommandBars::LoadDockBars(LPCSTR profileName) {
    CString section;
    CString entry;
    for (int position = uiBarTop; position <= uiBarRight; ++position) {
        CUIDockBar* dockBar = m_dockBars[position];
        section.Format("%s-DockBar%d", profileName, position);
        int count = 0;
        if (dockBar == nullptr || !ReadProfileIntIfPresent(section, "Bars", &count) || count <= 1)
            continue;
        // The count may be damaged: the entries end at the first one missing.
        for (int k = 0; k < count; ++k) {
            entry.Format("Bar#%d", k);
            int id = 0;
            if (!ReadProfileIntIfPresent(section, entry, &id))
                break;
            CUIToolBar* bar = dynamic_cast<CUIToolBar*>(GetToolBar(static_cast<UINT>(id)));
            if (bar) {
                if (bar->m_hWnd && bar->GetParent() != dockBar)
                    bar->SetParent(dockBar);
                if (bar->m_dockBar)
                    bar->m_dockBar->RemoveBar(bar);
                bar->m_dockBar = dockBar;
                bar->SetPosition(dockBar->GetDockPosition());
            }
            dockBar->InsertEntry(k, bar);
        }
    }
}
