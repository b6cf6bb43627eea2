#include "ladder/OperandCheck.h"

#include "editors/POUEditorDoc.h"
#include "ladder/LadderElement.h"
#include "ladder/LadderEnvironment.h"
#include "language/DirectAddress.h"
#include "language/InstrDesc.h"
#include "language/LiteralParser.h"

namespace {
BOOL HasTypeAndArea(OperandDescriptor bits) {
    return (bits & OD_TYPE_MASK) != 0 && (bits & OD_AREA_MASK) != 0;
}
}  // namespace

OperandDescriptor LeafOperandMask(const CString& symbol) {
    const InstrDesc* record = LadderEnvironment().FindInstruction(symbol);
    return record && record->pinCount > 0 ? record->pins[0].descriptor : 0;
}

BOOL CheckLeafOperand(OperandDescriptor mask, const CString& operand) {
    CString text = operand;
    text.Trim();
    if (text.IsEmpty() || text == LADDER_MISSING_OPERAND) return TRUE;
    return OperandFitsMask(text, mask, FALSE);
}

BOOL OperandFitsMask(const CString& operand, OperandDescriptor mask, BOOL localNeedsArea) {
    CLadderEnvironment& environment = LadderEnvironment();
    CPOUEditorDoc* document = environment.GetActivePOUDocument();
    if (!document) return FALSE;
    OperandDescriptor descriptor = 0;
    if (document->LookupLocalVar(operand, descriptor)) {
        OperandDescriptor common = descriptor & mask;
        BOOL readableOrWritable = (common & (OD_AREA_READABLE | OD_AREA_WRITABLE)) != 0;
        BOOL typed = (common & OD_TYPE_MASK) != 0;
        return readableOrWritable && typed && (!localNeedsArea || (common & OD_AREA_MASK) != 0);
    }
    // A global variable lies where its address says; its address decides.
    CString name, address = operand;
    environment.FindGlobalSymbol(operand, name, address);
    if (ParseDirectAddress(address, descriptor)) return HasTypeAndArea(descriptor & mask);
    if (!(mask & OD_CONSTANT)) return FALSE;
    return ClassifyConstant(operand, descriptor) && (descriptor & mask & OD_TYPE_MASK) != 0;
}
