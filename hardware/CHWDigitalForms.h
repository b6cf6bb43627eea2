#pragma once
#include "hardware/CHWModuleForm.h"
#include "hardware/ModuleStartField.h"
#include "hardware/OutputFlagBoxes.h"

// The forms of the digital modules: inputs (DI), outputs (DO) and both (DI/DO). Their
// start fields store at once; Default re-assigns the bytes by first fit, Cancel puts
// back what the form was filled with. The output forms keep their hold-on-stop flags
// in the boxes until ApplyToModule.

class CHWDIView : public CHWModuleForm {
    DECLARE_DYNCREATE(CHWDIView)

public:
    CHWDIView();

protected:
    void Fill() override;
    bool OnFormCommand(UINT id, UINT code) override;

private:
    ModuleStartField m_input;
};

class CHWDOView : public CHWModuleForm {
    DECLARE_DYNCREATE(CHWDOView)

public:
    CHWDOView();
    int ApplyToModule() override;

protected:
    void Fill() override;
    bool OnFormCommand(UINT id, UINT code) override;
    void OnStartChanged() override;

private:
    void FillFlags();
    ModuleStartField m_output;
    OutputFlagBoxes m_flags;
};

class CHWDIOView : public CHWModuleForm {
    DECLARE_DYNCREATE(CHWDIOView)

public:
    CHWDIOView();
    int ApplyToModule() override;

protected:
    void Fill() override;
    bool OnFormCommand(UINT id, UINT code) override;
    void OnStartChanged() override;

private:
    void FillFlags();
    bool Default();
    ModuleStartField m_input;
    ModuleStartField m_output;
    OutputFlagBoxes m_flags;
};
