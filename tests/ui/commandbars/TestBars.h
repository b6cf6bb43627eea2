#pragma once

#include "ui/commandbars/UIBarFactory.h"
#include "ui/commandbars/UICommandBar.h"

class CUIControlPopup;

// A bar that lays its controls out in one wrapping row along the top of its parent
// (or of its own top-level window when it has none), as toolbars and the menu bar do.
class TestBar : public CUICommandBar {
    DECLARE_DYNCREATE(TestBar)

public:
    explicit TestBar(int type = uiBarTypeToolBar) { m_barType = type; }

    BOOL Create(int position) override;
    BOOL IsVisible() const override { return m_hWnd && IsWindowVisible(); }
    void SetVisible(BOOL visible) override;
    void DelayLayout() override;
    CSize CalcDynamicLayout(int length, DWORD mode) override;

    // The window, a child of the parent (a frame) or a top-level window, laid out.
    BOOL CreateIn(CWnd* parent, int position, int width = 600);
    void Layout();

    int m_layouts = 0;
};

// A popup bar: a top-level window under its opener that lays its controls out in a
// column and closes when it stops tracking.
class TestPopupBar : public CUICommandBar {
    DECLARE_DYNCREATE(TestPopupBar)

public:
    TestPopupBar();

    BOOL Popup(CUIControlPopup* opener, BOOL selectFirst) override;
    BOOL SetTrackingMode(int mode, BOOL selectFirst, BOOL keyboard) override;
    CUICommandBar* GetParentCommandBar() const override;
    // Shows the bar at a screen point and makes it track.
    BOOL PopupAt(int x, int y);

    CUIControlPopup* m_opener = nullptr;
    int m_popups = 0;
};

// Makes the test bars for the collection and the controls while it lives.
class TestBarFactory : public CUIBarFactory {
public:
    TestBarFactory() { SetBarFactory(this); }
    ~TestBarFactory() override { SetBarFactory(nullptr); }

    CUICommandBar* CreateMenuBar() override { return new TestBar(uiBarTypeMenuBar); }
    CUICommandBar* CreateToolBar() override { return new TestBar; }
    CUICommandBar* CreatePopupBar() override { return new TestPopupBar; }
    BOOL PopupAt(CUICommandBar* popupBar, int x, int y, LPCRECT) override {
        TestPopupBar* popup = dynamic_cast<TestPopupBar*>(popupBar);
        return popup && !m_refusePopups && popup->PopupAt(x, y);
    }

    BOOL m_refusePopups = FALSE;
};
