#include "tools/driver/Driver.h"

#include "framework/Strings.h"

namespace driver {

namespace {

// ID of the text of a standard message box.
constexpr int kMessageBoxTextId = 0xFFFF;

struct Search {
    const std::string* title;
    int controlId;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    if (search->processId) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != search->processId) return TRUE;
    }
    if (WindowText(window) != *search->title || !GetDlgItem(window, search->controlId)) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND WaitForWindow(const std::string& title, int controlId, DWORD processId, DWORD timeoutMs) {
    Search search{&title, controlId, processId, nullptr};
    PollUntil(timeoutMs, [&] {
        search.found = nullptr;
        EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

bool Click(HWND window, int controlId, DWORD timeoutMs) {
    HWND control = GetDlgItem(window, controlId);
    if (!control) return false;
    if (!PollUntil(timeoutMs, [&] { return IsWindowEnabled(control) != FALSE; })) return false;
    return PostMessageA(control, BM_CLICK, 0, 0) != FALSE;
}

bool ClickIn(const std::string& title, int controlId, DWORD processId, DWORD timeoutMs) {
    HWND window = WaitForWindow(title, controlId, processId, timeoutMs);
    return window && Click(window, controlId, timeoutMs);
}

std::string ControlText(HWND window, int controlId) {
    // GetWindowText does not ask a window of another process: WM_GETTEXT does.
    HWND control = GetDlgItem(window, controlId);
    if (!control) return std::string();
    const LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

bool SetControlText(HWND window, int controlId, const std::string& text) {
    HWND control = GetDlgItem(window, controlId);
    return control && SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsControlChecked(HWND window, int controlId) {
    return SendMessageA(GetDlgItem(window, controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsControlEnabled(HWND window, int controlId) {
    HWND control = GetDlgItem(window, controlId);
    return control && IsWindowEnabled(control);
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    return PollUntil(timeoutMs, [&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

std::string MessageBoxText(HWND box) { return ControlText(box, kMessageBoxTextId); }

}  // namespace driver
