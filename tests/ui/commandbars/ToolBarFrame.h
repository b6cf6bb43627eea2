#pragma once

#include "tests/support/CaptureWatchdog.h"
#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBars.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIDockBar.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/CFrameWnd.h"
#include "res/resource.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

// The menu bar stands in as a toolbar of bar type menu bar.
class MenuBarStandIn : public CUIToolBar {
public:
    MenuBarStandIn() { m_barType = uiBarTypeMenuBar; }
};

class ToolBarFactory : public TestBarFactory {
public:
    CUICommandBar* CreateMenuBar() override { return new MenuBarStandIn; }
    CUICommandBar* CreateToolBar() override { return new CUIToolBar; }
    CUICommandBar* CreatePopupBar() override { return new CUIPopupBar; }
};

// A frame with its four dock bars, the menu bar and the toolbars of the program.
class ToolBars : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 900, 400)));
        m_app.m_pMainWnd = m_frame;
        m_frame->ShowWindow(SW_SHOW);
        m_bars = MakeCommandBars();
        m_bars->SetFrameSite(m_frame);
        m_bars->EnableDockingBars();
        m_menuBar = dynamic_cast<CUIToolBar*>(m_bars->CreateMenuBar("菜单栏", IDR_PROJECT_TYPE));
        ASSERT_NE(nullptr, m_menuBar);
    }
    void TearDown() override {
        CUIMouseTrackHook::Get().EndTracking();
        delete m_bars;
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }
    virtual CUICommandBars* MakeCommandBars() { return new CUICommandBars; }
    CUIToolBar* AddToolBar(UINT id, LPCSTR title) {
        CUIToolBar* bar = static_cast<CUIToolBar*>(m_bars->AddToolBar(title, uiBarTop, RUNTIME_CLASS(CUIToolBar)));
        if (bar)
            bar->LoadToolBar(id, TRUE);
        return bar;
    }
    void Layout(int width) {
        m_frame->SetWindowPos(nullptr, 0, 0, width, 400, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        m_frame->RecalcLayout();
    }
    CRect WindowIn(CWnd* window, CWnd* parent) {
        CRect rect;
        window->GetWindowRect(&rect);
        parent->ScreenToClient(&rect);
        return rect;
    }
    // Input for a drag, posted before the press starts its loop: moves to screen points
    // (through the frame, which stays put while the bar moves) and the release.
    void PostMoveTo(CPoint screen) {
        m_frame->ScreenToClient(&screen);
        m_frame->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
    }
    void PostRelease() { m_frame->PostMessage(WM_LBUTTONUP, 0, 0); }
    // Presses the left button at a client point of the bar; returns when its loop ends.
    void PressAt(CUIToolBar* bar, CPoint client) {
        CaptureWatchdog watchdog;
        bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    }
    // Lets go of input that a loop left queued.
    void DrainInput() {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE) ||
               ::PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        }
    }
    CRect ScreenRect(CWnd* window) {
        CRect rect;
        window->GetWindowRect(&rect);
        return rect;
    }
    int HiddenForRoom(CUIToolBar* bar) {
        int hidden = 0;
        for (int i = 0; i < bar->GetControlCount(); ++i)
            hidden += bar->GetControl(i)->GetHideFlags() == uiHideWrap ? 1 : 0;
        return hidden;
    }

    TestApplication m_app;
    ToolBarFactory m_factory;
    RecordingThemeFactory m_themes;
    CFrameWnd* m_frame = nullptr;
    CUICommandBars* m_bars = nullptr;
    CUIToolBar* m_menuBar = nullptr;
};

