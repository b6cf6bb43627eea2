#include <memory>

#include "ladder/Block.h"
#include "ladder/LadderCanvas.h"
#include "ladder/LadderEnvironment.h"
#include "ladder/LeafOperand.h"
#include "ladder/OperandCheck.h"
#include "language/LiteralParser.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"

namespace {
const COLORREF kBoxFill = RGB(255, 128, 128);
// A subroutine call whose pins no longer match the subroutine.
const COLORREF kStaleCallFill = RGB(14, 180, 168);
const int kLiveValueWidth = 5;

// The height of pin i (both sides) below the box's top, the enable pins first.
int PinLevel(int pin, int cellHeight) { return Scaled(cellHeight, 0.625) + pin * cellHeight / 2; }
}  // namespace

void CBlock::Paint(LadderPass& pass) {
    CLadderCanvas& canvas = *pass.canvas;
    const int W = pass.cellWidth, H = pass.cellHeight;
    const BOOL functionBlock = m_nSubtype == FUNCTION_BLOCK;
    POINT corner = CellCorner(pass);
    CRect frame(corner.x + W / 2, corner.y + Scaled(H, 0.1), corner.x + W / 2 + W,
                corner.y + m_nHeight * H - Scaled(H, 0.1));
    CRect symbol = frame;
    symbol.InflateRect(1, 1);
    m_symbolRect = symbol;
    if (functionBlock) frame.top += Scaled(H, 0.2);
    std::unique_ptr<CQLXFunc> subroutine(
        functionBlock ? nullptr : LadderEnvironment().NewSubroutineDesc(GetName()));
    PaintPowerLine(frame, pass);
    canvas.Frame(frame, canvas.LineColour(m_lineColour), FillColour(subroutine.get(), canvas));
    DrawLabel(GetName(), W, Scaled(H, functionBlock ? 0.525 : 0.325), LABEL_CENTRE, pass);
    if (functionBlock) PaintInstanceName(pass);
    PaintPins(frame, subroutine.get(), pass);
}

void CBlock::PaintPowerLine(const CRect& frame, LadderPass& pass) const {
    const int W = pass.cellWidth;
    POINT corner = CellCorner(pass);
    int y = corner.y + PinLevel(0, pass.cellHeight);
    BOOL afterGap = !pass.printing && m_pParent &&
                    (m_pParent->GetKind() == LADDER_BOX || m_pParent->IsSeriesNode());
    int start = afterGap ? corner.x - W : corner.x;
    int end = corner.x + (2 + ColumnBeforeNext(pass.printing)) * W;
    COLORREF colour = pass.canvas->LineColour(m_lineColour);
    pass.canvas->Line(start, y, frame.left, y, 1, colour);
    pass.canvas->Line(frame.right, y, end, y, 1, colour);
}

COLORREF CBlock::FillColour(const CQLXFunc* subroutine, const CLadderCanvas& canvas) {
    if (canvas.IsInverse()) return LADDER_BLACK;
    if (canvas.IsPrinting()) return LADDER_WHITE;
    return subroutine && PinCountsDiffer(subroutine) ? kStaleCallFill : kBoxFill;
}

void CBlock::PaintInstanceName(LadderPass& pass) {
    const int H = pass.cellHeight;
    int y = Scaled(H, 0.525) - Scaled(H, 0.375);
    if (m_nEditState == 0) return;
    CString instance = GetOperand();
    if (instance.IsEmpty() || instance == LADDER_MISSING_OPERAND) {
        DrawLabel(LADDER_MISSING_OPERAND, pass.cellWidth, y, LABEL_CENTRE, pass, LADDER_RED);
        return;
    }
    DrawLabel(instance, pass.cellWidth, y, LABEL_CENTRE, pass);
    LadderEnvironment().AddFBInstance(m_pFB->typeName, instance, pass.pouName);
}

