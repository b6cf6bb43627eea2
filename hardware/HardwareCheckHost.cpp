#include "hardware/HardwareCheckHost.h"

#include "hardware/ConfigurationCheck.h"
#include "project/CQLXProject.h"

namespace {

void ShowFailure(HardwareCheckHost& host, const ConfigCheckFailure& failure) {
    const HWND focus = ::GetFocus();
    AfxShowMessageBox(host.MessageOwner(), failure.message, failure.caption, MB_OK | failure.icon);
    if (focus != nullptr && ::IsWindow(focus))
        ::SetFocus(focus);
    host.ActivateWindow();
    if (failure.slot > 0)
        host.SelectSlotCell(failure.slot, failure.column);
    if (failure.tab > 0)
        host.ShowTab(failure.tab);
}

// Tab r is slot r. The CPU view's refusing page is brought to the front.
bool WriteFormsBack(HardwareCheckHost& host) {
    const int moduleCount = static_cast<int>(host.Project().modules.GetSize());
    for (int tab = 1; tab <= moduleCount; ++tab) {
        ModuleFormWriteBack* form = host.TabForm(tab);
        if (form == nullptr)
            continue;
        const int refusingPage = form->ApplyToModule();
        if (refusingPage >= 0) {
            host.ActivateWindow();
            host.ShowTab(tab);
            host.SelectSlotCell(tab, 1);
            host.ShowCpuPage(refusingPage);
            return false;
        }
    }
    return true;
}

}  // namespace

bool CheckHardwareConfig(HardwareCheckHost& host) {
    const CQLXProject& project = host.Project();
    if (project.modules.GetSize() == 0)
        return true;
    if (ConfigCheckResult failure = CheckEmptySlots(project.modules)) {
        ShowFailure(host, *failure);
        return false;
    }
    if (!WriteFormsBack(host))
        return false;
    ConfigCheckResult failure = CheckPointLimits(project.modules);
    if (!failure)
        failure = CheckModuleAddresses(project.modules, project.cpuClass);
    if (failure) {
        ShowFailure(host, *failure);
        return false;
    }
    return true;
}
