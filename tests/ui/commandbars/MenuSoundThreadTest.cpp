#include "ui/commandbars/UIMenuSoundThread.h"

#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Records what it plays; while held, a sound does not end.
class RecordingPlayer : public IMenuSoundPlayer {
public:
    RecordingPlayer() : m_release(::CreateEventA(nullptr, TRUE, TRUE, nullptr)), m_started(::CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
    ~RecordingPlayer() override {
        ::CloseHandle(m_release);
        ::CloseHandle(m_started);
    }
    void Play(LPCSTR alias) override {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_played.push_back(alias);
        }
        ::SetEvent(m_started);
        ::WaitForSingleObject(m_release, 10000);
    }
    void Purge() override { ++purges; }

    void Hold() { ::ResetEvent(m_release); }
    void Release() { ::SetEvent(m_release); }
    bool WaitStarted() { return ::WaitForSingleObject(m_started, 2000) == WAIT_OBJECT_0; }
    std::vector<std::string> Played() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_played;
    }
    std::atomic<int> purges{0};

private:
    HANDLE m_release;
    HANDLE m_started;
    std::mutex m_mutex;
    std::vector<std::string> m_played;
};

bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 400 && !condition(); ++i) ::Sleep(5);
    return condition();
}

TEST(MenuSounds, RequestsArePlayedByOneWorker) {
    RecordingPlayer player;
    const LONG before = CUIMenuSoundThread::GetLiveWorkerCount();
    {
        CUIMenuSoundThread sounds(&player);
        EXPECT_FALSE(sounds.IsRunning());
        sounds.Play(CUIMenuSoundThread::MenuCommand);
        EXPECT_TRUE(sounds.IsRunning());
        ASSERT_TRUE(player.WaitStarted());
        sounds.Play(CUIMenuSoundThread::MenuPopup);
        ASSERT_TRUE(player.WaitStarted());
        EXPECT_EQ(CUIMenuSoundThread::GetLiveWorkerCount(), before + 1);
    }
    EXPECT_TRUE(WaitFor([&] { return CUIMenuSoundThread::GetLiveWorkerCount() == before; }));
    EXPECT_EQ(player.Played(), (std::vector<std::string>{"MenuCommand", "MenuPopup"}));
    EXPECT_EQ(player.purges, 1);  // the quitting worker stops any sound
}

TEST(MenuSounds, StopDoesNotWaitForALongSound) {
    RecordingPlayer player;
    const LONG before = CUIMenuSoundThread::GetLiveWorkerCount();
    CUIMenuSoundThread sounds(&player);
    player.Hold();
    sounds.Play(CUIMenuSoundThread::MenuCommand);
    ASSERT_TRUE(player.WaitStarted());
    const DWORD start = ::GetTickCount();
    sounds.Stop();
    EXPECT_LT(::GetTickCount() - start, 1000u);
    EXPECT_FALSE(sounds.IsRunning());
    player.Release();
    // The worker ends after its sound; the player must outlive it.
    EXPECT_TRUE(WaitFor([&] { return CUIMenuSoundThread::GetLiveWorkerCount() == before; }));
}

// A worker still playing when stopped keeps its own quit request: the next Play starts
// a new worker, the old one ends after its sound without playing the new request, and
// no worker is left once the last one is stopped.
TEST(MenuSounds, ASlowWorkerOutlivingStopEndsOnItsOwn) {
    RecordingPlayer player;
    const LONG before = CUIMenuSoundThread::GetLiveWorkerCount();
    CUIMenuSoundThread sounds(&player);
    player.Hold();
    sounds.Play(CUIMenuSoundThread::MenuCommand);
    ASSERT_TRUE(player.WaitStarted());
    sounds.Stop();
    EXPECT_EQ(CUIMenuSoundThread::GetLiveWorkerCount(), before + 1);  // still playing

    sounds.Play(CUIMenuSoundThread::MenuPopup);  // a new worker: its fresh request must not revive the old one
    EXPECT_TRUE(sounds.IsRunning());
    player.Release();
    EXPECT_TRUE(WaitFor([&] { return CUIMenuSoundThread::GetLiveWorkerCount() == before + 1 && player.purges == 1; }));
    EXPECT_TRUE(WaitFor([&] { return player.Played().size() == 2; }));
    ::Sleep(50);  // time for a revived old worker to play the new request too
    EXPECT_EQ(player.Played(), (std::vector<std::string>{"MenuCommand", "MenuPopup"}));

    sounds.Stop();
    EXPECT_TRUE(WaitFor([&] { return CUIMenuSoundThread::GetLiveWorkerCount() == before; }));
    EXPECT_EQ(player.purges, 2);
}

TEST(MenuSounds, AStoppedThreadStartsANewWorkerOnTheNextRequest) {
    RecordingPlayer player;
    CUIMenuSoundThread sounds(&player);
    sounds.Play(CUIMenuSoundThread::MenuPopup);
    ASSERT_TRUE(player.WaitStarted());
    sounds.Stop();
    sounds.Stop();  // a second stop has nothing to do
    sounds.Play(CUIMenuSoundThread::MenuCommand);
    ASSERT_TRUE(player.WaitStarted());
    EXPECT_EQ(player.Played().back(), "MenuCommand");
    sounds.Stop();
    EXPECT_TRUE(WaitFor([] { return CUIMenuSoundThread::GetLiveWorkerCount() == 0; }));
}

}  // namespace
