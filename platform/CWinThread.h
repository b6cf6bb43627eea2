#pragma once

#include "platform/CCmdTarget.h"

#include <vector>

class CFrameWnd;
class CWnd;

typedef UINT (*AFX_THREADPROC)(LPVOID);

// A thread with a message loop (the user-interface thread is the application object)
// or a worker running one function. The loop (Run) pumps messages through
// PreTranslateMessage and, whenever the queue runs empty, calls OnIdle with a
// growing count until it answers FALSE: count 0 updates the user interface
// (WM_IDLEUPDATECMDUI to the main window and its descendants and to the thread's
// other frames), count 1 deletes the temporary handle wrappers.
class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)

public:
    CWinThread();
    CWinThread(AFX_THREADPROC proc, LPVOID param);
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;
    BOOL m_bAutoDelete = TRUE;  // a worker deletes its object when it ends
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    MSG m_msgCur = {};

    operator HANDLE() const { return m_hThread; }
    BOOL CreateThread(DWORD flags = 0, UINT stackSize = 0, LPSECURITY_ATTRIBUTES security = nullptr);
    int GetThreadPriority() { return ::GetThreadPriority(m_hThread); }
    BOOL SetThreadPriority(int priority) { return ::SetThreadPriority(m_hThread, priority); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::PostThreadMessageA(m_nThreadID, message, wParam, lParam);
    }

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG count);
    // FALSE for messages that do not end an idle period (repeated mouse moves, paints).
    virtual BOOL IsIdleMessage(MSG* msg);
    virtual CWnd* GetMainWnd();
    virtual void Delete();

    // Frames of this thread other than the main window get the idle update too.
    void AddFrame(CFrameWnd* frame);
    void RemoveFrame(CFrameWnd* frame);

    // Gives msg to PreTranslateMessage of each window from its target up to stop.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

protected:
    // Thread messages (no window) go to the thread's ON_THREAD_MESSAGE handlers.
    BOOL DispatchThreadMessage(MSG* msg);

private:
    static DWORD WINAPI ThreadEntry(LPVOID self);

    AFX_THREADPROC m_pfnThreadProc = nullptr;
    LPVOID m_pThreadParams = nullptr;
    std::vector<CFrameWnd*> m_frames;
    POINT m_lastMousePoint = {-1, -1};
    UINT m_lastMouseMessage = 0;
};

// The thread object of the calling thread (the application for the main thread).
CWinThread* AfxGetThread();
// The calling thread's main window.
CWnd* AfxGetMainWnd();
// Starts a worker running proc(param); NULL when the thread could not start.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0, DWORD createFlags = 0, LPSECURITY_ATTRIBUTES security = nullptr);
// Ends the calling worker thread.
void AfxEndThread(UINT exitCode, BOOL deleteObject = TRUE);

// Makes thread the calling thread's thread object (the application object does this
// when it is constructed).
void AfxSetCurrentThread(CWinThread* thread);
