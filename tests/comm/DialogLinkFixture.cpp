#include "tests/comm/DialogLinkFixture.h"

#include "platform/CWnd.h"
#include "tests/support/TestImage.h"

void DialogLinkFixture::SetUp() {
    PlcLinkFixture::SetUp();
    workspace.project.cpuClass = 1;
    SetPlcResultReporter([this](int code) { reportedResults.push_back(code); });
}

void DialogLinkFixture::TearDown() {
    ReleaseCommLockElsewhere();
    SetPlcResultReporter(nullptr);
    PlcLinkFixture::TearDown();
}

std::vector<std::string> DialogLinkFixture::MessageTexts() const {
    std::vector<std::string> texts;
    for (const RecordedMessage& message : messages.shown)
        texts.push_back(message.text);
    return texts;
}

bool DialogLinkFixture::CommLockFree() {
    static CMutex* lock;
    lock = &workspace.commLock;
    HANDLE probe = CreateThread(nullptr, 0, [](LPVOID) -> DWORD {
        CSingleLock single(lock);
        return single.Lock(0) ? 1 : 0;
    }, nullptr, 0, nullptr);
    WaitForSingleObject(probe, 10000);
    DWORD free = 0;
    GetExitCodeThread(probe, &free);
    CloseHandle(probe);
    return free == 1;
}

void DialogLinkFixture::HoldCommLockElsewhere() {
    m_release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE taken = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    struct Hold {
        CMutex* lock;
        HANDLE taken;
        HANDLE release;
    };
    static Hold hold;
    hold = {&workspace.commLock, taken, m_release};
    m_holder = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
        Hold* h = static_cast<Hold*>(p);
        CSingleLock lock(h->lock, TRUE);
        SetEvent(h->taken);
        WaitForSingleObject(h->release, INFINITE);
        return 0;
    }, &hold, 0, nullptr);
    WaitForSingleObject(taken, 10000);
    CloseHandle(taken);
}

void DialogLinkFixture::ReleaseCommLockElsewhere() {
    if (!m_holder)
        return;
    SetEvent(m_release);
    WaitForSingleObject(m_holder, 10000);
    CloseHandle(m_holder);
    CloseHandle(m_release);
    m_holder = m_release = nullptr;
}

CString DialogLinkFixture::ItemText(CWnd* dialog, int id) {
    CString text;
    dialog->GetDlgItemText(id, text);
    return text;
}

void DialogLinkFixture::CloseIfOpen(CWnd* dialog) {
    if (::IsWindow(dialog->m_hWnd) && ::IsWindowVisible(dialog->m_hWnd))
        dialog->SendMessage(WM_COMMAND, IDCANCEL);
}

void DialogLinkFixture::SaveImage(CWnd* dialog, const char* fileName) {
    // Painted first, as the user would see it after the dialog came up.
    ::RedrawWindow(dialog->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    app.PumpUntilIdle();
    CRect rect;
    dialog->GetWindowRect(&rect);
    TestImage image(rect.Width(), rect.Height());
    RenderWindow(dialog, image);
    image.SaveBmp(TestOutputPath(fileName));
}
