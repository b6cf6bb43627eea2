#pragma once

#include "platform/Afx.h"

// The global variables that share one name or one address: a duplicate group of a
// variable table. Members are keyed by their row index; the maps do not own them.
class CSymbolAddrIndex : public CObject {
public:
    CSymbolAddrIndex();

    CMapWordToOb nameMembers;      // used by groups of a shared name
    CMapWordToOb addressMembers;   // used by groups of a shared address
};
