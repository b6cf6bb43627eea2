#pragma once
// Raised when a collection is asked for an element it does not have (an index out of
// range, a null position, the head of an empty list).

class CInvalidArgException {
public:
    virtual ~CInvalidArgException() = default;
};

[[noreturn]] void AfxThrowInvalidArgException();
