#include "platform/CArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR fileName)
    : m_cause(cause), m_strFileName(fileName) {}

void AfxThrowArchiveException(int cause, LPCTSTR fileName) {
    throw new CArchiveException(cause, fileName);
}
