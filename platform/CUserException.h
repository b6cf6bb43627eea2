#pragma once

#include "platform/CException.h"

// Thrown to abandon an operation the user was already told about (a failed dialog
// data validation); catchers stay silent.
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)

public:
    CUserException() = default;
};

[[noreturn]] void AfxThrowUserException();
