#pragma once

#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIEdit.h"
#include "ui/commandbars/UIFieldEdit.h"
#include "ui/commandbars/themes/UIFieldControl.h"

class CUIControlComboBoxList;

// A combo box in a bar (control type 5). Its list is a popup bar of its own; an editable
// combo box has an edit window for the text, a list-only one shows the chosen string. A
// choice reaches the frame only by executing the control (Enter or a click in the list);
// the frame reads the text or selection from the control. A list closed without a
// choice shows the previous selection again.
class CUIControlComboBox : public CUIControlPopup, public IUIFieldControl, public IUIEditOwner {
    DECLARE_SERIAL(CUIControlComboBox)

public:
    CUIControlComboBox();
    ~CUIControlComboBox() override;

    void SetEnabled(BOOL enabled) override;
    void SetRect(CRect rect) override;
    void SetHideFlags(DWORD flags) override;
    void OnExecute() override;
    void OnCalcDynamicSize(DWORD mode) override;
    int OnHookKeyDown(UINT) override { return m_field.GetEdit() ? 2 : 1; }
    void SetParent(CUICommandBar* parent) override;
    void Copy(CUIControl* source, BOOL recursive) override;
    BOOL OnSetPopup(BOOL open) override;
    void OnClick(BOOL keyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    void OnMouseHover() override;
    BOOL OnSetSelected(int state) override;
    CUIControl* Clone(BOOL recursive) override;
    void Serialize(CArchive& ar) override;

    virtual CUIEdit* CreateEditWindow() { return new CUIEdit; }
    void OnEditSetFocus(CWnd* lost) override;
    void OnEditKillFocus() override;
    // The list's selection becomes the shown text.
    virtual void OnListSelChanged();
    HBRUSH OnEditCtlColor(CDC*, UINT) override { return nullptr; }
    void StoreEditText(const CString& text) override { m_field.StoreText(text); }
    CUIControl* GetFieldControl() override { return this; }

    BOOL ShowsLabel() const override { return m_showLabel; }
    int GetFieldWidth() const override { return m_width; }
    int GetLabelWidth() const override { return m_labelWidth; }
    void SetLabelWidth(int width) override { m_labelWidth = width; }
    int GetButtonWidth() const override { return m_buttonWidth; }
    void SetButtonWidth(int width) override { m_buttonWidth = width; }
    BOOL IsDroppedDown() const override { return IsListOpen(); }
    HWND GetEditWindow() const override { return m_field.GetWindow(); }
    CString GetFieldText() const override { return m_field.GetStoredText(); }

    // TRUE gives the combo box an edit window object, FALSE takes it away.
    void SetEditable(BOOL editable);
    BOOL IsEditable() const { return m_editable; }
    CString GetEditText() { return m_field.GetText(); }
    CUIEdit* GetEdit() const { return m_field.GetEdit(); }
    // The selected string of the list; empty when none is selected.
    CString GetListText() const;
    int GetCurSel() const;
    void SetCurSel(int index);
    int AddString(LPCSTR text);
    BOOL IsListOpen() const;
    CUIControlComboBoxList* GetList() const;

    int m_width = 100;
    BOOL m_showLabel = FALSE;

private:
    int m_labelWidth = 0;
    int m_buttonWidth = 0;
    BOOL m_editable = FALSE;
    int m_savedSelection = -1;
    CUIFieldEdit m_field;
};
