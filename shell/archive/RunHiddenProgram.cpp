#include "shell/archive/RunHiddenProgram.h"

#include <vector>

BOOL RunHiddenProgram(const CString& commandLine, DWORD timeoutMs) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    // CreateProcess may write into the command line it is given.
    std::vector<char> line(static_cast<LPCSTR>(commandLine), static_cast<LPCSTR>(commandLine) + commandLine.GetLength() + 1);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                        &process))
        return FALSE;
    const bool ended = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, timeoutMs);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended ? TRUE : FALSE;
}
