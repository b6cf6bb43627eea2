#include "tools/simplc/e2e/SimPlcControl.h"

#include <windows.h>

#include <cstdio>

namespace {
constexpr DWORD kTakeTimeoutMs = 5000;
constexpr DWORD kPollMs = 10;
}

bool SendSimPlcCommands(const std::string& controlPath, const std::string& commands) {
    const std::string draft = controlPath + ".new";
    FILE* file = std::fopen(draft.c_str(), "wb");
    if (!file)
        return false;
    std::fputs(commands.c_str(), file);
    std::fputs("\n", file);
    std::fclose(file);
    if (!MoveFileExA(draft.c_str(), controlPath.c_str(), MOVEFILE_REPLACE_EXISTING))
        return false;
    for (DWORD waited = 0; waited < kTakeTimeoutMs; waited += kPollMs) {
        if (GetFileAttributesA(controlPath.c_str()) == INVALID_FILE_ATTRIBUTES)
            return true;
        Sleep(kPollMs);
    }
    return false;
}
