#pragma once
#include "hardware/CCPUPage.h"
#include "hardware/OutputFlagBoxes.h"

// "I/O设置": the CPU's input and output bytes (always from byte 0), the filter times of
// its two input bytes and its outputs' states while the PLC is stopped.
class CPageCPUIO : public CCPUPage {
    DECLARE_DYNAMIC(CPageCPUIO)

public:
    CPageCPUIO();
    void Defaults() override;
    void Reload() override;
    bool ApplyToModule() override;

protected:
    void Fill() override;
    bool OnPageCommand(UINT id, UINT code) override;

private:
    int InputBytes() const;
    int OutputBytes() const;
    void StoreRanges();
    void ShowModuleSettings();
    OutputFlagBoxes m_flags;
};
