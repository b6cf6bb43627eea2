#include "shell/controls/CColorLabel.h"

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(CColorLabel, CButton)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CColorLabel::CColorLabel() : m_faceBrush(kFaceColor) {}

void CColorLabel::SetBackColor(COLORREF color) {
    m_backColor = color;
    Invalidate(FALSE);
}

HBRUSH CColorLabel::CtlColor(CDC* dc, UINT) {
    dc->SetBkColor(m_backColor);
    dc->SetTextColor(m_textColor);
    return m_faceBrush;
}
