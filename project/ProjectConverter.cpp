#include "project/ProjectConverter.h"

#include <vector>

CString InstallationFolder() {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString folder(path, static_cast<int>(length));
    const int slash = folder.ReverseFind('\\');
    return slash >= 0 ? folder.Left(slash) : CString();
}

BOOL RunProjectConverter(const CString& converter, const CString& projectFile, DWORD waitMs) {
    CString commandLine;
    commandLine.Format("%s%c%s", "-convert_n  ", 0x0B, static_cast<LPCSTR>(projectFile));
    std::vector<char> writableLine(static_cast<LPCSTR>(commandLine),
                                   static_cast<LPCSTR>(commandLine) + commandLine.GetLength() + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(converter, writableLine.data(), nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr,
                        nullptr, &startup, &process))
        return FALSE;
    const BOOL ended = WaitForSingleObject(process.hProcess, waitMs) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended;
}
