#pragma once
#include "platform/CPropertyPage.h"

class CQLX_R2_PLC;
class CQLXProject;
class CSheetCPU;
class HardwareFormHost;

// One page of the CPU's property sheet. It is filled when first shown, which marks
// nothing modified; the user's changes, Default and Cancel do. Its values reach the
// CPU's module record at ApplyToModule.
class CCPUPage : public CPropertyPage {
    DECLARE_DYNAMIC(CCPUPage)

public:
    void SetSheet(CSheetCPU* sheet) { m_sheet = sheet; }
    // The defaults of the page (the form's Default button).
    virtual void Defaults() = 0;
    // The module's values again (the form's Cancel button).
    virtual void Reload() = 0;
    // Checks and writes the page into the module; false after the page's message.
    virtual bool ApplyToModule() = 0;
    BOOL OnInitDialog() override;
    bool Filled() const { return m_filled; }

protected:
    explicit CCPUPage(UINT templateId) : CPropertyPage(templateId) {}
    // Fills the controls when the page is first shown.
    virtual void Fill() = 0;
    virtual bool OnPageCommand(UINT id, UINT code) = 0;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CQLX_R2_PLC& Module() const;
    CQLXProject& Project() const;
    // True when the sheet's CPU is the project's first module (its values are shown).
    bool ShowsProjectCpu() const;
    void Changed();
    // Runs a fill or a reset without taking its notifications for the user's changes.
    template <typename Step>
    void Quietly(Step step) {
        const bool was = m_quiet;
        m_quiet = true;
        step();
        m_quiet = was;
    }

private:
    CSheetCPU* m_sheet = nullptr;
    bool m_quiet = false;
    bool m_filled = false;
};
