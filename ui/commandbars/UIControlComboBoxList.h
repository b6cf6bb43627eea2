#pragma once

#include "ui/commandbars/UIPopupBar.h"

class CUIControlComboBox;

// The drop-down list of a combo box control: a popup bar whose window is a real list box,
// made with the bar and hidden except while open. It opens 1 to 12 rows high below the
// combo box; the mouse picks a string and Enter or a release executes the combo box.
class CUIControlComboBoxList : public CUIPopupBar {
    DECLARE_SERIAL(CUIControlComboBoxList)

public:
    static const int MaxRows = 12;

    CUIControlComboBoxList();
    ~CUIControlComboBoxList() override;

    BOOL Popup(CUIControlPopup* opener, BOOL selectFirst) override;
    BOOL SetTrackingMode(int mode, BOOL selectFirst, BOOL keyboard) override;
    int OnKeyDown(UINT key) override;
    // The size of the open list: the rows of its strings and the list (or combo box) width.
    CSize CalcDynamicLayout(int length, DWORD mode) override;
    void Copy(CUICommandBar* source, BOOL recursive) override;
    void Serialize(CArchive& ar) override;
    int OnHookMessage(HWND hwnd, UINT message, WPARAM& wParam, LPARAM& lParam, LRESULT& result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Makes the list box window when there is none.
    BOOL CreateListWindow();
    int AddString(LPCSTR text);
    int GetCount() const;
    int GetCurSel() const;
    CString GetText(int index) const;
    CUIControlComboBox* GetOwnerComboBox() const { return m_owner; }

    // Width of the open list; 0 makes it as wide as the combo box.
    int m_listWidth = 0;

private:
    void SelectAt(CPoint point);
    void PaintList();
    // The outer frame in the paint manager's colour and a window-coloured one inside it,
    // in a context of the whole window.
    void DrawFrames(HDC target);

    CUIControlComboBox* m_owner = nullptr;
};
