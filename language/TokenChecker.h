#pragma once

#include "language/AreaPrefixTable.h"
#include "language/CheckMsg.h"
#include "language/InstrSpecTable.h"
#include "language/LiteralParser.h"
#include "platform/CString.h"

#include <cstdint>

// The operand of an instruction as the code emitter writes it.
struct OperandRecord {
    uint8_t isConstant = 0;
    OperandDescriptor descriptor = 0;  // the operand's descriptor with the slot's direction
    uint16_t code = 0;                 // address code, label number or unit start number
    LiteralValue value{};
    uint8_t isAddressOf = 0;
    uint32_t addressOfCode = 0;
};

// One word of an IL statement or declaration: what kind of word it is, whether it may
// name a variable or serve as an AT address, and whether it fits an operand slot.
// Every refusal is queued as a message for the caller to report.
class CTokenChecker {
public:
    enum TokenClass {
        kUnclassified = 0,
        kDelimiter = 1,
        kKeyword = 2,  // keywords, instructions, ":" and ";"
        kConstant = 4,
        kDirectAddress = 6,
        kLabel = 7,
        kProgramUnit = 8,
        kVariable = 9,
        kFbInstance = 10,
        kProgramFunction = 11,
        kFunctionOwner = 12,
        kFbMember = 13,
    };
    static constexpr int kNoKeywordClass = 12;

    explicit CTokenChecker(const CString& text);
    virtual ~CTokenChecker() = default;

    void Classify();
    // Whether the name may be declared; the token's own classification stays.
    bool CheckVariableName(const CString& name);
    // Checks the address part of a declaration ("AT %MW10") against the declared type
    // bits; fills the area record, the address code and the bit number.
    bool CheckAtAddress(const CString& address, OperandDescriptor declaredType, bool atRequired);
    OperandDescriptor GetOperandFlags() const;
    // Checks the token as an operand read and/or written (direction bits 0x2000,
    // 0x4000) and fills the record; statusBit asks for a timer's or counter's status bit.
    bool CheckOperand(OperandDescriptor direction, OperandRecord& record, bool statusBit);
    // As CheckOperand with the direction of the instruction's slot; on success gives the
    // operand's width in bytes and puts the operand's descriptor into the slot.
    bool CheckInstrOperand(int slot, InstrSpec& spec, OperandRecord& record, int& width,
                           bool statusBit);
    uint16_t GetAreaRecord(AreaPrefixSpec& record) const;
    bool NextMessage(int& code, int& severity, CString& text) { return messages.Next(code, severity, text); }
    void ClearMessages() { messages.Clear(); }
    // The descriptor of the first global variable declared AT the address; 0 and false
    // when there is none.
    static bool FindGlobalAtAddress(const CString& address, OperandDescriptor& descriptor);

    const CString& GetText() const { return text; }
    const CString& GetUpperText() const { return upperText; }
    int GetTokenClass() const { return tokenClass; }
    int GetKeywordClass() const { return keywordClass; }
    OperandDescriptor GetDataType() const { return dataType; }
    const CString& GetFbType() const { return fbType; }
    const CString& GetMemberText() const { return memberText; }
    uint16_t GetBitNumber() const { return bitNumber; }
    CCheckMsgQueue& Messages() { return messages; }

private:
    bool ClaimAsDelimiter();
    bool ClaimAsKeyword();
    bool ClaimAsInstruction();
    bool ClaimAsConstant();
    bool ClaimAsAddress(bool registerForMonitoring);
    bool ClaimAsSymbol();
    bool RefuseAddress(const CString& address, const char* reason);
    bool CheckAddressNumber(const CString& address, const CString& prefixText,
                            const CString& number);
    bool CheckVariableOperand(OperandDescriptor d, OperandRecord& record);
    bool CheckFbInstanceOperand(OperandRecord& record, bool statusBit);
    bool RefuseOperand(const CString& reason, int code = 19);

    CString text;
    int tokenClass = kUnclassified;
    int keywordClass = kNoKeywordClass;
    OperandDescriptor dataType = 0;
    CString fbType;
    CString memberText;
    AreaPrefixSpec area{};
    CCheckMsgQueue messages;
    CString upperText;
    uint16_t addressCode = 0;
    uint16_t bitNumber = 0;

public:
    CTokenChecker* next = nullptr;  // the following token of a statement
};
