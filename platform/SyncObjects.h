#pragma once
// Kernel synchronisation objects of the framework: the waitable base, mutex, event,
// critical section, and the scoped lock that takes one of them with a time-out.

#include <windows.h>

class CSyncObject {
public:
    explicit CSyncObject(HANDLE handle = nullptr) : m_hObject(handle) {}
    virtual ~CSyncObject();
    CSyncObject(const CSyncObject&) = delete;
    CSyncObject& operator=(const CSyncObject&) = delete;

    // Waits up to timeoutMs for the object; TRUE when it was obtained (an abandoned
    // mutex counts as obtained: the waiter owns it now).
    virtual BOOL Lock(DWORD timeoutMs = INFINITE);
    virtual BOOL Unlock() = 0;

    operator HANDLE() const { return m_hObject; }

    HANDLE m_hObject;
};

// A recursive lock: its owning thread may take it again, each take matched by one
// Unlock. Unlock by a thread that does not own it has no effect and returns FALSE.
class CMutex : public CSyncObject {
public:
    explicit CMutex(BOOL initiallyOwn = FALSE, LPCSTR name = nullptr,
                    LPSECURITY_ATTRIBUTES security = nullptr);
    BOOL Unlock() override;
};

class CEvent : public CSyncObject {
public:
    explicit CEvent(BOOL initiallySignalled = FALSE, BOOL manualReset = FALSE,
                    LPCSTR name = nullptr, LPSECURITY_ATTRIBUTES security = nullptr);
    BOOL SetEvent();
    BOOL ResetEvent();
    BOOL PulseEvent();
    // Waiting is all there is to an event; nothing to give back.
    BOOL Unlock() override { return TRUE; }
};

// In-process lock without a kernel handle; recursive like the mutex.
class CCriticalSection : public CSyncObject {
public:
    CCriticalSection();
    ~CCriticalSection() override;
    BOOL Lock(DWORD timeoutMs = INFINITE) override;
    BOOL Unlock() override;
    operator CRITICAL_SECTION*() { return &m_sect; }

    CRITICAL_SECTION m_sect;
};

// Takes one object for the lifetime of the lock and gives it back on destruction.
class CSingleLock {
public:
    explicit CSingleLock(CSyncObject* object, BOOL initialLock = FALSE);
    ~CSingleLock();
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    // TRUE when the object was obtained within timeoutMs; a lock that already holds
    // its object does not take it a second time.
    BOOL Lock(DWORD timeoutMs = INFINITE);
    BOOL Unlock();
    BOOL IsLocked() const { return m_acquired; }

private:
    CSyncObject* m_object;
    BOOL m_acquired = FALSE;
};
