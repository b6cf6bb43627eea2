// Times the IL editor on a generated 5,000-line POU: "open:", "keystroke:", "leave
// line:", "undo:", "paint:", "paint online:" and "replace all:" in milliseconds, and
// "undo step bytes:".
#include "editors/ILEditEngine.h"
#include "editors/ILFindReplaceDlg.h"
#include "editors/ILModel.h"
#include "editors/POUEditorDoc.h"
#include "platform/CDC.h"
#include "platform/CMemFile.h"
#include "platform/MessageBox.h"
#include "project/CPlcWorkspace.h"
#include "project/MonitorCells.h"
#include "tools/BenchTiming.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {
const int kLineCount = 5000;

// The POU being measured, with no variables of its own.
class BenchDocument : public CPOUEditorDoc {
public:
    explicit BenchDocument(const std::string& path) { SetPathName(path.c_str(), FALSE); }
};

// Networks of ten lines: a header, a comment, contacts, coils and word operations.
std::string GenerateProgram() {
    std::string text = "(*1*)\r\n";
    char line[512];
    for (int n = 0; n * 10 < kLineCount; ++n) {
        std::snprintf(line, sizeof(line),
                      "(* Network %d *)\r\n(* step %d of the sequence *)\r\nLD      %%I0.%d\r\nAND     %%M%d.%d\r\n"
                      "OR      %%M%d.%d\r\nANDN    %%I1.%d\r\nST      %%Q0.%d\r\nLD      %%M%d.%d\r\n"
                      "MOVW    %%VW%d, %%VW%d\r\nST      %%M%d.%d\r\n",
                      n, n, n % 8, n % 30, n % 8, (n + 1) % 30, n % 8, n % 8, n % 8, (n + 2) % 30, n % 8, 2 * (n % 500),
                      2 * (n % 500) + 1000, (n + 3) % 30, n % 8);
        text += line;
    }
    return text;
}

template <typename Step>
double Average(int repeats, Step step) {
    Stopwatch watch;
    for (int i = 0; i < repeats; ++i) step(i);
    return watch.Milliseconds() / repeats;
}
}  // namespace

int main() {
    CPlcWorkspace workspace;
    workspace.project.cpuClass = 1;
    workspace.LoadInstructionCatalogue();
    workspace.showGlobalNames = 0;
    AfxSetMessageBoxHandler([](HWND, LPCSTR, LPCSTR, UINT) { return IDOK; });

    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "MAIN_ILBENCH.ilp";
    std::ofstream(path, std::ios::binary) << GenerateProgram();

    BenchDocument document(path);
    Stopwatch opening;
    document.CreateModel(1);
    CILModel& model = *static_cast<CILModel*>(document.GetModel());
    CILEditEngine& engine = *model.GetEngine();
    document.OnOpenDocument(path.c_str());
    engine.OnInitialUpdate();
    std::printf("lines: %d\n", static_cast<int>(model.GetLines().GetSize()));
    std::printf("open: %.1f\n", opening.Milliseconds());

    int middle = kLineCount / 2;
    engine.ScrollTo(0, (middle - 10) * engine.GetLineHeight());
    engine.PlaceCaret(middle + 1, 200);
    std::printf("keystroke: %.3f\n", Average(50, [&](int) { engine.OnChar('x', 1, 0); }));
    CMemFile* head = static_cast<CMemFile*>(model.m_undoList.GetHead());
    std::printf("undo step bytes: %llu\n", static_cast<unsigned long long>(head->GetLength()));
    std::printf("leave line: %.3f\n", Average(50, [&](int i) { engine.OnKeyDown(i % 2 ? VK_UP : VK_DOWN, 1, 0); }));
    std::printf("undo: %.3f\n", Average(20, [&](int) { engine.Undo(); }));

    CDC screen;
    screen.Attach(::GetDC(nullptr));
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 800, 480);
    CBitmap* old = memory.SelectObject(&bitmap);
    std::printf("paint: %.3f\n", Average(20, [&](int) { engine.OnPaint(&memory); }));

    for (int i = 0; i < 8; ++i) {
        AddMonitorCells(CString("%I0.") + static_cast<char>('0' + i));
        AddMonitorCells(CString("%Q0.") + static_cast<char>('0' + i));
    }
    for (int m = 0; m < 30; ++m) AddMonitorCells(CString("%MB") + std::to_string(m).c_str());
    workspace.onlineMonitoring = 1;
    Stopwatch starting;
    engine.OnMonitorStart();
    std::printf("monitor start: %.1f\n", starting.Milliseconds());
    std::printf("paint online: %.3f\n", Average(20, [&](int) { engine.OnPaint(&memory); }));
    workspace.onlineMonitoring = 0;
    engine.OnMonitorStop();

    engine.Find();
    CILFindReplaceDlg& dialog = *engine.GetFindDialog();
    dialog.m_strFind = "%M1.";
    dialog.m_strReplace = "%M2.";
    Stopwatch replacing;
    engine.ReplaceAll();
    std::printf("replace all: %.1f\n", replacing.Milliseconds());

    memory.SelectObject(old);
    ::ReleaseDC(nullptr, screen.Detach());
    ::DeleteFileA(path.c_str());
    return 0;
}
