#pragma once

#include "platform/CString.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CIlCompiler;
class CPouSymbol;

// Compiles one whole project from the list of its files (the project file, the global
// variable file, the program and variable file of every POU): global variables first,
// then the POU variables, then the programs in two runs (pass 1 of all, MAIN first;
// the subroutine call-tree check; pass 2 of all), reporting through the compile
// messages. Lives for one compile.
class CCompileDriver {
public:
    static constexpr int kMaxFiles = 256;
    static constexpr int kMaxPhaseFiles = kMaxFiles - 1;
    static constexpr int kMaxNesting = 3;
    static constexpr uint32_t kMaxObjectBytes = 65534;

    // Upper-cases the caller's paths in place; the array must stay valid until the
    // compile is over. Paths beyond the 256th are not looked at.
    CCompileDriver(CString* fileNames, int fileCount);
    CCompileDriver(const CCompileDriver&) = delete;
    CCompileDriver& operator=(const CCompileDriver&) = delete;
    virtual ~CCompileDriver();

    // Compiles the project; true when it compiled without errors and the compiled
    // program is at GetObjectPath(). The listing flag asks for hexadecimal listings.
    bool Compile(bool hexListing);

    const CString& GetProjectBasePath() const { return projectBasePath; }
    const CString& GetLogPath() const { return logPath; }
    const CString& GetObjectPath() const { return objectPath; }
    int GetErrorCount() const { return errorCount; }
    int GetWarningCount() const { return warningCount; }
    const std::vector<CString>& GetPhaseFiles() const { return phaseFiles; }

    // Sorts the files of one phase into the phase list: files of the copy kind are
    // copied to the intermediate kind, files of the direct kind are taken in place.
    void PreprocessFiles(const char* copyKind, const char* directKind,
                         const char* intermediateKind);
    // Deletes the phase's intermediate copies and empties the phase list.
    void DeleteIntermediateFiles();
    // Walks the call tree below every subroutine: a recursion is a warning, a chain of
    // more than three nested subroutines an error.
    void CheckCallTrees();
    // Reports a project-level message and counts it.
    void ReportCompileMsg(int code, int severity, const CString& detail);

private:
    void CollectCompileFiles();
    bool OpenOutputFiles();
    void CompileFileKind(const char* kindA, const char* kindB, bool hexListing);
    void CompileProgramFiles(CIlCompiler& compiler, bool hexListing);
    void CompileOneFile(CIlCompiler& compiler, const CString& path, bool programPhase,
                        bool hexListing);
    void RunEndChecks();
    void RegisterUnit(const CString& fileName, const CString& ext, const CString& pouName);
    // The subroutine's EN and ENO: BOOL, no address, not parameters.
    static void DeclareCallVariables(const CString& unit, bool inDeclaredList);
    void SetProjectPaths(const CString& path, const CString& fileName);
    bool AppendPhaseFile(const CString& path);
    bool CheckCallTree(std::vector<CString>& path, int n, const CPouSymbol& pou, CString& chain);
    static bool IsOnCallPath(const CString& name, const std::vector<CString>& path, int count);
    int LanguageOf(const CString& path);
    const CString& DiskPathOf(const CString& path) const;

    int callDepth = 0;
    CString nestingChain;
    bool nestingReported = false;
    int fileCount;
    CString* fileNames;
    std::vector<CString> fileNamesAsPassed;
    std::vector<CString> phaseFiles;
    std::map<std::string, int> fileLanguages;
    CString projectBasePath;
    CString logPath;
    CString objectPath;
    int errorCount = 0;
    int warningCount = 0;
};
