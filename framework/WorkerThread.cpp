#include "framework/WorkerThread.h"

#include "framework/MessageLoop.h"

#include <process.h>

CWinThread::~CWinThread() { WaitPumping(); }

bool CWinThread::CreateThread() {
    if (IsRunning()) return false;
    m_thread.Reset();
    unsigned id = 0;
    const uintptr_t handle = _beginthreadex(nullptr, 0, &CWinThread::ThreadEntry, this, 0, &id);
    if (handle == 0) return false;
    m_thread.Reset(reinterpret_cast<HANDLE>(handle));
    m_threadId = id;
    return true;
}

bool CWinThread::IsRunning() const {
    return m_thread.Valid() && WaitForSingleObject(m_thread.Get(), 0) == WAIT_TIMEOUT;
}

void CWinThread::WaitPumping() {
    if (!m_thread.Valid()) return;
    HANDLE thread = m_thread.Get();
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {  // keep the quit for the caller's own loop
                PostQuitMessage(static_cast<int>(msg.wParam));
                WaitForSingleObject(thread, INFINITE);
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

int CWinThread::Run() { return RunMessageLoop(); }

void CWinThread::PostQuitToOwnThread() { PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 0, 0); }

unsigned __stdcall CWinThread::ThreadEntry(void* self) {
    auto* thread = static_cast<CWinThread*>(self);
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // gives the thread its message queue
    thread->m_exitCode = thread->InitInstance() ? thread->Run() : 0;
    return static_cast<unsigned>(thread->ExitInstance());
}
