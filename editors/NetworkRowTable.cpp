#include "editors/NetworkRowTable.h"

void CNetworkRowTable::SetRow(int n, int row) {
    if (n < 0)
        return;
    if (n >= GetSize())
        m_rows.resize(n + 1, row);
    m_rows[n] = row;
}

int CNetworkRowTable::NetworkIndexOfRow(int row) const {
    int networks = GetSize() - 1;
    if (row <= 1 || networks < 1)
        return 0;
    for (int i = 0; i < networks; ++i) {
        if (m_rows[i] == row)
            return 2 * i;
        if (m_rows[i] > row)
            return 2 * i - 2;
    }
    // In the last network, on the row after it or beyond: no network starts there.
    return 2 * (networks - 1);
}

bool CNetworkRowTable::ShiftRows(int n, int delta) {
    if (n < 0 || n >= GetSize())
        return false;
    for (int i = n; i < GetSize(); ++i)
        m_rows[i] += delta;
    return true;
}

bool CNetworkRowTable::VisibleNetworkRange(int topRow, int clientRows, int& first, int& last) const {
    int size = GetSize();
    if (size < 2)
        return false;
    int lastNetwork = size - 2;
    if (size == 2) {
        first = last = 0;
        return true;
    }
    int bottomRow = topRow + clientRows;
    first = last = -1;
    for (int i = 0; i <= lastNetwork; ++i) {
        if (first < 0 && m_rows[i] > topRow)
            first = i == 0 ? 0 : i - 1;
        if (last < 0 && m_rows[i] > bottomRow)
            last = i == lastNetwork ? i : i + 1;
    }
    if (first < 0)
        first = last = lastNetwork;
    if (last < 0)
        last = lastNetwork;
    return true;
}
