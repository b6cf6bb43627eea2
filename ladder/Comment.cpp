#include "ladder/Comment.h"

#include <algorithm>

#include "ladder/LadderCanvas.h"
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
    if (pass.canvas) Paint(pass);
    for (int row = 0; row < m_nHeight; ++row) {
        for (int column = 0; column < m_nWidth; ++column)
            RegisterCell(m_cell.m_nColumn + column, m_cell.m_nRow + row, this, pass.cellMap);
    }
    return SIZE{m_nWidth, m_nHeight};
}

CStringArray& CComment::ShownLines(CStringArray& lines) {
    CString text;
    text.Format("(* Network %d *)\r\n", m_nNetwork);
    m_strComment.Trim();
    if (!m_bConvertible)
        text += "(* 此网络不符合转换条件 *)";
    else if (!m_strComment.IsEmpty())
        text += "(* " + m_strComment + " *)";
    int start = 0;
    for (int end = text.Find("\r\n"); end >= 0; end = text.Find("\r\n", start)) {
        lines.Add(text.Mid(start, end - start));
        start = end + 2;
    }
    lines.Add(text.Mid(start));
    return lines;
}

void CComment::Paint(LadderPass& pass) {
    CLadderCanvas& canvas = *pass.canvas;
    CDC* dc = canvas.DC();
    CStringArray lines;
    ShownLines(lines);
    canvas.CommentFont()->GetLogFont(&m_font);
    m_commentColour = dc->IsPrinting() ? LADDER_BLACK : RGB(0, 127, 0);
    COLORREF colour = !m_bConvertible ? RGB(250, 0, 0)
                      : canvas.IsInverse() ? LADDER_INVERSE_LINE
                                           : m_commentColour;
    COLORREF oldText = dc->SetTextColor(colour);
    COLORREF oldBackground = dc->SetBkColor(canvas.IsInverse() ? LADDER_BLACK : dc->GetBkColor());
    CFont* oldFont = dc->SelectObject(canvas.CommentFont());
    POINT corner = CellCorner(pass);
    TEXTMETRICA metrics = {};
    dc->GetTextMetrics(&metrics);
    int lineHeight = metrics.tmHeight, widest = 0;
    for (int k = 0; k < lines.GetSize(); ++k) {
        dc->TextOut(corner.x, corner.y + k * lineHeight, lines[k]);
        widest = std::max(widest, static_cast<int>(dc->GetTextExtent(lines[k]).cx));
    }
    dc->SelectObject(oldFont);
    dc->SetBkColor(oldBackground);
    dc->SetTextColor(oldText);
    int blockHeight = static_cast<int>(lines.GetSize()) * lineHeight;
    m_nWidth = (widest + pass.cellWidth - 1) / pass.cellWidth;
    m_nHeight = (blockHeight + pass.cellHeight - 1) / pass.cellHeight;
    m_symbolRect = CRect(corner.x, corner.y, corner.x + widest, corner.y + blockHeight);
}
