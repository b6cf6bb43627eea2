#include "comm/ForceValueCheck.h"

#include "language/DirectAddress.h"
#include "language/LiteralParser.h"
#include "language/OperandDescriptor.h"

namespace {

// The literal forms an address of these types accepts at all.
bool FormFitsAddress(OperandDescriptor addressTypes, const CString& value) {
    switch (addressTypes) {
    case OD_BOOL:
        return value == "TRUE" || value == "FALSE";
    case OD_BYTE:
    case OD_WORD | OD_INT:
    case OD_DWORD | OD_DINT:
        return true;
    case OD_REAL:
        return value.Find('.') >= 0;
    default:
        return false;
    }
}

}  // namespace

bool CheckForceValue(const CString& addressText, const CString& valueText, DWORD& value) {
    CString text = valueText;
    text.Trim();
    text.MakeUpper();
    OperandDescriptor address = 0;
    if (text.IsEmpty() || !ParseDirectAddress(addressText, address))
        return false;
    const OperandDescriptor addressTypes = address & OD_TYPE_MASK & ~OD_FORCEABLE;
    if (!FormFitsAddress(addressTypes, text))
        return false;
    OperandDescriptor literal = 0;
    DWORD integerValue = 0;
    float realValue = 0;
    if (!ParseConstantValue(text, literal, integerValue, realValue) || (literal & addressTypes) == 0)
        return false;
    value = integerValue;
    return true;
}
