#include "shell/frame/CMainFrame.h"

#include "platform/CMDIChildWnd.h"
#include "platform/CTime.h"
#include "res/resource.h"
#include "shell/output/COutputView.h"
#include "ui/commandbars/UIUISettings.h"
#include "ui/docking/UIDockingPaneItem.h"

// The output window's lines: every part of the program writes there through the main
// frame, which brings the pane into view first.

namespace {

const char* const kPlcResultTexts[] = {
    "错误： 禁止下载！  下载之前首先需要编译成功当前的工程。",
    "提示： 程序下载成功。",
    "错误： 禁止在线监测！ 当前打开的工程与PLC内的工程不一致。",
    "错误： 禁止在线监测！ 当前工程编译失败。",
};

bool IsOutputTab(int tab) { return tab == CMainFrame::GeneralTab || tab == CMainFrame::CompileTab; }

// The toolkit's standard font, which the output lists show their lines in.
CFont* StandardFont() { return &GetUISettings()->regularFont; }

}  // namespace

CRuntimeClass* CMainFrame::OutputViewClass() const { return RUNTIME_CLASS(COutputView); }

COutputView* CMainFrame::GetOutputWindow() const { return dynamic_cast<COutputView*>(m_pOutputView); }

// Only the two tabs take lines: any other index, negative ones too, changes nothing.
void CMainFrame::AddOutputLine(int tab, const CString& text) {
    if (!IsOutputTab(tab))
        return;
    ShowOutputPane();
    AppendOutputLine(tab, text);
}

void CMainFrame::ReportPlcResult(int code) {
    ShowOutputPane();
    if (code < ResultDownloadNeedsCompile || code > ResultCompileFailed)
        return;
    AppendOutputLine(GeneralTab, CTime::GetCurrentTime().Format("%H:%M:%S   ") + kPlcResultTexts[code - 1]);
}

void CMainFrame::ShowOutputPane() {
    if (!m_bOutputPaneShown) {
        OnViewOutput();
        UpdateTabs();
    }
    CUIDockingPaneItem* pane = GetPane(ID_VIEW_OUTPUT);
    if (pane && pane->IsHidden())
        SlideOutPane(pane);
}

void CMainFrame::HideOutputPane() {
    m_bOutputPaneShown = FALSE;
    if (CUIDockingPaneItem* pane = GetPane(ID_VIEW_OUTPUT))
        AutoHidePane(pane);
}

void CMainFrame::ResetOutputWindow() {
    if (COutputView* view = GetOutputWindow()) {
        view->ClearList(GeneralTab);
        view->ClearList(CompileTab);
        view->SelectTab(CompileTab);
    }
}

void CMainFrame::AppendOutputLine(int tab, const CString& text) {
    if (COutputView* view = GetOutputWindow())
        view->AddLine(tab, text, StandardFont());
}

void CMainFrame::StartCompileList() {
    if (COutputView* view = GetOutputWindow()) {
        view->SelectTab(CompileTab);
        if (view->List(CompileTab).GetSafeHwnd())
            view->List(CompileTab).SetFont(StandardFont());
        view->ClearList(CompileTab);
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    // The document windows behind a maximised one cannot be seen: painting them all
    // took longer than compiling a large project.
    CMDIChildWnd* active = MDIGetActive();
    if (active != nullptr && active->IsZoomed()) {
        for (HWND child = ::GetWindow(active->GetSafeHwnd(), GW_HWNDNEXT); child != nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT))
            ::RedrawWindow(child, nullptr, nullptr, RDW_VALIDATE | RDW_NOERASE | RDW_ALLCHILDREN);
    }
    RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CMainFrame::SelectLastCompileLine() {
    COutputView* view = GetOutputWindow();
    if (view && view->List(CompileTab).GetSafeHwnd())
        view->List(CompileTab).SetCurSel(view->List(CompileTab).GetCount() - 1);
}
