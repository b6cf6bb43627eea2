#include "ladder/Contact.h"

#include "ladder/LeafOperand.h"
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
    point->x = m_cell.m_nColumn * cellWidth;
    point->y = m_cell.m_nRow * cellHeight;
    text = LeafOperandForEditing(m_strOperand);
    if (beginEdit) m_nEditState = 1;
    return TRUE;
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
    RegisterCell(m_cell.m_nColumn, m_cell.m_nRow, this, pass.cellMap);
    return PlaceLeafChild(pass);
}
