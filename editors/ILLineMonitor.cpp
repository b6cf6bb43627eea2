#include "editors/ILLineMonitor.h"

#include "platform/CDC.h"
#include "project/MonitorCells.h"

namespace {
const COLORREF kLabelColour = RGB(0, 0, 0);
const COLORREF kValueColour = RGB(0, 128, 0);
const int kValueWidth = 8;
}  // namespace

void CILLineMonitor::AddOperand(const CString& name, const CString& address, OperandDescriptor type,
                                BOOL timerCounterBit) {
    for (const Operand& operand : m_operands) {
        if (operand.name == name) return;
    }
    m_operands.push_back(Operand{name, CString(), address, type, timerCounterBit});
}

void CILLineMonitor::SetMetrics(int charWidth, int lineHeight) {
    m_nCharWidth = charWidth;
    m_nLineHeight = lineHeight;
}

void CILLineMonitor::FormatValues() {
    for (Operand& operand : m_operands) {
        CString address = operand.address, text, bits;
        address.Trim();
        address.MakeUpper();
        if (address.Left(1) != "%") address = "%" + address;
        DWORD raw = 0;
        if (FormatMonitorValue(address, text, raw, bits, operand.type)) operand.value = operand.timerCounterBit ? bits : text;
    }
}

CString CILLineMonitor::Label(const Operand& operand, BOOL showAddresses) const {
    if (!showAddresses) return operand.name;
    CString address = operand.address;
    if (address.Left(1) != "%") address = "%" + address;
    return address;
}

void CILLineMonitor::Draw(CDC* dc, int xOrigin, int scrollY, BOOL showAddresses) {
    FormatValues();
    struct Piece {
        CString label;
        CString value;
        int column;
    };
    std::vector<Piece> pieces;
    m_text.Empty();
    for (const Operand& operand : m_operands) {
        CString label = Label(operand, showAddresses) + ":";
        CString value = operand.value.GetLength() >= kValueWidth
                            ? operand.value
                            : CString(' ', kValueWidth - operand.value.GetLength()) + operand.value;
        value += ";  ";
        pieces.push_back(Piece{label, value, m_text.GetLength()});
        m_text += label + value + "\t";
    }
    m_nScrollY = scrollY;
    m_nXOrigin = xOrigin;
    m_nTextLength = m_text.GetLength();
    int y = m_nLineHeight * m_nLine - scrollY;
    int left = xOrigin - m_nTextLength * m_nCharWidth;
    COLORREF oldColour = dc->GetTextColor();
    for (const Piece& piece : pieces) {
        int x = left + piece.column * m_nCharWidth;
        dc->SetTextColor(kLabelColour);
        dc->TextOut(x, y, piece.label);
        dc->SetTextColor(kValueColour);
        dc->TextOut(x + (piece.label.GetLength() + 1) * m_nCharWidth, y, piece.value);
    }
    dc->SetTextColor(oldColour);
}
