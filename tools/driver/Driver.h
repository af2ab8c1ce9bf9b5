#pragma once
// Drives a running Win32 program the way a user would: finds its windows by title and by a control
// they hold, clicks buttons by control ID, reads and types texts. Clicks are posted (BM_CLICK), since a
// handler that runs a modal box would block a sent one.
#include "framework/Charset.h"

#include <windows.h>

#include <string>

namespace driver {

// Milliseconds between two looks at the window list.
inline constexpr DWORD kPollIntervalMs = 50;

// Asks `condition` every poll interval until it holds; false when it did not within timeoutMs.
template <class Condition>
bool PollUntil(DWORD timeoutMs, Condition condition) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollIntervalMs);
    }
}

// A visible, enabled top-level window titled `title` that has a child with `controlId`, belonging to
// process `processId` (0: any process). Waits up to timeoutMs; nullptr when none appeared.
HWND WaitForWindow(const std::string& title, int controlId, DWORD processId, DWORD timeoutMs);

// Waits until the control is enabled, then clicks it; false when it stayed disabled or is missing.
bool Click(HWND window, int controlId, DWORD timeoutMs);
// Waits for the window with the control, then clicks the control.
bool ClickIn(const std::string& title, int controlId, DWORD processId, DWORD timeoutMs);

std::string ControlText(HWND window, int controlId);
bool SetControlText(HWND window, int controlId, const std::string& text);
bool IsControlChecked(HWND window, int controlId);
bool IsControlEnabled(HWND window, int controlId);

// Waits until the window no longer exists (or is hidden); false on timeout.
bool WaitUntilGone(HWND window, DWORD timeoutMs);

// The text of a message box (its static with ID 0xFFFF).
std::string MessageBoxText(HWND box);

}  // namespace driver
