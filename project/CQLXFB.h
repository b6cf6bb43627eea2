#pragma once

#include "project/FBParamLists.h"

// A function block: a catalogue definition (typeName only) or a project instance.
class CQLXFB : public CObject, public FBParamLists {
    DECLARE_SERIAL(CQLXFB)
public:
    CQLXFB() = default;
    void Serialize(CArchive& ar) override;

    // Becomes a copy of the other block with its own parameter objects; copying onto
    // itself changes nothing.
    void CopyFrom(const CQLXFB& other);
    // Empties the texts and deletes every parameter.
    void Reset();
    CString GetName() const { return typeName; }

    CString typeName;       // block type, for example "TON"
    CString instanceName;
    CString ownerPou;       // the program that declares the instance
    CString extraText;
};
