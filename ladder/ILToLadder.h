#pragma once
#include "ladder/LadderILReader.h"
#include "language/ILTokenizer.h"
#include "platform/Arrays.h"

class CLadderElement;

// Turns the IL lines of a whole POU into ladder networks: per network a header and one
// tree whose root is a coil. A network that breaks a ladder rule is kept as its IL text
// in a stand-in coil under a header marked not convertible. One converter serves one
// text: CheckAndSplit, then BuildNetworks, then the caller takes the elements.
class CILToLadder {
public:
    CILToLadder() = default;
    virtual ~CILToLadder() = default;
    CILToLadder(const CILToLadder&) = delete;
    CILToLadder& operator=(const CILToLadder&) = delete;

    // Splits the lines into networks and marks those that break a rule, collecting the
    // reasons in the message. FALSE only for an empty list.
    BOOL CheckAndSplit(const CStringArray& lines, CString& message);
    // Builds the elements; FALSE (and no elements) when there is no network or a
    // network's logic cannot be built.
    BOOL BuildNetworks();
    // Builds the elements as BuildNetworks does, but keeps a network whose logic cannot
    // be built as its IL text, as one that breaks a rule: a program file loses nothing.
    void BuildNetworksKeepingIL();

    // Headers and roots alternating, network k at 2k and 2k + 1; the caller takes them
    // over and empties the array.
    CObArray m_elements;

private:
    struct BlockRecord {
        int start;
        int end;   // -1 while open
        int type;  // 1 AND(, 2 OR(
    };
    // Where a rung is being built: the current element and the node that the next
    // series (rung level) or parallel (inside an AND block) line joins.
    struct RungState {
        CLadderElement* parent = nullptr;
        CLadderElement* current = nullptr;
        CLadderElement* seriesNode = nullptr;
        CLadderElement* parallelNode = nullptr;
    };

    // A header line, with the comment line after it when there is one.
    void StartNetwork(const CStringArray& lines, int& index, const CString& header,
                      CString& message);
    void OpenNetwork(const CString& header, const CString& comment, CString& message);
    void CheckInstruction(const CString& line, int lineNumber, CString& message);
    void CheckClosingBracket(CString& message);
    // Marks the current network as not convertible and adds the reason to the message.
    void Refuse(const CString& reason, CString& message);
    // A bracket block still open when its network ends makes the network unconvertible.
    void RefuseOpenBlocks(CString& message);
    int LastLineLinkType() const;
    int FindBlockEnd(int start);

    BOOL Build(BOOL keepUnbuildable);
    // The network's lines after its header: first to last.
    void NetworkRange(int network, int& first, int& last) const;
    BOOL BuildNetwork(int network);
    void BuildKeptNetwork(int network);
    // Deletes the header and tree of the network built last.
    void DropLastNetwork();
    CLadderElement* BuildCoils(int first, int last);
    BOOL BuildRungLevel(CLadderElement* parent, int first, int last);
    BOOL BuildAndBlock(CLadderElement* blockNode, int first, int last);
    using AttachFn = void (CILToLadder::*)(RungState& state, CLadderElement* element);
    BOOL BuildLevelLines(RungState& state, int first, int last, AttachFn attachOr,
                         AttachFn attachAnd);
    CLadderElement* FirstContact(int first, int last);
    void AttachAsOr(RungState& state, CLadderElement* element);
    void AttachInSeries(RungState& state, CLadderElement* element);
    void AttachInParallel(RungState& state, CLadderElement* element);
    void AttachInBlockSeries(RungState& state, CLadderElement* element);
    // The element that a line of the range makes: a contact for a load, AND, OR or NOT
    // line, else a box; how many further lines it used.
    CLadderElement* BoxFromLine(int& index, int last, CStringArray& words);
    void DeleteElements();

    CArray<BlockRecord, const BlockRecord&> m_blocks;
    int m_nBlockHint = 0;
    CArray<int, int> m_networkStarts;
    CArray<int, int> m_firstOutputs;
    CStringArray m_networkComments;
    CStringArray m_lines;
    CILTokenizer m_tokenizer;
    CLadderILReader m_reader;

    // State of the walk of CheckAndSplit.
    BOOL m_bAfterHeader = FALSE;
    BOOL m_bLoadExpected = TRUE;
    BOOL m_bOutputPending = FALSE;
    CArray<int, int> m_openBlocks;
};
