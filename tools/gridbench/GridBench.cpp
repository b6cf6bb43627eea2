// Times the global variable table's grid on 5,000 rows; prints milliseconds.
#include "platform/CWinApp.h"
#include "platform/FrameworkIds.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"
#include "shell/tables/CGlobalVarView.h"
#include "tools/BenchTiming.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int Rows = 5000;
const int PastedRows = 1000;

void Fill(CGlobalVarTable& table) {
    char text[32];
    for (int row = 0; row < Rows; ++row) {
        std::snprintf(text, sizeof text, "VAR%04d", (row * 7919) % Rows);  // not in order
        table.Commit(0, row, text);
        std::snprintf(text, sizeof text, "%%V%d.%d", row / 8, row % 8);
        table.Commit(1, row, text);
        table.Commit(3, row, "一个全局变量的注释");
    }
}

}  // namespace

int main() {
    CPlcWorkspace workspace;
    workspace.project.cpuClass = 1;
    workspace.LoadInstructionCatalogue();
    CWinApp app("gridbench");
    CWnd parent;
    parent.CreateEx(0, nullptr, "gridbench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1100, 800), nullptr, 0);
    auto* view = new CGlobalVarView(workspace.project);
    view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1000, 700), &parent, 1);
    view->SetRowCount(Rows);
    Stopwatch filling;
    Fill(view->GetTable());
    std::printf("rows: %d (filled in %.0f ms)\n", view->GetGridRowCount(), filling.Milliseconds());

    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    CClientDC client(view);
    bitmap.CreateCompatibleBitmap(&client, 1000, 700);
    CBitmap* old = screen.SelectObject(&bitmap);
    auto paint = [&] { view->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(screen.m_hDC), PRF_CLIENT); };

    std::printf("grid paint: %.3f\n", MedianMilliseconds(50, [&](int) { paint(); }));
    std::printf("grid scroll: %.3f\n", MedianMilliseconds(50, [&](int i) {
        view->SendMessage(WM_VSCROLL, i % 2 ? SB_PAGEUP : SB_PAGEDOWN);
        paint();
    }));
    std::printf("grid commit: %.3f\n", MedianMilliseconds(50, [&](int i) {
        view->SetActiveCell(1, 2500);
        view->GetCellCtrl(0)->SetWindowText(i % 2 ? "RENAMED" : "VAR2500X");
        view->SaveModifyed(0);
        paint();
    }));
    std::printf("table commit: %.3f\n", MedianMilliseconds(50, [&](int i) {
        view->GetTable().Commit(0, 2499, i % 2 ? "RENAMED" : "VAR2500X");
    }));
    std::printf("editor open and close: %.3f\n", MedianMilliseconds(50, [&](int i) {
        view->SetActiveCell(1, 2500);
        view->CancelEdit();
    }));
    std::printf("grid insert: %.3f\n", MedianMilliseconds(20, [&](int) {
        view->SetFocusCell(1, 2500);
        view->SendMessage(WM_COMMAND, ID_GRID_INSERT_ROW_ABOVE);
        paint();
    }));
    std::printf("grid sort: %.3f\n", MedianMilliseconds(5, [&](int) {
        view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(90, 10));  // the name header
        view->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(90, 10));
        paint();
    }));
    std::printf("grid paste 1000: %.3f\n", MedianMilliseconds(5, [&](int i) {
        view->SetSelectRange(0, 3, 0, PastedRows - 1);
        view->SendMessage(WM_COMMAND, ID_EDIT_COPY);
        view->SetSelectRange(0, 0, 3000 + (i % 2) * PastedRows, 3000 + (i % 2) * PastedRows);
        view->SendMessage(WM_COMMAND, ID_EDIT_PASTE);
        paint();
    }));
    screen.SelectObject(old);
    parent.DestroyWindow();
    return 0;
}
