#pragma once

class CLadderElement;
class CNetworkRowTable;

// A network keeps its parallel branches within 16 rows below its header.
const int kMaxNetworkRows = 16;

// Whether the parallel chain hanging below element may take one more row: its lowest
// element lies less than kMaxNetworkRows rows below the header of element's network.
bool CanAddParallelRow(const CNetworkRowTable& rows, const CLadderElement* element);

class CObArray;

// A network's tree is at most this many cells wide.
const int kMaxNetworkWidth = 35;

// Whether the network holding current (by its row) may grow one cell wider; false
// without a current element.
bool CanWiden(const CNetworkRowTable& rows, const CObArray& networks, CLadderElement* current);
