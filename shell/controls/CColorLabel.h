#pragma once

#include "platform/CButton.h"
#include "platform/CGdiObject.h"

// A button used as a label whose text shows on a coloured background, e.g. green for
// a running PLC and red for a stopped one. Only the text's own background changes
// colour; the rest of the control keeps the dialog grey.
class CColorLabel : public CButton {
public:
    CColorLabel();

    // Takes effect at once: the control is redrawn (without erasing).
    void SetBackColor(COLORREF color);

protected:
    HBRUSH CtlColor(CDC* dc, UINT ctlType);
    DECLARE_MESSAGE_MAP()

private:
    static const COLORREF kFaceColor = RGB(212, 208, 200);

    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_backColor = kFaceColor;
    CBrush m_faceBrush;
};
