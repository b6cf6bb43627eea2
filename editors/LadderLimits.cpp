#include "editors/LadderLimits.h"

#include "editors/NetworkRowTable.h"
#include "ladder/LadderElement.h"
#include "platform/Arrays.h"

bool CanAddParallelRow(const CNetworkRowTable& rows, const CLadderElement* element) {
    if (!element || rows.GetSize() < 2)
        return false;
    const CLadderElement* lowest = element;
    while (lowest->m_pParallel)
        lowest = lowest->m_pParallel;
    int header = rows.NetworkIndexOfRow(element->GetCellRect().m_nRow) / 2;
    return lowest->GetCellRect().m_nRow - rows.GetRow(header) < kMaxNetworkRows;
}

bool CanWiden(const CNetworkRowTable& rows, const CObArray& networks, CLadderElement* current) {
    if (!current)
        return false;
    int treeItem = rows.NetworkIndexOfRow(current->GetCellRect().m_nRow) + 1;
    if (treeItem >= networks.GetSize())
        return false;
    auto* tree = static_cast<CLadderElement*>(networks.GetAt(treeItem));
    return tree && tree->GetSize(FALSE).cx <= kMaxNetworkWidth;
}
