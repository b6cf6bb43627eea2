// Times the main frame, in milliseconds: "frame creation:" is the median of making and
// showing the whole main window (bars, panes, pane views) and destroying it again;
// "output line:" is one line of 5,000 added through AddOutputLine, all in the compile tab as a compile writes them.
#include "platform/CWinApp.h"
#include "project/CPlcWorkspace.h"
#include "shell/frame/CMainFrame.h"
#include "tools/BenchTiming.h"

#include <cstdio>

namespace {

const int kFrames = 10;
const int kLines = 5000;

// Handles every queued message, as the message loop does between two inputs.
void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

CMainFrame* MakeFrame(CWinApp& app) {
    auto* frame = new CMainFrame;
    if (!frame->LoadFrame(122, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
        return nullptr;
    app.m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    frame->UpdateWindow();
    Pump();
    return frame;
}

void DestroyFrame(CWinApp& app, CMainFrame* frame) {
    frame->DestroyWindow();
    app.m_pMainWnd = nullptr;
    Pump();
}

}  // namespace

int main() {
    CPlcWorkspace workspace;
    workspace.project.cpuClass = 1;
    workspace.LoadInstructionCatalogue();
    CWinApp app("shellbench");
    app.SetRegistryKey("TessaronBench");

    const double creation = MedianMilliseconds(kFrames, [&] {
        if (CMainFrame* frame = MakeFrame(app))
            DestroyFrame(app, frame);
    });
    std::printf("frame creation: %.3f ms\n", creation);

    CMainFrame* frame = MakeFrame(app);
    if (frame == nullptr)
        return 1;
    CString line;
    Stopwatch watch;
    for (int i = 0; i < kLines; ++i) {
        line.Format("        程序: MAIN (第 %d 行):[Error 001]LD:操作数错误.", i);
        frame->AddOutputLine(CMainFrame::CompileTab, line);
    }
    Pump();
    std::printf("output line: %.4f ms\n", watch.Milliseconds() / kLines);
    DestroyFrame(app, frame);
    return 0;
}
