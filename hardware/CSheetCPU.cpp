#include "hardware/CSheetCPU.h"

IMPLEMENT_DYNAMIC(CSheetCPU, CPropertySheet)

CSheetCPU::CSheetCPU(CQLX_R2_PLC* module, HardwareFormHost* host) : m_module(module), m_host(host) {
    for (CCPUPage* page : {static_cast<CCPUPage*>(&m_io), static_cast<CCPUPage*>(&m_com), static_cast<CCPUPage*>(&m_retain)}) {
        page->SetSheet(this);
        AddPage(page);
    }
}

BOOL CSheetCPU::CreateIn(CWnd* parent, const CRect& rect) {
    if (!Create(parent, WS_CHILD | WS_VISIBLE | WS_TABSTOP, WS_EX_CONTROLPARENT))
        return FALSE;
    MoveWindow(rect);
    // Every page is shown once so that all three are filled.
    SetActivePage(ComPage);
    SetActivePage(RetainPage);
    SetActivePage(IoPage);
    return TRUE;
}

CCPUPage& CSheetCPU::Page(int index) {
    return *static_cast<CCPUPage*>(GetPage(index));
}

CCPUPage& CSheetCPU::ShowingPage() {
    return *static_cast<CCPUPage*>(GetActivePage());
}

int CSheetCPU::ApplyToModule() {
    for (int index = 0; index < PageCount; ++index)
        if (Page(index).Filled() && !Page(index).ApplyToModule())
            return index;
    return -1;
}
