#pragma once

#include "compiler/IlNetworkChecker.h"
#include "platform/CString.h"

#include <map>
#include <string>
#include <vector>

// Compiles one source file at a time (the global variable file, a POU variable file or
// a POU program file) with the embedded statement checker: pass 1 checks and counts,
// pass 2 writes the code of a program unit into the compiled program. Keeps the error
// counts of the files compiled and the generated statements of subroutine calls with
// parameters, which pass 1 fills and pass 2 replays.
class CIlCompiler {
public:
    static constexpr int kMaxFiles = 255;
    static constexpr int kCallRows = 256;
    static constexpr int kCallRowLines = 100;
    static constexpr int kMaxLineLength = 1024;

    enum Status { kUsable = 0, kPathMissing = 8, kKindUnknown = 9 };

    CIlCompiler(const CString& sourcePath, const CString& basePath);
    CIlCompiler(const CIlCompiler&) = delete;
    CIlCompiler& operator=(const CIlCompiler&) = delete;
    virtual ~CIlCompiler() = default;

    // The path names the file in messages; the disk path, when given, is the same file
    // spelt as it is on disk, which opens faster where names are compared without case.
    void SetSourceFile(const CString& sourcePath, const CString& basePath, const CString& diskPath = CString());
    // Compiles the file; gives its error and warning counts and returns the errors.
    int CompileFile(int* errors, int* warnings, bool hexListing);
    int GetFileErrorCount(const CString& path) const;
    void ReportMessage(int code, int severity, const CString& file, const CString& detail, int line);
    // Checks a statement that pass 1 generates itself and reports what it finds.
    void CheckGeneratedLine(const CString& text);
    void EmitStatement();
    void SetProgramName(const CString& unitKey) { checker.SetProgramName(unitKey); }

    int GetStatus() const { return status; }
    const CString& GetPouName() const { return pouName; }
    const CString& GetObjectPath() const { return objectPath; }
    const CString& GetLogPath() const { return logPath; }
    const CString& GetHexPath() const { return hexPath; }
    int GetMainCodeSize() const { return mainCodeSize; }
    const CIlNetworkChecker& GetChecker() const { return checker; }

    // The driver's two runs over the program files: pass 1 of all, then pass 2 of all.
    bool skipPass2 = false;
    bool skipPass1 = false;
    int paramCallCount = 0;

private:
    struct CompiledFileRecord {
        CString path;
        int errors = 0;
        int warnings = 0;
    };
    // Counts the source lines as the messages number them; a sequence that a "PTR_R "
    // line starts counts once.
    struct LineCounter {
        int depth = 0;
        bool inRead = false;
        bool countNext = true;
        bool pending = false;
        int count = 0;
        // Counts one line; true when it is the first line after a "PTR_R " line.
        bool Count(const CString& line);
    };

    bool PrepareFile();
    // The lines of the file, read once for both passes; null (after a message) when the
    // file cannot be read.
    const std::vector<CString>* SourceLines();
    bool SourceFileExists() const;
    void RunPass1();
    void ScanLabels(const std::vector<CString>& lines);
    void RegisterLabel(const CString& written, int line);
    void CheckLine(const CString& line);
    void FinishPass1(int codeStart, bool inComment);
    // Reports a line over the length limit and cuts it to the limit.
    void LimitLineLength(CString& line);
    void ExpandCall();
    void ExpandCallWithoutParams(const CString& name);
    void ExpandCallWithParams(const CString& name, int firstActual);
    void CheckCallRow(int row, int generatedLines);
    void RunPass2();
    bool WriteBlockHeader();
    void EmitCallLine(const CString& line);
    void EmitGenerated(const CString& text);
    void CheckEndOfVariableFile(bool inComment, const char* missingEndVar);
    CString UnitEndMarker() const;
    static bool IsCallLine(const CString& line);

    CString basePath;
    CString sourcePath;
    CString sourceDiskPath;
    std::vector<CompiledFileRecord> fileTable;
    std::map<std::string, std::vector<CString>> sourceLines;
    int mainCodeSize = 0;
    CString pouName;
    std::vector<std::vector<CString>> paramCallTable;
    int paramLineIndex = 0;
    int status = kPathMissing;
    CString hexPath;
    CString objectPath;
    CString logPath;
    int lineNumber = 0;
    CString statementText;
    uint8_t hexListing = 1;
    CIlNetworkChecker checker;
};
