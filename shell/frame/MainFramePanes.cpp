#include "shell/frame/CMainFrame.h"

#include "editors/InsTreeView.h"
#include "hardware/CR2PLCTreeView.h"
#include "res/resource.h"
#include "shell/project/CProjTreeView.h"
#include "shell/project/ProjectFileCommands.h"
#include "ui/commandbars/UIToolBar.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneNotify.h"

// The docking panes: their views, made the first time each pane is shown, the pane
// commands and print preview.

CUIDockingPaneItem* CMainFrame::GetPane(UINT id) const { return m_paneManager.FindPaneById(id); }

LRESULT CMainFrame::OnDockingPaneNotify(WPARAM code, LPARAM lParam) {
    auto* pane = reinterpret_cast<CUIDockingPaneItem*>(lParam);
    switch (code) {
    case DockingPaneNotifyShowWindow:
        if (!pane->HasWindow())
            AttachPaneView(pane);
        return 1;
    case DockingPaneNotifyClosePane:
        switch (pane->GetId()) {
        case ID_VIEW_PROJECT_MANAGER: m_bProjectPaneShown = FALSE; break;
        case ID_VIEW_OUTPUT: m_bOutputPaneShown = FALSE; break;
        case ID_PANE_LD_INSTRUCTIONS:
        case ID_PANE_IL_INSTRUCTIONS: m_bInstructionPanesShown = FALSE; break;
        case ID_PANE_MODULE_LIST: m_bModuleListShown = FALSE; break;
        default: break;
        }
        return 1;
    default: return 0;
    }
}

BOOL CMainFrame::AttachPaneView(CUIDockingPaneItem* pane) {
    auto attach = [&](CRuntimeClass* viewClass) { return pane->AttachView(this, viewClass); };
    switch (pane->GetId()) {
    case ID_PANE_LD_INSTRUCTIONS:
        m_bInstructionPanesShown = TRUE;
        m_pLdTree = static_cast<CInsTreeView*>(attach(RUNTIME_CLASS(CInsTreeView)));
        if (m_pLdTree)
            m_pLdTree->FillTree(TRUE);
        return m_pLdTree != nullptr;
    case ID_PANE_IL_INSTRUCTIONS:
        m_bInstructionPanesShown = TRUE;
        m_pIlTree = static_cast<CInsTreeView*>(attach(RUNTIME_CLASS(CInsTreeView)));
        if (m_pIlTree)
            m_pIlTree->FillTree(FALSE);
        // The LD set joins the IL set's container, so that the two stay together.
        m_paneManager.AttachPane(GetPane(ID_PANE_LD_INSTRUCTIONS), pane);
        return m_pIlTree != nullptr;
    case ID_VIEW_PROJECT_MANAGER:
        m_bProjectPaneShown = TRUE;
        m_pProjectTree = static_cast<CProjTreeView*>(attach(RUNTIME_CLASS(CProjTreeView)));
        if (m_pProjectTree) {
            m_pProjectTree->OnInitialUpdate();
            m_projectCommands = std::make_unique<ProjectFileCommands>(*m_pProjectDocument, *m_pProjectTree);
        }
        return m_pProjectTree != nullptr;
    case ID_VIEW_OUTPUT:
        m_bOutputPaneShown = TRUE;
        m_pOutputView = attach(OutputViewClass());
        return m_pOutputView != nullptr;
    case ID_PANE_MODULE_LIST:
        m_bModuleListShown = TRUE;
        m_pModuleList = attach(RUNTIME_CLASS(CR2PLCTreeView));
        if (m_pModuleList)
            m_pModuleList->EnableToolTips(TRUE);
        return m_pModuleList != nullptr;
    default: return FALSE;
    }
}

void CMainFrame::ShowPaneById(UINT id) {
    if (CUIDockingPaneItem* pane = GetPane(id))
        m_paneManager.ShowPane(pane);
}

void CMainFrame::ClosePaneById(UINT id) {
    if (CUIDockingPaneItem* pane = GetPane(id))
        m_paneManager.ClosePane(pane);
}

void CMainFrame::ShowInstructionPanes() {
    ShowPaneById(ID_PANE_IL_INSTRUCTIONS);
    ShowPaneById(ID_PANE_LD_INSTRUCTIONS);
}

