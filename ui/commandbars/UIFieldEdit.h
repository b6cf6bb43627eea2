#pragma once

#include "platform/CRect.h"
#include "platform/CString.h"

#include <windows.h>

class CUIControl;
class CUIEdit;
class CWnd;

// The edit window of an edit or combo box control with the text it shows: placed in the
// control's bar, shown and hidden with the control, and the hand-over of the keyboard
// between the window and the bar's tracking mode. The text lives here while no window
// exists and keeps the last text read from the window. The window object is owned.
class CUIFieldEdit {
public:
    CUIFieldEdit() = default;
    ~CUIFieldEdit() { DestroyEdit(); }
    CUIFieldEdit(const CUIFieldEdit&) = delete;
    CUIFieldEdit& operator=(const CUIFieldEdit&) = delete;

    CUIEdit* GetEdit() const { return m_edit; }
    HWND GetWindow() const;
    // Takes the window object (no window yet) in place of the one held.
    void SetEdit(CUIEdit* edit);
    // Destroys the window and the object.
    void DestroyEdit();
    // Destroys the window only; its text stays.
    void DestroyWindow();
    BOOL HasFocus() const;

    // Places the window (made on first use) in the control's rectangle less the insets,
    // with the control's bar as its parent, shown when the control is.
    void Place(CUIControl* control, int leftInset, int rightInset);
    void ShowFor(DWORD hideFlags);
    void Enable(BOOL enabled);
    // The window's text (read into the field), else the stored text.
    CString GetText();
    // Shows the text in the window, or stores it while there is none.
    void SetText(LPCSTR text);
    void StoreText(const CString& text) { m_text = text; }
    // The stored text, without reading the window.
    CString GetStoredText() const { return m_text; }

    // The window took the focus: the control's bar tracks with the control selected and
    // hands it every key but Tab, Enter and Esc; the focus goes back where it came from.
    static void BeginFocus(CUIControl* control, CWnd* lost);
    static void EndFocus(CUIControl* control);
    // The control lost its hot state while its window has the focus: the focus goes back.
    void ReturnFocus(CUIControl* control);
    // While a bar's edit window has the focus or a combo list is open, hovering does nothing.
    static BOOL IsHoverSuspended();
    // The hide flags for a layout of the control's bar: hidden in a vertically docked bar.
    static DWORD HideFlagsForLayout(DWORD hideFlags, DWORD layoutMode);
    // A click in customize mode ends the bar's selection and open popup and drags the control.
    static void CustomizeClick(CUIControl* control);

private:
    void Create(CUIControl* control);

    CUIEdit* m_edit = nullptr;
    CString m_text;
};
