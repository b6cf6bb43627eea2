#include "shell/frame/CMainFrame.h"

#include "platform/CTime.h"
#include "res/resource.h"
#include "shell/frames/StandInView.h"
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

}  // namespace

CRuntimeClass* CMainFrame::OutputViewClass() const { return RUNTIME_CLASS(CStandInView); }

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

void CMainFrame::ResetOutputWindow() {}

void CMainFrame::AppendOutputLine(int, const CString&) {}

void CMainFrame::StartCompileList() {}

void CMainFrame::SelectLastCompileLine() {}
