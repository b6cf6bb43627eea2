#pragma once
#include "platform/CString.h"

#include "comm/CommResult.h"

#include <cstdint>
#include <functional>
#include <vector>
#include <windows.h>

class CCommTask;
class CPlcWorkspace;
class CQLXProject;

// What the PLC commands need of the main window and the project commands. The main
// frame implements it; tests give a recording one.
class PlcCommandHost {
public:
    virtual ~PlcCommandHost() = default;
    // Owns the messages and the dialogs.
    virtual HWND FrameWindow() = 0;
    virtual void SetWaitCursor(bool on) = 0;
    // The compile command; the project's flags tell how it went.
    virtual void Compile() = 0;
    // A time-stamped result line in the output window's general tab.
    virtual void ReportPlcResult(int result) = 0;
    // Closes the open project, asking to save it; FALSE when the user cancelled.
    virtual BOOL CloseProject() = 0;
    // The project document takes the path and makes the project folder; FALSE on failure.
    virtual BOOL SaveProjectAs(const CString& path) = 0;
    virtual BOOL SaveProject() = 0;
    // The project tree and both instruction trees' subroutine items built again.
    virtual void RebuildProjectTrees() = 0;
    // Opens the program files of the uploaded project (the main frame's OpenUploadedPous).
    virtual void OpenUploadedPous() = 0;
};

// The PLC menu commands: each takes the communication lock and the port, runs its
// transactions or its dialog, shows the outcome and gives the line back on every path.
class CPlcCommands {
public:
    // Results reported in the output window.
    enum { ResultDownloadNeedsCompile = 1 };

    CPlcCommands(CPlcWorkspace& workspace, PlcCommandHost& host);

    void OnPlcInfo();          // 32798
    void OnPlcClear();         // 32796
    void OnPlcStop();          // 32804
    void OnPlcRun();           // 32802
    void OnPlcClock();         // 32799
    void OnPlcCompare();       // 32795
    void OnDownload();         // 32794
    void OnUpload();           // 32793
    void OnChangePassword();   // 32889
    void OnCommSettings();     // 32907

    // The edition an uploaded image was made for, from its byte 5: 0 this program's;
    // an image too short to carry the byte counts as a wrong edition.
    enum class UploadEdition { Ours, Orin, Vela, Unknown };
    static UploadEdition EditionOf(const std::vector<uint8_t>& image);

private:
    // When a command's wait cursor goes on: before it takes the lock, or once the port
    // is open.
    enum class WaitFrom { Lock, Port };
    struct LineTurn {
        DWORD lockMs;
        WaitFrom waitFrom;
    };
    // A command's turn on the line: takes the lock (refused: the wait cursor off, then the
    // busy message) and opens the port, runs `exchange` with the wait cursor on, gives the
    // lock back and shows a failed exchange with ShowCommError, the wait cursor off first.
    // After a good exchange `whileWaiting` runs before the wait cursor goes off. True when
    // the exchange went well; the port then stays open until `task` closes it.
    bool TakeTurn(CCommTask& task, const LineTurn& turn, const std::function<CommResult()>& exchange,
                  const std::function<void()>& whileWaiting = nullptr);
    bool AskYes(const char* question) const;
    void Inform(const char* text) const;
    void RunOrStop(const char* question, int run, const char* done);
    bool RefuseEdition(UploadEdition edition) const;

    CPlcWorkspace& m_workspace;
    PlcCommandHost& m_host;
};

// A POU of an uploaded project to open: its program file and the text its project tree
// item contains ("(SBR03) ", "(INT01) ", "(MAIN) ").
struct UploadedPou {
    CString path;
    CString treeKey;
};
// The POUs the main frame opens after an upload, in order: the subroutines, then the
// interrupt routines (each by number), then MAIN; only IL and LD programs, and nothing
// unless the project has its MAIN.
std::vector<UploadedPou> UploadedPousToOpen(const CQLXProject& project);
