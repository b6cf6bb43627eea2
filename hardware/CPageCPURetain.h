#pragma once
#include "hardware/CCPUPage.h"
#include "hardware/FieldClamps.h"

// "数据保持": four retained ranges, each in the V or the C area of the CPU class, with
// its start and length kept inside the area as they are typed.
class CPageCPURetain : public CCPUPage {
    DECLARE_DYNAMIC(CPageCPURetain)

public:
    static constexpr int RangeCount = 4;

    CPageCPURetain();
    void Defaults() override;
    void Reload() override;
    bool ApplyToModule() override;

protected:
    void Fill() override;
    bool OnPageCommand(UINT id, UINT code) override;

private:
    RetainAreaLimits Limits(int range) const;
    void ShowRange(int range, int area, int start, int length);
    void ShowModuleRanges();
    void SetLengthSpin(int range, int start);
    void OnAreaChanged(int range);
    void OnStartTyped(int range);
    void OnLengthTyped(int range);
};
