#include "shell/frames/CChildFrmEditor.h"

#include "editors/POUEditEngine.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"
#include "editors/POUVarView.h"
#include "project/CPlcWorkspace.h"
#include "shell/frames/CCommandChildFrame.h"

IMPLEMENT_DYNCREATE(CChildFrmEditor, CMDIChildWnd)
IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrmEditor, CMDIChildWnd)
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

namespace {
bool Monitoring() { return theWorkspace != nullptr && theWorkspace->onlineMonitoring != 0; }
}  // namespace

void CChildFrmEditor::ActivateFrame(int showCommand) { CMDIChildWnd::ActivateFrame(MaximisedByDefault(showCommand)); }

void CChildFrame::ActivateFrame(int showCommand) { CMDIChildWnd::ActivateFrame(MaximisedByDefault(showCommand)); }

BOOL CChildFrmEditor::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
    if (!m_splitter.CreateStatic(this, 2, 1, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST)) return FALSE;
    if (!m_splitter.CreateView(0, 0, RUNTIME_CLASS(CPOUVarView), CSize(150, kVariableRowHeight), context) ||
        !m_splitter.CreateView(1, 0, RUNTIME_CLASS(CPOUEditorView), CSize(250, kEditorRowHeight), context))
        return FALSE;
    m_splitter.SetActivePane(1, 0);
    return TRUE;
}

CPOUEditorView* CChildFrmEditor::GetEditorView() const {
    if (!m_splitter.GetSafeHwnd() || m_splitter.GetRowCount() < 2) return nullptr;
    return dynamic_cast<CPOUEditorView*>(m_splitter.GetPane(1, 0));
}

void CChildFrmEditor::OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) {
    CMDIChildWnd::OnMDIActivate(activate, activated, deactivated);
    CPOUEditorView* view = GetEditorView();
    if (!view) return;
    CPOUEditEngine* engine = view->m_pEngine;
    if (activate) {
        if (Monitoring() && engine) engine->OnMonitorStart();
        view->SetFocus();
    } else if (Monitoring()) {
        if (engine) engine->OnMonitorStop();
    } else if (CPOUEditorDoc* document = view->GetDocument()) {
        document->UpdateParamList(FALSE);
    }
    view->Invalidate(FALSE);
}
