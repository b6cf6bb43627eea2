// Times the program's start, in milliseconds from launching Tessaron.exe: "window shown:"
// until its main window is visible and maximised, "start-up:" until then and the message
// loop waiting for input (the whole window painted). The first run warms the prefix
// (and writes the first start's registry values) and is printed on its own; the figures
// are the medians of the runs after it. Each run ends through the main window's close,
// as the user ends it.
//   startbench [PATH-TO-TESSARON.EXE] [RUNS]
#include "tools/BenchTiming.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

struct StartTimes {
    double shown = -1;
    double idle = -1;
};

// The program's main window once it is shown maximised: its caption starts with the
// program's name (the splash window has none; hidden windows of the program may too).
BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char caption[64] = {};
    ::GetWindowTextA(window, caption, sizeof(caption));
    if (owner == search->processId && std::string(caption).rfind("Tessaron", 0) == 0 && ::IsWindowVisible(window) &&
        ::IsZoomed(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND MainWindowOf(DWORD processId) {
    Search search{processId, nullptr};
    ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// One start; the times stay negative when the program did not come up within 30 s.
StartTimes TimeOneStart(const std::string& program) {
    StartTimes times;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + program + "\"";
    Stopwatch watch;
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return times;
    HWND window = nullptr;
    while (times.idle < 0 && watch.Milliseconds() < 30000) {
        window = MainWindowOf(process.dwProcessId);
        if (times.shown < 0 && window)
            times.shown = watch.Milliseconds();
        if (times.shown >= 0 && ::WaitForInputIdle(process.hProcess, 0) == 0)
            times.idle = watch.Milliseconds();
        else
            ::Sleep(1);
    }
    if (window)
        ::PostMessageA(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return times;
}

std::string DefaultProgram() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    return folder + "..\\..\\Tessaron.exe";
}

}  // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 1 ? argv[1] : DefaultProgram();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const StartTimes first = TimeOneStart(program);
    std::printf("first start: %.1f ms (window shown %.1f ms)\n", first.idle, first.shown);
    std::vector<double> shown, idle;
    for (int i = 0; i < runs; ++i) {
        const StartTimes times = TimeOneStart(program);
        if (times.idle < 0) {
            std::printf("the program did not come up\n");
            return 1;
        }
        shown.push_back(times.shown);
        idle.push_back(times.idle);
    }
    std::printf("window shown: %.1f ms\n", Median(shown));
    std::printf("start-up: %.1f ms (median of %d)\n", Median(idle), runs);
    return 0;
}
