#pragma once

#include <windows.h>

#include <atomic>
#include <memory>

// Plays one system sound alias to its end; Purge stops whatever plays.
class IMenuSoundPlayer {
public:
    virtual ~IMenuSoundPlayer() = default;
    virtual void Play(LPCSTR alias) = 0;
    virtual void Purge() = 0;
};

// The menu sounds, played by a worker thread so the user-interface thread never waits:
// it only stores a request. A stopped worker that is still playing finishes on its own
// (its quit request is its own, so a new worker cannot undo it) and then ends.
class CUIMenuSoundThread {
public:
    enum Sound { None = 0, MenuCommand = 1, MenuPopup = 2 };

    // The player is a seam for tests; null plays through the system.
    explicit CUIMenuSoundThread(IMenuSoundPlayer* player = nullptr);
    ~CUIMenuSoundThread();
    CUIMenuSoundThread(const CUIMenuSoundThread&) = delete;
    CUIMenuSoundThread& operator=(const CUIMenuSoundThread&) = delete;

    // Starts a worker when none runs, then asks it for the sound.
    void Play(Sound sound);
    // A new worker with no request, at a priority below normal.
    void Start();
    // Asks the worker to quit, waits at most 100 ms and lets it go.
    void Stop();
    BOOL IsRunning() const { return m_thread != nullptr; }
    // Workers whose threads have not ended yet, in every sound thread of the process.
    static LONG GetLiveWorkerCount();

private:
    struct Worker;
    static DWORD WINAPI WorkerMain(LPVOID parameter);

    IMenuSoundPlayer* m_player;
    std::shared_ptr<Worker> m_worker;
    HANDLE m_thread = nullptr;
};

// The process's sound thread, stopped at exit.
CUIMenuSoundThread& GetMenuSoundThread();
