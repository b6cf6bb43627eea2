#include "editors/POUEditEngine.h"

#include "comm/ForceVarDlg.h"
#include "editors/POUEditorView.h"
#include "platform/CCmdUI.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXSymbol.h"

void CPOUEditEngine::OnDraw(CDC*) {}

int CPOUEditEngine::OnCreate(LPCREATESTRUCT) { return 0; }

BOOL CPOUEditEngine::OnMouseWheel(UINT, short delta, int, int) {
    if (m_pView && m_pView->GetSafeHwnd())
        m_pView->PostMessage(WM_VSCROLL, delta > 0 ? SB_LINEUP : SB_LINEDOWN);
    return TRUE;
}

CSize CPOUEditEngine::GetExtent(CSize& size) {
    size = m_extent;
    return size;
}

void CPOUEditEngine::RequestRepaint() {
    if (m_pView) m_pView->RequestRepaint();
}

BOOL CPOUEditEngine::IsOnline() { return theWorkspace && theWorkspace->onlineMonitoring != 0; }

void CPOUEditEngine::UpdateUnforce(CCmdUI* cmdUI) { cmdUI->Enable(m_bForceTargetValid); }

void CPOUEditEngine::UpdateForceDialog(CCmdUI* cmdUI) { cmdUI->Enable(m_bForceTargetValid); }

void CPOUEditEngine::UpdateForceTrue(CCmdUI* cmdUI) {
    cmdUI->Enable(m_bForceTargetValid && (m_forceTargetType & OD_BOOL) != 0);
}

void CPOUEditEngine::UpdateForceFalse(CCmdUI* cmdUI) { UpdateForceTrue(cmdUI); }

CString CPOUEditEngine::ForceAddress() const {
    if (!theWorkspace) return CString();
    CObject* entry = nullptr;
    if (!theWorkspace->project.symbolsByKey.Lookup(m_strForceTarget, entry)) return m_strForceTarget;
    CQLXSymbol* symbol = dynamic_cast<CQLXSymbol*>(entry);
    return symbol ? symbol->address : CString();
}

void CPOUEditEngine::ForceTrue() {
    if (!IsOnline() || !m_bForceTargetValid) return;
    CString address = ForceAddress();
    if (!address.IsEmpty()) theWorkspace->forcingService.ForceVariable(address, 1);
}

void CPOUEditEngine::ForceFalse() {
    if (!IsOnline() || !m_bForceTargetValid) return;
    CString address = ForceAddress();
    if (!address.IsEmpty()) theWorkspace->forcingService.ForceVariable(address, 0);
}

void CPOUEditEngine::Unforce() {
    if (!m_bForceTargetValid) return;
    CString address = ForceAddress();
    if (!address.IsEmpty() && theWorkspace) theWorkspace->forcingService.UnforceVariable(address);
}

void CPOUEditEngine::ForceDialog() {
    if (!theWorkspace) return;
    CForceVarDlg dialog(theWorkspace->forcingService, m_pView);
    CObject* entry = nullptr;
    CQLXSymbol* symbol = nullptr;
    if (theWorkspace->project.symbolsByKey.Lookup(m_strForceTarget, entry)) symbol = dynamic_cast<CQLXSymbol*>(entry);
    dialog.m_globalName = symbol ? symbol->name : CString();
    dialog.m_address = symbol ? symbol->address : m_strForceTarget;
    dialog.DoModal();
    if (m_pView && m_pView->GetSafeHwnd()) m_pView->SetFocus();
}
