#include "editors/LadderRowLimits.h"

#include "editors/NetworkRowTable.h"
#include "ladder/LadderElement.h"

bool CanAddParallelRow(const CNetworkRowTable& rows, const CLadderElement* element) {
    if (!element || rows.GetSize() < 2)
        return false;
    const CLadderElement* lowest = element;
    while (lowest->m_pParallel)
        lowest = lowest->m_pParallel;
    int header = rows.NetworkIndexOfRow(element->GetCellRect().m_nRow) / 2;
    return lowest->GetCellRect().m_nRow - rows.GetRow(header) < kMaxNetworkRows;
}