void CMainFrame::CloseInstructionPanes() {
    ClosePaneById(ID_PANE_LD_INSTRUCTIONS);
    ClosePaneById(ID_PANE_IL_INSTRUCTIONS);
}

void CMainFrame::OnViewProjectManager() {
    m_bProjectPaneShown = !m_bProjectPaneShown;
    m_bProjectPaneShown ? ShowPaneById(ID_VIEW_PROJECT_MANAGER) : ClosePaneById(ID_VIEW_PROJECT_MANAGER);
}

void CMainFrame::OnViewOutput() {
    m_bOutputPaneShown = !m_bOutputPaneShown;
    m_bOutputPaneShown ? ShowPaneById(ID_VIEW_OUTPUT) : ClosePaneById(ID_VIEW_OUTPUT);
}

void CMainFrame::OnViewInstructions() {
    m_bInstructionPanesShown = !m_bInstructionPanesShown;
    m_bInstructionPanesShown ? ShowInstructionPanes() : CloseInstructionPanes();
}

// Hiding the module list tucks it into the auto-hide panel of its side; showing it
// docks it again.
void CMainFrame::OnViewModuleList() {
    m_bModuleListShown = !m_bModuleListShown;
    CUIDockingPaneItem* pane = GetPane(ID_PANE_MODULE_LIST);
    if (pane == nullptr)
        return;
    if (!m_bModuleListShown)
        AutoHidePane(pane);
    else if (pane->IsHidden())
        m_paneManager.ToggleDocking(pane->GetHolder());
    else
        m_paneManager.ShowPane(pane);
}

void CMainFrame::ShowHardwarePanes(BOOL hardwareActive) {
    if (hardwareActive) {
        ShowPaneById(ID_PANE_MODULE_LIST);
        m_bModuleListShown = TRUE;
        CloseInstructionPanes();
        m_bInstructionPanesShown = FALSE;
    } else {
        ClosePaneById(ID_PANE_MODULE_LIST);
        m_bModuleListShown = FALSE;
        ShowInstructionPanes();
        m_bInstructionPanesShown = TRUE;
    }
}

// Print preview has the whole window: the bars, the tab strip and the panes go, and the
// panes that were open come back afterwards (the module list stays away).
void CMainFrame::OnSetPreviewMode(BOOL preview, CPrintPreviewState* state) {
    for (int i = 0; i < m_pCommandBars->GetCount(); ++i) {
        if (auto* bar = dynamic_cast<CUIToolBar*>(m_pCommandBars->GetAt(i)))
            bar->SetPreviewMode(preview);
    }
    ShowDocumentTabs(!preview);
    auto isOpen = [this](UINT id) {
        CUIDockingPaneItem* pane = GetPane(id);
        return pane && !pane->IsClosed();
    };
    if (preview) {
        m_previewPanes = 0;
        if (isOpen(ID_VIEW_PROJECT_MANAGER))
            m_previewPanes |= PreviewProjectPane;
        if (isOpen(ID_VIEW_OUTPUT))
            m_previewPanes |= PreviewOutputPane;
        if (isOpen(ID_PANE_LD_INSTRUCTIONS) || isOpen(ID_PANE_IL_INSTRUCTIONS))
            m_previewPanes |= PreviewInstructionPanes;
        m_paneManager.CloseAllPanes();
    } else {
        if (m_previewPanes & PreviewProjectPane) {
            ShowPaneById(ID_VIEW_PROJECT_MANAGER);
            m_bProjectPaneShown = TRUE;
        }
        if (m_previewPanes & PreviewOutputPane) {
            ShowPaneById(ID_VIEW_OUTPUT);
            m_bOutputPaneShown = TRUE;
        }
        if (m_previewPanes & PreviewInstructionPanes) {
            ShowInstructionPanes();
            m_bInstructionPanesShown = TRUE;
        }
    }
    CUIFrameTemplate<CMDIFrameWnd>::OnSetPreviewMode(preview, state);
}

// A docked pane moves into the auto-hide panel of its side, one slid out of its panel
// slides back; a closed one stays closed.
void CMainFrame::AutoHidePane(CUIDockingPaneItem* pane) {
    if (!pane->IsClosed())
        m_paneManager.ToggleAutoHide(pane);
}

void CMainFrame::SlideOutPane(CUIDockingPaneItem* pane) { m_paneManager.ShowPane(pane); }
