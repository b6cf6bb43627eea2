#pragma once

#include "platform/CString.h"

// What the paint managers read of an edit or combo box control and keep in it: the
// field's width, the optional label and the drop-down button's width. The edit and
// combo box controls implement it.
class IUIFieldControl {
public:
    virtual ~IUIFieldControl() = default;
    virtual BOOL ShowsLabel() const = 0;
    // The width of the edit field (edit controls) or of the combo box.
    virtual int GetFieldWidth() const = 0;
    virtual int GetLabelWidth() const = 0;
    virtual void SetLabelWidth(int width) = 0;
    virtual int GetButtonWidth() const = 0;
    virtual void SetButtonWidth(int width) = 0;
    // TRUE while a combo box's list is dropped down.
    virtual BOOL IsDroppedDown() const = 0;
    // The control's own edit window, or null.
    virtual HWND GetEditWindow() const = 0;
    // The text a combo box without an edit window shows.
    virtual CString GetFieldText() const = 0;
};
