#include "ladder/Contact.h"

#include "ladder/LadderCanvas.h"
#include "ladder/LeafOperand.h"
#include "ladder/LeafPainting.h"
#include "ladder/OperandCheck.h"
#include "platform/CArchive.h"

IMPLEMENT_SERIAL(CContact, CObject, 1)

namespace {
struct ContactMnemonics {
    const char* middle;
    const char* first;
    const char* series;
    const char* parallel;
};

const ContactMnemonics kMnemonics[] = {
    {"", "LD", "AND", "OR"},
    {"/", "LDN", "ANDN", "ORN"},
    {"I", "LDI", "ANDI", "ORI"},
    {"/I", "LDNI", "ANDNI", "ORNI"},
    {"NOT", "NOT", "NOT", "NOT"},
};

const ContactMnemonics& MnemonicsOf(const CString& middle) {
    for (const ContactMnemonics& entry : kMnemonics) {
        if (middle == entry.middle) return entry;
    }
    return kMnemonics[0];
}
}  // namespace

CContact::CContact() {
    m_nKind = LADDER_CONTACT;
    m_cell.SetColRow(0);
}

void CContact::SetOperand(const CString& text) { m_strOperand = StoredLeafOperand(text); }

CString CContact::GetMiddle() const {
    int last = m_strSymbol.ReverseFind('|');
    int before = last > 0 ? m_strSymbol.Left(last).ReverseFind('|') : -1;
    if (before < 0) return CString();
    CString middle = m_strSymbol.Mid(before + 1, last - before - 1);
    middle.Trim();
    return middle;
}

BOOL CContact::GetEditCaretPoint(POINT* point, int cellWidth, int cellHeight) {
    if (m_nEditState > 0) return FALSE;
    *point = LeafCaretPoint(m_cell, cellWidth, cellHeight, 0.05);
    return TRUE;
}

BOOL CContact::HitTestOperand(POINT* point, CString& text, int, int, int cellWidth,
                              int cellHeight, BOOL beginEdit) {
    if (IsNegation() ||
        !InLeafOperandZone(m_cell, point->x, point->y, cellWidth, cellHeight, 5)) {
        if (beginEdit || IsNegation()) m_nEditState = -1;
        return FALSE;
    }
    return OpenLeafOperand(m_strOperand, point, text, cellWidth, cellHeight, beginEdit);
}

BOOL CContact::GetOperandAt(int x, int y, int cellWidth, int cellHeight, CString& text) {
    if (IsNegation()) return FALSE;
    text = m_strOperand;
    return InLeafOperandZone(m_cell, x, y, cellWidth, cellHeight,
                             static_cast<int>(0.05 * cellHeight));
}

CString CContact::ToIL() const {
    const ContactMnemonics& mnemonics = MnemonicsOf(GetMiddle());
    const char* mnemonic = IsBlockStart()                 ? mnemonics.first
                           : m_nLinkType == LINK_PARALLEL ? mnemonics.parallel
                                                          : mnemonics.series;
    CString operand = IsNegation() ? CString() : LeafOperandIL(*this, m_strOperand);
    return CString(mnemonic) + "    " + operand + "\r\n" + LinkedChildIL();
}

SIZE CContact::Place(LadderPass& pass) {
    m_cell = m_origin;
    if (pass.canvas) Paint(pass);
    RegisterCell(m_cell.m_nColumn, m_cell.m_nRow, this, pass.cellMap);
    SIZE size = PlaceLeafChild(pass);
    if (pass.canvas && m_nLinkType == LINK_PARALLEL && m_pParallel)
        DrawBranchJoin(m_cell.m_nRow, m_nWidth, m_cell.m_nRow + m_nHeight, size.cx, pass);
    return size;
}

void CContact::Paint(LadderPass& pass) {
    CLadderCanvas& canvas = *pass.canvas;
    const int cw = pass.cellWidth, ch = pass.cellHeight;
    POINT corner = CellCorner(pass);
    m_symbolRect = CRect(corner.x + Scaled(cw, 0.3), corner.y + Scaled(ch, 0.025),
                         corner.x + Scaled(cw, 0.7), corner.y + ch - Scaled(ch, 0.025));
    COLORREF colour = canvas.LineColour(m_lineColour);
    int wire = corner.y + Scaled(ch, 0.625);
    canvas.Line(corner.x, wire, corner.x + Scaled(cw, 0.4), wire, 1, colour);
    canvas.Line(corner.x + Scaled(cw, 0.6), wire, corner.x + cw, wire, 1, colour);
    for (double at : {0.4, 0.6}) {
        int x = corner.x + Scaled(cw, at);
        canvas.Line(x, corner.y + Scaled(ch, 0.425), x, corner.y + Scaled(ch, 0.8), 2, colour);
    }
    DrawLabel(GetMiddle(), cw / 2, Scaled(ch, 0.625), LABEL_CENTRE, pass);
    if (!IsNegation())
        PaintLeafOperand(*this, m_strOperand, Scaled(ch, 0.175), LeafOperandMask(m_strSymbol),
                         pass);
}

void CContact::DrawOnline(LadderPass& pass) {
    CString middle = GetMiddle();
    CString value = LiveBit(*this, m_strOperand);
    // Without a live value nothing is known to pass, whatever the symbol.
    BOOL negated = middle == "/" || middle == "/I";
    BOOL powered = !value.IsEmpty() && (value == "1") != negated;
    PaintPowerFlow(*this, middle, powered, pass);
    CLadderElement::DrawOnline(pass);
}
