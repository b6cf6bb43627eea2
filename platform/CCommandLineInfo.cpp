#include "platform/CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(LPCSTR parameter, BOOL flag, BOOL) {
    if (flag) {
        if (lstrcmpiA(parameter, "pt") == 0) {
            m_nShellCommand = FilePrintTo;
        } else if (lstrcmpiA(parameter, "p") == 0) {
            m_nShellCommand = FilePrint;
        } else if (lstrcmpiA(parameter, "Unregister") == 0 || lstrcmpiA(parameter, "Unregserver") == 0) {
            m_nShellCommand = AppUnregister;
        } else if (lstrcmpiA(parameter, "dde") == 0) {
            m_nShellCommand = FileDDE;
        } else if (lstrcmpiA(parameter, "Embedding") == 0) {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
        } else if (lstrcmpiA(parameter, "Automation") == 0) {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
        }
        return;
    }
    // Plain arguments: the file, then for "/pt" the printer, driver and port.
    if (m_nShellCommand == FilePrintTo && !m_strFileName.IsEmpty()) {
        if (m_strPrinterName.IsEmpty())
            m_strPrinterName = parameter;
        else if (m_strDriverName.IsEmpty())
            m_strDriverName = parameter;
        else if (m_strPortName.IsEmpty())
            m_strPortName = parameter;
        return;
    }
    if (m_strFileName.IsEmpty()) {
        m_strFileName = parameter;
        if (m_nShellCommand == FileNew)
            m_nShellCommand = FileOpen;
        m_bShowSplash = FALSE;
    }
}
