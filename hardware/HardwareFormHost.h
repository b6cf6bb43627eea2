#pragma once

class CQLXProject;

// What a module form or CPU page needs beside its module: the project (CPU class,
// address assignment), the grid to redraw when a range changes, and the modified mark.
class HardwareFormHost {
public:
    virtual ~HardwareFormHost() = default;
    virtual CQLXProject& Project() = 0;
    virtual void RedrawGrid() = 0;
    virtual void SetProjectModified(bool modified) = 0;
};
