#pragma once

#include "language/CheckMsg.h"
#include "language/InstrSpecTable.h"
#include "language/TokenChecker.h"
#include "platform/CString.h"

#include <cstdint>
#include <memory>
#include <vector>

// The statement engine of the IL compiler: splits a line into classified words,
// recognises its statements, checks the structure of the program (VAR sections,
// declarations, networks, brackets, labels, end markers) and applies the instruction
// rules. Pass 1 runs every statement in checking mode (messages, declarations, byte
// and instruction counts, address uses), pass 2 in emitting mode (code written to the
// compiled program); both go through the same rules, so what pass 1 counts is what
// pass 2 writes.
class CIlNetworkChecker {
public:
    static constexpr int kMaxBrackets = 16;
    static constexpr int kMaxFor = 8;
    static constexpr int kMaxFbInstanceUses = 1024;

    CIlNetworkChecker() = default;
    CIlNetworkChecker(const CIlNetworkChecker&) = delete;
    CIlNetworkChecker& operator=(const CIlNetworkChecker&) = delete;
    virtual ~CIlNetworkChecker() = default;

    // Checking mode: checks text (or, when it is empty, the statement text set before);
    // true when no message was queued.
    bool CheckStatement(const CString& text);
    // Emitting mode: checks the statement text and writes its code.
    bool GenerateStatement(uint8_t hexListing);
    bool NextMessage(int& code, int& severity, CString& text) { return messages.Next(code, severity, text); }

    void SetStatementText(const CString& text) { statementText = text; }
    // Also sets the compile variable CurrentProgramName.
    void SetProgramName(const CString& unitKey);
    void SetOutputPaths(const CString& objectPath, const CString& hexPath);
    // Splits the statement text into classified words without checking it.
    void SplitStatement();
    // The words SplitStatement cuts the statement into, not classified.
    static std::vector<CString> StatementWords(const CString& statement);
    void AddToken(const CString& word);
    int GetTokenCount() const { return static_cast<int>(tokens.size()); }
    const CTokenChecker& GetToken(int i) const { return *tokens[i]; }
    int GetCodeSize() const { return codeSize; }
    void AddCodeSize(int bytes) { codeSize += bytes; }
    void AddMessage(int code, int severity, const CString& text) { messages.Add(code, severity, text); }
    // Whether a write to the compiled program failed in emitting mode.
    bool HasWriteFailed() const { return writeFailed; }
    int GetInstructionIndex() const { return instructionIndex; }

private:
    enum StatementKind {
        kVarSection = 0,
        kEndVar = 1,
        kDeclaration = 3,
        kFbDeclaration = 5,
        kInstruction = 9,
        kLabelStatement = 10,
        kOther = 11,
    };

    void Dispatch();
    int ClassifyStatement();
    // Statement cursor over the words of the line.
    void MarkStatementEnd(const char* upperText);
    void MarkNetworkStatement(int first);
    int FindToken(const char* upperText) const;
    bool AdvanceStatement();
    int StatementEndIndex() const;
    CString WordAt(int i) const;
    CString TextAt(int i) const;

    void HandleVarSection();
    void HandleEndVar();
    // Marks the declaration statement's end and gives its token range; false (with the
    // message) outside a VAR section.
    bool BeginDeclaration(int& first, int& end);
    void HandleDeclaration();
    void HandleFbDeclaration();
    void HandleOther();
    bool CheckDeclarationName(int nameIndex);
    bool ParseInitialValue(int typeIndex, int endIndex, OperandDescriptor typeBits,
                           LiteralValue& value, bool& hasValue);

    // Network structure rules; false when the statement ends here.
    bool ApplyStructureRules(CString& mnemonic);
    void ResetNetworkState();
    void PushBracket();
    void PopBracket();
    void PushFor();
    void CountExtraInstruction();

    // Instruction rules (IlInstructionRules.cpp).
    void ApplyInstructionRules();
    void ApplyLabelRules();
    void ApplyPidRules(int firstOperand, const CString& mnemonic);
    bool CheckBeforeLookup(const CString& mnemonic, int firstOperand);
    bool CheckOperands(const CString& mnemonic, int firstOperand, InstrSpec& spec, uint8_t* buffer,
                       int& length);
    bool CheckArguments(const CString& mnemonic, int firstOperand, uint16_t resolvedOpcode,
                        bool& smw32, uint16_t& smw32Code);
    bool CheckFbInstanceUse(const CString& mnemonic, int firstOperand);
    void RecordAddressUse(const CTokenChecker& token, const OperandRecord& record);
    void GetConstantBytes(uint8_t* destination, int length) const;
    void CountAndWrite(const CString& mnemonic, const uint8_t* buffer, int length, int instructions);
    // The words of the current statement as written, a blank between them.
    CString StatementWords() const;
    void QueueTokenMessages(CTokenChecker& token);
    std::vector<int> OperandIndexes(int firstOperand) const;

public:
    uint32_t unitCallCount = 0;
    uint32_t unitAttachCount = 0;
    uint32_t unitJumpCount = 0;
    uint32_t unitLabelCount = 0;

private:
    CString objectPath;
    CString hexPath;
    int16_t statusBitOperands = 0;
    std::vector<CString> fbInstanceUses;
    int forTop = -1;
    int forStack[kMaxFor] = {};
    int bracketDepth = -1;
    int networkNumber = -1;
    int instructionsInNetwork = 0;
    bool expectLdFirst = false;
    bool expectLdAfterBracket = false;
    bool networkClosed = false;
    bool expectLdAfterLabel = false;
    bool inCallBlock = false;
    CString unitKey;
    int sectionKind = 270;
    CString statementText;
    std::vector<std::unique_ptr<CTokenChecker>> tokens;
    std::vector<bool> consumed;
    int firstUnconsumed = 0;
    int statementEnd = -1;
    CCheckMsgQueue messages;
    uint8_t emitting = 0;
    uint8_t hexListing = 0;
    int instructionIndex = -1;
    int codeSize = 0;
    OperandRecord operand;
    InstrSpec lookedUpSpec{};
    InstrSpec resolvedSpec{};
    OperandDescriptor accumulatorType = 0;
    bool writeFailed = false;
};
