#pragma once
#include "platform/Afx.h"
#include "project/ForceEntry.h"
#include "project/CProjTreeNode.h"

#include <memory>

class CPlcWorkspace;
class CQLX_R2_PLC;
class CStatusInput;

// The open PLC project: its POUs, subroutine descriptors, global variables, FB instances,
// initial data, status table, hardware modules, monitor and force data and the target
// image sections. Several maps index the same objects; only the collection marked as
// owning deletes them, on reset and on destruction.
class CQLXProject : public CObject {
    DECLARE_SERIAL(CQLXProject)

public:
    // A project inside the workspace is given it, so that a reset also ends the
    // workspace's online state; a project on its own has none.
    explicit CQLXProject(CPlcWorkspace* owner = nullptr);
    ~CQLXProject() override;
    CQLXProject(const CQLXProject&) = delete;
    CQLXProject& operator=(const CQLXProject&) = delete;

    // Empties the project for close, new and open. The CPU class, the transfer bytes, the
    // image sections and the force request keep their contents.
    void ResetProject();

    // First-fit assignment of the module's byte range in the I, Q, AI or AQ area of the
    // CPU class. The CPU's inputs and outputs always start at byte 0. False, the module
    // unchanged, for a module of another kind, one without channels in the area, or when
    // no free range is long enough.
    BOOL AssignInputBytes(CQLX_R2_PLC* module);
    BOOL AssignOutputBytes(CQLX_R2_PLC* module);
    BOOL AssignAnalogInputWords(CQLX_R2_PLC* module);
    BOOL AssignAnalogOutputWords(CQLX_R2_PLC* module);

    // Address codes of the project's CPU class, see project/AddressCodeText.h.
    CString DecodeAddressCode(int position, int& offset) const;
    CString AddressCodeToText(WORD code, DWORD typeBits) const;

    // The row's value at its address code, as the type of its descriptor, into the force
    // image. False without a row or image, for an address that cannot be forced, or when
    // the value lies outside the image.
    BOOL SetForceImageValue(const CStatusInput* row);
    BOOL GetForceImageValue(WORD code, DWORD typeBits, DWORD& value) const;

    // Both force images replaced by zero-filled ones of this many cells.
    void AllocateForceImages(int cellCount);

    // Instruction capacity of the configured CPU; 0 without a CPU module.
    int GetProgramMemorySize() const;

    CString name;
    CString filePath;
    CString folder;
    int hasMain = 0;
    int targetReady = 0;
    int imageBuilt = 0;
    WORD projectCrc = 0;
    CByteArray transferBytes;
    CProjTreeNode mainPou;
    CMapStringToOb sbrByName;           // owns the subroutine nodes
    CMapStringToOb sbrFuncByName;       // owns the subroutine descriptors
    CMapStringToOb sbrFuncByUpperName;
    CMapWordToOb sbrFuncByNumber;
    CMapStringToOb intByName;
    CMapStringToOb intByUpperName;
    CMapWordToOb intByNumber;           // owns the interrupt nodes
    CObArray initDataRows;              // owns
    CMapStringToOb symbolsByKey;        // every symbol under its name and its address
    CMapStringToOb symbolsByUpperName;
    CObArray symbolList;                // owns; a symbol's index is its position here
    CMapStringToOb symbolsByName;
    CMapStringToOb symbolsByAddress;
    CMapStringToOb duplicateNames;      // owns its groups
    CMapStringToOb duplicateAddresses;  // owns its groups
    CObArray fbInstances;               // owns
    CMapStringToOb MonitorOperandMap;   // owns the monitor cells
    CMapWordToOb monitorCellsByCode;
    CObArray statusRows;                // owns
    CWordArray monitorByteCodes;
    CWordArray monitorWordCodes;
    CWordArray monitorTimerCounterCodes;
    CWordArray monitorDwordCodes;
    int forceCellCount = 0;
    std::unique_ptr<DWORD[]> forceImage;
    std::unique_ptr<DWORD[]> forceImageBackup;
    ForceEntryMap forceEntries;         // owns
    int cpuClass = 1;
    CObArray modules;                   // owns; element 0 is the CPU, an entry may be null
    CByteArray cpuBlockA;
    CByteArray cpuBlockB;
    CByteArray imageSection3;
    CByteArray imageSection4;
    CByteArray imageSection5;
    CByteArray imageSection6;
    CByteArray imageSection7;
    CByteArray imageSection8;
    CByteArray forceRequest;

private:
    void DeleteOwnedObjects();
    void EmptyIndexes();

    CPlcWorkspace* owner_;
};
