#pragma once
#include "hardware/HardwareCheckHost.h"
#include "platform/CFormView.h"

#include <vector>

class CQLX_R2_PLC;
class CQLXProject;
class HardwareFormHost;
class ModuleStartField;

// A module's tab in the info pane: a form on its template that edits the module record
// (not owned). Filling the form marks nothing modified; every change by the user does.
// The right mouse button does nothing in a module form.
class CHWModuleForm : public CFormView, public ModuleFormWriteBack {
    DECLARE_DYNAMIC(CHWModuleForm)

public:
    // Given before the initial update, which fills the form from the module.
    void Attach(CQLX_R2_PLC* module, HardwareFormHost* host);
    CQLX_R2_PLC* Module() const { return m_module; }
    void OnInitialUpdate() override;
    // Writes what the form shows into the module; module forms always accept.
    int ApplyToModule() override { return -1; }

    CQLXProject& Project() const;
    HardwareFormHost& Host() const { return *m_host; }
    bool Filling() const { return m_filling; }
    // A change made by the user: the grid shows it and the project is modified.
    void Changed(bool redrawGrid);
    // The form's no-room message of Default.
    void ShowNoRoom(const char* message);

protected:
    explicit CHWModuleForm(UINT templateId) : CFormView(templateId) {}
    virtual void Fill() = 0;
    // A control's command; true when the form handled it.
    virtual bool OnFormCommand(UINT id, UINT code) = 0;
    // After the user changed a start field.
    virtual void OnStartChanged() {}
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // The form's start fields: their changes and spin steps are handled here.
    void AddStartField(ModuleStartField& field) { m_startFields.push_back(&field); }
    // Fills while the change handlers stay quiet.
    void Refill();

    void OnRButtonDown(UINT, CPoint) {}
    void OnRButtonUp(UINT, CPoint) {}
    DECLARE_MESSAGE_MAP()

private:
    CQLX_R2_PLC* m_module = nullptr;
    HardwareFormHost* m_host = nullptr;
    bool m_filling = false;
    std::vector<ModuleStartField*> m_startFields;
};

// The instructions page: tab 0 of the info pane and the tab of an empty slot.
class CHWHowToView : public CFormView {
    DECLARE_DYNCREATE(CHWHowToView)

public:
    CHWHowToView();
};
