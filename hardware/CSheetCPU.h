#pragma once
#include "hardware/CPageCPUCom.h"
#include "hardware/CPageCPUIO.h"
#include "hardware/CPageCPURetain.h"
#include "platform/CPropertySheet.h"

class CQLX_R2_PLC;
class HardwareFormHost;

// The CPU's property sheet inside its info-pane form: the I/O, communication and
// retentive pages, all filled when the sheet is made, the I/O page in front.
class CSheetCPU : public CPropertySheet {
    DECLARE_DYNAMIC(CSheetCPU)

public:
    enum PageIndex { IoPage, ComPage, RetainPage, PageCount };

    CSheetCPU(CQLX_R2_PLC* module, HardwareFormHost* host);
    // Made as a visible child of the form; false when the window could not be made.
    BOOL CreateIn(CWnd* parent, const CRect& rect);

    CQLX_R2_PLC& Module() const { return *m_module; }
    HardwareFormHost& Host() const { return *m_host; }
    CCPUPage& Page(int index);
    // The page in front.
    CCPUPage& ShowingPage();
    // The pages' ApplyToModule in the order I/O, communication, retentive: the index of
    // the page that refused, or -1 when all were written.
    int ApplyToModule();

private:
    CQLX_R2_PLC* m_module;
    HardwareFormHost* m_host;
    CPageCPUIO m_io;
    CPageCPUCom m_com;
    CPageCPURetain m_retain;
};
