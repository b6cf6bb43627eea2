#include "hardware/CHWAnalogForms.h"

#include "hardware/FormControls.h"
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"
#include "project/SharedConstants.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>

namespace {

const char* const NoRoom = "地址空间不足，无法为本模块分配地址！";

const int AiTypeIds[CQLX_R2_PLC::MaxAnalogIn] = {IDC_HW_AI_TYPE_0, IDC_HW_AI_TYPE_1, IDC_HW_AI_TYPE_2, IDC_HW_AI_TYPE_3};
const int AiFilterIds[CQLX_R2_PLC::MaxAnalogIn] = {IDC_HW_AI_FILTER_0, IDC_HW_AI_FILTER_1, IDC_HW_AI_FILTER_2,
                                                   IDC_HW_AI_FILTER_3};

struct AoChannelIds {
    int signal;
    int hold;
    int stopValue;
};
const AoChannelIds AoIds[CQLX_R2_PLC::MaxAnalogOut] = {
    {IDC_HW_AO_SIGNAL_0, IDC_HW_AO_HOLD_0, IDC_HW_AO_STOP_VALUE_0},
    {IDC_HW_AO_SIGNAL_1, IDC_HW_AO_HOLD_1, IDC_HW_AO_STOP_VALUE_1},
};
constexpr int StopValueChars = 6;

}  // namespace

IMPLEMENT_DYNCREATE(CHWAIView, CHWModuleForm)

CHWAIView::CHWAIView()
    : CHWModuleForm(IDD_FORM_AI), m_input(ModuleAreaAI, IDC_HW_IN_START, IDC_HW_IN_SPIN, IDC_HW_IN_LENGTH) {
    AddStartField(m_input);
}

void CHWAIView::Fill() {
    m_input.Fill(*this);
    FillChannels(true);
}

// Each list on the module's value, or (Default) on its first entry. A stored type
// outside the kind's slice leaves its list without a selection.
void CHWAIView::FillChannels(bool fromModule) {
    const CQLX_R2_PLC& module = *Module();
    const AiTypeSlice types = AiTypesOf(module.kindMask);
    for (int channel = 0; channel < CQLX_R2_PLC::MaxAnalogIn; ++channel) {
        const bool present = channel < module.aiCount;
        FillList(*this, AiTypeIds[channel], types.texts, types.count);
        FillList(*this, AiFilterIds[channel], AiFilterModes, static_cast<int>(std::size(AiFilterModes)));
        SelectListEntry(*this, AiTypeIds[channel],
                        fromModule ? AiTypeListPosition(module.kindMask, module.aiSettingsA[channel]) : 0);
        SelectListEntry(*this, AiFilterIds[channel], fromModule ? module.aiSettingsB[channel] : 0);
        EnableControl(*this, AiTypeIds[channel], present);
        EnableControl(*this, AiFilterIds[channel], present);
    }
}

bool CHWAIView::OnFormCommand(UINT id, UINT code) {
    if (code == CBN_SELCHANGE) {
        Changed(false);
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_HW_AI_DEFAULT) {
        if (!Project().AssignAnalogInputWords(Module())) {
            ShowNoRoom(NoRoom);
            return true;
        }
        m_input.ShowModuleStart(*this);
        FillChannels(false);
    } else if (id == IDC_HW_AI_CANCEL) {
        m_input.Restore(*this);
        FillChannels(true);
    } else {
        return false;
    }
    Changed(true);
    return true;
}

int CHWAIView::ApplyToModule() {
    m_input.Store(*this);
    CQLX_R2_PLC& module = *Module();
    for (int channel = 0; channel < std::min<int>(module.aiCount, CQLX_R2_PLC::MaxAnalogIn); ++channel) {
        module.aiSettingsA[channel] =
            AiTypeFromList(module.kindMask, ListSelection(*this, AiTypeIds[channel]), module.aiSettingsA[channel]);
        const int filter = ListSelection(*this, AiFilterIds[channel]);
        if (filter >= 0)
            module.aiSettingsB[channel] = static_cast<BYTE>(filter);
    }
    return -1;
}

IMPLEMENT_DYNCREATE(CHWAOView, CHWModuleForm)

CHWAOView::CHWAOView()
    : CHWModuleForm(IDD_FORM_AO), m_output(ModuleAreaAQ, IDC_HW_OUT_START, IDC_HW_OUT_SPIN, IDC_HW_OUT_LENGTH) {
    AddStartField(m_output);
}

