#pragma once

// Where an element stands on the ladder editor's cell grid: its column and row, the
// width of its rung in columns (the coil finds the right end of the rung from it) and
// the index of its network item in the model's network array. Span and item are handed
// down a tree unchanged.
class CCellRect {
public:
    CCellRect() = default;
    CCellRect(int column, int row, int span, int item)
        : m_nColumn(column), m_nRow(row), m_nSpan(span), m_nItem(item) {}
    virtual ~CCellRect() = default;

    void SetColRow(int value) { m_nColumn = m_nRow = value; }

    int m_nColumn = 0;
    int m_nRow = 0;
    int m_nSpan = 0;
    int m_nItem = 0;
};
