#pragma once

#include "platform/CString.h"

// What the command line asks the application to do at start-up: flags ("/dde",
// "/Automation", "/Embedding", "/p", "/pt", "/Unregserver") and at most one file.
class CCommandLineInfo {
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing = -1 };

    virtual ~CCommandLineInfo() = default;
    // Called for each argument; flag is TRUE for one that began with "/" or "-".
    virtual void ParseParam(LPCSTR parameter, BOOL flag, BOOL last);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    int m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;
};
