#pragma once
#include "ladder/LadderElement.h"

// The ladder input element: one cell reading a bit operand (the negation contact has
// none). A leaf of the network tree.
class CContact : public CLadderElement {
    DECLARE_SERIAL(CContact)
public:
    CContact();

    void Serialize(CArchive& ar) override { SerializeLeaf(ar, m_strOperand, m_strSymbol); }

    CString GetSymbol() const override { return m_strSymbol; }
    void SetSymbol(const CString& symbol) { m_strSymbol = symbol; }
    CString GetOperand() const override { return m_strOperand; }
    // Trims the text; empty becomes "????", a direct address is upper-cased.
    void SetOperand(const CString& text) override;
    // The text between the last two "|" of the symbol, trimmed: "", "/", "I", "/I", "NOT".
    CString GetMiddle() const;
    BOOL IsNegation() const { return GetMiddle() == "NOT"; }

    SIZE GetSize(BOOL printing) override { return LeafSize(printing); }
    BOOL GetEditCaretPoint(POINT* point, int cellWidth, int cellHeight) override;
    BOOL HitTestOperand(POINT* point, CString& text, int firstCol, int firstRow, int cellWidth,
                        int cellHeight, BOOL beginEdit) override;
    BOOL GetOperandAt(int x, int y, int cellWidth, int cellHeight, CString& text) override;
    // One LD, AND or OR family line chosen by the contact's place, then the IL of its
    // linked child.
    CString ToIL() const override;
    // Blue in the middle when power passes: a closed contact, or an open one of the
    // negated symbols.
    void DrawOnline(LadderPass& pass) override;

    CString m_strOperand;
    CString m_strSymbol;

protected:
    SIZE Place(LadderPass& pass) override;

private:
    void Paint(LadderPass& pass);
};
