#pragma once

#include "platform/CEdit.h"

// A password edit that gives its text only to a read its owner asked for: the owner
// arms it immediately before each read, and each read disarms it. Other programs'
// WM_GETTEXT or EM_GETLINE get nothing, and the masking character cannot be removed.
class CSecureEdit : public CEdit {
public:
    void Arm() { m_armed = TRUE; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL m_armed = FALSE;
};
