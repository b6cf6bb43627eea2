#pragma once
#include "platform/Afx.h"

class CQLXProject;

// A tab's form as the configuration check sees it: it writes what the user entered
// into its module record.
class ModuleFormWriteBack {
public:
    virtual ~ModuleFormWriteBack() = default;
    // -1 when the values are accepted and written; a CPU view answers the index of its
    // page that refused them (that page has shown its message).
    virtual int ApplyToModule() = 0;
};

// The hardware window as the configuration check drives it.
class HardwareCheckHost {
public:
    virtual ~HardwareCheckHost() = default;
    virtual CQLXProject& Project() = 0;
    // The form of an info pane tab; null for a tab without one (instructions page,
    // placeholder, DI form) or past the last tab.
    virtual ModuleFormWriteBack* TabForm(int tab) = 0;
    // Makes the hardware window the active MDI child.
    virtual void ActivateWindow() = 0;
    virtual void SelectSlotCell(int row, int column) = 0;
    virtual void ShowTab(int tab) = 0;
    virtual void ShowCpuPage(int page) = 0;
    // Owner of the check's message boxes.
    virtual HWND MessageOwner() = 0;
};

// Decides whether the hardware configuration may be left or saved: writes every form
// back, then checks empty slots, point limits and addresses. The first failure is shown
// in one message box and brought into view; true when everything passes.
bool CheckHardwareConfig(HardwareCheckHost& host);
