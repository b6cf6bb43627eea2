#pragma once
#include "hardware/CHWModuleForm.h"
#include "hardware/HardwareFormHost.h"
#include "platform/CFrameWnd.h"
#include "project/CQLXProject.h"
#include "tests/hardware/ModuleListBuilder.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Records what the forms ask of the hardware window and the shell.
class RecordingFormHost : public HardwareFormHost {
public:
    explicit RecordingFormHost(CQLXProject& project) : project_(project) {}
    CQLXProject& Project() override { return project_; }
    void RedrawGrid() override { ++gridRedraws; }
    void SetProjectModified(bool modified) override { modifiedCalls.push_back(modified); }

    int gridRedraws = 0;
    std::vector<bool> modifiedCalls;

private:
    CQLXProject& project_;
};

// A frame holding one module form at a time, filled from a module of the project.
class ModuleFormFixture : public testing::Test {
protected:
    ModuleFormFixture() { project.cpuClass = 1; }
    void SetUp() override {
        ASSERT_TRUE(frame->Create(nullptr, "forms", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 700, 400)));
    }
    void TearDown() override { frame->DestroyWindow(); }

    template <typename Form>
    Form* Open(CQLX_R2_PLC& module) {
        auto* form = new Form;
        EXPECT_TRUE(form->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 560, 300), frame, 100));
        form->Attach(&module, &host);
        form->OnInitialUpdate();
        host.gridRedraws = 0;
        host.modifiedCalls.clear();
        return form;
    }

    std::string Text(CWnd* form, int id) {
        CString text;
        form->GetDlgItemText(id, text);
        return std::string(text);
    }
    void Type(CWnd* form, int id, const char* text) { form->SetDlgItemText(id, text); }
    void Click(CWnd* form, int id) { form->GetDlgItem(id)->SendMessage(BM_CLICK); }
    void Choose(CWnd* form, int id, int position) {
        form->SendDlgItemMessage(id, CB_SETCURSEL, position);
        form->SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(form->GetDlgItem(id)->m_hWnd));
    }
    bool Enabled(CWnd* form, int id) { return form->GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    bool Checked(CWnd* form, int id) { return form->IsDlgButtonChecked(id) == BST_CHECKED; }
    int Selection(CWnd* form, int id) { return static_cast<int>(form->SendDlgItemMessage(id, CB_GETCURSEL)); }
    std::pair<int, int> SpinRange(CWnd* form, int spinId) {
        int low = 0, high = 0;
        form->SendDlgItemMessage(spinId, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        return {low, high};
    }
    void SaveImage(CWnd* form, const char* name);

    TestApplication app;
    CQLXProject project;
    ModuleListBuilder builder{project};
    RecordingFormHost host{project};
    CFrameWnd* frame = new CFrameWnd;
};
