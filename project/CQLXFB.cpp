#include "project/CQLXFB.h"

IMPLEMENT_SERIAL(CQLXFB, CObject, 1)

void CQLXFB::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << typeName << instanceName << extraText << ownerPou;
    else
        ar >> typeName >> instanceName >> extraText >> ownerPou;
    SerializeParams(ar);
}

void CQLXFB::CopyFrom(const CQLXFB& other) {
    if (&other == this)
        return;
    typeName = other.typeName;
    instanceName = other.instanceName;
    ownerPou = other.ownerPou;
    extraText = other.extraText;
    CopyParamsFrom(other);
}

void CQLXFB::Reset() {
    typeName.Empty();
    instanceName.Empty();
    ownerPou.Empty();
    extraText.Empty();
    DeleteParams();
}
