#pragma once
#include "hardware/CHWModuleForm.h"
#include "hardware/ModuleStartField.h"

// The forms of the analog modules. Their start fields step by 2 and store at once; the
// channel settings reach the module at ApplyToModule.

// Analog inputs: per channel a signal type from the kind's slice of the type codes and
// a filter setting.
class CHWAIView : public CHWModuleForm {
    DECLARE_DYNCREATE(CHWAIView)

public:
    CHWAIView();
    int ApplyToModule() override;

protected:
    void Fill() override;
    bool OnFormCommand(UINT id, UINT code) override;

private:
    void FillChannels(bool fromModule);
    ModuleStartField m_input;
};

// Analog outputs: per channel a signal form, a hold-on-stop box and the stop value,
// which is clamped to the signal form's range while the box is ticked.
class CHWAOView : public CHWModuleForm {
    DECLARE_DYNCREATE(CHWAOView)

public:
    CHWAOView();
    int ApplyToModule() override;

protected:
    void Fill() override;
    bool OnFormCommand(UINT id, UINT code) override;

private:
    void FillChannel(int channel);
    void ClearChannel(int channel);
    void ClampStopValue(int channel);
    bool OnChannelCommand(int channel, UINT id, UINT code);
    ModuleStartField m_output;
};
