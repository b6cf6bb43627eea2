#pragma once
#include "comm/ForcingService.h"
#include "comm/MonitorWorker.h"
#include "comm/ProjectForceAccess.h"
#include "comm/ProjectMonitorCells.h"
#include "platform/Afx.h"
#include "project/CQLXProject.h"

#include <memory>

class CQLXFB;
class CQLXFunc;
class CQLXStatus;
class CQLXSymbol;

// The application-wide state: the open project, the instruction catalogue, the program
// settings, the online flags and the locks of the PLC link. One instance exists while the
// program runs; constructing it makes it theWorkspace, and the language tables then
// answer for its project's CPU class.
// The workspace also wires the PLC link's online services to its project: the monitor
// worker's shared block and the forcing service live here, so that the worker, the
// forcing callers and the main window meet on one pause handshake and one set of locks.
// The link's services never include the workspace; they see the project only through
// the adapters below.
class CPlcWorkspace {
public:
    CPlcWorkspace();
    virtual ~CPlcWorkspace();
    CPlcWorkspace(const CPlcWorkspace&) = delete;
    CPlcWorkspace& operator=(const CPlcWorkspace&) = delete;

    // Catalogue: the shown records of the editors' instruction catalogue by name, with a
    // function or FB definition for each function and function block. Names are looked
    // up as stored (upper case) unless an operation says otherwise.
    void LoadInstructionCatalogue();
    BOOL GetFuncDef(const char* name, CQLXFunc& definition) const;  // name trimmed, upper-cased
    BOOL GetFBDef(const char* name, CQLXFB& definition) const;      // name trimmed, upper-cased
    // The parameter's descriptor; the block or function name is taken unchanged, the
    // parameter name trimmed. A function not in the catalogue is looked for among the
    // project's subroutines. 0 when nothing is found.
    DWORD GetFBParamFlags(const char* paramName, const char* blockName) const;
    DWORD GetFuncParamFlags(const char* paramName, const char* funcName) const;

    // Memory areas of the project's CPU class.
    DWORD CpuKindMask() const;
    int GetAreaLastIndex(const char* operand) const;
    int GetAreaFirstIndex(const char* operand) const { return 0; }
    int GetAreaLastBit(const char* operand) const { return 7; }
    short GetAreaCodeBase(const char* prefix, BOOL statusBit) const;

    // The global variable an operand names, by address when it is a direct address,
    // otherwise by name; neither case matters.
    BOOL FindGlobalSymbol(const char* operand, CQLXSymbol*& symbol) const;
    // The OperandDescriptor bit of a data type name; 0 and FALSE for another name.
    static BOOL ParseDataTypeName(const char* typeName, DWORD& typeBit);

    // Monitor cells of the open project. The map takes the cell when no cell of its text
    // (given a leading "%") is there yet, and deletes it otherwise.
    void AddMonitorOperand(const char* cellText, CQLXStatus* cell);
    void ClearMonitorOperands();
    // The width class of a cell text (see project/MonitorCells.h).
    int ParseCellAddress(const char* cellText, WORD& code, WORD& number) const;

    // Ladder clipboard: each element is the root of a tree that goes with it.
    void ClearLadderClipboard();
    // How a clipboard tree is deleted; the ladder elements install theirs. By default an
    // element is deleted through its destructor.
    using LadderTreeDeleter = void (*)(CObject* root);
    static void SetLadderTreeDeleter(LadderTreeDeleter deleter);

    // Ends online work: monitoring and its pause off, the monitor events reset, and the
    // locks released when this thread holds them.
    void EndOnlineState();

    // The block to start MonitorThreadProc with: the project's monitor lists as they are
    // now (they are not rebuilt while monitoring runs) and the window to notify.
    MonitorWorkerShared* PrepareMonitorWorker(HWND notifyWindow);

    int isNt5OrLater = 1;
    CMapStringToOb funcCatalog;   // owns its CQLXFunc definitions
    CMapStringToOb fbCatalog;     // owns its CQLXFB definitions
    CMapStringToPtr instrByName;  // owns its InstrDesc copies
    CMapStringToPtr coilByName;
    CMapStringToPtr contactByName;
    CQLXProject project;
    int projectOpen = 0;
    int onlineFormat = 0;
    int showGlobalNames = 1;
    // The pause flag and the cycle-done event of the monitor worker, decided under one
    // lock: a forcing task borrows the serial line between two cycles.
    CMonitorPause monitorPause;
    CMutex commLock;
    volatile LONG onlineMonitoring = 0;
    CMutex monitorDataLock;
    std::unique_ptr<CEvent> monitorStoppedEvent;
    int plcInfoState = 0;
    CObArray ladderClipboard;
    int compileBeforeDownload = 0;
    int compileBeforeOnline = 0;
    int interfaceStyle = 0;
    int defaultCpu = 5;
    int defaultPouLanguage = 2;
    // The IL text, LD text and LD comment fonts, and one more editor font.
    LOGFONTA editorFonts[4] = {};

private:
    void ForgetRecord(const char* name);
    void ClearCatalogue();

    // How the link's services see the project; built before the services that use them.
    CProjectForceAccess m_forceAccess{project};
    CProjectMonitorCells m_monitorCells{project};
    MonitorLists m_monitorLists;
    MonitorWorkerShared m_monitorWorker;

public:
    // Forcing and the PLC's force table, which travels in project.forceRequest.
    CForcingService forcingService;
    // The project as forcing sees it.
    ForceProject& ForceAccess() { return m_forceAccess; }
};

extern CPlcWorkspace* theWorkspace;
