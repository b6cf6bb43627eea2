#pragma once
// Framework exceptions are thrown as heap pointers; this checks for one of class E
// and deletes it, so tests neither leak nor catch the wrong kind.

#include "platform/CException.h"

template <class E, class Action>
bool ThrowsFrameworkException(Action&& action) {
    try {
        action();
    } catch (E* e) {
        e->Delete();
        return true;
    } catch (CException* e) {
        e->Delete();
        return false;
    }
    return false;
}
