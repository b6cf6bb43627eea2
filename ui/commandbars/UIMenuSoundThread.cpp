#include "ui/commandbars/UIMenuSoundThread.h"

#include <mmsystem.h>

namespace {

const int kQuit = 3;
const DWORD kStopWaitMs = 100;
const DWORD kPollMs = 5;

std::atomic<LONG> liveWorkers{0};

class SystemSoundPlayer : public IMenuSoundPlayer {
public:
    void Play(LPCSTR alias) override { ::PlaySoundA(alias, nullptr, SND_ALIAS | SND_NOWAIT | SND_NODEFAULT); }
    void Purge() override { ::PlaySoundA(nullptr, nullptr, SND_PURGE); }
};

IMenuSoundPlayer& SystemPlayer() {
    static SystemSoundPlayer player;
    return player;
}

}  // namespace

// What one worker thread shares with the sound thread object; the worker keeps its own
// reference, so it may outlive Stop and the object.
struct CUIMenuSoundThread::Worker {
    explicit Worker(IMenuSoundPlayer& player) : player(player) {}
    IMenuSoundPlayer& player;
    std::atomic<int> request{0};
};

CUIMenuSoundThread::CUIMenuSoundThread(IMenuSoundPlayer* player) : m_player(player ? player : &SystemPlayer()) {}

CUIMenuSoundThread::~CUIMenuSoundThread() { Stop(); }

LONG CUIMenuSoundThread::GetLiveWorkerCount() { return liveWorkers.load(); }

DWORD WINAPI CUIMenuSoundThread::WorkerMain(LPVOID parameter) {
    std::unique_ptr<std::shared_ptr<Worker>> owned(static_cast<std::shared_ptr<Worker>*>(parameter));
    Worker& worker = **owned;
    for (int request; (request = worker.request.load()) != kQuit; ::Sleep(kPollMs)) {
        if (request == MenuCommand || request == MenuPopup) {
            worker.player.Play(request == MenuCommand ? "MenuCommand" : "MenuPopup");
            // A request that arrived while playing is dropped, a quit is kept.
            int played = request;
            worker.request.compare_exchange_strong(played, None);
        }
    }
    worker.player.Purge();
    --liveWorkers;
    return 0;
}

void CUIMenuSoundThread::Start() {
    auto worker = std::make_shared<Worker>(*m_player);
    auto* parameter = new std::shared_ptr<Worker>(worker);
    ++liveWorkers;
    HANDLE thread = ::CreateThread(nullptr, 0, WorkerMain, parameter, CREATE_SUSPENDED, nullptr);
    if (!thread) {
        --liveWorkers;
        delete parameter;
        m_worker = worker;  // requests are still stored; the next Play tries again
        return;
    }
    ::SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL);
    ::ResumeThread(thread);
    m_worker = worker;
    m_thread = thread;
}

void CUIMenuSoundThread::Play(Sound sound) {
    if (!m_thread) Start();
    m_worker->request.store(sound);
}

void CUIMenuSoundThread::Stop() {
    if (!m_thread) return;
    m_worker->request.store(kQuit);
    ::WaitForSingleObject(m_thread, kStopWaitMs);
    ::CloseHandle(m_thread);
    m_thread = nullptr;
    m_worker.reset();
}

CUIMenuSoundThread& GetMenuSoundThread() {
    static CUIMenuSoundThread thread;
    return thread;
}
