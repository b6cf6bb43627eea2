#pragma once

#include "platform/CObject.h"

// Base of the framework's exceptions. They are thrown as pointers to heap objects
// (throw new CFileException(...)) and caught as `catch (CException* e)`; the handler
// ends the exception's life with e->Delete().
class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    void Delete();

protected:
    CException() = default;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;
};

// A window or another system resource could not be created.
class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() = default;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowResourceException();
