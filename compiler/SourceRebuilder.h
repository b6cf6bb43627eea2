#pragma once

#include "language/InstrSpecTable.h"
#include "language/PidSpec.h"
#include "platform/Arrays.h"
#include "platform/CString.h"

#include <cstdint>
#include <map>
#include <vector>

// Turns a compiled program (one block per unit, MAIN first) back into IL: one program
// file and one variable file per unit, with labels, subroutine calls with their
// actual parameters, interrupt attachments and the parameter declarations of called
// subroutines restored as far as the code allows. Every operand comes back as a direct
// address or a constant, except the INT and DINT memory of an instruction whose WORD or
// DWORD form a bare address would select: that is named through a typed local variable,
// so that the rebuilt program compiles to the same code. All run state lives in the object; the input is copied into
// a buffer of its own size and every read is checked against it.
class CSourceRebuilder {
public:
    static constexpr int kMaxUnits = 65;
    static constexpr int kMaxLines = 1500;
    static constexpr int kMaxListEntries = 256;
    static constexpr int kMaxParams = 128;
    static constexpr int kMaxKnownCallees = 32;

    // Operand addresses are written as the memory of the CPU class names them; -1 takes
    // the class of the open project.
    explicit CSourceRebuilder(int cpuClass = -1) : cpuClass(cpuClass) {}
    virtual ~CSourceRebuilder() = default;

    // Writes the files of every unit into the folder (its text ends in "\") and appends
    // the name of every unit written (MAIN, SBRnn, INTnn) to names. FALSE, with a
    // message, when a block header, an instruction or a file fails; the files written
    // before stay.
    BOOL Rebuild(const uint8_t* program, int length, int radix, const CString& folder,
                 CStringArray& names);

private:
    struct Param {
        CString address;
        CString name;
        uint32_t typeBits;
        CString typeName;
        int paramClass;  // 1 input, 2 in-out, 3 output; 0 a local variable
    };
    struct CallBlock {
        CString text;
        int enLine = -1;
        int calLine = -1;
        int enoLine = -1;
        std::vector<std::pair<int, uint32_t>> moves;
    };
    struct Unit {
        std::vector<CString> lines;
        CString ilpName, ilvName, unitName, markerLine;
        int blockStart = 0, blockEnd = 0;  // first and one past the last byte
        int startNumber = 0;
        int networkCounter = 0;
        std::vector<std::pair<int, CString>> labels;  // label number, name
        std::vector<int> labelLines, jumpLines, callLines, attachLines;
        std::vector<CallBlock> callBlocks;
        std::vector<Param> params;
        std::map<int, int> signedLines;   // line index -> table row of an INT or DINT form
        std::vector<Param> signedLocals;  // the variables that name their memory
    };

    bool ReadHeaders();
    bool DecodeUnit(Unit& unit);
    bool DecodeOperand(Unit& unit, uint32_t slot, int& pos, CString& text, bool& isNumber);
    bool ReadBytes(int pos, int count, const Unit& unit) const;
    bool AddToList(std::vector<int>& list, int line) const;
    bool TrackCallBlock(Unit& unit, const CString& line, int index, uint32_t firstSlotType,
                        bool& blockOpen, CallBlock& block, bool& hasParams);
    bool ResolveUnit(Unit& unit);
    const Unit* FindUnitByStart(int startNumber) const;
    Unit* FindUnitByName(const CString& name);
    const CString* FindLabelName(const Unit& unit, int number) const;
    bool RebuildCallBlock(Unit& unit, CallBlock& block);
    bool AddParam(Unit& callee, const CString& address, uint32_t typeBits, int paramClass);
    bool WriteUnit(Unit& unit);
    static CString NameSignedOperands(Unit& unit, int index, const CString& line);
    static CString DeclareSignedLocal(Unit& unit, const CString& address, uint32_t typeBit);
    static std::vector<std::pair<CString, CString>> FbInstancesOf(const Unit& unit);
    CString ConstantText(uint32_t typeBit, uint32_t value) const;
    static CString RealText(float value);

    int cpuClass;
    std::vector<uint8_t> bytes;
    int length = 0;
    int radix = 10;
    CString folder;
    int counter = -1;
    std::vector<Unit> units;
    std::vector<CString> knownCallees;
};

// The first enabled instruction-table row with the opcode, copied out; -1 when none.
int FindInstrByOpcode(uint16_t opcode, InstrSpec& record);
// The PID record when it is enabled and has the opcode; -1 otherwise.
int FindPidByOpcode(uint16_t opcode, PidSpec& record);
// Four little-endian bytes as an IEEE 754 single.
float BitsToReal(uint32_t bits);
