#include "ladder/Coil.h"

#include <algorithm>

#include "ladder/LadderCanvas.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LeafOperand.h"
#include "ladder/LeafPainting.h"
#include "ladder/OperandCheck.h"
#include "language/InstrDesc.h"
#include "language/InstrSpecTable.h"
#include "platform/CArchive.h"

IMPLEMENT_SERIAL(CCoil, CObject, 1)

namespace {
const char* const kOperandless[] = {"NUL", "NEXT", "DISI", "ENI", "RET",
                                    "RETC", "RETCN", "END", "STOP", "WDR"};

struct CoilLine {
    const char* middle;
    const char* prefix;  // written before the operand
};

const CoilLine kOperandLines[] = {
    {"", "ST   "},   {"/", "STN   "}, {"I", "STI   "}, {"S", "S    "},
    {"R", "R    "},  {"SI", "SI    "}, {"RI", "RI    "}, {"JMP", "JMP    "},
    {"JMPC", "JMPC    "}, {"JMPCN", "JMPCN    "},
};

// The mnemonic of the last line of an IL text.
CString LastMnemonic(CString text) {
    if (text.Right(2) == "\r\n") text = text.Left(text.GetLength() - 2);
    CString line = text.Mid(text.ReverseFind('\r') + 1);
    if (line.Left(1) == "\n") line = line.Mid(1);
    line.TrimLeft();
    int blank = line.Find(' ');
    return blank < 0 ? line : line.Left(blank);
}
}  // namespace

CCoil::CCoil() {
    m_nKind = LADDER_COIL;
    m_cell.SetColRow(0);
}

void CCoil::Serialize(CArchive& ar) {
    SerializeLeaf(ar, m_strOperand, m_strSymbol);
    if (!IsRawIL()) return;
    if (ar.IsStoring())
        ar << m_strRawIL;
    else
        ar >> m_strRawIL;
}

BYTE CCoil::GetTag() const { return IsRawIL() ? TAG_COIL | TAG_KEPT_AS_IL : TAG_COIL; }

void CCoil::SetOperand(const CString& text) { m_strOperand = StoredLeafOperand(text); }

CString CCoil::GetMiddle() const {
    int close = m_strSymbol.ReverseFind(')');
    int open = m_strSymbol.ReverseFind('(');
    if (open < 0 || close < open) return CString();
    CString middle = m_strSymbol.Mid(open + 1, close - open - 1);
    middle.Trim();
    return middle;
}

BOOL CCoil::HasOperand() const {
    CString middle = GetMiddle();
    for (const char* name : kOperandless) {
        if (middle == name) return FALSE;
    }
    return TRUE;
}

void CCoil::SetRawIL(const CString& il) {
    m_bNormal = FALSE;
    m_strRawIL = il;
}

SIZE CCoil::GetSize(BOOL printing) {
    SIZE logic = m_pSeries ? m_pSeries->GetSize(printing) : SIZE{0, 0};
    SIZE size{logic.cx + 1, std::max<LONG>(logic.cy, 1)};
    m_nStackCount = 1;
    if (m_nLinkType == LINK_PARALLEL && m_pParallel) {
        CCoil* stacked = static_cast<CCoil*>(m_pParallel);
        SIZE below = stacked->GetSize(printing);
        m_nStackCount += stacked->m_nStackCount;
        size.cy = std::max(size.cy, below.cy);
    }
    return size;
}

BOOL CCoil::ResolveOperand(const CString& operand, CString& il) const {
    const InstrDesc* record = LadderEnvironment().FindInstruction(m_strSymbol);
    if (record && record->pinCount > 0 && (record->pins[0].descriptor & PIN_LABEL)) {
        il = operand;
        return TRUE;
    }
    return CLadderElement::ResolveOperand(operand, il);
}

