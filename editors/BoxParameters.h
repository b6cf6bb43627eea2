#pragma once
#include "platform/CString.h"

class CBlock;

// What the box parameter dialog does to a box, apart from its window: connecting a
// parameter to what the user typed and naming a function-block instance.

// Connects the box's input (isInput) or output parameter of that name to the typed
// text. TRUE when the text is accepted; the parameter then holds its stored form (a
// global variable by its address, a direct address upper-cased). A refused text
// changes nothing. Connections are checked against the POU being edited: without one
// every text is refused.
BOOL ConnectBoxParameter(CBlock& box, const CString& paramName, BOOL isInput,
                         const CString& typed);

enum class BoxInstanceResult {
    Unchanged,  // a function box, or no name given: nothing to do
    Named,      // the instance was created or renamed; the box carries the name
    Refused,    // the name is not allowed or already taken
};

// The instance name typed for a function-block box owned by the POU: renames the box's
// instance when it has one, else creates it.
BoxInstanceResult NameBoxInstance(CBlock& box, const CString& typed, const CString& ownerPou);
