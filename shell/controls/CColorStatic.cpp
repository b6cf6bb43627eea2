#include "shell/controls/CColorStatic.h"

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CColorStatic::CColorStatic()
    : m_textColor(::GetSysColor(COLOR_BTNTEXT)),
      m_backColor(::GetSysColor(COLOR_BTNFACE)),
      m_backBrush(m_backColor) {}

HBRUSH CColorStatic::CtlColor(CDC* dc, UINT) {
    dc->SetTextColor(m_textColor);
    dc->SetBkColor(m_backColor);
    return m_backBrush;
}