BOOL CCoil::GetEditCaretPoint(POINT* point, int cellWidth, int cellHeight) {
    if ((!m_pSeries && m_nLinkType == LINK_SERIES) || m_nEditState > 0) return FALSE;
    *point = LeafCaretPoint(m_cell, cellWidth, cellHeight, 0.125);
    return TRUE;
}

BOOL CCoil::HitTestOperand(POINT* point, CString& text, int, int, int cellWidth,
                           int cellHeight, BOOL beginEdit) {
    BOOL inside = HasOperand() && InLeafOperandZone(m_cell, point->x, point->y, cellWidth,
                                                    cellHeight,
                                                    static_cast<int>(0.05 * cellHeight));
    if (!inside) {
        if (beginEdit || !HasOperand()) m_nEditState = -1;
        return FALSE;
    }
    return OpenLeafOperand(m_strOperand, point, text, cellWidth, cellHeight, beginEdit);
}

BOOL CCoil::GetOperandAt(int x, int y, int cellWidth, int cellHeight, CString&) {
    return HasOperand() && InLeafOperandZone(m_cell, x, y, cellWidth, cellHeight,
                                             static_cast<int>(0.05 * cellHeight));
}

CString CCoil::OutputLine(const CString& lastMnemonic) const {
    CString middle = GetMiddle();
    if (middle == "NUL") {
        BOOL logicResult = !lastMnemonic.IsEmpty() && !IsNonLogicInstruction(lastMnemonic);
        BOOL lastOfStack = !(m_nLinkType == LINK_PARALLEL && m_pParallel);
        return logicResult && lastOfStack ? CString("ST   %BR0.0\r\n") : CString();
    }
    if (!HasOperand()) return middle + "\r\n";
    CString operand = LeafOperandIL(*this, m_strOperand);
    if (middle == "LBL") return operand + ":\r\n";
    for (const CoilLine& line : kOperandLines) {
        if (middle == line.middle) return line.prefix + operand + "\r\n";
    }
    return "ST   " + operand + "\r\n";
}

CString CCoil::ToIL() const {
    if (IsRawIL()) return m_strRawIL;
    CString il;
    if (m_pSeries)
        il = m_pSeries->ToIL();
    else if (GetMiddle() != "LBL")
        il = "LD    TRUE\r\n";
    CString lastMnemonic = LastMnemonic(il);
    for (const CCoil* coil = this; coil;
         coil = coil->m_nLinkType == LINK_PARALLEL ? static_cast<const CCoil*>(coil->m_pParallel)
                                                   : nullptr) {
        il += coil->OutputLine(lastMnemonic);
    }
    return il;
}

SIZE CCoil::Place(LadderPass& pass) {
    SIZE logic{0, 0};
    if (m_pSeries) logic = PlaceAt(m_pSeries, m_origin, pass);
    m_cell = m_origin;
    m_cell.m_nColumn = m_origin.m_nColumn + m_origin.m_nSpan - 1;
    if (pass.canvas && m_bNormal) Paint(pass);
    RegisterCell(m_cell.m_nColumn, m_cell.m_nRow, this, pass.cellMap);
    int stackDepth = PlaceStack(pass);
    int rungHeight = std::max({static_cast<LONG>(m_nHeight), logic.cy,
                               static_cast<LONG>(stackDepth)});
    if (m_bNormal) {
        m_nRailX = (m_cell.m_nColumn + 1 - pass.firstCol) * pass.cellWidth;
        m_nRailTop = (m_origin.m_nRow - pass.firstRow) * pass.cellHeight;
        m_nRailBottom = m_nRailTop + rungHeight * pass.cellHeight;
        if (pass.canvas) PaintRung(logic.cx, stackDepth, rungHeight, pass);
    }
    return SIZE{m_cell.m_nColumn + 2, rungHeight};
}

