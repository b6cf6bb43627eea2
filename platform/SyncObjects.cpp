#include "platform/SyncObjects.h"

CSyncObject::~CSyncObject() {
    if (m_hObject != nullptr)
        ::CloseHandle(m_hObject);
}

BOOL CSyncObject::Lock(DWORD timeoutMs) {
    DWORD result = ::WaitForSingleObject(m_hObject, timeoutMs);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

CMutex::CMutex(BOOL initiallyOwn, LPCSTR name, LPSECURITY_ATTRIBUTES security)
    : CSyncObject(::CreateMutexA(security, initiallyOwn, name)) {}

BOOL CMutex::Unlock() {
    return ::ReleaseMutex(m_hObject);
}

CEvent::CEvent(BOOL initiallySignalled, BOOL manualReset, LPCSTR name,
               LPSECURITY_ATTRIBUTES security)
    : CSyncObject(::CreateEventA(security, manualReset, initiallySignalled, name)) {}

BOOL CEvent::SetEvent() {
    return ::SetEvent(m_hObject);
}

BOOL CEvent::ResetEvent() {
    return ::ResetEvent(m_hObject);
}

BOOL CEvent::PulseEvent() {
    return ::PulseEvent(m_hObject);
}

CCriticalSection::CCriticalSection() {
    ::InitializeCriticalSection(&m_sect);
}

CCriticalSection::~CCriticalSection() {
    ::DeleteCriticalSection(&m_sect);
}

BOOL CCriticalSection::Lock(DWORD timeoutMs) {
    if (timeoutMs == INFINITE) {
        ::EnterCriticalSection(&m_sect);
        return TRUE;
    }
    // A critical section has no timed wait: poll until the deadline.
    DWORD start = ::GetTickCount();
    while (!::TryEnterCriticalSection(&m_sect)) {
        if (::GetTickCount() - start >= timeoutMs)
            return FALSE;
        ::Sleep(1);
    }
    return TRUE;
}

BOOL CCriticalSection::Unlock() {
    ::LeaveCriticalSection(&m_sect);
    return TRUE;
}

CSingleLock::CSingleLock(CSyncObject* object, BOOL initialLock) : m_object(object) {
    if (initialLock)
        Lock();
}

CSingleLock::~CSingleLock() {
    Unlock();
}

BOOL CSingleLock::Lock(DWORD timeoutMs) {
    if (!m_acquired)
        m_acquired = m_object->Lock(timeoutMs);
    return m_acquired;
}

BOOL CSingleLock::Unlock() {
    if (m_acquired)
        m_acquired = !m_object->Unlock();
    return !m_acquired;
}
