#include "platform/CException.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)

void CException::Delete() {
    delete this;
}

void AfxThrowMemoryException() {
    throw new CMemoryException;
}

IMPLEMENT_DYNAMIC(CResourceException, CException)

void AfxThrowResourceException() {
    throw new CResourceException;
}