int CCoil::PlaceStack(LadderPass& pass) {
    int stackDepth = 1;
    if (m_nLinkType != LINK_PARALLEL) return stackDepth;
    for (CLadderElement* stacked = m_pParallel; stacked; stacked = stacked->m_pParallel) {
        stacked->SetCellRect(CCellRect(m_cell.m_nColumn, m_cell.m_nRow + stackDepth,
                                       m_cell.m_nSpan, m_cell.m_nItem));
        if (pass.canvas && m_bNormal) static_cast<CCoil*>(stacked)->Paint(pass);
        RegisterCell(m_cell.m_nColumn, m_cell.m_nRow + stackDepth, stacked, pass.cellMap);
        ++stackDepth;
    }
    return stackDepth;
}

void CCoil::Paint(LadderPass& pass) {
    CLadderCanvas& canvas = *pass.canvas;
    const int cw = pass.cellWidth, ch = pass.cellHeight;
    POINT corner = CellCorner(pass);
    COLORREF colour = canvas.LineColour(m_lineColour);
    int wire = corner.y + Scaled(ch, 0.625);
    canvas.Line(corner.x, wire, corner.x + Scaled(cw, 0.35), wire, 1, colour);
    canvas.Line(corner.x + Scaled(cw, 0.65), wire, corner.x + cw, wire, 1, colour);
    DrawLabel(GetMiddle(), cw / 2, Scaled(ch, 0.625), LABEL_CENTRE, pass);
    int top = corner.y + Scaled(ch, 0.375), bottom = corner.y + Scaled(ch, 0.875);
    CRect left(corner.x + Scaled(cw, 0.35), top, corner.x + Scaled(cw, 0.55), bottom);
    CRect right(corner.x + Scaled(cw, 0.45), top, corner.x + Scaled(cw, 0.65), bottom);
    // Counter-clockwise: top to bottom over the left side, bottom to top over the right.
    canvas.Arc(left, CPoint(left.CenterPoint().x, top), CPoint(left.CenterPoint().x, bottom), 2,
               colour);
    canvas.Arc(right, CPoint(right.CenterPoint().x, bottom), CPoint(right.CenterPoint().x, top),
               2, colour);
    if (HasOperand())
        PaintLeafOperand(*this, m_strOperand, Scaled(ch, 0.25), LeafOperandMask(m_strSymbol), pass);
}

void CCoil::PaintRung(int logicWidth, int stackDepth, int rungHeight, LadderPass& pass) {
    CLadderCanvas& canvas = *pass.canvas;
    COLORREF colour = canvas.LineColour(m_lineColour);
    const int wireOffset = Scaled(pass.cellHeight, 0.625);
    POINT coil = CellCorner(pass);
    POINT origin = CornerOf(m_origin.m_nColumn, m_origin.m_nRow, pass);
    canvas.Line(origin.x + logicWidth * pass.cellWidth, coil.y + wireOffset, coil.x,
                coil.y + wireOffset, 1, colour);
    if (stackDepth > 1) {
        int lastWire = coil.y + (stackDepth - 1) * pass.cellHeight + wireOffset;
        canvas.Line(coil.x, coil.y + wireOffset, coil.x, lastWire + 1, 1, colour);
    }
    int bottom = origin.y + rungHeight * pass.cellHeight;
    canvas.Line(origin.x + 1, origin.y, origin.x + 1, bottom, 3, colour);
    canvas.Line(m_nRailX, m_nRailTop, m_nRailX, m_nRailBottom, 3, colour);
}

void CCoil::DrawOnline(LadderPass& pass) {
    CLadderElement::DrawOnline(pass);
    if (!m_bNormal) return;
    PaintPowerFlow(*this, GetMiddle(), LiveBit(*this, m_strOperand) == "1", pass);
}

void CCoil::Release(BOOL) {
    if (GetMiddle() != "LBL") return;
    for (int i = 0; i < LadderLabelList.GetSize(); ++i) {
        if (LadderLabelList[i] == m_strOperand) {
            LadderLabelList.RemoveAt(i);
            return;
        }
    }
}
