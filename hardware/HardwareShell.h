#pragma once

// What the hardware configuration needs of the main window; the shell gives the real
// one, tests a recording fake.
class HardwareShell {
public:
    virtual ~HardwareShell() = default;
    // The CPU changed: both instruction trees regroup (the LD tree, then the IL tree).
    virtual void UpdateCpuGroups() = 0;
    virtual void SetProjectModified(bool modified) = 0;
};
