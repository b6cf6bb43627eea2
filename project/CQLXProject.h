#pragma once
#include "platform/Afx.h"
#include "project/ForceEntry.h"
#include "project/CProjTreeNode.h"

#include <cstdint>
#include <memory>
#include <vector>

class CPlcWorkspace;
class CQLXFB;
class CQLXFunc;
class CQLXInitData;
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

    // The body of the project file. Loading expects a reset project and rebuilds every
    // index; when the archive fails half-way, everything read so far is already owned
    // by the project, so a reset frees it.
    void Serialize(CArchive& ar) override;

    // Subroutine call descriptors. The project takes the descriptor; one registered
    // before under the same name in any case is deleted.
    void AddSubroutineDesc(CQLXFunc* descriptor);
    BOOL IsSubroutineName(const CString& text) const;
    // Copies the descriptor of a subroutine name or number form ("SBR07").
    BOOL GetSubroutineDesc(const CString& text, CQLXFunc* destination) const;

    // Names and number forms ("SBR%02d", "INT%02d") of subroutines and interrupt
    // routines. Every text is trimmed and upper-cased first.
    BOOL TranslateSubroutineName(const CString& text, CString& result, BOOL toNumber) const;
    BOOL TranslateInterruptName(const CString& text, CString& result, BOOL toNumber) const;
    BOOL ToggleInterruptName(const CString& text, CString& result) const;
    // A call target as the other form: subroutines first, then interrupt routines.
    BOOL ResolveCallTarget(const CString& text, CString& result, BOOL& isSubroutine) const;
    BOOL IsPouName(const CString& text) const;

    // FB instances; names are upper-cased.
    BOOL AddFBInstance(const CString& instanceName, const CString& typeName, const CString& ownerPou);
    BOOL GetFBInstancesOf(const CString& ownerPou, CStringArray& names, CStringArray& types) const;
    void DeleteFBInstance(const CString& instanceName);
    void DeleteFBInstancesOf(const CString& ownerPou);
    BOOL RenameFBInstance(const CString& oldName, const CString& newName);

    // Deletes a subroutine or interrupt routine with its FB instances and its files in
    // the project folder.
    void DeletePou(const CString& name, int kind);
    // Re-keys a POU whose node already carries its new name.
    void RenamePou(const CString& oldName, int kind);

    // The four monitor address-code lists and the cells by code, from the monitor cells.
    void BuildMonitorLists();

    // Target image: the six sections from the modules, the compiled program, the
    // initial data and the monitor lists; FALSE when one cannot be built.
    BOOL BuildTargetImage();
    // CRC of sections 4 to 7; 0xFFFF when they cannot be checksummed.
    WORD ComputeProjectCrc() const;
    // Keeps the CRC as projectCrc and in the directory's CRC slot.
    void StoreProjectCrc(WORD crc);
    // Writes the sections to <folder>\<name>.obj; FALSE when the file cannot be made.
    BOOL WriteTargetFile() const;

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
    std::vector<uint8_t> forceRequest;  // the force table as the PLC link sends and reads it

private:
    void DeleteOwnedObjects();
    void EmptyIndexes();

    void StoreBody(CArchive& ar);
    void LoadBody(CArchive& ar);
    void AddLoadedSubroutine(CProjTreeNode* node);
    void AddInterruptNode(CProjTreeNode* node);
    void IndexSymbols();
    void RemoveEmptyInstanceSlots();
    void DeleteInstancesWhere(bool (*matches)(const CQLXFB& instance, const CString& text), const CString& text);

    BOOL BuildModuleSection();
    BOOL BuildCpuSection();
    BOOL BuildProgramSection();
    BOOL BuildInitDataSection();
    BOOL BuildMonitorSection();
    BOOL BuildDirectorySection();

    CPlcWorkspace* owner_;
};
