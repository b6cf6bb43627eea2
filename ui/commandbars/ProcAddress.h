#pragma once

#include <windows.h>

// An entry point of a library loaded at run time, typed as the caller declares it;
// null when the module is null or lacks the entry.
template <class Function>
Function ProcAddress(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}
