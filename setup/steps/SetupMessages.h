#pragma once
// Private messages from the installation worker to the install page. They lie below WM_USER and are
// used as they stand.
#include <windows.h>

// Sent after each entry of a tree copy: wParam = source path, lParam = target path (const char*).
inline constexpr UINT UWM_SETUP_PROGRESS = 0x03F4;
// Sent after the install log is written.
inline constexpr UINT UWM_SETUP_CONFIGURING = 0x03F5;
// Posted when the installation is complete.
inline constexpr UINT UWM_SETUP_DONE = 0x03F6;
// Posted when a tree copy failed or was stopped.
inline constexpr UINT UWM_SETUP_ABORTED = 0x03F7;
