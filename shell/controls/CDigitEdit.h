#pragma once

#include "platform/CEdit.h"

// An edit that takes only the digits, "#", "-" and backspace; every other typed
// character is dropped.
class CDigitEdit : public CEdit {
protected:
    void OnChar(UINT ch, UINT repeat, UINT flags);
    DECLARE_MESSAGE_MAP()
};
