#pragma once

#include "platform/CWinApp.h"

// The application object of a test: made at the start of a test, it is the
// framework's application and the thread's object until it is destroyed. Its
// profile lives under HKEY_CURRENT_USER\Software\TessaronTests\<name>.
class TestApplication : public CWinApp {
public:
    explicit TestApplication(LPCSTR name = "WindowTests");
    ~TestApplication() override;

    // Handles every message already queued (through the framework's PreTranslate
    // chain, as the message loop does), then runs the idle pass; repeats until the
    // queue stays empty.
    void PumpUntilIdle();
    // The message loop's idle pass: OnIdle with counts 0, 1, ... until it answers FALSE.
    void RunIdle();
    // Removes the test profile.
    void DeleteProfile();
};
