#pragma once

class CLadderElement;
class CNetworkRowTable;

// A network keeps its parallel branches within 16 rows below its header.
const int kMaxNetworkRows = 16;

// Whether the parallel chain hanging below element may take one more row: its lowest
// element lies less than kMaxNetworkRows rows below the header of element's network.
bool CanAddParallelRow(const CNetworkRowTable& rows, const CLadderElement* element);
