#pragma once
#include "hardware/HardwareCheckHost.h"

#include <map>
#include <string>
#include <vector>

// Records what the configuration check asks of the hardware window.
class FakeHardwareCheckHost : public HardwareCheckHost {
public:
    explicit FakeHardwareCheckHost(CQLXProject& project) : project_(project) {}

    CQLXProject& Project() override { return project_; }
    ModuleFormWriteBack* TabForm(int tab) override {
        askedTabs.push_back(tab);
        auto found = forms.find(tab);
        return found == forms.end() ? nullptr : found->second;
    }
    void ActivateWindow() override { calls.push_back("activate"); }
    void SelectSlotCell(int row, int column) override {
        calls.push_back("cell " + std::to_string(row) + "," + std::to_string(column));
    }
    void ShowTab(int tab) override { calls.push_back("tab " + std::to_string(tab)); }
    void ShowCpuPage(int page) override { calls.push_back("page " + std::to_string(page)); }
    HWND MessageOwner() override { return nullptr; }

    std::map<int, ModuleFormWriteBack*> forms;
    std::vector<int> askedTabs;
    std::vector<std::string> calls;

private:
    CQLXProject& project_;
};

// A form that answers a fixed page index and can change its module when applied.
class FakeForm : public ModuleFormWriteBack {
public:
    explicit FakeForm(int answer = -1) : answer_(answer) {}
    int ApplyToModule() override {
        ++applied;
        if (onApply)
            onApply();
        return answer_;
    }
    int applied = 0;
    void (*onApply)() = nullptr;

private:
    int answer_;
};
