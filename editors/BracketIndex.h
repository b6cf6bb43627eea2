#pragma once
#include "platform/CString.h"

#include <vector>

// The parentheses of an IL program in (line, column) order, each with its network, so
// that the check can pair them network by network. Parentheses inside comments count:
// a comment contributes one balanced pair.
class CBracketIndex {
public:
    struct Bracket {
        char text;  // '(' or ')'
        int line;
        int column;
        int network;
    };

    // -1, 0 or 1 as (line1, column1) lies before, at or after (line2, column2).
    static int ComparePositions(int line1, int column1, int line2, int column2);

    // Enters every parenthesis of a line.
    void ScanLine(const CString& text, int line, int network);
    void Insert(char text, int line, int column, int network);
    // Removes the parentheses from the first position to the second, both included.
    void RemoveRange(int fromLine, int fromColumn, int toLine, int toColumn);
    // Moves every parenthesis at or after (line, column) by delta lines.
    void ShiftLines(int line, int column, int delta);
    void RemoveAll() { m_brackets.clear(); }
    // The lines of unpaired parentheses: an opening one not closed within its network,
    // a closing one with no opening one before it in its network.
    std::vector<int> UnpairedLines() const;
    const std::vector<Bracket>& Brackets() const { return m_brackets; }

private:
    std::vector<Bracket> m_brackets;
};
