#pragma once

struct ModuleSpec;

// A view that takes a module model from the catalogue tree: the hardware window's slot
// grid. The tree inserts only when the active view of the active child frame is one.
class ModuleInsertTarget {
public:
    virtual ~ModuleInsertTarget() = default;
    virtual void InsertModule(const ModuleSpec* spec) = 0;
};
