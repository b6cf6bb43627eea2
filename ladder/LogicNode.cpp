#include "ladder/LogicNode.h"

#include <algorithm>

#include "platform/CArchive.h"

IMPLEMENT_SERIAL(CLogicNode, CObject, 1)

CLogicNode::CLogicNode(int linkType) {
    m_nKind = LADDER_NODE;
    m_nLinkType = linkType;
    m_cell.SetColRow(0);
}

void CLogicNode::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << m_nSeriesIndex << m_nParallelIndex << m_nKind << m_nLinkType;
    else
        ar >> m_nSeriesIndex >> m_nParallelIndex >> m_nKind >> m_nLinkType;
}

int CLogicNode::ColumnBeforeBox(BOOL printing) const {
    return IsSeriesNode() && m_pSeries && m_pSeries->GetKind() == LADDER_BOX && !printing ? 1
                                                                                          : 0;
}

SIZE CLogicNode::GetSize(BOOL printing) {
    SIZE first = m_pSeries ? m_pSeries->GetSize(printing) : SIZE{0, 0};
    SIZE second = m_pParallel ? m_pParallel->GetSize(printing) : SIZE{0, 0};
    if (IsSeriesNode())
        return SIZE{first.cx + second.cx + ColumnBeforeBox(printing),
                    std::max(first.cy, second.cy)};
    if (IsParallelNode()) {
        int gap = m_pParallel ? 1 : 0;
        return SIZE{std::max(first.cx, second.cx), first.cy + second.cy + gap};
    }
    return SIZE{0, 0};
}

CString CLogicNode::ToIL() const {
    CString first;
    CLadderElement* opening = IsSeriesNode() ? LeftPart() : UpperBranch();
    CLadderElement* following = IsSeriesNode() ? RightPart() : LowerBranch();
    if (opening) {
        first = opening->ToIL();
        if (!IsBlockStart()) first = (IsSeriesNode() ? "AND(\r\n" : "OR(\r\n") + first + ")\r\n";
    }
    return following ? first + following->ToIL() : first;
}

SIZE CLogicNode::Place(LadderPass& pass) {
    m_cell = m_origin;
    m_nGapRow = 0;
    if (IsSeriesNode()) {
        SIZE left{0, 0}, right{0, 0};
        int column = m_cell.m_nColumn;
        if (m_pParallel) left = PlaceAt(m_pParallel, m_cell, pass);
        column += left.cx + ColumnBeforeBox(pass.printing);
        if (m_pSeries)
            right = PlaceAt(m_pSeries,
                            CCellRect(column, m_cell.m_nRow, m_cell.m_nSpan, m_cell.m_nItem), pass);
        return SIZE{column - m_cell.m_nColumn + right.cx, std::max(left.cy, right.cy)};
    }
    if (!IsParallelNode()) return SIZE{0, 0};
    SIZE upper{0, 0}, lower{0, 0};
    if (m_pSeries) upper = PlaceAt(m_pSeries, m_cell, pass);
    if (!m_pParallel) return upper;
    m_nGapRow = 1;
    int lowerRow = m_cell.m_nRow + upper.cy + 1;
    lower = PlaceAt(m_pParallel,
                    CCellRect(m_cell.m_nColumn, lowerRow, m_cell.m_nSpan, m_cell.m_nItem), pass);
    if (pass.canvas) DrawBranchJoin(m_cell.m_nRow, upper.cx, lowerRow, lower.cx, pass);
    return SIZE{std::max(upper.cx, lower.cx), upper.cy + lower.cy + 1};
}
