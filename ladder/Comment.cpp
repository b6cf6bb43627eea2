#include "ladder/Comment.h"

#include "platform/CArchive.h"

IMPLEMENT_SERIAL(CComment, CObject, 1)

CComment::CComment() {
    m_nKind = LADDER_HEADER;
    m_nWidth = 2;
    m_nHeight = 1;
    m_cell.SetColRow(0);
}

void CComment::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nSeriesIndex << m_nParallelIndex << m_strComment << m_nNetwork << m_cell.m_nColumn
           << m_cell.m_nRow;
    } else {
        ar >> m_nSeriesIndex >> m_nParallelIndex >> m_strComment >> m_nNetwork >>
            m_cell.m_nColumn >> m_cell.m_nRow;
    }
}

CString CComment::ToIL() const {
    CString number;
    number.Format("Network %d ", m_nNetwork);
    CString il = "(* " + number + "*)\r\n";
    if (m_strComment.IsEmpty()) return il;
    CString comment = m_strComment;
    comment.Replace("\r\n", "\x01");
    return il + "(*" + comment + "*)\r\n";
}

SIZE CComment::Place(LadderPass& pass) {
    m_cell = m_origin;
    for (int row = 0; row < m_nHeight; ++row) {
        for (int column = 0; column < m_nWidth; ++column)
            RegisterCell(m_cell.m_nColumn + column, m_cell.m_nRow + row, this, pass.cellMap);
    }
    return SIZE{m_nWidth, m_nHeight};
}
