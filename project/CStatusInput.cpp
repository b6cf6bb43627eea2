#include "project/CStatusInput.h"

IMPLEMENT_SERIAL(CStatusInput, CObject, 1)

void CStatusInput::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << address << rowTextA << rowTextB << addressCode << descriptor << rowState
           << displayFormat << rowValue << rowWordB << rowWordC;
    } else {
        ar >> address >> rowTextA >> rowTextB >> addressCode >> descriptor >> rowState
           >> displayFormat >> rowValue >> rowWordB >> rowWordC;
    }
}

void CStatusInput::DestroyMembers() {
    address.Empty();
    rowTextA.Empty();
    rowTextB.Empty();
}
