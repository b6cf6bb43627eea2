#include "project/CQLXInitData.h"

IMPLEMENT_SERIAL(CQLXInitData, CObject, 1)

CQLXInitData::CQLXInitData() { valueMap.InitHashTable(20); }

void CQLXInitData::Serialize(CArchive& ar) {
    texts.Serialize(ar);
    values.Serialize(ar);
    valueMap.Serialize(ar);
    if (ar.IsStoring())
        ar << typeFlags << rowWord;
    else
        ar >> typeFlags >> rowWord;
}
