#pragma once

#include "platform/CEdit.h"

class CUIControl;

// What an edit window in a bar asks of the control that owns it.
class IUIEditOwner {
public:
    virtual ~IUIEditOwner() = default;
    // The edit window took the focus from the window (null when none had it).
    virtual void OnEditSetFocus(CWnd* lost) = 0;
    virtual void OnEditKillFocus() = 0;
    // The brush the edit window is painted with; null keeps its normal colours.
    virtual HBRUSH OnEditCtlColor(CDC* dc, UINT code) = 0;
    // Keeps the text of a window that goes away.
    virtual void StoreEditText(const CString& text) = 0;
    // The control the window stands for in its bar.
    virtual CUIControl* GetFieldControl() = 0;
};

// The edit window of an edit or combo box control in a bar. It hands its focus changes
// to its owner, selects all its text when focused, keeps the bar's hot tracking going
// over it, starts a customize drag when pressed in customize mode, and carries out the
// clipboard commands itself. Without an owner it is a plain edit window with those
// commands.
class CUIEdit : public CEdit {
    DECLARE_DYNCREATE(CUIEdit)

public:
    static const UINT CopyId = 57634;
    static const UINT CutId = 57635;
    static const UINT PasteId = 57637;

    void SetOwner(IUIEditOwner* owner) { m_owner = owner; }
    IUIEditOwner* GetOwner() const { return m_owner; }
    // The window with the keyboard focus when it is an edit window of a bar, else null.
    static CUIEdit* GetFocusEdit();

    // Updates of Copy, Cut and Paste are answered here (TRUE); every other command is not.
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
    // Copy, Cut and Paste become WM_COPY, WM_CUT and WM_PASTE to the window.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The client area (background and text) as the window paints it through its buffer.
    void PaintInto(HDC dc);

protected:
    void OnSetFocus(CWnd* lost);
    void OnKillFocus(CWnd* next);
    void OnDestroy();
    void OnPaint();
    HBRUSH CtlColor(CDC* dc, UINT code);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);

private:
    // The clipboard command of the id, as a window message; 0 for other ids.
    static UINT ClipboardMessageOf(UINT id);
    BOOL IsClipboardCommandEnabled(UINT id) const;

    IUIEditOwner* m_owner = nullptr;

    DECLARE_MESSAGE_MAP()
};
