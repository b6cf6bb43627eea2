#include "editors/OperandEntry.h"

#include "editors/POUEditorDoc.h"
#include "ladder/LadderEnvironment.h"
#include "language/DirectAddress.h"
#include "language/LiteralParser.h"

namespace {
const OperandDescriptor AreaDirections = OD_AREA_READABLE | OD_AREA_WRITABLE;

BOOL Share(OperandDescriptor a, OperandDescriptor b, OperandDescriptor mask) {
    return (a & b & mask) != 0;
}

OperandEntry Entry(OperandEntryKind kind, const CString& stored = CString()) {
    OperandEntry entry;
    entry.kind = kind;
    entry.stored = stored;
    return entry;
}
}  // namespace

OperandEntry CheckOperandEntry(OperandDescriptor place, const CString& text,
                               const CString& localName) {
    CLadderEnvironment& environment = LadderEnvironment();
    OperandDescriptor found = 0;
    CPOUEditorDoc* document = environment.GetActivePOUDocument();
    if (document && !localName.IsEmpty() && document->LookupLocalVar(localName, found)) {
        BOOL fits = Share(place, found, OD_TYPE_MASK) && Share(place, found, AreaDirections);
        return fits ? Entry(OperandEntryKind::Local, localName)
                    : Entry(OperandEntryKind::LocalMismatch);
    }
    CString name, address;
    if (environment.FindGlobalDescriptor(text, found) &&
        environment.FindGlobalSymbol(text, name, address)) {
        BOOL fits = Share(place, found, OD_TYPE_MASK) && Share(place, found, OD_AREA_MASK);
        return fits ? Entry(OperandEntryKind::Global, address)
                    : Entry(OperandEntryKind::GlobalMismatch);
    }
    if (ParseDirectAddress(text, found)) {
        BOOL fits = Share(place, found, OD_AREA_MASK) && Share(place, found, OD_TYPE_MASK);
        CString upper = text;
        upper.MakeUpper();
        return fits ? Entry(OperandEntryKind::Address, upper)
                    : Entry(OperandEntryKind::AddressMismatch);
    }
    if ((place & OD_CONSTANT) && ClassifyConstant(text, found)) {
        return Share(place, found, OD_TYPE_MASK) ? Entry(OperandEntryKind::Constant, text)
                                                  : Entry(OperandEntryKind::ConstantMismatch);
    }
    return Entry(OperandEntryKind::Invalid);
}
