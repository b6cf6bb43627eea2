#pragma once
#include "ladder/LadderElement.h"

// The ladder output element and the root of every network's tree: the rung's logic
// hangs in its series child and further coils are stacked below it through parallel
// children. A coil whose normal flag is 0 stands for a network that could not be shown
// as ladder and carries that network's IL text unchanged.
class CCoil : public CLadderElement {
    DECLARE_SERIAL(CCoil)
public:
    CCoil();

    // The stored fields; a coil kept as IL adds its text.
    void Serialize(CArchive& ar) override;
    BYTE GetTag() const override;

    CString GetSymbol() const override { return m_strSymbol; }
    void SetSymbol(const CString& symbol) { m_strSymbol = symbol; }
    CString GetOperand() const override { return m_strOperand; }
    void SetOperand(const CString& text) override;
    // The text between the last "(" and the last ")" of the symbol, trimmed.
    CString GetMiddle() const;
    // The ten program-control coils without an operand ("-(NUL)", "-(RET)", ...).
    BOOL HasOperand() const;
    BOOL IsRawIL() const { return !m_bNormal; }
    // Makes this coil the stand-in of a network kept as IL text.
    void SetRawIL(const CString& il);

    SIZE GetSize(BOOL printing) override;
    BOOL ResolveOperand(const CString& operand, CString& il) const override;
    BOOL GetEditCaretPoint(POINT* point, int cellWidth, int cellHeight) override;
    BOOL HitTestOperand(POINT* point, CString& text, int firstCol, int firstRow, int cellWidth,
                        int cellHeight, BOOL beginEdit) override;
    BOOL GetOperandAt(int x, int y, int cellWidth, int cellHeight, CString& text) override;
    // The rung's logic, then one output line per coil of the stack; a raw-IL coil gives
    // its kept text.
    CString ToIL() const override;
    // After the logic and the stacked coils: blue in the middle when the output is on.
    void DrawOnline(LadderPass& pass) override;

    int m_nRailTop = 0;
    int m_nRailBottom = 0;
    int m_nRailX = 0;
    int m_nStackCount = 1;
    CString m_strSymbol;
    BOOL m_bNormal = TRUE;
    CString m_strRawIL;
    CString m_strOperand = LADDER_MISSING_OPERAND;

protected:
    SIZE Place(LadderPass& pass) override;
    void Release(BOOL releaseInstances) override;

private:
    // This coil's output line behind logic whose last mnemonic is given.
    CString OutputLine(const CString& lastMnemonic) const;
    // The symbol and operand at the coil's cell.
    void Paint(LadderPass& pass);
    // Sets the stacked coils' cells below this one, paints them, and gives the depth of
    // the stack.
    int PlaceStack(LadderPass& pass);
    // The wire from the end of the logic, the stack's joining wire and both rails.
    void PaintRung(int logicWidth, int stackDepth, int rungHeight, LadderPass& pass);
};