void CBlock::PaintPins(const CRect& frame, const CQLXFunc* subroutine, LadderPass& pass) {
    const int W = pass.cellWidth;
    POINT corner = CellCorner(pass);
    COLORREF colour = pass.canvas->LineColour(m_lineColour);
    const int inputs = GetInputCount(), outputs = GetOutputCount();
    const BOOL inputNames = subroutine && subroutine->inputs.GetSize() >= inputs;
    const BOOL outputNames = subroutine && subroutine->GetOutputCount() >= outputs;
    for (int i = 0; i < inputs; ++i) {
        CQLXFBPara& pin = *InputPin(i);
        if (inputNames) pin.name = subroutine->GetInput(i)->name;
        int y = PinLevel(i, pass.cellHeight);
        pass.canvas->Line(frame.left - Scaled(W, 0.1), corner.y + y, frame.left, corner.y + y, 1,
                          colour);
        DrawLabel(pin.name, W / 2, y, LABEL_LEFT, pass);
        if (i > 0)
            PaintPinOperand(pin, i, W / 2 - Scaled(W, 0.06), y, LABEL_RIGHT,
                            CheckPinOperand(pin.flags, pin.textA), pass);
    }
    for (int j = 0; j < outputs; ++j) {
        CQLXFBPara& pin = *OutputPin(j);
        if (outputNames) pin.name = subroutine->GetOutput(j)->name;
        int y = PinLevel(j, pass.cellHeight);
        pass.canvas->Line(frame.right, corner.y + y, frame.right + Scaled(W, 0.1), corner.y + y, 1,
                          colour);
        DrawLabel(pin.name, Scaled(W, 1.5), y, LABEL_RIGHT, pass);
        if (j > 0)
            PaintPinOperand(pin, inputs + j, Scaled(W, 1.5) + Scaled(W, 0.06), y, LABEL_LEFT,
                            CheckPinOperand(pin.flags, pin.textA) && !OverwritesDivisor(pin.textA),
                            pass);
    }
}

void CBlock::PaintPinOperand(CQLXFBPara& pin, int zone, int x, int y, int align, BOOL fits,
                             LadderPass& pass) {
    CString operand = pin.textA;
    operand.Trim();
    CString shown = NormaliseOperand(operand);
    if (m_nEditState == zone) return;
    if (fits)
        DrawLabel(shown, x, y, align, pass);
    else
        DrawLabel(shown, x, y, align, pass, LADDER_RED, pass.canvas->IsInverse());
    pin.textA = OperandKeptAfterDrawing(operand, shown);
}

BOOL CBlock::OverwritesDivisor(const CString& operand) const {
    CString name = GetName();
    return (name == "DIV" || name == "MOD") && operand == InputOperand(2);
}

BOOL CBlock::CheckPinOperand(OperandDescriptor mask, const CString& operand) const {
    CString text = operand, routine;
    text.Trim();
    if (text.IsEmpty() || text.Find('?') >= 0) return FALSE;
    if (LadderEnvironment().TranslateInterruptName(text, routine)) return TRUE;
    return OperandFitsMask(text, mask, TRUE);
}

void CBlock::DrawOnline(LadderPass& pass) {
    CLadderElement::DrawOnline(pass);
    for (int i = 1; i < GetInputCount(); ++i) PaintLivePin(*InputPin(i), i, TRUE, pass);
    for (int j = 1; j < GetOutputCount(); ++j) PaintLivePin(*OutputPin(j), j, FALSE, pass);
}

void CBlock::PaintLivePin(const CQLXFBPara& pin, int row, BOOL input, LadderPass& pass) const {
    CString operand = pin.textA, value, status;
    operand.Trim();
    OperandDescriptor descriptor = 0;
    if (ClassifyConstant(operand, descriptor)) return;
    CString text = operand;
    if (GetMonitorValue(operand, value, status, pin.currentFlags, descriptor)) {
        if ((pin.currentFlags & OD_BOOL) && (descriptor & (OD_AREA_T | OD_AREA_C))) value = status;
        CString padded;
        padded.Format(input ? "%*s" : "%-*s", kLiveValueWidth, static_cast<LPCSTR>(value));
        text += ": " + padded;
    }
    const int W = pass.cellWidth;
    int x = input ? W / 2 - 6 : 2 * W - W / 2 + 6;
    // On the pin's own line, over its operand label: one row higher would put an input's
    // value on the enable line, across the element in front of the box.
    int y = PinLevel(row, pass.cellHeight);
    CSize extent = pass.canvas->LabelExtent(text);
    POINT corner = CellCorner(pass);
    int left = input ? x - 1 - extent.cx : x + 1;
    pass.canvas->Fill(CRect(corner.x + left, corner.y + y - 8, corner.x + left + extent.cx,
                            corner.y + y - 8 + extent.cy),
                      LADDER_WHITE);
    DrawLabel(text, x, y, input ? LABEL_RIGHT : LABEL_LEFT, pass, LADDER_BLUE);
}
