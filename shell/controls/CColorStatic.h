#pragma once

#include "platform/CGdiObject.h"
#include "platform/CStatic.h"

// A static text in a colour of the caller's choice on the dialog's face colour.
class CColorStatic : public CStatic {
public:
    CColorStatic();

    // Used from the next repaint on; the caller sets the text afterwards.
    void SetTextColor(COLORREF color) { m_textColor = color; }

protected:
    HBRUSH CtlColor(CDC* dc, UINT ctlType);
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_textColor;
    COLORREF m_backColor;
    CBrush m_backBrush;
};
