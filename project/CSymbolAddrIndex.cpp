#include "project/CSymbolAddrIndex.h"

CSymbolAddrIndex::CSymbolAddrIndex() {
    nameMembers.InitHashTable(131);
    addressMembers.InitHashTable(131);
}
