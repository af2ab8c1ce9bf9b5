#include "framework/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

constexpr UINT kPing = WM_APP + 1;

// Sends messages to its main window, as the installation worker does, then ends.
class PingThread : public CWinThread {
public:
    std::atomic<int> sent{0};
    HANDLE release = nullptr;

protected:
    int Run() override {
        WaitForSingleObject(release, INFINITE);
        for (int i = 0; i < 5; ++i) {
            SendMessageA(MainWindow(), kPing, 0, 0);
            ++sent;
        }
        PostQuitToOwnThread();
        return CWinThread::Run();
    }
};

int g_received = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPing) return ++g_received;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(WorkerThread, WaitPumpingServesTheWorkersSentMessagesAndRefusesASecondStart) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OrvexPingTarget";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "OrvexPingTarget", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    UniqueHandle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));

    PingThread thread;
    thread.release = release.Get();
    thread.SetMainWindow(window);
    g_received = 0;
    ASSERT_TRUE(thread.CreateThread());
    EXPECT_TRUE(thread.IsRunning());
    EXPECT_FALSE(thread.CreateThread());  // one worker per object at a time
    SetEvent(release.Get());
    thread.WaitPumping();  // a plain wait would deadlock on the first SendMessage
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(thread.sent.load(), 5);
    EXPECT_EQ(g_received, 5);
    DestroyWindow(window);
}

}  // namespace
