#pragma once
// Raised (as a pointer, like every framework exception) when a collection is asked for
// an element it does not have: an index out of range, a null position, the head of an
// empty list.

#include "platform/CException.h"

class CInvalidArgException : public CException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException() = default;
};

[[noreturn]] void AfxThrowInvalidArgException();
