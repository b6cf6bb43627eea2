#pragma once
#include "platform/Arrays.h"

// The grid of a POU's own variable declarations, as the editors read it.
class CPOUVarView {
public:
    virtual ~CPOUVarView() = default;
    // The declared variables: names as declared and their address texts, pair by pair.
    virtual void GetDeclaredVariables(CStringArray& names, CStringArray& addresses) const = 0;
};
