#pragma once
#include "hardware/CHWModuleForm.h"

#include <memory>

class CSheetCPU;

// The CPU's tab in the info pane: its property sheet over the frame of the form, and
// Default and Cancel for the page in front.
class CCPUInfoView : public CHWModuleForm {
    DECLARE_DYNCREATE(CCPUInfoView)

public:
    CCPUInfoView();
    ~CCPUInfoView() override;
    // The refusing page's index, or -1 when all three pages were written.
    int ApplyToModule() override;
    CSheetCPU* Sheet() const { return m_sheet.get(); }

protected:
    void Fill() override;
    bool OnFormCommand(UINT id, UINT code) override;

private:
    std::unique_ptr<CSheetCPU> m_sheet;
};
