#pragma once
#include "platform/Afx.h"

#include <optional>

// Why a hardware configuration may not be left or saved, and what to bring into view.
struct ConfigCheckFailure {
    CString message;
    CString caption;   // "错误" or "提示"
    UINT icon;         // MB_ICONSTOP or MB_ICONINFORMATION
    int slot;          // grid row to select (slot number); 0: none
    int column;        // grid column to select with it
    int tab;           // info pane tab to show; 0: none
};

using ConfigCheckResult = std::optional<ConfigCheckFailure>;   // empty: passed

// The rules of the configuration check over the project's module list (slot order, the
// CPU first, null for an empty slot). Each answers the first failure it finds.

// An empty slot anywhere in a non-empty list: a gap between modules, or the CPU slot
// empty with modules behind it. The project file cannot hold either (it stores only the
// modules, so everything behind would move up a slot), so it is refused, with the first
// empty slot's row and tab brought into view.
ConfigCheckResult CheckEmptySlots(const CObArray& modules);

// The configuration's DI, DO, AI and AO totals (the CPU's own points included, a module
// in several kind groups counted in each) against the limits of the CPU in slot 1; a
// CPU code outside the settings table has no limits.
ConfigCheckResult CheckPointLimits(const CObArray& modules);

// Every module's I, Q, AI and AQ range within its area of the CPU class, even starts in
// the analog areas, and no byte owned twice.
ConfigCheckResult CheckModuleAddresses(const CObArray& modules, int cpuClass);
