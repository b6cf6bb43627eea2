#include "project/CQLXSymbol.h"

IMPLEMENT_SERIAL(CQLXSymbol, CObject, 1)

void CQLXSymbol::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        if (address.Left(1) != "%")
            address = "%" + address;
        ar << name << address << dataType << comment << descriptor;
    } else {
        ar >> name >> address >> dataType >> comment >> descriptor;
    }
}
