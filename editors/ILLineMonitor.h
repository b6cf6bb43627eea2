#pragma once
#include "language/OperandDescriptor.h"
#include "platform/CObject.h"
#include "platform/CString.h"

#include <vector>

class CDC;

// The live values of one IL line's operands, drawn right-aligned into the monitor column
// beside the line. The caller holds the monitor-data lock while the record formats and
// draws its values.
class CILLineMonitor : public CObject {
public:
    struct Operand {
        CString name;     // as written in the line
        CString value;    // the last value formatted; empty until then
        CString address;  // the direct address the name stands for
        OperandDescriptor type = 0;
        BOOL timerCounterBit = FALSE;  // a timer or counter used as BOOL: its bit is shown
    };

    void SetLine(int line) { m_nLine = line; }
    int GetLine() const { return m_nLine; }
    // Adds an operand unless one of that name is already there.
    void AddOperand(const CString& name, const CString& address, OperandDescriptor type, BOOL timerCounterBit);
    void SetMetrics(int charWidth, int lineHeight);
    // Formats the values and draws the labels (black) and values (green) so that the text
    // ends at xOrigin on the record's row.
    void Draw(CDC* dc, int xOrigin, int scrollY, BOOL showAddresses);
    // The text the last draw built.
    const CString& GetText() const { return m_text; }
    const std::vector<Operand>& Operands() const { return m_operands; }

private:
    void FormatValues();
    CString Label(const Operand& operand, BOOL showAddresses) const;

    int m_nScrollY = 0;
    int m_nXOrigin = 0;
    int m_nCharWidth = 8;
    int m_nLineHeight = 16;
    int m_nTextLength = 0;
    int m_nLine = 0;
    CString m_text;
    std::vector<Operand> m_operands;
};
