#pragma once

#include "platform/CString.h"

#include <functional>

// Message positions other than a source line number.
enum CompileMsgLine {
    kLineProject = -2,  // a project-level message of the driver, printed as a "$$$ " line
    kLineWholeFile = -1,
};

// A message as a reporter hands it over.
struct CompileMsgArgs {
    int code = 0;
    int severity = 0;  // CompileSeverity
    int line = kLineWholeFile;
    CString detail;
    CString filePath;  // the file being compiled; empty for project-level messages
    CString spare;
};

// One compile message: formats its line, appends it to the compile log and adds it to
// the compile tab of the output pane. A reporter builds one, writes it and drops it.
class CCompileMsg {
public:
    CCompileMsg(const CompileMsgArgs& args, const CString& logPath);
    virtual ~CCompileMsg() = default;

    const char* GetText() const;
    CString FormatError() const;
    CString FormatWarning() const;
    CString FormatInfo() const;
    // Counts an error or warning of the current file and publishes the line; a severity
    // outside 0..2 writes and counts nothing.
    void Write() const;

    const CString& GetLogPath() const { return logPath; }
    const CString& GetProgramName() const { return programName; }

private:
    enum FileKindGroup { kGlobalVarKind, kPouVarKind, kProgramKind };

    CString FormatProblem(const char* label) const;
    FileKindGroup GetKindGroup() const;

    CString logPath;
    int code;
    int severity;
    int line;
    CString detail;
    CString programName;
    CString fileKind;
};

// Reads an output line that names a program and a line or network ("程序: X (第 n 行)"
// or "程序: X (NetWork: n)") back to that program and number. pouExists tells whether the
// project has a POU of the name found.
bool LocateMsgSource(const CString& line, CString& programName, int& number,
                     const std::function<bool(const CString&)>& pouExists);
// The same against the POUs of the workspace's open project.
bool LocateMsgSource(const CString& line, CString& programName, int& number);
