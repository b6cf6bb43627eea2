#pragma once

#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIEdit.h"
#include "ui/commandbars/UIFieldEdit.h"
#include "ui/commandbars/themes/UIFieldControl.h"

// An edit field in a bar (control type 6): a real edit window placed in the control,
// with the caption as a label in front of it. The keyboard goes to the field while it
// has the focus; Enter there executes the control. Hidden in a vertically docked bar.
class CUIControlEdit : public CUIControl, public IUIFieldControl, public IUIEditOwner {
    DECLARE_SERIAL(CUIControlEdit)

public:
    CUIControlEdit() { m_type = uiControlEdit; }
    ~CUIControlEdit() override;

    void SetEnabled(BOOL enabled) override;
    void SetRect(CRect rect) override;
    void SetHideFlags(DWORD flags) override;
    void OnCalcDynamicSize(DWORD mode) override;
    // The keys reach the edit window.
    int OnHookKeyDown(UINT) override { return 2; }
    void SetParent(CUICommandBar* parent) override;
    void Copy(CUIControl* source, BOOL recursive) override;
    void OnClick(BOOL keyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    void OnMouseHover() override;
    BOOL OnSetSelected(int state) override;
    CUIControl* Clone(BOOL recursive) override;
    void Serialize(CArchive& ar) override;

    // A new edit window object (no window yet) for the control.
    virtual CUIEdit* CreateEditWindow() { return new CUIEdit; }
    void OnEditSetFocus(CWnd* lost) override;
    void OnEditKillFocus() override;
    HBRUSH OnEditCtlColor(CDC*, UINT) override { return nullptr; }
    void StoreEditText(const CString& text) override { m_field.StoreText(text); }
    CUIControl* GetFieldControl() override { return this; }

    BOOL ShowsLabel() const override { return m_showLabel; }
    int GetFieldWidth() const override { return m_width; }
    int GetLabelWidth() const override { return m_labelWidth; }
    void SetLabelWidth(int width) override { m_labelWidth = width; }
    int GetButtonWidth() const override { return 0; }
    void SetButtonWidth(int) override {}
    BOOL IsDroppedDown() const override { return FALSE; }
    HWND GetEditWindow() const override { return m_field.GetWindow(); }
    CString GetFieldText() const override { return CString(); }

    CString GetEditText() { return m_field.GetText(); }
    void SetEditText(LPCSTR text);
    CUIEdit* GetEdit() const { return m_field.GetEdit(); }

    int m_width = 100;
    BOOL m_showLabel = TRUE;

private:
    void EnsureEditObject();

    int m_labelWidth = 0;
    CUIFieldEdit m_field;
};
