// Stand-in for the converter of older project files. It is started as
//   -convert_n  <0x0B><project file path>
// and does what the environment variable TX_CONVERTER_MODE asks:
//   "rewrite" (or unset)  gives the file's header the current version 1.9.3;
//   "hang"                sleeps far longer than anyone waits, then rewrites;
//   "keep"                ends without touching the file.
// When TX_CONVERTER_LOG names a file, its process id and command line go there first.

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char CurrentVersion[3] = {1, 9, 3};
const long VersionOffset = 11;

std::string Environment(const char* name) {
    char value[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value) : std::string();
}

void LogStart(const std::string& logPath, const char* commandLine) {
    FILE* log = std::fopen(logPath.c_str(), "wb");
    if (log == nullptr)
        return;
    std::fprintf(log, "%lu\n%s", GetCurrentProcessId(), commandLine);
    std::fclose(log);
}

int RewriteVersion(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "r+b");
    if (file == nullptr)
        return 2;
    const bool written = std::fseek(file, VersionOffset, SEEK_SET) == 0 &&
                         std::fwrite(CurrentVersion, 1, sizeof CurrentVersion, file) == sizeof CurrentVersion;
    std::fclose(file);
    return written ? 0 : 3;
}

}  // namespace

int main() {
    const char* commandLine = GetCommandLineA();
    const std::string logPath = Environment("TX_CONVERTER_LOG");
    if (!logPath.empty())
        LogStart(logPath, commandLine);

    const char* separator = std::strchr(commandLine, '\x0B');
    if (std::strncmp(commandLine, "-convert_n  ", 12) != 0 || separator == nullptr)
        return 1;
    const std::string path = separator + 1;
    const std::string mode = Environment("TX_CONVERTER_MODE");
    if (mode == "keep")
        return 0;
    if (mode == "hang")
        Sleep(120000);
    return RewriteVersion(path);
}
