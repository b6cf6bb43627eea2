// Times the status table's repaint after a monitor cycle on 2,000 rows; prints milliseconds.
#include "comm/CStatusTblView.h"
#include "platform/CWinApp.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXStatus.h"
#include "project/MonitorCells.h"
#include "tools/BenchTiming.h"

#include <cstdio>
#include <vector>

namespace {

const int Rows = 2000;
const int Runs = 50;

// A new live value in every cell, as a monitor cycle leaves them.
void NextCycle(CQLXProject& project, int cycle) {
    for (POSITION position = project.MonitorOperandMap.GetStartPosition(); position;) {
        CString key;
        CObject* cell = nullptr;
        project.MonitorOperandMap.GetNextAssoc(position, key, cell);
        static_cast<CQLXStatus*>(cell)->value = static_cast<BYTE>(cycle);
    }
}

}  // namespace

int main() {
    CPlcWorkspace workspace;
    workspace.project.cpuClass = 1;
    workspace.LoadInstructionCatalogue();
    CWinApp app("statusbench");
    CWnd parent;
    parent.CreateEx(0, nullptr, "statusbench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 800), nullptr, 0);
    auto* view = new CStatusTblView(workspace.project, workspace.forcingService, workspace.ForceAccess());
    view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 750, 700), &parent, 1);
    view->SetRowCount(Rows);
    char address[16];
    for (int row = 0; row < Rows; ++row) {
        std::snprintf(address, sizeof address, "%%VW%d", row * 2);
        view->GetTable().Commit(CStatusTable::ColAddress, row, address);
        AddMonitorCells(address);
    }
    workspace.project.BuildMonitorLists();
    workspace.onlineMonitoring = 1;

    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    CClientDC client(view);
    bitmap.CreateCompatibleBitmap(&client, 750, 700);
    CBitmap* old = screen.SelectObject(&bitmap);
    std::vector<double> times;
    for (int cycle = 0; cycle < Runs; ++cycle) {
        NextCycle(workspace.project, cycle);
        Stopwatch watch;
        view->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(screen.m_hDC), PRF_CLIENT);
        times.push_back(watch.Milliseconds());
    }
    CString shown;
    int mark = 0;
    view->GetCellText(CStatusTable::ColValue, 0, shown, mark);
    std::printf("rows: %d (first live value \"%s\")\n", view->GetGridRowCount(), shown.GetString());
    std::printf("status repaint: %.3f ms\n", Median(times));
    workspace.onlineMonitoring = 0;
    screen.SelectObject(old);
    parent.DestroyWindow();
    return 0;
}
