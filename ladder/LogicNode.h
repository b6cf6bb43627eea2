#pragma once
#include "ladder/LadderElement.h"

// Joins two parts of a rung: in series (link type 1: left part in the parallel child,
// right part in the series child) or in parallel (link type 2: upper branch in the
// series child, lower branch in the parallel child). Nodes have no cell of their own.
class CLogicNode : public CLadderElement {
    DECLARE_SERIAL(CLogicNode)
public:
    explicit CLogicNode(int linkType = LINK_SERIES);

    void Serialize(CArchive& ar) override;

    CString GetSymbol() const override { return CString(); }
    SIZE GetSize(BOOL printing) override;
    // The parts' IL; a part that does not open its block is bracketed as "AND(" or
    // "OR(" ... ")".
    CString ToIL() const override;

    CLadderElement* LeftPart() const { return m_pParallel; }
    CLadderElement* RightPart() const { return m_pSeries; }
    CLadderElement* UpperBranch() const { return m_pSeries; }
    CLadderElement* LowerBranch() const { return m_pParallel; }

    int m_nGapRow = 0;

protected:
    SIZE Place(LadderPass& pass) override;

private:
    // The empty column in front of a box that follows in series, kept on screen only.
    int ColumnBeforeBox(BOOL printing) const;
};
