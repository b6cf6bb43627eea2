// Usage: compilebench [folder]. Writes the generated project below the folder (the
// temporary folder by default), compiles it as the compile command does and prints
// the time split by phase, the compile time, the size of the compiled program, a digest
// of the outputs and the peak working set.
#include "compiler/CompileDriver.h"
#include "compiler/CompileFileList.h"
#include "compiler/CompilePhaseClock.h"
#include "compiler/CompileShell.h"
#include "language/CpuClassSource.h"
#include "project/FileContents.h"
#include "project/FileUtils.h"
#include "tools/BenchProgram.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <fstream>
#include <string>
#include <vector>

namespace {

class QuietShell : public ICompileShell {
public:
    void AddOutputLine(int, const CString& text) override { last = text; }
    int CheckInitDataTable() override { return 0; }
    int GetProgramMemorySize() override { return 100000; }
    CString last;
};

constexpr int kTimedRuns = 5;

// Builds the file list (which writes the compiler's "~" copies) and compiles.
bool Compile(const std::string& projectFile, const std::vector<CompileUnit>& units) {
    CStringArray files;
    BuildCompileFileList(projectFile.c_str(), units, false, files);
    std::vector<CString> list;
    for (int i = 0; i < files.GetSize(); ++i) list.push_back(files[i]);
    CCompileDriver driver(list.data(), static_cast<int>(list.size()));
    return driver.Compile(false);
}

// The time a compile takes, negative when it failed.
double SecondsToCompile(const std::string& projectFile, const std::vector<CompileUnit>& units) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const bool compiled = Compile(projectFile, units);
    QueryPerformanceCounter(&end);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    return compiled ? seconds : -seconds;
}

// A digest (FNV-1a) of every file the compile leaves in the folder, names included, in
// name order: equal digests mean byte-identical outputs.
uint32_t OutputsDigest(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    uint32_t digest = 2166136261u;
    const auto mix = [&digest](const std::string& bytes) {
        for (unsigned char c : bytes) digest = (digest ^ c) * 16777619u;
    };
    for (const std::string& name : names) {
        std::ifstream file(folder + "\\" + name, std::ios::binary);
        mix(name);
        mix(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    }
    return digest;
}

}  // namespace

int main(int argc, char** argv) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string root = (argc > 1 ? std::string(argv[1]) : std::string(temp)) + "\\tx_compilebench";
    const std::string folder = root + "\\Bench";
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(root + "\\Bench.qpr") << "project";
    SetCpuClassReader([] { return 2; });

    const std::vector<CompileUnit> units = WriteBenchProgram(folder);
    // Saving MAIN again, as a user does after changing it: the same bytes, a new write time.
    const std::string mainPath = folder + "\\MAIN_Main.ilp";
    std::string mainBytes;
    ReadFileBytes(mainPath.c_str(), mainBytes);
    const auto saveMain = [&] { std::ofstream(mainPath, std::ios::binary) << mainBytes; };

    QuietShell shell;
    SetCompileShell(&shell);
    const std::string projectFile = root + "\\Bench.qpr";
    // The first compile reads every file afresh (its time is printed too), the second
    // settles what the compiler keeps between compiles, the third runs with the phase
    // clock and gives the split; the best of the following plain compiles is the compile
    // time (the machine may be busy). Before each compile after the first the user has
    // changed a unit: MAIN, the largest, is saved again.
    const double first = SecondsToCompile(projectFile, units);
    bool compiled = first >= 0;
    for (bool clocked : {false, true}) {
        saveMain();
        EnableCompilePhaseClock(clocked);
        compiled = Compile(projectFile, units) && compiled;
    }
    const double split[] = {
        CompilePhaseSeconds(CompilePhase::Reading),    CompilePhaseSeconds(CompilePhase::Checking),
        CompilePhaseSeconds(CompilePhase::Emitting),   CompilePhaseSeconds(CompilePhase::FileWrites),
        CompilePhaseSeconds(CompilePhase::MessageLog), CompilePhaseSeconds(CompilePhase::Other),
    };
    EnableCompilePhaseClock(false);
    double best = 0;
    for (int run = 0; run < kTimedRuns; ++run) {
        saveMain();
        const double seconds = SecondsToCompile(projectFile, units);
        compiled = seconds >= 0 && compiled;
        best = run == 0 ? std::fabs(seconds) : std::min(best, std::fabs(seconds));
    }

    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    WIN32_FILE_ATTRIBUTE_DATA object = {};
    GetFileAttributesExA((folder + "\\BENCH.EPL").c_str(), GetFileExInfoStandard, &object);
    printf("compiled: %s\n", compiled ? "yes" : "no");
    printf("last line: %s\n", shell.last.GetString());
    printf("program bytes: %lu\n", static_cast<unsigned long>(object.nFileSizeLow));
    printf("outputs digest: %08lX\n", static_cast<unsigned long>(OutputsDigest(folder)));
    const char* const names[] = {"reading", "checking", "emitting", "file writes", "message log", "other"};
    for (size_t i = 0; i < std::size(split); ++i)
        printf("%s: %.1f ms\n", names[i], 1000.0 * split[i]);
    printf("first compile: %.1f ms\n", 1000.0 * std::fabs(first));
    printf("compile time: %.1f ms (best of %d, MAIN changed before each)\n", 1000.0 * best, kTimedRuns);
    printf("peak working set: %.1f MiB\n", memory.PeakWorkingSetSize / 1048576.0);
    CleanFolder(root.c_str());
    RemoveDirectoryA(root.c_str());
    return compiled ? 0 : 1;
}
