#include "platform/CInvalidArgException.h"

void AfxThrowInvalidArgException() {
    throw CInvalidArgException();
}
