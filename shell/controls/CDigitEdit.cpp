#include "shell/controls/CDigitEdit.h"

BEGIN_MESSAGE_MAP(CDigitEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CDigitEdit::OnChar(UINT ch, UINT, UINT) {
    if ((ch >= '0' && ch <= '9') || ch == VK_BACK || ch == '#' || ch == '-')
        Default();
}
