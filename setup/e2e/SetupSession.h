#pragma once
// One run of the real Setup.exe from a medium, driven like a user. The destructor ends a run that
// is still going, so a failed test leaves no process behind.
#include "framework/Handles.h"

#include <windows.h>

#include <string>

class SetupSession {
public:
    // Copies the built Setup.exe into the medium folder and starts it there.
    explicit SetupSession(const std::string& mediumFolder);
    ~SetupSession();
    SetupSession(const SetupSession&) = delete;
    SetupSession& operator=(const SetupSession&) = delete;

    bool Started() const { return m_process.Valid(); }
    // The wizard window with this marker control (a page) or the box with this button.
    HWND WaitFor(const std::string& title, int controlId, DWORD timeoutMs = kStepTimeoutMs);
    // Waits for the window, then clicks the control in it.
    bool Click(const std::string& title, int markerId, int controlId, DWORD timeoutMs = kStepTimeoutMs);
    // True when the program ended within the time.
    bool WaitForExit(DWORD timeoutMs = kStepTimeoutMs);

    // How long one step of the wizard may take under Wine.
    static constexpr DWORD kStepTimeoutMs = 30000;

private:
    UniqueHandle m_process;
    DWORD m_processId = 0;
};

// The built Setup.exe beside the test program's folder.
std::string BuiltSetupPath();
// Runs Wine's reg.exe with the arguments and waits for it; true on exit code 0.
bool RunRegTool(const std::string& arguments);