void CHWAOView::Fill() {
    m_output.Fill(*this);
    for (int channel = 0; channel < CQLX_R2_PLC::MaxAnalogOut; ++channel) {
        SendDlgItemMessage(AoIds[channel].stopValue, EM_LIMITTEXT, StopValueChars);
        FillChannel(channel);
    }
}

void CHWAOView::FillChannel(int channel) {
    const CQLX_R2_PLC& module = *Module();
    const AoChannelIds& ids = AoIds[channel];
    const bool present = channel < module.aoCount;
    FillList(*this, ids.signal, AiSignalRanges, static_cast<int>(std::size(AiSignalRanges)));
    SelectListEntry(*this, ids.signal, module.aoSignalForms[channel]);
    const bool hold = present && module.aoHoldOnStop[channel] != 0;
    SetChecked(*this, ids.hold, hold);
    if (hold)
        SetFieldNumber(*this, ids.stopValue, module.aoStopValues[channel]);
    else
        SetDlgItemText(ids.stopValue, "");
    EnableControl(*this, ids.signal, present);
    EnableControl(*this, ids.hold, present);
    EnableControl(*this, ids.stopValue, hold);
}

void CHWAOView::ClearChannel(int channel) {
    const AoChannelIds& ids = AoIds[channel];
    FillList(*this, ids.signal, AiSignalRanges, static_cast<int>(std::size(AiSignalRanges)));
    SelectListEntry(*this, ids.signal, 0);
    SetChecked(*this, ids.hold, false);
    SetDlgItemText(ids.stopValue, "");
    EnableControl(*this, ids.stopValue, false);
}

void CHWAOView::ClampStopValue(int channel) {
    const AoChannelIds& ids = AoIds[channel];
    if (!IsChecked(*this, ids.hold))
        return;
    const int value = FieldNumber(*this, ids.stopValue);
    const int clamped = ::ClampStopValue(value, ListSelection(*this, ids.signal));
    if (clamped != value)
        SetFieldNumber(*this, ids.stopValue, clamped);
}

bool CHWAOView::OnChannelCommand(int channel, UINT id, UINT code) {
    const AoChannelIds& ids = AoIds[channel];
    if (static_cast<int>(id) == ids.hold && code == BN_CLICKED) {
        const bool hold = IsChecked(*this, ids.hold);
        if (hold)
            SetFieldNumber(*this, ids.stopValue, AoStopValueRange(ListSelection(*this, ids.signal)).defaultValue);
        else
            SetDlgItemText(ids.stopValue, "");
        EnableControl(*this, ids.stopValue, hold);
    } else if (static_cast<int>(id) == ids.signal && code == CBN_SELCHANGE) {
        ClampStopValue(channel);
    } else if (!(static_cast<int>(id) == ids.stopValue && code == EN_CHANGE)) {
        return false;
    }
    Changed(false);
    return true;
}

bool CHWAOView::OnFormCommand(UINT id, UINT code) {
    for (int channel = 0; channel < CQLX_R2_PLC::MaxAnalogOut; ++channel)
        if (OnChannelCommand(channel, id, code))
            return true;
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_HW_AO_DEFAULT) {
        if (!Project().AssignAnalogOutputWords(Module())) {
            ShowNoRoom(NoRoom);
            return true;
        }
        m_output.ShowModuleStart(*this);
        for (int channel = 0; channel < CQLX_R2_PLC::MaxAnalogOut; ++channel)
            ClearChannel(channel);
    } else if (id == IDC_HW_AO_CANCEL) {
        m_output.Restore(*this);
        for (int channel = 0; channel < CQLX_R2_PLC::MaxAnalogOut; ++channel)
            FillChannel(channel);
    } else {
        return false;
    }
    Changed(true);
    return true;
}

int CHWAOView::ApplyToModule() {
    m_output.Store(*this);
    CQLX_R2_PLC& module = *Module();
    for (int channel = 0; channel < std::min<int>(module.aoCount, CQLX_R2_PLC::MaxAnalogOut); ++channel) {
        ClampStopValue(channel);
        const AoChannelIds& ids = AoIds[channel];
        const int signal = ListSelection(*this, ids.signal);
        if (signal >= 0)
            module.aoSignalForms[channel] = static_cast<BYTE>(signal);
        module.aoHoldOnStop[channel] = IsChecked(*this, ids.hold) ? 1 : 0;
        module.aoStopValues[channel] = FieldNumber(*this, ids.stopValue);
    }
    return -1;
}
