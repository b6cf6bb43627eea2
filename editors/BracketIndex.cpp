#include "editors/BracketIndex.h"

int CBracketIndex::ComparePositions(int line1, int column1, int line2, int column2) {
    if (line1 != line2) return line1 < line2 ? -1 : 1;
    if (column1 != column2) return column1 < column2 ? -1 : 1;
    return 0;
}

void CBracketIndex::ScanLine(const CString& text, int line, int network) {
    for (int column = 0; column < text.GetLength(); ++column) {
        char ch = text[column];
        if (ch == '(' || ch == ')') Insert(ch, line, column, network);
    }
}

void CBracketIndex::Insert(char text, int line, int column, int network) {
    auto position = m_brackets.begin();
    while (position != m_brackets.end() && ComparePositions(position->line, position->column, line, column) <= 0)
        ++position;
    m_brackets.insert(position, Bracket{text, line, column, network});
}

void CBracketIndex::RemoveRange(int fromLine, int fromColumn, int toLine, int toColumn) {
    std::vector<Bracket> kept;
    kept.reserve(m_brackets.size());
    for (const Bracket& bracket : m_brackets) {
        bool inside = ComparePositions(bracket.line, bracket.column, fromLine, fromColumn) >= 0 &&
                      ComparePositions(bracket.line, bracket.column, toLine, toColumn) <= 0;
        if (!inside) kept.push_back(bracket);
    }
    m_brackets.swap(kept);
}

void CBracketIndex::ShiftLines(int line, int column, int delta) {
    for (Bracket& bracket : m_brackets) {
        if (ComparePositions(bracket.line, bracket.column, line, column) >= 0) bracket.line += delta;
    }
}

std::vector<int> CBracketIndex::UnpairedLines() const {
    std::vector<int> lines;
    std::vector<const Bracket*> open;
    int network = m_brackets.empty() ? 0 : m_brackets.front().network;
    for (const Bracket& bracket : m_brackets) {
        if (bracket.network != network) {
            for (const Bracket* unclosed : open) lines.push_back(unclosed->line);
            open.clear();
            network = bracket.network;
        }
        if (bracket.text == '(')
            open.push_back(&bracket);
        else if (!open.empty())
            open.pop_back();
        else
            lines.push_back(bracket.line);
    }
    for (const Bracket* unclosed : open) lines.push_back(unclosed->line);
    return lines;
}
