#include "ladder/LeafOperand.h"

#include "ladder/LadderEnvironment.h"
#include "language/DirectAddress.h"

CString StoredLeafOperand(const CString& text) {
    CString operand = text;
    operand.Trim();
    if (operand.IsEmpty()) return LADDER_MISSING_OPERAND;
    OperandDescriptor descriptor = 0;
    if (ParseDirectAddress(operand, descriptor)) operand.MakeUpper();
    return operand;
}

CString LeafOperandIL(const CLadderElement& element, const CString& operand) {
    CString il;
    if (element.ResolveOperand(operand, il)) il.Trim();
    if (il.IsEmpty()) {
        il = operand;
        il.Trim();
    }
    return il.IsEmpty() ? CString(LADDER_MISSING_OPERAND) : il;
}

CString LeafOperandForEditing(const CString& operand) {
    const CLadderEnvironment& environment = LadderEnvironment();
    CString name, address;
    if (environment.ShowGlobalNames() && environment.FindGlobalSymbol(operand, name, address))
        return name;
    return operand;
}

CString OperandKeptAfterDrawing(const CString& operand, const CString& shown) {
    CString name, address;
    if (operand.Find('%') >= 0 && LadderEnvironment().FindGlobalSymbol(operand, name, address))
        return operand;
    return shown;
}

BOOL InLeafOperandZone(const CCellRect& cell, int x, int y, int cellWidth, int cellHeight,
                       int bottomInset) {
    int left = cell.m_nColumn * cellWidth;
    int top = cell.m_nRow * cellHeight;
    return x >= left && x <= left + cellWidth && y >= top &&
           y <= top + cellHeight / 2 - bottomInset;
}

POINT LeafCaretPoint(const CCellRect& cell, int cellWidth, int cellHeight, double yInset) {
    POINT point;
    point.x = cell.m_nColumn * cellWidth + static_cast<int>(0.05 * cellWidth);
    point.y = cell.m_nRow * cellHeight + static_cast<int>(yInset * cellHeight);
    return point;
}
