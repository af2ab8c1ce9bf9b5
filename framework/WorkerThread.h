#pragma once
// A worker thread object: created and owned by a window, it runs Run() on its own thread, talks to
// its main window by messages and is never deleted by the thread itself. Its owner must keep it alive
// until the thread has ended (WaitPumping), since Run() uses the object's members.
#include "framework/Charset.h"
#include "framework/Handles.h"

#include <windows.h>

class CWinThread {
public:
    CWinThread() = default;
    virtual ~CWinThread();  // waits for a thread that still runs
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    // Starts the thread (default stack, no flags, default security). Refused (false) while a thread of
    // this object still runs, so that two threads never share one object.
    bool CreateThread();
    bool IsRunning() const;
    // Waits until the thread has ended, dispatching the calling thread's messages meanwhile: the worker
    // sends messages to windows of that thread and would otherwise never return from them.
    void WaitPumping();

    HWND MainWindow() const { return m_mainWindow; }
    void SetMainWindow(HWND window) { m_mainWindow = window; }
    DWORD ThreadId() const { return m_threadId; }
    int ExitCode() const { return m_exitCode; }

protected:
    virtual bool InitInstance() { return true; }
    // The base behaviour: a message loop that ends with WM_QUIT and returns its exit code.
    virtual int Run();
    virtual int ExitInstance() { return m_exitCode; }
    // Posts WM_QUIT to the worker's own thread (called from Run on that thread).
    void PostQuitToOwnThread();

private:
    static unsigned __stdcall ThreadEntry(void* self);

    HWND m_mainWindow = nullptr;
    UniqueHandle m_thread;
    DWORD m_threadId = 0;
    int m_exitCode = 0;
};
