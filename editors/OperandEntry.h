#pragma once
#include "language/OperandDescriptor.h"
#include "platform/CString.h"

// A typed operand checked against the place it connects to (a contact's or coil's
// operand, a box pin). The stages run in this order and the first that knows the text
// decides, even when it refuses it: a variable of the POU, a global variable, a direct
// address, a constant.
enum class OperandEntryKind {
    Local,             // matching type and direction; stored as typed
    LocalMismatch,
    Global,            // matching type and area; stored as the variable's address
    GlobalMismatch,
    Address,           // matching area and type; stored upper-cased
    AddressMismatch,
    Constant,          // the place takes constants of a matching type; stored as typed
    ConstantMismatch,
    Invalid,           // none of the above
};

struct OperandEntry {
    OperandEntryKind kind = OperandEntryKind::Invalid;
    CString stored;  // what the place keeps when the entry is accepted

    BOOL Accepted() const {
        return kind == OperandEntryKind::Local || kind == OperandEntryKind::Global ||
               kind == OperandEntryKind::Address || kind == OperandEntryKind::Constant;
    }
};

// `localName` is the text looked up among the POU's variables (the contact and coil
// dialog looks up the part after the last "%"); `text` serves every other stage.
OperandEntry CheckOperandEntry(OperandDescriptor place, const CString& text,
                               const CString& localName);
