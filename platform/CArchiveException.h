#pragma once

#include "platform/CException.h"
#include "platform/CString.h"

// A failure of an archive: a stream that ends early, a class tag naming no class or a
// stored schema the class does not accept, an object tag that points nowhere, or a
// read or write against the archive's direction.
class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none,
        genericException,
        readOnly,     // written to a loading archive
        endOfFile,
        writeOnly,    // read from a storing archive
        badIndex,
        badClass,
        badSchema,
    };

    explicit CArchiveException(int cause = none, LPCTSTR fileName = nullptr);

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR fileName = nullptr);
