#include "ladder/LeafPainting.h"

#include "ladder/LadderCanvas.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LeafOperand.h"
#include "ladder/OperandCheck.h"
#include "language/InstrDesc.h"

namespace {
const int kShownOperandLength = 16;

void AddLabelName(const CString& name) {
    for (int i = 0; i < LadderLabelList.GetSize(); ++i) {
        if (LadderLabelList[i] == name) return;
    }
    LadderLabelList.Add(name);
}
}  // namespace

void PaintLeafOperand(CLadderElement& element, CString& operand, int y, OperandDescriptor mask,
                      LadderPass& pass) {
    const int x = pass.cellWidth / 2;
    const BOOL editing = element.m_nEditState >= 0;
    CString text = operand;
    text.Trim();
    if (text.IsEmpty() || text == LADDER_MISSING_OPERAND) {
        operand = LADDER_MISSING_OPERAND;
        if (!editing) element.DrawLabel(operand, x, y, LABEL_CENTRE, pass, LADDER_RED, TRUE);
        return;
    }
    const BOOL label = mask == PIN_LABEL;
    if (label && element.GetSymbol() == "-(LBL)") AddLabelName(text);
    CString shown = label ? text : element.NormaliseOperand(text);
    CString fitted = CLadderElement::FitText(shown, kShownOperandLength);
    if (LadderEnvironment().IsOnlineMonitoring())
        element.DrawLabel(fitted, x, y, LABEL_CENTRE, pass, LADDER_BLUE, TRUE);
    else if (editing)
        return;
    else if (label || CheckLeafOperand(mask, text))
        element.DrawLabel(fitted, x, y, LABEL_CENTRE, pass);
    else
        element.DrawLabel(fitted, x, y, LABEL_CENTRE, pass, LADDER_RED, TRUE);
    if (!editing && !label) operand = OperandKeptAfterDrawing(text, shown);
}

void PaintPowerFlow(const CLadderElement& element, const CString& middle, BOOL powered,
                    LadderPass& pass) {
    const int cw = pass.cellWidth, ch = pass.cellHeight;
    POINT corner = CLadderElement::CornerOf(element.m_cell.m_nColumn, element.m_cell.m_nRow, pass);
    CRect bar(corner.x + Scaled(cw, 0.46), corner.y + Scaled(ch, 0.375),
              corner.x + Scaled(cw, 0.54), corner.y + Scaled(ch, 0.875));
    pass.canvas->Fill(bar, powered ? LADDER_BLUE : LADDER_WHITE);
    element.DrawLabel(middle, cw / 2, Scaled(ch, 0.625), LABEL_CENTRE, pass);
}

CString LiveBit(const CLadderElement& element, const CString& operand) {
    CString value, status;
    OperandDescriptor descriptor = 0;
    if (!element.GetMonitorValue(operand, value, status, OD_BOOL, descriptor)) return CString();
    return descriptor & (OD_AREA_T | OD_AREA_C) ? status : value;
}
