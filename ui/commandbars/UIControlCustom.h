#pragma once

#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIHookClient.h"

class CWnd;

// A control that hosts a child window of the application in a bar: the window moves
// into the bar, sits in the control's rectangle less the margins and shows and hides
// with the control. The bar's hot tracking goes on over it. The window is not owned.
class CUIControlCustom : public CUIControlButton, public CUIHookClient {
    DECLARE_SERIAL(CUIControlCustom)

public:
    // Behaviour in a vertically docked bar.
    enum VerticalOption { VerticalHide = 0, VerticalKeep = 1, VerticalButton = 2 };

    CUIControlCustom();
    ~CUIControlCustom() override;

    // Hosts the window at the size; the control watches its mouse moves.
    void AttachWindow(CWnd* window, CSize size);
    CWnd* GetWindow() const { return m_window; }

    void Serialize(CArchive& ar) override;
    void SetEnabled(BOOL enabled) override;
    void SetRect(CRect rect) override;
    void SetHideFlags(DWORD flags) override;
    CSize GetSize(CDC* dc) override;
    void Draw(CDC* dc) override;
    void OnCalcDynamicSize(DWORD mode) override;
    void Copy(CUIControl* source, BOOL recursive) override;
    void OnClick(BOOL keyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    CUIControl* Clone(BOOL recursive) override;
    int OnHookMessage(HWND hwnd, UINT message, WPARAM& wParam, LPARAM& lParam, LRESULT& result) override;

    CRect m_margins = CRect(0, 0, 0, 0);
    BOOL m_windowShown = TRUE;
    CSize m_size = CSize(0, 0);
    int m_verticalOption = VerticalHide;
    UINT m_controlId = 0;

private:
    BOOL HasVisibleWindow() const;
    void ShowWindowAsControl();
    void FindWindowById(CArchive& ar);

    CWnd* m_window = nullptr;
};
