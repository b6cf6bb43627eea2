#include "shell/app/CommandLineProject.h"

namespace {

// Where the arguments start: behind the program's ".exe" (any letter case), else behind
// the first word (quoted or not), so that the program's own path is never taken for
// the project's.
int ArgumentsStart(const CString& commandLine) {
    CString lower = commandLine;
    lower.MakeLower();
    const int exe = lower.Find(".exe");
    if (exe >= 0)
        return exe;
    if (commandLine.GetLength() > 0 && commandLine[0] == '"') {
        const int close = commandLine.Find('"', 1);
        return close < 0 ? commandLine.GetLength() : close + 1;
    }
    const int blank = commandLine.Find(' ');
    return blank < 0 ? commandLine.GetLength() : blank;
}

}  // namespace

CString ProjectPathOfCommandLine(const CString& commandLine) {
    const int drive = commandLine.Find(":\\", ArgumentsStart(commandLine));
    if (drive < 1)
        return CString();
    CString path = commandLine.Mid(drive - 1);
    path.TrimRight();
    if (!path.IsEmpty() && path[path.GetLength() - 1] == '"')
        path = path.Left(path.GetLength() - 1);
    return path;
}
