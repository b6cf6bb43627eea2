#pragma once
#include "project/CPlcWorkspace.h"
#include "project/ShellServices.h"
#include "tests/comm/PlcLinkFixture.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TestApplication.h"

#include <string>
#include <vector>

// The PLC dialogs as the program shows them: a test application, the workspace with
// its communication lock, theSerialPort over the in-process link to the simulated PLC,
// and the main frame's output lines recorded.
class DialogLinkFixture : public PlcLinkFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // The texts of the message boxes shown so far.
    std::vector<std::string> MessageTexts() const;
    // Whether another thread could take the communication lock now (the lock is
    // recursive, so this thread could take it anyway).
    bool CommLockFree();
    // Holds the communication lock on another thread until released.
    void HoldCommLockElsewhere();
    void ReleaseCommLockElsewhere();
    // A control's text.
    static CString ItemText(CWnd* dialog, int id);
    // Closes a dialog still open after a scripted step.
    static void CloseIfOpen(CWnd* dialog);
    // Saves the dialog's image to the test output for people to look at.
    void SaveImage(CWnd* dialog, const char* fileName);

    TestApplication app;
    CPlcWorkspace workspace;
    std::vector<int> reportedResults;

private:
    HANDLE m_holder = nullptr;
    HANDLE m_release = nullptr;
};
