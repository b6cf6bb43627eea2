#pragma once
#include <vector>

// The first row of every network of a ladder POU, plus one more entry: the row after the
// last network. The layout pass fills it; the editor finds networks by row with it and
// draws only the networks its visible range gives.
class CNetworkRowTable {
public:
    // Forgets every entry; the next layout then places all networks.
    void Clear() { m_rows.clear(); }
    // Sets entry n, growing the table as needed.
    void SetRow(int n, int row);
    int GetRow(int n) const { return m_rows[n]; }
    int GetSize() const { return static_cast<int>(m_rows.size()); }
    // The last entry: the row after the last network; 0 for an empty table.
    int TotalRows() const { return m_rows.empty() ? 0 : m_rows.back(); }

    // The item index of the header of the network holding row (item 2n is the header of
    // network n). Rows at or past the end answer the last network's header.
    int NetworkIndexOfRow(int row) const;
    // Adds delta to every entry from n on; false when n is outside the table.
    bool ShiftRows(int n, int delta);
    // The networks to draw with topRow at the top of clientRows rows: from the one holding
    // the top row to one past the one holding the bottom row; false with no network.
    bool VisibleNetworkRange(int topRow, int clientRows, int& first, int& last) const;

private:
    std::vector<int> m_rows;
};
