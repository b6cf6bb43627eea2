#include "hardware/CHWInfoView.h"

#include "hardware/CCPUInfoView.h"
#include "hardware/CHWAnalogForms.h"
#include "hardware/CHWDigitalForms.h"
#include "hardware/HWFlatTabStrip.h"
#include "hardware/HardwareTabStrip.h"
#include "hardware/ModuleCatalog.h"
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"

namespace {

constexpr UINT FormId = 1;
const char* const HowToCaption = "说明";

// The form of a module kind; null for a kind without one.
CHWModuleForm* NewFormOf(DWORD kind) {
    switch (kind) {
    case KindCpu: return new CCPUInfoView;
    case KindDigitalInAc:
    case KindDigitalInDc: return new CHWDIView;
    case KindDigitalOutTransistor:
    case KindDigitalOutRelay: return new CHWDOView;
    case KindDigitalInOutTransistor:
    case KindDigitalInOutRelay: return new CHWDIOView;
    case KindAnalogInCurrentVoltage:
    case KindAnalogInThermocouple:
    case KindAnalogInRtd:
    case KindAnalogInThermistor: return new CHWAIView;
    case KindAnalogOut: return new CHWAOView;
    default: return nullptr;
    }
}

CString SlotCaption(int slot) {
    CString caption;
    caption.Format("%d", slot);
    return caption;
}

}  // namespace

IMPLEMENT_DYNCREATE(CHWInfoView, CView)

BEGIN_MESSAGE_MAP(CHWInfoView, CView)
    ON_WM_SIZE()
    ON_NOTIFY(TCN_SELCHANGE, CHWFlatTabStrip::StripId, OnStripSelChange)
END_MESSAGE_MAP()

void CHWInfoView::OnStripSelChange(NMHDR*, LRESULT* result) {
    if (m_strip != nullptr)
        OnTabSelected(m_strip->GetCurSel());
    *result = 0;
}

void CHWInfoView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    if (m_strip != nullptr && m_strip->Window()->GetSafeHwnd() != nullptr)
        m_strip->Window()->MoveWindow(0, 0, cx, cy);
}

void CHWInfoView::Attach(CQLXProject* project, HardwareFormHost* host, HardwareTabStrip* strip,
                         SlotCellSelector selectSlotCell) {
    m_project = project;
    m_host = host;
    m_strip = strip;
    m_selectSlotCell = std::move(selectSlotCell);
}

void CHWInfoView::FillTabs() {
    m_strip->InsertItem(0, HowToCaption, MakeHowToPage());
    const int size = static_cast<int>(m_project->modules.GetSize());
    for (int position = 0; position < size; ++position) {
        auto* module = static_cast<CQLX_R2_PLC*>(m_project->modules[position]);
        if (module != nullptr)
            ShowModulePage(position + 1, module);
        else
            InsertTab(position + 1, MakeHowToPage());
    }
    if (size > 0 && m_selectSlotCell)
        m_selectSlotCell(1, 1);
}

CWnd* CHWInfoView::MakeHowToPage() {
    auto* page = new CHWHowToView;
    CRect rect;
    m_strip->Window()->GetClientRect(&rect);
    if (!page->Create(nullptr, nullptr, WS_CHILD, rect, m_strip->Window(), FormId))
        return nullptr;
    page->OnInitialUpdate();
    return page;
}

CWnd* CHWInfoView::MakeForm(CQLX_R2_PLC* module) {
    CHWModuleForm* form = NewFormOf(module->kindMask);
    if (form == nullptr)
        return MakeHowToPage();
    CRect rect;
    m_strip->Window()->GetClientRect(&rect);
    if (!form->Create(nullptr, nullptr, WS_CHILD, rect, m_strip->Window(), FormId))
        return nullptr;
    form->Attach(module, m_host);
    form->OnInitialUpdate();
    return form;
}

void CHWInfoView::InsertTab(int position, CWnd* window) {
    if (window != nullptr)
        m_strip->InsertItem(position, SlotCaption(position), window);
}

int CHWInfoView::TabCount() {
    return m_strip->GetItemCount();
}

void CHWInfoView::ShowTab(int tab) {
    if (tab < 0 || tab >= TabCount())
        tab = 0;
    if (m_strip->GetCurSel() != tab)
        m_strip->SetCurSel(tab);
}

void CHWInfoView::ShowModulePage(int position, CQLX_R2_PLC* module) {
    if (module == nullptr)
        return;
    // A tab already there stands for the empty slot; the module's form replaces it, also
    // when it is the last tab (a CPU put into a list emptied down to its CPU slot).
    if (position < TabCount())
        DestroyTab(position);
    InsertTab(position, MakeForm(module));
}

void CHWInfoView::DestroyTab(int tab) {
    CWnd* window = m_strip->GetItemWindow(tab);
    m_strip->DeleteItem(tab);
    if (window != nullptr && window->m_hWnd != nullptr)
        window->DestroyWindow();
}

void CHWInfoView::RemoveTab(int tab) {
    if (tab > 0 && tab < TabCount())
        DestroyTab(tab);
}

void CHWInfoView::PutHowToTab(int tab) {
    if (tab <= 0 || tab >= TabCount())
        return;
    const bool showing = m_strip->GetCurSel() == tab;
    DestroyTab(tab);
    InsertTab(tab, MakeHowToPage());
    if (showing)
        m_strip->SetCurSel(tab);
}

void CHWInfoView::OnTabSelected(int tab) {
    if (tab >= 1 && m_selectSlotCell)
        m_selectSlotCell(tab, 1);
}

ModuleFormWriteBack* CHWInfoView::TabForm(int tab) {
    if (tab < 0 || tab >= TabCount())
        return nullptr;
    return dynamic_cast<ModuleFormWriteBack*>(m_strip->GetItemWindow(tab));
}
