#include "project/CQLXStatus.h"

IMPLEMENT_SERIAL(CQLXStatus, CObject, 1)

void CQLXStatus::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << cellText << addressCode;
    else
        ar >> cellText >> addressCode;
}
