#include "shell/controls/CSecureEdit.h"

LRESULT CSecureEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case EM_SETPASSWORDCHAR:
        return 0;
    case WM_GETTEXT:
    case EM_GETLINE:
        if (!m_armed)
            return 0;
        m_armed = FALSE;
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
