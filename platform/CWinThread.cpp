#include "platform/CWinThread.h"

#include "platform/CFrameWnd.h"
#include "platform/CHandleMap.h"
#include "platform/CToolTipTracker.h"
#include "platform/CWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

CWinThread*& CurrentThread() {
    static thread_local CWinThread* thread = nullptr;
    return thread;
}

}  // namespace

void AfxSetCurrentThread(CWinThread* thread) { CurrentThread() = thread; }

CWinThread* AfxGetThread() { return CurrentThread(); }

CWnd* AfxGetMainWnd() {
    CWinThread* thread = AfxGetThread();
    return thread ? thread->GetMainWnd() : nullptr;
}

CWinThread::CWinThread() = default;

CWinThread::CWinThread(AFX_THREADPROC proc, LPVOID param) : m_pfnThreadProc(proc), m_pThreadParams(param) {}

CWinThread::~CWinThread() {
    if (m_hThread)
        ::CloseHandle(m_hThread);
    if (CurrentThread() == this)
        CurrentThread() = nullptr;
}

BOOL CWinThread::CreateThread(DWORD flags, UINT stackSize, LPSECURITY_ATTRIBUTES security) {
    m_hThread = ::CreateThread(security, stackSize, &ThreadEntry, this, flags | CREATE_SUSPENDED, &m_nThreadID);
    if (!m_hThread)
        return FALSE;
    if (!(flags & CREATE_SUSPENDED))
        ::ResumeThread(m_hThread);
    return TRUE;
}

DWORD WINAPI CWinThread::ThreadEntry(LPVOID self) {
    CWinThread* thread = static_cast<CWinThread*>(self);
    AfxSetCurrentThread(thread);
    UINT exitCode;
    if (thread->m_pfnThreadProc) {
        exitCode = thread->m_pfnThreadProc(thread->m_pThreadParams);
    } else if (thread->InitInstance()) {
        exitCode = static_cast<UINT>(thread->Run());
    } else {
        exitCode = static_cast<UINT>(thread->ExitInstance());
    }
    CHandleMapBase::DeleteAllTemporaries();
    AfxSetCurrentThread(nullptr);
    if (thread->m_bAutoDelete)
        thread->Delete();
    return exitCode;
}

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority, UINT stackSize, DWORD createFlags,
                           LPSECURITY_ATTRIBUTES security) {
    CWinThread* thread = new CWinThread(proc, param);
    if (!thread->CreateThread(createFlags | CREATE_SUSPENDED, stackSize, security)) {
        delete thread;
        return nullptr;
    }
    thread->SetThreadPriority(priority);
    if (!(createFlags & CREATE_SUSPENDED))
        thread->ResumeThread();
    return thread;
}

void AfxEndThread(UINT exitCode, BOOL deleteObject) {
    CWinThread* thread = AfxGetThread();
    CHandleMapBase::DeleteAllTemporaries();
    AfxSetCurrentThread(nullptr);
    if (thread && deleteObject)
        thread->Delete();
    ::ExitThread(exitCode);
}

void CWinThread::Delete() {
    if (m_bAutoDelete)
        delete this;
}

int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

int CWinThread::Run() {
    bool idle = true;
    LONG idleCount = 0;
    while (true) {
        while (idle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                idle = true;
                idleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage() {
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

// The walk ends at the message's top-level window: a popup's GetParent is its owner,
// which gets its turn apart (PreTranslateMessage), not twice.
BOOL CWinThread::WalkPreTranslateTree(HWND stop, MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = CWnd::FromHandlePermanent(hwnd)) {
            if (wnd->PreTranslateMessage(msg))
                return TRUE;
        }
        if (hwnd == stop || !(::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}

// The thread's tooltips see the message first. Then from the message's window up to
// the main window; a message of another top-level window (a modeless dialog) gets the
// main window's turn (accelerators) at the end.
BOOL CWinThread::PreTranslateMessage(MSG* msg) {
    if (!msg->hwnd && DispatchThreadMessage(msg))
        return TRUE;
    CToolTipTracker::FilterMessage(msg);
    CWnd* main = AfxGetMainWnd();
    HWND mainHwnd = main ? main->m_hWnd : nullptr;
    if (WalkPreTranslateTree(mainHwnd, msg))
        return TRUE;
    if (mainHwnd && msg->hwnd) {
        CWnd* target = CWnd::FromHandle(msg->hwnd);
        if (target->GetTopLevelParent()->m_hWnd != mainHwnd)
            return main->PreTranslateMessage(msg);
    }
    return FALSE;
}

BOOL CWinThread::DispatchThreadMessage(MSG* msg) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(msg->message, 0, 0);
    if (!entry)
        return FALSE;
    AFX_MSGCALL call = {msg->message, msg->wParam, msg->lParam, 0, nullptr};
    entry->pfn(this, call);
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* msg) {
    if (msg->message == WM_MOUSEMOVE || msg->message == WM_NCMOUSEMOVE) {
        bool same = msg->message == m_lastMouseMessage && msg->pt.x == m_lastMousePoint.x &&
                    msg->pt.y == m_lastMousePoint.y;
        m_lastMouseMessage = msg->message;
        m_lastMousePoint = msg->pt;
        return !same;
    }
    // Paints and the system's caret timer come endlessly; they start no idle pass.
    const UINT systemTimer = 0x0118;
    return msg->message != WM_PAINT && msg->message != systemTimer;
}

namespace {

void SendIdleUpdate(CWnd* wnd) {
    AfxCallWndProc(wnd, wnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
    wnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

}  // namespace

BOOL CWinThread::OnIdle(LONG count) {
    if (count <= 0) {
        CWnd* main = m_pMainWnd;
        if (main && main->m_hWnd && main->IsWindowVisible())
            SendIdleUpdate(main);
        std::vector<CFrameWnd*> frames = m_frames;
        for (CFrameWnd* frame : frames) {
            if (frame != main && frame->m_hWnd && frame->IsWindowVisible())
                SendIdleUpdate(frame);
        }
    } else if (count == 1) {
        CHandleMapBase::DeleteAllTemporaries();
    }
    return count < 1;
}

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }

void CWinThread::AddFrame(CFrameWnd* frame) { m_frames.push_back(frame); }

void CWinThread::RemoveFrame(CFrameWnd* frame) {
    m_frames.erase(std::remove(m_frames.begin(), m_frames.end(), frame), m_frames.end());
}
