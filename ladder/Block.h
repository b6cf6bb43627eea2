#pragma once
#include "ladder/LadderElement.h"
#include "platform/CRect.h"

class CQLXFB;
class CQLXFBPara;
class CQLXFunc;
class FBParamLists;

// A box in a rung: a function (or a subroutine call) or a function-block call, drawn
// with input pins on the left and output pins on the right. It owns a copy of the
// instruction's descriptor, whose parameters hold the operands connected to the pins.
// Input 0 and output 0 are the power flow through the box and carry no operand.
class CBlock : public CLadderElement {
    DECLARE_SERIAL(CBlock)
public:
    enum { FUNCTION_BLOCK = 0, FUNCTION = 1, MAX_OPERAND_ZONES = 30 };

    CBlock();
    ~CBlock() override;

    // Takes over the descriptor; the box becomes a function or a function-block call.
    void SetFunction(CQLXFunc* function);
    void SetFunctionBlock(CQLXFB* block);

    void Serialize(CArchive& ar) override;
    int GetBoxType() const override { return m_nSubtype; }
    CString GetSymbol() const override { return CString(); }
    // The function-block instance name; "" for a function.
    CString GetOperand() const override;
    // Writes the operand being edited in place: a pin's operand, or a new instance name.
    void SetOperand(const CString& text) override;
    SIZE GetSize(BOOL printing) override;
    BOOL GetEditCaretPoint(POINT* point, int cellWidth, int cellHeight) override;
    BOOL HitTestOperand(POINT* point, CString& text, int firstCol, int firstRow, int cellWidth,
                        int cellHeight, BOOL beginEdit) override;
    BOOL GetOperandAt(int x, int y, int cellWidth, int cellHeight, CString& text) override;
    CString ToIL() const override;
    // Each pin operand that is not a constant with its live value, in blue over white.
    void DrawOnline(LadderPass& pass) override;

    // The function or block type name, trimmed.
    CString GetName() const;
    const FBParamLists* GetParams() const;
    int GetInputCount() const;
    int GetOutputCount() const;
    // The operand text of input pin i or output pin j ("" for a pin the box lacks).
    CString InputOperand(int pin) const;
    CString OutputOperand(int pin) const;
    CQLXFBPara* InputPin(int pin) const;
    CQLXFBPara* OutputPin(int pin) const;
    void UpdateHeight();
    // Records the box's pin counts; TRUE when the other descriptor has other counts.
    BOOL PinCountsDiffer(const CQLXFunc* other);
    // Whether a pin operand fits the pin's descriptor: never a missing one ("?" in
    // it); an interrupt routine always.
    BOOL CheckPinOperand(OperandDescriptor mask, const CString& operand) const;

    int m_nInputCount = 0;
    int m_nOutputCount = 0;
    int m_nSubtype = FUNCTION_BLOCK;
    POINT m_operandPos[MAX_OPERAND_ZONES];
    CQLXFB* m_pFB = nullptr;
    CQLXFunc* m_pFunc = nullptr;

protected:
    SIZE Place(LadderPass& pass) override;
    void Release(BOOL releaseInstances) override;

private:
    // The empty column kept on screen in front of a box or node that follows.
    int ColumnBeforeNext(BOOL printing) const;
    // The operand zones of the cell grid; textHeight is the height of an operand text.
    void RecordOperandZones(int cellWidth, int cellHeight, int textHeight);
    BOOL InZone(int zone, int x, int y, int cellWidth, int cellHeight) const;
    // The zone number of the operand after the one being edited; -1 when none follows.
    int NextOperandZone() const;
    void RenameInstance(const CString& name);
    CString NormalisedInstance() const;

    // Painting (BlockPainting.cpp).
    void Paint(LadderPass& pass);
    // The power flow through the box at the enable pins' height, across the empty
    // column in front of a box or node on either side.
    void PaintPowerLine(const CRect& frame, LadderPass& pass) const;
    COLORREF FillColour(const CQLXFunc* subroutine, const CLadderCanvas& canvas);
    void PaintInstanceName(LadderPass& pass);
    // Every pin's stub, name and operand; a subroutine's current pin names first.
    void PaintPins(const CRect& frame, const CQLXFunc* subroutine, LadderPass& pass);
    void PaintPinOperand(CQLXFBPara& pin, int zone, int x, int y, int align, BOOL fits,
                         LadderPass& pass);
    // An output operand of "DIV" or "MOD" written into the divisor's place.
    BOOL OverwritesDivisor(const CString& operand) const;
    void PaintLivePin(const CQLXFBPara& pin, int row, BOOL input, LadderPass& pass) const;
};
