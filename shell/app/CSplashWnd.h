#pragma once

#include "platform/CGdiObject.h"
#include "platform/CWnd.h"
#include "res/resource.h"

class CDC;

// The start-up picture over the main window: shown for one second, or until the user
// presses a key or a mouse button (that press only hides it). At most one exists; the
// object deletes itself when its window is gone.
class CSplashWnd : public CWnd {
public:
    // Set once at start-up: a start for embedding or automation shows no picture.
    static void EnableSplashScreen(BOOL enable);
    // Does nothing when showing is not allowed, a picture is up already or the bitmap
    // cannot be loaded.
    static void ShowSplashScreen(CWnd* parent, UINT bitmapId = IDB_SPLASH);
    // TRUE when the message was a key or button press that hid the picture.
    static BOOL PreTranslateAppMessage(MSG* msg);
    // Ends the picture (if any) and repaints the main window.
    static void HideSplashScreen();
    // The picture shown now, or null.
    static CSplashWnd* Current();

protected:
    CSplashWnd() = default;
    ~CSplashWnd() override;
    void PostNcDestroy() override { delete this; }

    int OnCreate(LPCREATESTRUCT cs);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()

private:
    BOOL Create(CWnd* parent, UINT bitmapId);
    void Draw(CDC& dc);

    CBitmap m_bitmap;
};
