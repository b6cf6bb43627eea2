#include "ladder/Comment.h"

CComment::CComment() {
    m_nKind = LADDER_HEADER;
    m_nWidth = 2;
    m_nHeight = 1;
    m_cell.SetColRow(0);
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
