#include "platform/SyncObjects.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs a function on a thread of its own and waits for it to end.
void RunOnOtherThread(const std::function<void()>& work) {
    auto entry = [](LPVOID arg) -> DWORD {
        (*static_cast<const std::function<void()>*>(arg))();
        return 0;
    };
    HANDLE thread = ::CreateThread(nullptr, 0, entry, const_cast<std::function<void()>*>(&work),
                                   0, nullptr);
    ASSERT_NE(thread, nullptr);
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
}

// A thread that takes the mutex and keeps it until told to let go.
class MutexHolder {
public:
    explicit MutexHolder(CMutex& mutex) : m_mutex(mutex) {
        m_thread = ::CreateThread(nullptr, 0, &MutexHolder::Run, this, 0, nullptr);
        ::WaitForSingleObject(m_taken, INFINITE);
    }
    ~MutexHolder() {
        m_release.SetEvent();
        ::WaitForSingleObject(m_thread, INFINITE);
        ::CloseHandle(m_thread);
    }

private:
    static DWORD WINAPI Run(LPVOID arg) {
        auto* self = static_cast<MutexHolder*>(arg);
        CSingleLock lock(&self->m_mutex, TRUE);
        self->m_taken.SetEvent();
        ::WaitForSingleObject(self->m_release, INFINITE);
        return 0;
    }

    CMutex& m_mutex;
    CEvent m_taken;
    CEvent m_release;
    HANDLE m_thread = nullptr;
};

} // namespace

TEST(SingleLock, TimesOutWhileAnotherThreadHoldsTheMutex) {
    CMutex mutex;
    {
        MutexHolder holder(mutex);
        CSingleLock lock(&mutex);
        DWORD start = ::GetTickCount();
        EXPECT_FALSE(lock.Lock(200));
        DWORD waited = ::GetTickCount() - start;
        EXPECT_FALSE(lock.IsLocked());
        EXPECT_GE(waited, 150u);
        EXPECT_LT(waited, 2000u);
    }
    CSingleLock lock(&mutex);
    EXPECT_TRUE(lock.Lock(200));
    EXPECT_TRUE(lock.IsLocked());
}

TEST(SingleLock, ReleasesOnDestructionSoOthersCanTakeIt) {
    CMutex mutex;
    {
        CSingleLock lock(&mutex, TRUE);
        ASSERT_TRUE(lock.IsLocked());
    }
    BOOL takenElsewhere = FALSE;
    RunOnOtherThread([&] {
        CSingleLock lock(&mutex);
        takenElsewhere = lock.Lock(100);
    });
    EXPECT_TRUE(takenElsewhere);
}

TEST(SingleLock, LockingTwiceTakesTheObjectOnce) {
    CMutex mutex;
    {
        CSingleLock lock(&mutex);
        EXPECT_TRUE(lock.Lock(0));
        EXPECT_TRUE(lock.Lock(0));
        EXPECT_TRUE(lock.Unlock());
        EXPECT_FALSE(lock.IsLocked());
    }
    BOOL takenElsewhere = FALSE;
    RunOnOtherThread([&] {
        takenElsewhere = mutex.Lock(100);
        if (takenElsewhere)
            mutex.Unlock();
    });
    EXPECT_TRUE(takenElsewhere);
}

TEST(Mutex, IsRecursiveForItsOwnerAndIgnoresReleaseByOthers) {
    CMutex mutex;
    ASSERT_TRUE(mutex.Lock(0));
    ASSERT_TRUE(mutex.Lock(0));

    BOOL releasedByStranger = TRUE;
    RunOnOtherThread([&] { releasedByStranger = mutex.Unlock(); });
    EXPECT_FALSE(releasedByStranger);

    EXPECT_TRUE(mutex.Unlock());
    BOOL takenAfterOneRelease = TRUE;
    RunOnOtherThread([&] { takenAfterOneRelease = mutex.Lock(50); });
    EXPECT_FALSE(takenAfterOneRelease) << "one take is still outstanding";

    EXPECT_TRUE(mutex.Unlock());
    BOOL takenAfterBothReleases = FALSE;
    RunOnOtherThread([&] {
        takenAfterBothReleases = mutex.Lock(50);
        if (takenAfterBothReleases)
            mutex.Unlock();
    });
    EXPECT_TRUE(takenAfterBothReleases);
}

TEST(Event, AutoResetReleasesOneWaitAndManualResetStaysSignalled) {
    CEvent autoReset(FALSE, FALSE);
    EXPECT_FALSE(autoReset.Lock(0));
    autoReset.SetEvent();
    EXPECT_TRUE(autoReset.Lock(0));
    EXPECT_FALSE(autoReset.Lock(0)) << "a satisfied wait resets an auto-reset event";

    CEvent manualReset(FALSE, TRUE);
    manualReset.SetEvent();
    EXPECT_TRUE(manualReset.Lock(0));
    EXPECT_TRUE(manualReset.Lock(0));
    manualReset.ResetEvent();
    EXPECT_FALSE(manualReset.Lock(0));

    CEvent initiallySet(TRUE, TRUE);
    EXPECT_TRUE(initiallySet.Lock(0));
}

TEST(Event, WakesAWaiterOnAnotherThread) {
    CEvent ready(FALSE, FALSE);
    BOOL woken = FALSE;
    HANDLE thread = ::CreateThread(nullptr, 0, [](LPVOID arg) -> DWORD {
        ::Sleep(50);
        static_cast<CEvent*>(arg)->SetEvent();
        return 0;
    }, &ready, 0, nullptr);
    woken = ready.Lock(2000);
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    EXPECT_TRUE(woken);
}

TEST(CriticalSection, TimedLockFailsWhileHeldElsewhere) {
    CCriticalSection section;
    ASSERT_TRUE(section.Lock());
    BOOL takenElsewhere = TRUE;
    RunOnOtherThread([&] { takenElsewhere = section.Lock(50); });
    EXPECT_FALSE(takenElsewhere);
    section.Unlock();
    RunOnOtherThread([&] {
        takenElsewhere = section.Lock(50);
        if (takenElsewhere)
            section.Unlock();
    });
    EXPECT_TRUE(takenElsewhere);
}
