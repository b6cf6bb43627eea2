#include "platform/CInvalidArgException.h"

IMPLEMENT_DYNAMIC(CInvalidArgException, CException)

void AfxThrowInvalidArgException() {
    throw new CInvalidArgException;
}
